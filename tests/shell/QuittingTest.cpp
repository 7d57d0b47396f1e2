#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTextBrowser>

#include <csignal>
#include <cstring>
#include <functional>
#include <memory>

#include "platform/DesktopPlatform.h"
#include "platform/SdlSound.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "support/FixtureData.h"
#include "support/TestGame.h"

namespace quenna {
namespace {

using testing::FixtureData;
using testing::TestGame;

// Lets the event loop run until the condition holds, for two seconds at most.
bool RunUntil(const std::function<bool()>& condition) {
  for (int turn = 0; turn < 200 && !condition(); ++turn) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return condition();
}

// The top-level window that shows the help page, if any.
QDialog* HelpWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(window);
    if (dialog != nullptr && dialog->findChild<QTextBrowser*>({}, Qt::FindDirectChildrenOnly)) {
      return dialog;
    }
  }
  return nullptr;
}

// Help > Contents, then File > Exit: the help window belongs to the main window, closes
// with it and goes with it, and the program ends without freeing anything twice.
TEST(Quitting, HelpThenExitClosesTheHelpWithTheMainWindow) {
  FixtureData data;
  data.WriteFile("ORNH.HLP", "<html><body><h1>How a level works</h1></body></html>");
  auto platform = std::make_unique<DesktopPlatform>();
  QPointer<QDialog> help;
  {
    Game game(*platform, {data.Root(), data.UserFolder()});
    TForm1& form = game.Form1();
    form.show();
    form.Contents1Click();
    help = HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), &form);
    EXPECT_EQ(help->windowTitle().toStdString(), "Quenna 2: Orn Hollin Adventure - Help");

    form.Exit1Click();  // no game running: no question
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(help->isVisible());
  }
  EXPECT_TRUE(help.isNull());
  platform.reset();
  EXPECT_EQ(HelpWindow(), nullptr);
}

// SIGTERM (`kill`, a closing desktop session), SIGINT (Ctrl+C) and SIGHUP (a closed
// terminal) close a running game that was not saved at once, without a question; also
// when the quit reminder is already asking.
TEST(Quitting, AQuitSignalClosesAnUnsavedGameWithoutAQuestion) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(signal));
    TestGame test;
    test.StartGame();
    ASSERT_TRUE(test.State().GameStarted);
    ASSERT_FALSE(test.State().GameSaved);
    std::raise(signal);
    EXPECT_TRUE(RunUntil([&] { return !test.Form().isVisible(); }));
    EXPECT_TRUE(test.platform.ModalTitles().empty());
  }

  TestGame test;
  test.StartGame();
  test.platform.ExpectModal([](QWidget& reminder) {
    EXPECT_EQ(reminder.windowTitle().toStdString(), "Reminder");
    std::raise(SIGTERM);
    RunUntil([] { return false; });
  });
  test.Form().Exit1Click();
  EXPECT_FALSE(test.Form().isVisible());
  EXPECT_EQ(test.platform.ModalTitles(), std::vector<std::string>{"Reminder"});
  test.game.reset();
  struct sigaction now {};
  sigaction(SIGTERM, nullptr, &now);
  EXPECT_EQ(now.sa_handler, SIG_DFL);  // the program's end, not the game's, decides again
}

// Starting the sound leaves SIGTERM and SIGINT to the game: the sound library does not
// take them for itself.
TEST(Quitting, TheSoundLeavesTheQuitSignalsAlone) {
  SdlSound sound;
  sound.Play("no such sound.wav", false);
  for (const int signal : {SIGTERM, SIGINT}) {
    struct sigaction now {};
    sigaction(signal, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL) << strsignal(signal);
  }
}

}  // namespace
}  // namespace quenna
