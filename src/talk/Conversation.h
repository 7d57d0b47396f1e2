#pragma once

namespace quenna {

// The steps of a conversation in the close-up window. Two numbers carry it: the line
// to show next (DialogueLine) and the stage:
//   0          the topic menu (the links are the three topics)
//   1..3       the question menu of topic 1..3
//   10t + k    the answers of question 3(t-1) + (k-1) are shown (t, k = 1..3)
//   99         an answer has been given; the blank links do nothing any more
namespace conversation {
inline constexpr int kTopicMenu = 0;
inline constexpr int kAnswerGiven = 99;
// The line after the topic links: the topic menu is showing.
inline constexpr int kTopicMenuLine = 9;
// Past the last answer caption (line 56) an answer has been given: the links are blanked.
inline constexpr int kLastQuestionLine = 56;
// Past the key lines the reply is showing and "Next >>" closes the window.
inline constexpr int kLastKeyLine = 65;
// Where an answer leaves the line: after the wrong-answer reply, or past it.
inline constexpr int kAfterReplyLine = 67;

constexpr bool IsQuestionMenu(int stage) {
  return stage >= 1 && stage <= 3;
}
constexpr bool IsAnswerChoice(int stage) {
  return stage / 10 >= 1 && stage / 10 <= 3 && stage % 10 >= 1 && stage % 10 <= 3;
}
}  // namespace conversation

// What a click on link 1, 2 or 3 (A, B, C) does at a stage.
struct LinkStep {
  enum class Kind { kNothing, kOpen, kAnswer };
  Kind kind = Kind::kNothing;
  int stage = 0;        // kOpen: the new stage
  int lineAdvance = 0;  // kOpen: added to the line; the next four lines are then shown
  char letter = 0;      // kAnswer: the letter of the clicked link
  int question = 0;     // kAnswer: the question answered, 0..8
};
LinkStep StepForLink(int stage, int link);

// The question whose mark greys link A of the menu shown at this stage: 0, 3 or 6 on
// the question menus of topics 1, 2, 3. Elsewhere nothing is greyed for long, and 0 is
// given.
int MenuQuestionOffset(int stage);

// What "<< Back" ("&Exit" on the first page) does from a line.
struct BackStep {
  enum class Kind {
    kShowMenu,      // show lines firstLine..firstLine+3: speech and the three links
    kTopicMenu,     // as kShowMenu, with every link enabled again
    kPreviousPage,  // show line firstLine alone
    kClose,         // close the window
  };
  Kind kind = Kind::kClose;
  int stage = 0;  // the stage after the step
  int firstLine = 0;
  bool leavesTopicMenu = false;  // kPreviousPage: hide the links, "Next >>" works again
  bool firstPage = false;        // kPreviousPage: the first page is shown ("&Exit" again)
};
BackStep StepForBack(int line, int stage);

}  // namespace quenna
