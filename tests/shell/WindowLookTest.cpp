#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>

#include <algorithm>
#include <string>
#include <vector>

#include "cards/TPlayCards.h"
#include "shell/TForm1.h"
#include "store/THighScores.h"
#include "store/TOption1.h"
#include "store/TReminder.h"
#include "store/TSaveFirst.h"
#include "story/TIntro.h"
#include "support/TestGame.h"
#include "talk/TCloseUp.h"

namespace quenna {
namespace {

using testing::TestGame;

// The darkest grey level among the pixels of a picture.
int DarkestGrey(const QImage& picture) {
  int darkest = 255;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x)
      darkest = std::min(darkest, qGray(picture.pixel(x, y)));
  }
  return darkest;
}

// A disabled button shows its caption greyed in every window of the game, so that Talk
// and Read never look pressable when they are not: the date book's Talk, drawn, and the
// colours of every button of the eight windows.
TEST(WindowLook, DisabledButtonsShowGreyedText) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  form.Dates->setCurrentIndex(2);
  ASSERT_TRUE(form.ControlPanel->isVisible());
  form.Talk->setEnabled(true);
  const int enabled = DarkestGrey(form.Talk->grab().toImage());
  form.Talk->setEnabled(false);
  const int disabled = DarkestGrey(form.Talk->grab().toImage());
  EXPECT_EQ(enabled, 0);
  EXPECT_GE(disabled, 100);

  Game& game = *test.game;
  const std::vector<QWidget*> windows = {&game.Form1(),     &game.Intro(),     &game.CloseUp(),
                                         &game.Option1(),   &game.Reminder(),  &game.SaveFirst(),
                                         &game.PlayCards(), &game.HighScores()};
  std::string alike;
  for (QWidget* window : windows) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      if (button->window() != window) continue;  // another window's, listed with it
      const QPalette& colours = button->palette();
      if (colours.color(QPalette::Disabled, QPalette::ButtonText) ==
          colours.color(QPalette::Active, QPalette::ButtonText)) {
        alike += window->windowTitle().toStdString() + ": " + button->text().toStdString() + "\n";
      }
    }
  }
  EXPECT_EQ(alike, "");
}

}  // namespace
}  // namespace quenna
