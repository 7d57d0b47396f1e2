// Screenshots of the close-up window and the virtue chart for a look by eye: run under
// Xvfb, "talk_screens <folder> [tall]" plays one level with fixture data and writes
// closeup-opening.png, closeup-question.png, closeup-reply.png, virtue-chart.png and
// a few more.
#include <QApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QThread>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "core/WorldTables.h"
#include "media/JpegWriter.h"
#include "platform/FakePlatform.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "support/FixtureData.h"
#include "support/TalkFixtures.h"
#include "talk/TCloseUp.h"

namespace {

using namespace quenna;
using namespace quenna::testing;

std::filesystem::path shots;

void Shot(const std::string& name) {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
  const std::string command =
      "/usr/bin/import -window root '" + (shots / (name + ".png")).string() + "'";
  if (std::system(command.c_str()) != 0) std::cerr << "screenshot failed: " << name << "\n";
}

QImage Portrait() {
  QImage image(380, 380, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 380);
  sky.setColorAt(0, QColor(196, 170, 128));
  sky.setColorAt(1, QColor(120, 92, 60));
  painter.fillRect(image.rect(), sky);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(60, 70, 110));
  painter.drawRoundedRect(70, 250, 240, 160, 60, 60);  // shoulders
  painter.setBrush(QColor(236, 200, 170));
  painter.drawEllipse(130, 90, 120, 150);  // face
  painter.setBrush(QColor(250, 250, 245));
  painter.drawChord(110, 50, 160, 110, 0, 180 * 16);  // cap
  painter.setBrush(QColor(70, 50, 40));
  painter.drawEllipse(160, 150, 12, 10);
  painter.drawEllipse(208, 150, 12, 10);
  painter.setPen(QPen(QColor(150, 80, 70), 3));
  painter.drawArc(170, 185, 40, 20, 200 * 16, 140 * 16);
  return image;
}

QImage Chart() {
  QImage image(306, 513, QImage::Format_RGB32);
  image.fill(QColor(246, 238, 214));
  QPainter painter(&image);
  painter.setPen(QColor(90, 60, 30));
  QFont font("Times New Roman");
  font.setPixelSize(15);
  painter.setFont(font);
  for (int k = 0; k < kVirtueCount; ++k) {
    std::string name(VirtueName(k + 1));
    name.pop_back();
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    painter.drawText(QRect(8, 16 + 24 * k, 132, 20), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(name));
    painter.drawLine(147, 16 + 24 * k + 21, 296, 16 + 24 * k + 21);
  }
  return image;
}

FixtureDialogue WynnetDialogue() {
  FixtureDialogue d;
  const char* lines[] = {
      "Good morning! I am Wynnet. The press has been running since before dawn, so mind "
      "the wet sheets hanging by the door.",
      "Orn says a shop is only as good as the hands that keep it. Mine are black with ink "
      "by noon every day.",
      "We print the almanac here, and the town's notices, and anything else an honest "
      "customer will pay for.",
      "The paper comes from the mill up the river. It is dear, so not one sheet is wasted.",
      "When the day's work is done we count every coin twice and write it in the ledger.",
      "Is there something you would like to ask me?",
      "The shop",
      "The almanac",
      "The ledger",
      "The shop keeps us all busy. What would you like to know about it?",
      "Who opens the shop each morning?",
      "What happens to spoiled sheets?",
      "Why are the shelves kept in such order?",
  };
  for (int n = 0; n < 13; ++n) d.Set(n, lines[n]);
  d.Set(13, "The almanac sells in every town along the coast.");
  d.Set(17, "The ledger tells us where each penny went.");
  d.Set(21,
        "I open the shop myself, an hour before the first customer. Why do you think "
        "I rise so early?");
  d.Set(22, "A. So that the work is ready before anyone needs it.");
  d.Set(23, "B. Because the street is too noisy later on.");
  d.Set(24, "C. To read the newspapers before the customers do.");
  d.Set(57,
        "A. Yes! An early start means no customer ever waits. Early rising is the "
        "first step of industry.");
  d.Set(66, "Not quite. Think again about what the shop needs before the door opens.");
  d.Set(68, "6A34");
  return d;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  shots = argc > 1 ? argv[1] : ".";
  std::filesystem::create_directories(shots);

  FixtureData data;
  WriteJpeg(data.PathOf("closeups//wyn17461x1.jpg"), Portrait());
  WriteJpeg(data.PathOf("virtues.jpg"), Chart());
  WynnetDialogue().WriteTo(data, "d2\\wyn1746.dat");
  data.grids[9][45] = 2;
  data.Write();

  // "talk_screens <folder> tall" lays the windows out for a 1280 x 1024 screen.
  const bool tall = argc > 2 && std::string(argv[2]) == "tall";
  const ScreenSize screen = tall ? ScreenSize{1280, 1024} : ScreenSize{1024, 768};
  FakePlatform platform(screen);
  Game game(platform, GamePaths{data.Root(), data.UserFolder()});
  TForm1& form = game.Form1();
  form.setGeometry(0, 0, screen.width, screen.height);
  form.show();
  form.FormActivate();
  form.StartgameClick();

  GameState& state = game.State();
  for (int k = 0; k < 13; ++k) state.LevelTable.Set(k % 5, k, 6 + 9 * k);
  state.LevelTable.Set(0, LevelTable::kProgressColumn, 3);
  state.TaskTab = 9;
  state.TaskVirtue = 10;
  state.TaskDone = 1;
  form.UpdateScores();

  ClickTab(form, 9);
  ClickTalk(form);
  platform.ExpectModal([&](QWidget& window) {
    auto& closeUp = dynamic_cast<TCloseUp&>(window);
    Shot("closeup-opening");
    for (int page = 1; page < 6; ++page) ClickNext(closeUp);
    Shot("closeup-topics");
    ClickLink(closeUp, 'A');
    Shot("closeup-questions");
    ClickLink(closeUp, 'A');
    Shot("closeup-question");
    ClickLink(closeUp, 'A');
    Shot("closeup-reply");
    ClickNext(closeUp);
  });
  ClickCell(form, 45);
  Shot("level-end");
  ClickTab(form, 9);
  form.VButtonClick();
  Shot("virtue-chart");

  // The next conversation greys the question answered.
  state.TaskTab = 9;
  state.TaskVirtue = 3;
  state.TaskDone = 1;
  ClickTab(form, 0);
  ClickTab(form, 9);
  ClickTalk(form);
  platform.ExpectModal([&](QWidget& window) {
    auto& closeUp = dynamic_cast<TCloseUp&>(window);
    for (int page = 1; page < 6; ++page) ClickNext(closeUp);
    ClickLink(closeUp, 'A');
    Shot("closeup-greyed");
    closeUp.Close();
  });
  ClickCell(form, 45);
  for (const std::string& error : platform.Errors()) std::cerr << "error: " << error << "\n";
  return platform.Errors().empty() ? 0 : 1;
}
