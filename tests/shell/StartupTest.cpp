#include <gtest/gtest.h>

#include "cards/TPlayCards.h"
#include "shell/TForm1.h"
#include "support/TestGame.h"

namespace quenna {
namespace {

using testing::TestGame;

// Start Game opens the date book on the cover with tip 1 and a running game.
TEST(Startup, StartGameOpensTheDateBookOnTheCover) {
  TestGame test;
  test.StartGame();
  TForm1& form = test.Form();
  EXPECT_TRUE(form.Dates->isVisibleTo(&form));
  EXPECT_TRUE(test.State().GameStarted);
  EXPECT_EQ(form.Image2->LoadedFile(), test.data.PathOf("scenes//cover1x1.jpg"));
  EXPECT_TRUE(test.platform.Errors().empty());
}

}  // namespace
}  // namespace quenna
