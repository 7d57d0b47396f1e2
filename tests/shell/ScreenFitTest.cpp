#include <QApplication>
#include <QFontMetrics>
#include <QSignalBlocker>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "cards/TPlayCards.h"
#include "core/WorldTables.h"
#include "platform/FakePlatform.h"
#include "platform/PlayerSettings.h"
#include "shell/Game.h"
#include "shell/MainWindowRules.h"
#include "shell/ScreenFit.h"
#include "shell/ScreenFitRules.h"
#include "shell/TForm1.h"
#include "store/THighScores.h"
#include "store/TOption1.h"
#include "store/TReminder.h"
#include "store/TSaveFirst.h"
#include "story/TIntro.h"
#include "support/TempFolder.h"
#include "support/TestGame.h"
#include "talk/AnswerScoring.h"
#include "talk/TCloseUp.h"

namespace quenna {
namespace {

// The game as built, on the data folder the data kit made, for a screen of this logical size.
struct RealGame {
  explicit RealGame(ScreenSize screen) : platform(screen) {
    game = std::make_unique<Game>(platform, GamePaths{QUENNA2_DATA_DIR, user.Path()});
    new ScreenFit(game->Form1(), platform);
  }
  FakePlatform platform;
  testing::TempFolder user;
  std::unique_ptr<Game> game;  // made after the folder and gone before it
};

// Whether a word-wrapping label shows the whole text, measured as it draws it.
bool Fits(const QLabel* label, const QString& text) {
  const QRect room = label->contentsRect();
  const int height = QFontMetrics(label->font())
                         .boundingRect(QRect(0, 0, room.width(), 100000),
                                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
                         .height();
  return height <= room.height();
}

QRect In(const QWidget* widget, const QWidget* ancestor) {
  return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// Every screen from 640 x 480 to 4K, at device pixel ratio 1 and 2, with Fit to Screen on
// and off: the windows lie inside the screen, the date tabs can all be brought into view,
// the close-up keeps picture, links and buttons apart and in order, and no look message,
// tip or level message of the real data is cut off.
TEST(ScreenFit, EveryWindowFitsEveryScreenWithFitToScreenOnAndOff) {
  EXPECT_EQ(FitScaleFactor(768), 1.0);
  EXPECT_EQ(FitScaleFactor(480), 1.0);
  EXPECT_EQ(FitScaleFactor(1080), 1.40625);
  struct Screen {
    int width, height, ratio;
  };
  const Screen screens[] = {{640, 480, 1},   {800, 600, 1},   {1024, 768, 1},
                            {1280, 720, 1},  {1366, 768, 1},  {1920, 1080, 1},
                            {2560, 1440, 1}, {3840, 2160, 1}, {3840, 2160, 2}};
  for (const Screen& screen : screens) {
    for (const bool fit : {true, false}) {
      // What the windows see: the screen in logical pixels, after the device's ratio and
      // the fitting factor.
      const int height = screen.height / screen.ratio;
      const double factor = fit ? FitScaleFactor(height) : 1.0;
      const ScreenSize logical{static_cast<int>(screen.width / screen.ratio / factor),
                               static_cast<int>(height / factor)};
      SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height) + " ratio " +
                   std::to_string(screen.ratio) + (fit ? " fit" : " not fit"));
      if (fit) {
        EXPECT_LE(logical.height, kDesignScreenHeight);
      }
      RealGame real(logical);
      TForm1& form = real.game->Form1();
      form.resize(logical.width, logical.height);
      form.show();
      form.FormActivate();
      form.StartgameClick();
      QWidget* client = form.centralWidget();
      ASSERT_EQ(form.ScreenHeight, client->height()) << "laid out for the client area";
      const QRect area = client->rect();
      for (QWidget* control : std::initializer_list<QWidget*>{
               form.Dates, form.MainPanel, form.RightPanel, form.ControlPanel, form.Look, form.Talk,
               form.Read1, form.VButton, form.Label3, form.Label4, form.Level, form.SLabel,
               form.Narr2, form.Narrator, form.Scores, form.text1, form.About}) {
        EXPECT_TRUE(area.contains(In(control, client))) << control->metaObject()->className();
      }
      EXPECT_LE(form.Dates->geometry().right(), form.RightPanel->x());

      // Every page: its tab shows whole once selected, and every look message fits.
      const QRect strip = form.Dates->rect();
      for (int tab = 0; tab < form.Dates->count(); ++tab) {
        form.Dates->setCurrentIndex(tab);
        QRect shown = form.Dates->tabRect(tab);
        EXPECT_TRUE(strip.contains(shown)) << "tab " << tab;
        for (const QToolButton* scroll : form.Dates->findChildren<QToolButton*>()) {
          if (scroll->isVisible()) {
            EXPECT_FALSE(scroll->geometry().intersects(shown)) << tab;
          }
        }
        for (const std::string& line : form.MessageText) {
          const QString text = QString::fromLatin1(line.data(), static_cast<int>(line.size()));
          EXPECT_TRUE(Fits(form.text1, text)) << "tab " << tab << ": " << line;
        }
      }
      // Every tip and level message.
      std::vector<std::string> messages;
      for (int virtue = 1; virtue <= 13; ++virtue) {
        for (int mode : {kCoverTip, kNoTalkTip, kTalkTip}) {
          for (int cardsOff : {0, 1}) messages.push_back(TipText(mode, 0, cardsOff, virtue));
        }
        for (int task : {virtue, virtue + kBonusMark})
          messages.push_back(LevelEndText(task) + std::string(kNextLevelInvitation));
      }
      for (const std::string& message : messages) {
        EXPECT_TRUE(Fits(form.Scores, QString::fromStdString(message))) << message;
      }

      // The close-up: picture left, the links below one another on the right, the buttons
      // below the picture, none over another, all inside the window.
      TCloseUp& closeUp = real.game->CloseUp();
      const QRect window = closeUp.rect();
      const QRect picture = closeUp.Image1->geometry();
      const QRect a = closeUp.A->geometry(), b = closeUp.B->geometry(), c = closeUp.C->geometry();
      EXPECT_TRUE(window.contains(picture));
      EXPECT_TRUE(window.contains(a) && window.contains(b));
      EXPECT_TRUE(window.contains(c.topLeft()));
      EXPECT_TRUE(a.bottom() < b.top() && b.bottom() < c.top());
      for (const QPushButton* button : {closeUp.Next1, closeUp.Exit1}) {
        const QRect place = button->geometry();
        EXPECT_TRUE(window.contains(place));
        EXPECT_GT(place.top(), picture.bottom());
        for (const QRect& link : {a, b, c}) EXPECT_FALSE(place.intersects(link));
      }
      for (const QRect& link : {a, b, c}) EXPECT_FALSE(picture.intersects(link));

      // The other windows, as they show, lie on the screen with room for a title bar.
      const QRect desk(0, 0, logical.width, logical.height);
      constexpr int kTitleBar = 30;
      for (QWidget* other : std::initializer_list<QWidget*>{
               &closeUp, &real.game->PlayCards(), &real.game->Option1(), &real.game->HighScores(),
               &real.game->Intro(), &real.game->Reminder(), &real.game->SaveFirst()}) {
        const bool wholeScreen = other == &real.game->Intro();
        // The level list's 55 lines of 13 columns need 661 x 505: more than 640 x 480.
        if (other == &real.game->Option1() && logical.width < 661) continue;
        other->show();
        const QRect frame = other->frameGeometry();
        other->hide();
        EXPECT_TRUE(desk.contains(frame) &&
                    (wholeScreen || frame.height() + kTitleBar <= logical.height))
            << other->windowTitle().toStdString() << " at " << frame.x() << "," << frame.y() << " "
            << frame.width() << "x" << frame.height();
      }
    }
  }
}

// "Fit to Screen" is on the first time, remembered when switched, and says that it takes
// effect at the next start; F11 switches the whole screen on and off.
TEST(ScreenFit, FitToScreenIsRememberedAndF11SwitchesTheWholeScreen) {
  testing::TestGame test;
  auto* fit = new ScreenFit(test.Form(), test.platform);
  ASSERT_NE(fit->FitToScreen, nullptr);
  EXPECT_TRUE(fit->FitToScreen->isChecked());
  test.platform.ExpectModal([](QWidget&) {});
  fit->FitToScreen->trigger();
  EXPECT_EQ(test.platform.Settings().at(std::string(setting::kFitToScreen)), "off");
  ASSERT_EQ(test.platform.ModalTitles().size(), 1u);
  EXPECT_FALSE(ScreenFit(test.Form(), test.platform).FitToScreen->isChecked());

  test.Form().show();
  QApplication::setActiveWindow(&test.Form());
  ASSERT_TRUE(QTest::qWaitForWindowActive(&test.Form()));
  QTest::keyClick(&test.Form(), Qt::Key_F11);
  EXPECT_TRUE(test.Form().isFullScreen());
  QTest::keyClick(&test.Form(), Qt::Key_F11);
  EXPECT_FALSE(test.Form().isFullScreen());
}

}  // namespace
}  // namespace quenna
