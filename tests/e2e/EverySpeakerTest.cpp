#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "cards/TPlayCards.h"
#include "core/WorldTables.h"
#include "media/DataFolder.h"
#include "platform/FakePlatform.h"
#include "scene/SceneFiles.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "support/TalkFixtures.h"
#include "talk/Dialogue.h"
#include "talk/Roster.h"
#include "talk/TCloseUp.h"

namespace quenna {
namespace {

using testing::ClickLink;
using testing::ClickNext;
using testing::ClickTab;
using testing::ClickTalk;

// The stem of a roster row's dialogue file: "d2\\wyn1746.dat" gives "wyn1746".
std::string Stem(std::string_view dialogue) {
  dialogue.remove_prefix(dialogue.find('\\') + 1);
  return std::string(dialogue.substr(0, dialogue.size() - 4));
}

class EverySpeaker : public ::testing::TestWithParam<std::size_t> {};

// A player can talk to every person of every page with the game's own data: the close-up
// shows their picture and opening, the topic, question and answers are those of their
// dialogue file, and the right answer scores, marks the question and ends the level.
TEST_P(EverySpeaker, AnswersOneQuestionRight) {
  const RosterRow& row = kRoster[GetParam()];
  const DataFolder data(QUENNA2_DATA_DIR);
  if (!std::filesystem::exists(data.Resolve(row.dialogue))) {
    GTEST_SKIP() << std::string(row.dialogue) << " (" << row.character
                 << ") is not built yet: content/people/" << Stem(row.dialogue)
                 << ".talk has not been written";
  }
  const DialogueText dialogue = DialogueText::Read(data.Resolve(row.dialogue));
  // Each row answers another of the nine questions, so every place of the menus is used.
  const int question = static_cast<int>(GetParam()) % dialogue::kQuestions;
  const std::string& key = dialogue.Key(question);
  ASSERT_FALSE(key.empty());
  const char letter = key[0];

  const auto user = std::filesystem::temp_directory_path() /
                    ("quenna2-speaker-" + std::to_string(std::random_device()()));
  FakePlatform platform;
  Game game(platform, GamePaths{QUENNA2_DATA_DIR, user});
  TForm1& form = game.Form1();
  form.show();
  form.FormActivate();
  form.StartgameClick();

  // The card window has dealt the task: this page, and a virtue the answer credits.
  GameState& state = game.State();
  const int virtue = dialogue.Virtues(question)[1];
  state.LevelTable.Set(state.CurrentLevel - 1, LevelTable::kProgressColumn, 3);
  game.PlayCards().Round.CardRoundDone = 1;
  state.TaskTab = row.tab;
  state.TaskVirtue = virtue;
  state.TaskDone = 1;
  form.UpdateScores();
  const int scoreBefore = state.TotalScore;
  const int level = state.CurrentLevel;

  // Where the page's grid names this person.
  std::ifstream gridFile(data.Resolve(kGridFileName), std::ios::binary);
  const std::string grid(std::istreambuf_iterator<char>(gridFile), {});
  const std::string record = grid.substr(static_cast<std::size_t>(row.tab - 1) * 645, 400);
  const auto cell = record.find(static_cast<char>('0' + row.cellValue));
  ASSERT_NE(cell, std::string::npos) << "no cell of the page has the value " << row.cellValue;

  ClickTab(form, row.tab);
  ClickTalk(form);
  std::string seen;
  platform.ExpectModal([&](QWidget& window) {
    auto& closeUp = dynamic_cast<TCloseUp&>(window);
    EXPECT_EQ(closeUp.windowTitle().toStdString(), MeetsTitle(virtue));
    EXPECT_EQ(closeUp.Image1->Picture().size(), QSize(380, 380));
    EXPECT_EQ(closeUp.Image1->LoadedFile(), data.Resolve(row.picture));
    auto text = [](QLabel* label) { return label->text().toLatin1().toStdString(); };
    EXPECT_EQ(text(closeUp.Talk1), dialogue.Opening(0));
    for (int page = 1; page < dialogue::kOpeningPages; ++page) ClickNext(closeUp);
    EXPECT_EQ(text(closeUp.Talk1), dialogue.Opening(5));
    EXPECT_EQ(text(closeUp.A), dialogue.TopicLink(1));
    EXPECT_EQ(text(closeUp.C), dialogue.TopicLink(3));
    const int topic = dialogue::TopicOf(question);
    ClickLink(closeUp, static_cast<char>('A' + topic - 1));
    EXPECT_EQ(text(closeUp.Talk1), dialogue.LeadIn(topic));
    ClickLink(closeUp, static_cast<char>('A' + question % 3));
    EXPECT_EQ(text(closeUp.Talk1), dialogue.Question(question));
    EXPECT_EQ(text(closeUp.A), dialogue.Answer(question, 0));
    EXPECT_EQ(text(closeUp.B), dialogue.Answer(question, 1));
    EXPECT_EQ(text(closeUp.C), dialogue.Answer(question, 2));
    ClickLink(closeUp, letter);
    seen = text(closeUp.Talk1);
    ClickNext(closeUp);
    EXPECT_FALSE(closeUp.isVisible());
  });
  QTest::mouseClick(form.Image2, Qt::LeftButton, {},
                    testing::CellPoint(form, static_cast<int>(cell)));
  ASSERT_EQ(platform.PendingModalDrivers(), 0u) << "the close-up window did not open";

  EXPECT_EQ(seen, key);
  EXPECT_EQ(state.AnsweredFlags.Mark(row.speaker, question), level);
  // Four virtues of 4 points, one for progress, and the bonus of the virtue sought.
  EXPECT_EQ(state.TotalScore, scoreBefore + 37);
  EXPECT_EQ(state.CurrentLevel, level + 1);
  EXPECT_EQ(form.Scores->text().toStdString(),
            "Congratulations! This question earned bonus points for " +
                std::string(VirtueName(virtue)) +
                "  Now please click on the cover to achieve the next level.");
  EXPECT_TRUE(platform.Errors().empty());
  std::error_code ignored;
  std::filesystem::remove_all(user, ignored);
}

INSTANTIATE_TEST_SUITE_P(Roster, EverySpeaker, ::testing::Range<std::size_t>(0, kRoster.size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                           return Stem(kRoster[info.param].dialogue);
                         });

}  // namespace
}  // namespace quenna
