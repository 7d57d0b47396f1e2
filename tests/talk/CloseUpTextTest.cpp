#include <gtest/gtest.h>

#include <QLabel>

#include "support/TestGame.h"
#include "talk/CloseUpText.h"
#include "talk/Dialogue.h"
#include "talk/TCloseUp.h"

namespace quenna {
namespace {

using testing::TestGame;

// A line of n words of mixed lengths, as dialogue lines are.
QString Words(int n) {
  static const char* kWords[] = {"The",     "printer's", "boy",      "carried", "a",
                                 "lantern", "down",      "Chestnut", "Lane,",   "humming."};
  QString text;
  for (int i = 0; i < n; ++i) text += QString(i ? " " : "") + kWords[i % 10];
  return text;
}

// What the data kit accepts for a place, the window's own label shows whole, and what it
// refuses the label would cut off: on the normal and on the tall screen.
TEST(CloseUpText, TheKitsMeasureIsTheLabels) {
  for (ScreenSize screen : {ScreenSize{1024, 768}, ScreenSize{1280, 1024}}) {
    SCOPED_TRACE(screen.height);
    TestGame test(screen);
    TCloseUp& closeUp = test.game->CloseUp();
    const CloseUpLayout layout = CloseUpLayoutFor(screen.height);
    const struct {
      CloseUpPlace place;
      QLabel* label;
    } places[] = {{CloseUpPlace::kSpeech, closeUp.Talk1},
                  {CloseUpPlace::kLinkA, closeUp.A},
                  {CloseUpPlace::kLinkB, closeUp.B},
                  {CloseUpPlace::kLinkC, closeUp.C}};
    for (const auto& [place, label] : places) {
      // The part of the label inside the window is what the player sees.
      const int visible = std::min(label->height(), closeUp.height() - label->y());
      int longest = 0;
      for (int n = 1; n < 160; ++n) {
        const QString text = Words(n);
        label->setText(text);
        const bool shown = label->heightForWidth(label->width()) <= visible;
        ASSERT_EQ(FitsPlace(layout, place, text), shown)
            << static_cast<int>(place) << " with " << n << " words";
        if (shown) longest = n;
      }
      // Each place holds a few words and not a hundred and sixty.
      EXPECT_GT(longest, 8);
      EXPECT_LT(longest, 159);
    }
  }
}

// The place of each line of a dialogue file: the speech area for the opening, lead-ins,
// questions and replies, and the link of its letter for topics, question links and answers.
TEST(CloseUpText, EveryShownLineHasItsPlace) {
  std::string places;
  for (int line = 0; line < dialogue::kLines; ++line) {
    const auto place = PlaceOfLine(line);
    places += place ? "SABC"[static_cast<int>(*place)] : '-';
  }
  EXPECT_EQ(places,
            "SSSSSS"                                // 0..5 the opening
            "ABC"                                   // 6..8 the topics
            "SABCSABCSABC"                          // 9..20 lead-ins and question links
            "SABCSABCSABCSABCSABCSABCSABCSABCSABC"  // 21..56 questions and answers
            "SSSSSSSSS"                             // 57..65 replies
            "S"                                     // 66 the wrong-answer reply
            "----------");                          // 67..76 never shown
}

}  // namespace
}  // namespace quenna
