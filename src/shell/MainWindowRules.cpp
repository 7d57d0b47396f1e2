#include "shell/MainWindowRules.h"

#include <algorithm>
#include <cstdint>

#include "cards/CardCoach.h"
#include "core/ScreenFraction.h"
#include "core/WorldTables.h"
#include "talk/Roster.h"

namespace quenna {

int TipModeFor(int tab, int taskTab) {
  if (tab == kCoverTab) return kCoverTip;
  return tab == taskTab || taskTab == kAnyTab ? kTalkTip : kNoTalkTip;
}

std::string TipText(int mode, int taskTab, int cardsDisabled, int taskVirtue) {
  switch (mode) {
    case kCoverTip:
      if (taskTab != 0) return {};
      return cardsDisabled == 0
                 ? "Starting a new level:  Click on the Date Book cover.  You must put the "
                   "Virtue Cards in order before doing anything else."
                 : "Starting a new level:  Click on the Date Book cover.";
    case kNoTalkTip:
      return "You may look or read about the scene to help you answer questions later.  You "
             "can't talk unless you are assigned a task on this date.  Please click on the "
             "COVER tab.";
    case kTalkTip:
      // After an answer has earned the bonus the value carries the mark; name the virtue.
      return "You may talk to a character on this screen.  Look or read about the scene to "
             "help you answer questions.  You are seeking the virtue of " +
             std::string(VirtueName(SoughtVirtue(taskVirtue)));
    default:
      return {};
  }
}

int TitleSlideStart(int screenHeight) {
  return ScreenFraction(screenHeight, 0.5);
}

int TitleSlideStep(int screenHeight) {
  // The step is kept as a signed byte, as it always was; on screens where that byte would
  // not be positive (below 20 or from 2560 lines up) the true step, at least 1, is taken so
  // that the words always arrive.
  const int step = static_cast<std::int8_t>(ScreenFraction(screenHeight, 0.05));
  return step > 0 ? step : std::max(1, ScreenFraction(screenHeight, 0.05));
}

NewGameStart NewGameStartFor(const LevelTable& table, bool cardsDealt) {
  int progress = table.SumOfAllValues();
  // A dealt card game counts as progress worth keeping, even without points.
  if (progress == 0 && cardsDealt) progress = 1;
  if (progress == 0) return NewGameStart::kAtOnce;
  return progress > 1 ? NewGameStart::kAfterAsking : NewGameStart::kResetOnly;
}

std::string TaskInSight(int taskTab, int taskVirtue) {
  if (taskTab == 0) {
    return "You have no task yet.  Click on the Date Book cover, and Orn Hollin will give you "
           "one.";
  }
  // The person of the task's page; any other page lets the player choose.
  const auto person = std::find_if(kTaskPersons.begin(), kTaskPersons.end(),
                                   [taskTab](const TaskPerson& row) { return row.tab == taskTab; });
  const TaskPerson& task = person != kTaskPersons.end() ? *person : kTaskPersons[0];
  std::string text = "There is now a task you must complete.  Please talk to " +
                     std::string(task.text) + "  You are seeking the virtue of " +
                     std::string(VirtueName(SoughtVirtue(taskVirtue)));
  if (taskTab > kCoverTab && taskTab <= kYearTabs) {
    const std::string_view year = kDateTabs[static_cast<std::size_t>(taskTab)].tabCaption;
    return text + "  Click on the " + std::string(year) + " tab of the Date Book.";
  }
  return text + "  You may talk to someone on any page of the Date Book.";
}

AnswerRecord AnswerRecordFor(const GameState& state, int speaker, const DialogueText& dialogue,
                             const std::string& dialogueFile, int question, char letter) {
  std::string_view person;
  for (const RosterRow& row : kRoster) {
    if (row.speaker == speaker) person = row.character;
  }
  const Interlocutor who{state.CurrentTab, speaker, person, dialogueFile};
  const QuestionLines lines{
      dialogue.Question(question),
      {dialogue.Answer(question, 0), dialogue.Answer(question, 1), dialogue.Answer(question, 2)},
      dialogue.Key(question),
      dialogue.Line(dialogue::DigitLine(question))};
  return DescribeAnswer(state.CurrentLevel, who, question, lines, letter, state.TaskVirtue);
}

}  // namespace quenna
