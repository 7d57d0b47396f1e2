// Shows the card window in the states a player meets and photographs the screen after
// each, for looking at the pictures and the layout. Run it on a display (Xvfb):
//   xvfb-run -a -s "-screen 0 1024x768x24" build/tools/cards_screens <folder>
// Each state is saved twice: the whole screen (with /usr/bin/import when present) and
// the window alone.
#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QRadialGradient>
#include <QThread>

#include <filesystem>
#include <iostream>

#include "cards/CardTable.h"
#include "cards/TCardStatistics.h"
#include "cards/TPlayCards.h"
#include "media/JpegWriter.h"
#include "shell/TForm1.h"
#include "support/TestGame.h"

namespace {

// A stand-in portrait of the hero. The card window shows it at its top-left corner,
// unscaled, with his words to its right from x = 416.
QImage Portrait() {
  QImage picture(400, 388, QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient wall(0, 0, 400, 0);
  wall.setColorAt(0, QColor(70, 46, 30));
  wall.setColorAt(0.7, QColor(28, 18, 12));
  wall.setColorAt(1, QColor(0, 0, 0));
  painter.fillRect(picture.rect(), wall);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(40, 34, 44));
  painter.drawRoundedRect(QRectF(70, 250, 260, 180), 90, 90);  // coat
  painter.setBrush(QColor(235, 230, 220));
  painter.drawPolygon(QPolygonF({QPointF(170, 262), QPointF(230, 262), QPointF(200, 320)}));
  QRadialGradient face(200, 170, 80);
  face.setColorAt(0, QColor(236, 196, 164));
  face.setColorAt(1, QColor(190, 140, 110));
  painter.setBrush(face);
  painter.drawEllipse(QPointF(200, 175), 62, 78);
  painter.setBrush(QColor(220, 220, 214));
  painter.drawChord(QRectF(132, 88, 136, 120), 0, 180 * 16);  // grey hair
  painter.setBrush(QColor(40, 30, 26));
  painter.drawEllipse(QPointF(178, 170), 5, 4);
  painter.drawEllipse(QPointF(222, 170), 5, 4);
  painter.setPen(QPen(QColor(120, 70, 60), 2));
  painter.drawArc(QRectF(182, 200, 36, 16), 200 * 16, 140 * 16);
  return picture;
}

void Settle(int milliseconds = 300) {
  for (int waited = 0; waited < milliseconds; waited += 15) {
    QApplication::processEvents();
    QThread::msleep(15);
  }
}

// The pointer over a point of the card table, as the player moves it.
void PointAt(quenna::TPlayCards& cards, QPoint at) {
  QCursor::setPos(cards.Image1->mapToGlobal(at));
  Settle(100);
}

QPoint Middle(int slot) {
  return {quenna::SlotX(slot) + 20, quenna::SlotY(slot) + 30};
}

void Shoot(QWidget& window, const std::filesystem::path& folder, const std::string& name) {
  Settle();
  window.grab().save(QString::fromStdString((folder / (name + "-window.png")).string()));
  if (std::filesystem::exists("/usr/bin/import")) {
    QProcess::execute(
        "/usr/bin/import",
        {"-window", "root", QString::fromStdString((folder / (name + ".png")).string())});
  }
  std::cout << (folder / name).string() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  const std::filesystem::path folder = argc > 1 ? argv[1] : "card-screens";
  std::filesystem::create_directories(folder);

  quenna::testing::TestGame test;
  quenna::WriteJpeg(test.data.PathOf("closeups//ornhd1x1.jpg"), Portrait(), 92);
  test.platform.SetNowSeconds(1'700'000'000);
  test.StartGame();
  test.Form().hide();
  quenna::TPlayCards& cards = test.game->PlayCards();

  cards.Round.DealCount = 99;
  cards.show();
  Shoot(cards, folder, "cards-1-not-dealt");

  cards.DealCardsClick();
  Shoot(cards, folder, "cards-2-dealt");

  // A card in hand over the table, its gap lit: the red Two of the deal, after the red One.
  PointAt(cards, Middle(13));
  cards.Image1MouseDown(Middle(13).x(), Middle(13).y());
  PointAt(cards, QPoint(150, 260));
  Shoot(cards, folder, "cards-3-lifted");

  // Let go of over a gap that does not take it.
  PointAt(cards, Middle(18) + QPoint(3, -4));
  cards.Image1MouseDown(Middle(18).x() + 3, Middle(18).y() - 4);
  Shoot(cards, folder, "cards-3b-refused");

  // The keyboard's cursor, and a card taken up with it.
  PointAt(cards, QPoint(620, 10));
  cards.Image1->setFocus();
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(cards.Image1, &press);
  }
  Shoot(cards, folder, "cards-3c-cursor");
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Up}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(cards.Image1, &press);
  }
  Shoot(cards, folder, "cards-3d-cursor-holding");
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(cards.Image1, &escape);

  cards.HintBtnClick();
  Shoot(cards, folder, "cards-4-hint");

  cards.MoreInfoClick();
  Shoot(cards, folder, "cards-5-help");

  for (int i = 0; i < 4; ++i) cards.ContinueClick();
  cards.Cards.CardLayout = quenna::ParseLayout(
      "1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
      "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB XX DB\n"
      "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n");
  cards.DisplayCards();
  Shoot(cards, folder, "cards-6-nearly-won");
  cards.Image1MouseDown(Middle(27).x(), Middle(27).y());
  cards.Image1MouseDown(Middle(26).x(), Middle(26).y());
  // The lights of the win, half-way.
  Settle(450);
  Shoot(cards, folder, "cards-6b-lights");
  Settle(1000);
  Shoot(cards, folder, "cards-7-congratulation");

  cards.ContinueClick();
  Shoot(cards, folder, "cards-8-task");

  test.platform.ExpectModal([&folder](QWidget& window) {
    window.move(380, 300);
    Shoot(window, folder, "cards-9-statistics");
    static_cast<quenna::TCardStatistics&>(window).CloseClick();
  });
  cards.Statistics1Click();
  return 0;
}
