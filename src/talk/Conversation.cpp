#include "talk/Conversation.h"

#include "talk/Dialogue.h"

namespace quenna {

using namespace conversation;

LinkStep StepForLink(int stage, int link) {
  LinkStep step;
  if (link < 1 || link > 3) return step;
  if (stage == kTopicMenu) {
    step.kind = LinkStep::Kind::kOpen;
    step.stage = link;
    step.lineAdvance = 4 * (link - 1);
  } else if (IsQuestionMenu(stage)) {
    step.kind = LinkStep::Kind::kOpen;
    step.stage = 10 * stage + link;
    step.lineAdvance = 8 * stage + 4 * (link - 1);
  } else if (IsAnswerChoice(stage)) {
    step.kind = LinkStep::Kind::kAnswer;
    step.letter = static_cast<char>('A' + link - 1);
    step.question = dialogue::kQuestionsPerTopic * (stage / 10 - 1) + (stage % 10 - 1);
  }
  return step;
}

int MenuQuestionOffset(int stage) {
  return IsQuestionMenu(stage) ? dialogue::kQuestionsPerTopic * (stage - 1) : 0;
}

BackStep StepForBack(int line, int stage) {
  BackStep step;
  step.stage = stage;
  // From a question's answers back to its topic's question menu. The answer lines of
  // topic 1 run 25..36, of topic 2 37..48, of topic 3 from 49 on.
  if (line > 12) {
    step.kind = BackStep::Kind::kShowMenu;
    if (line > 48) {
      step.firstLine = dialogue::LeadInLine(3);
    } else if (line > 36) {
      step.firstLine = dialogue::LeadInLine(2);
    } else if (line > 24) {
      step.firstLine = dialogue::LeadInLine(1);
    } else {
      // From a question menu back to the topic menu.
      step.kind = BackStep::Kind::kTopicMenu;
      step.stage = kTopicMenu;
      step.firstLine = dialogue::kOpeningPages - 1;
      return step;
    }
    step.stage = stage / 10;
    return step;
  }
  // In the opening, one page back; from the topic menu back to the last opening page
  // but one, as "Next >>" brings the menu back from there.
  if (line == kTopicMenuLine) {
    step.leavesTopicMenu = true;
    step.stage = kTopicMenu;
    line = dialogue::kFirstTopicLink;
  }
  if (line > 1) {
    step.kind = BackStep::Kind::kPreviousPage;
    step.firstLine = line - 2;
    step.firstPage = step.firstLine == 0;
    return step;
  }
  step.kind = BackStep::Kind::kClose;
  return step;
}

}  // namespace quenna
