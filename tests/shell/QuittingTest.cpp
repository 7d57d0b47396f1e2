#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTextBrowser>

#include <memory>

#include "platform/DesktopPlatform.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "support/FixtureData.h"

namespace quenna {
namespace {

using testing::FixtureData;

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

}  // namespace
}  // namespace quenna
