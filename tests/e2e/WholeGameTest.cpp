#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "cards/TPlayCards.h"
#include "media/DataFolder.h"
#include "platform/FakePlatform.h"
#include "scene/SceneFiles.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "store/THighScores.h"
#include "store/TOption1.h"
#include "store/TProgress.h"
#include "story/TIntro.h"
#include "support/CardPlayer.h"
#include "support/TalkFixtures.h"
#include "talk/Dialogue.h"
#include "talk/Roster.h"
#include "talk/TCloseUp.h"

namespace quenna {
namespace {

using testing::CardGamePlayed;
using testing::ClickCell;
using testing::ClickLink;
using testing::ClickNext;
using testing::ClickTab;
using testing::ClickTalk;
using testing::PlayDealtGame;

// The game as this player plays it.
constexpr int kLevelsWithCards = 3;   // then the card game is switched off
constexpr int kSaveDuringLevel = 20;  // saved once the task is read
constexpr int kReplayAtLevel = 30;    // before it, the level before is played again
constexpr int kSaveAfterLevel = 40;   // saved at the level message
constexpr int kLastLevel = 54;
constexpr std::string_view kPlayerName = "Quenna Reads";
constexpr std::string_view kNameAsStored = "Quenna_Reads";
constexpr int kCoverCell = 210;  // the middle of the cover

// The words the game ends its sentences about a virtue with, by virtue number.
constexpr std::array<std::string_view, 14> kVirtueWords = {
    "",          "temperance.", "silence.", "order.",      "resolution.",  "frugality.",
    "industry.", "sincerity.",  "justice.", "moderation.", "cleanliness.", "tranquillity.",
    "chastity.", "humility.",
};

// Whom the hero sends the player to in the first six card rounds, and whom the player
// then meets there (by their dialogue file).
struct NamedPerson {
  std::string_view words;
  int tab;
  std::string_view dialogue;
};
constexpr std::array<NamedPerson, 6> kNamedPersons = {{
    {"Wynnet in 1746.", 9, "wyn1746"},
    {"young Orn in 1716.", 1, "orn1716"},
    {"Ebbart in 1776.", 11, "ebb1776"},
    {"Fennick in 1752.", 10, "fen1752"},
    {"Tullan in 1722.", 3, "tul1722"},
    {"Corvane in 1719.", 2, "cor1719"},
}};
constexpr std::string_view kYourChoice = "the person of your choice from my datebook.";

// Whom the player visits, one after the other, when the task leaves the choice to them
// (by their dialogue file): the first person of every page from 1716 to 1785, then the
// second ones, and so on, so every one of the 38 people of the book is met.
// clang-format off
constexpr std::array<std::string_view, 38> kRotation = {
    "orn1716", "cor1719", "tul1722", "mir1723", "pas1725", "ebb1727", "orn1728",
    "dace1735", "wyn1746", "fen1752", "ebb1776", "bras1778", "oriel1779", "orny1785",
    "boy11716", "orn1719", "orn1722", "orn1723", "orn1725", "orn1727", "orn1735",
    "mir1746", "orn1752", "orn1776", "orn1778", "deva1779", "orn1785",
    "boy21716", "tullan1735", "orn1746", "merrow1776", "ornh1778", "orn1779",
    "cat1746", "saf1776", "ques1779",
    "lunt1776", "mont1779",
};
// clang-format on

// The person of the book whose dialogue file is "d2\<stem>.dat".
const RosterRow& PersonWithDialogue(std::string_view stem) {
  const std::string file = "d2\\" + std::string(stem) + ".dat";
  for (const RosterRow& row : kRoster) {
    if (row.dialogue == file) return row;
  }
  throw std::logic_error("nobody in the book talks from " + file);
}

std::string FileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Shown(const QLabel* label) {
  return label->text().toLatin1().toStdString();
}

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

// A folder of its own for the players' files, gone afterwards.
struct TempFolder {
  TempFolder()
      : root(std::filesystem::temp_directory_path() /
             ("quenna2-wholegame-" + std::to_string(std::random_device()()))) {
    std::filesystem::create_directories(root);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  }
  std::filesystem::path Folder(const std::string& name) const {
    std::filesystem::create_directories(root / name);
    return root / name;
  }
  std::filesystem::path root;
};

// The task as the hero gave it.
struct Task {
  std::string text;
  int tab = 0;  // 99: any page
  int virtue = 0;
  std::string dialogue;  // the named person's (file stem), empty when the player chooses
};

// What the player keeps in mind over a game. It goes along with a saved game, as a
// player remembers where they were when they open it again.
struct PlayerNotes {
  bool cardsOff = false;
  bool replayed = false;
  int visits = 0;    // people of the player's own choice met so far
  int credited = 0;  // everything the game was seen to credit, summed
  std::map<int, int> levelPoints;
  std::map<std::pair<int, int>, int> answered;  // (speaker, question): the level
  Task task;                                    // the last one read
  int bonusLevels = 0;
  int plainLevels = 0;
  int redeals = 0;
};

// What a game holds that play depends on, for comparing two games.
std::string Snapshot(Game& game) {
  const GameState& state = game.State();
  std::ostringstream out;
  // TotalScore is left out: it follows the table, but only at the next refresh.
  out << "level " << state.CurrentLevel << " task " << state.TaskTab << "/" << state.TaskVirtue
      << " cards " << game.PlayCards().Round.CardRoundsDone << "/"
      << game.PlayCards().Round.CardRoundDone << "\ntable";
  for (int row = 0; row < LevelTable::kRows; ++row) {
    out << "\nrow " << TwoDigits(row + 1) << ":";
    for (std::int8_t value : state.LevelTable.RowAt(row)) out << ' ' << int(value);
  }
  out << "\nmarks";
  for (int speaker = 0; speaker < AnswerMarks::kSpeakers; ++speaker) {
    for (int q = 0; q < AnswerMarks::kQuestionsPerSpeaker; ++q) {
      if (state.AnsweredFlags.Answered(speaker, q)) {
        out << ' ' << speaker << '.' << q << '@' << int(state.AnsweredFlags.Mark(speaker, q));
      }
    }
  }
  return out.str();
}

// A player at the game's windows: clicks what a player clicks and checks what a player
// sees, keeping their own sum of the points the game credits.
class Player {
 public:
  Player(FakePlatform& platform, Game& game, PlayerNotes notes = {})
      : notes(std::move(notes)),
        platform_(platform),
        game_(game),
        form_(game.Form1()),
        data_(QUENNA2_DATA_DIR) {
    std::ifstream grid(data_.Resolve(kGridFileName), std::ios::binary);
    grid_.assign(std::istreambuf_iterator<char>(grid), {});
  }

  int Level() const { return form_.Level->text().toInt(); }

  // The title slides in at the first activation; "Start Game " opens the date book.
  void StartFromTitle() {
    ShowTitle();
    QTest::mouseClick(form_.Startgame, Qt::LeftButton);
    EXPECT_TRUE(game_.State().GameStarted);
    EXPECT_TRUE(form_.Dates->isVisible());
    EXPECT_EQ(form_.Dates->currentIndex(), 0);
    EXPECT_EQ(Level(), 1);
  }

  // From the title screen straight to a saved game; then the clock reads the second the
  // game was saved at, and the options are set as the player had them.
  void OpenFromTitle(const std::filesystem::path& file, std::int64_t savedSecond) {
    ShowTitle();
    platform_.AnswerFileDialog(file);
    form_.Open1->trigger();
    EXPECT_TRUE(game_.State().GameStarted);
    EXPECT_TRUE(form_.Virtues->isVisible()) << "a loaded game opens on its virtue chart";
    EXPECT_EQ(form_.SLabel->text().toInt(), notes.credited);
    platform_.SetNowSeconds(savedSecond);
    if (notes.cardsOff) SwitchCardsOff();
  }

  void SwitchCardsOff() {
    form_.CardsOff->trigger();
    EXPECT_TRUE(form_.CardsOff->isChecked());
    EXPECT_FALSE(form_.CardsOn->isChecked());
    notes.cardsOff = true;
  }

  // The cover click of a new level: the card game (won, or skipped when it is off), then
  // the task, and "Continue" closes the card window.
  Task BeginLevel() {
    const int level = Level();
    int points = 0;
    platform_.ExpectModal([&](QWidget& window) {
      auto& cards = dynamic_cast<TPlayCards&>(window);
      points = notes.cardsOff ? 3 : PlayCards(cards);
      notes.task = ReadTask(cards, level);
      QTest::mouseClick(cards.Continue, Qt::LeftButton);
      EXPECT_FALSE(cards.isVisible());
    });
    ClickCell(form_, kCoverCell);
    EXPECT_EQ(platform_.PendingModalDrivers(), 0u) << "the card window did not open";
    Credit(level, points);
    return notes.task;
  }

  // The cover clicked again with the task given: the card window repeats the task.
  Task ResumeLevel() {
    const int level = Level();
    platform_.ExpectModal([&](QWidget& window) {
      auto& cards = dynamic_cast<TPlayCards&>(window);
      const Task again = ReadTask(cards, level);
      EXPECT_EQ(again.text, notes.task.text);
      QTest::mouseClick(cards.Continue, Qt::LeftButton);
      EXPECT_FALSE(cards.isVisible());
    });
    ClickCell(form_, kCoverCell);
    EXPECT_EQ(platform_.PendingModalDrivers(), 0u) << "the card window did not open";
    return notes.task;
  }

  // From the task to the level message: the person, a question not yet answered, the
  // right answer, and the Level and Score figures after.
  void FinishLevel(const Task& task) {
    const int level = Level();
    const RosterRow& person = PersonWithDialogue(
        task.dialogue.empty() ? kRotation[notes.visits++ % kRotation.size()] : task.dialogue);
    const int question = ChooseQuestion(person, task.virtue, level);
    const bool bonus = Shows(person, question, task.virtue);
    Credit(level, bonus ? 37 : 17);
    ++(bonus ? notes.bonusLevels : notes.plainLevels);
    TalkTo(person, question, task.virtue);
    notes.answered[{person.speaker, question}] = level;
    if (level == kLastLevel) return;  // the ending has run; its own checks say the rest

    std::string message = "Congratulations on completing the level.  No bonus points were earned.";
    if (bonus) {
      message = "Congratulations! This question earned bonus points for " +
                std::string(kVirtueWords[static_cast<std::size_t>(task.virtue)]);
    }
    EXPECT_EQ(form_.Scores->text().toStdString(),
              message + "  Now please click on the cover to achieve the next level.");
    EXPECT_TRUE(form_.Scores->isVisible());
    EXPECT_EQ(form_.Dates->currentIndex(), 0);
    EXPECT_EQ(Level(), level + 1);
    EXPECT_EQ(form_.SLabel->text().toInt(), notes.credited);
    EXPECT_EQ(game_.State().TotalScore, notes.credited);
  }

  // "&Save Game", the dialog answered with the file.
  void SaveGame(const std::filesystem::path& file) {
    platform_.AnswerFileDialog(file);
    form_.SaveAs1->trigger();
    EXPECT_TRUE(game_.State().GameSaved);
    EXPECT_EQ(std::filesystem::file_size(file), 1117u);
  }

  // "&Scores": the level's line, "Replay Level", "Yes"; its points are gone and it is
  // the level to play.
  void ReplayLevel(int level) {
    const int points = notes.levelPoints[level];
    platform_.ExpectModal([&](QWidget& window) {
      auto& list = dynamic_cast<TOption1&>(window);
      EXPECT_EQ(list.total->text().toInt(), notes.credited);
      const std::string line = list.ListBox1->item(level - 1)->text().toStdString();
      EXPECT_EQ(line.substr(0, 2), TwoDigits(level));
      EXPECT_EQ(line.substr(164), (points < 100 ? "0" : "1") + TwoDigits(points % 100)) << line;
      QListWidgetItem* item = list.ListBox1->item(level - 1);
      list.ListBox1->scrollToItem(item);
      QTest::mouseClick(list.ListBox1->viewport(), Qt::LeftButton, {},
                        list.ListBox1->visualItemRect(item).center());
      QTest::mouseClick(list.Replay, Qt::LeftButton);
      EXPECT_TRUE(list.Warning->isVisible());
      QTest::mouseClick(list.Button1, Qt::LeftButton);
      EXPECT_FALSE(list.isVisible());
    });
    form_.Score1->trigger();
    EXPECT_EQ(platform_.PendingModalDrivers(), 0u) << "the level list did not open";
    notes.replayed = true;
    notes.credited -= points;
    notes.levelPoints.erase(level);
    std::erase_if(notes.answered, [level](const auto& mark) { return mark.second == level; });
    EXPECT_EQ(Level(), level);
    EXPECT_EQ(form_.SLabel->text().toInt(), notes.credited);
    EXPECT_EQ(game_.State().TotalScore, notes.credited);
  }

  PlayerNotes notes;

 private:
  void ShowTitle() {
    form_.show();
    form_.FormActivate();
    EXPECT_GT(platform_.PausedMilliseconds(), 0) << "the title did not slide in";
    EXPECT_TRUE(form_.Startgame->isVisible());
    EXPECT_EQ(form_.Startgame->text(), "Start Game ");
  }

  // Deals and plays to the win; returns the points the table showed.
  int PlayCards(TPlayCards& cards) {
    EXPECT_TRUE(cards.DealCards->isEnabled());
    QTest::mouseClick(cards.DealCards, Qt::LeftButton);
    const CardGamePlayed played = PlayDealtGame(cards, platform_);
    EXPECT_TRUE(played.won) << played.stuckTable;
    notes.redeals += played.redeals;
    EXPECT_EQ(Shown(cards.OrnTalks),
              "Congratulations... you have played my little game very well so far.");
    const int shown = cards.Points->text().toInt();
    EXPECT_EQ(shown, 2 * (10 - played.redeals) + 3) << "Easy: 10 points less one per redeal";
    QTest::mouseClick(cards.Continue, Qt::LeftButton);
    return shown;
  }

  // The hero's words: the person of this card round and the virtue he drew.
  Task ReadTask(TPlayCards& cards, int level) {
    constexpr std::string_view kFirst = "There is now a task you must complete.  Please talk to ";
    constexpr std::string_view kVirtuePart = "  You are seeking the virtue of ";
    Task task;
    task.text = Shown(cards.OrnTalks);
    std::string_view person = kYourChoice;
    task.tab = 99;  // any page
    if (level <= static_cast<int>(kNamedPersons.size())) {
      const NamedPerson& named = kNamedPersons[static_cast<std::size_t>(level - 1)];
      person = named.words;
      task.tab = named.tab;
      task.dialogue = named.dialogue;
    }
    const std::string start = std::string(kFirst) + std::string(person) + std::string(kVirtuePart);
    EXPECT_EQ(task.text.substr(0, start.size()), start);
    const std::string word = task.text.substr(std::min(start.size(), task.text.size()));
    for (std::size_t v = 1; v < kVirtueWords.size(); ++v) {
      if (word == kVirtueWords[v]) task.virtue = static_cast<int>(v);
    }
    EXPECT_NE(task.virtue, 0) << "no virtue in: " << task.text;
    EXPECT_EQ(game_.State().TaskTab, task.tab);
    EXPECT_EQ(game_.State().TaskVirtue, task.virtue);
    return task;
  }

  const DialogueText& DialogueOf(const RosterRow& person) {
    const std::string file(person.dialogue);
    auto found = dialogues_.find(file);
    if (found == dialogues_.end()) {
      found = dialogues_.emplace(file, DialogueText::Read(data_.Resolve(file))).first;
    }
    return found->second;
  }

  // Whether a right answer to the question credits the virtue.
  bool Shows(const RosterRow& person, int question, int virtue) {
    for (char digit : DialogueOf(person).Line(dialogue::DigitLine(question)).substr(0, 4)) {
      const int credited = digit <= '9' ? digit - '0' : digit - 'A' + 10;
      if (credited == virtue) return true;
    }
    return false;
  }

  // The first question of this person not answered yet, on even levels preferably one
  // that earns the bonus and on odd levels one that does not, so both messages are seen.
  int ChooseQuestion(const RosterRow& person, int virtue, int level) {
    int first = -1;
    for (int q = 0; q < dialogue::kQuestions; ++q) {
      if (notes.answered.contains({person.speaker, q})) continue;
      if (first < 0) first = q;
      if (Shows(person, q, virtue) == (level % 2 == 0)) return q;
    }
    EXPECT_GE(first, 0) << "every question of " << person.dialogue << " is answered";
    return std::max(first, 0);
  }

  // Where the page's grid names the person, among the cells the picture shows.
  int CellOf(const RosterRow& person) {
    const std::string record =
        grid_.substr(static_cast<std::size_t>(person.tab - 1) * kGridCells, 400);
    const auto cell = record.find(static_cast<char>('0' + person.cellValue));
    EXPECT_NE(cell, std::string::npos) << "nobody is " << person.character;
    return static_cast<int>(cell);
  }

  void TalkTo(const RosterRow& person, int question, int virtue) {
    const std::string word(kVirtueWords[static_cast<std::size_t>(virtue)]);
    ClickTab(form_, person.tab);
    EXPECT_EQ(form_.Scores->text().toStdString(),
              "You may talk to a character on this screen.  Look or read about the scene to "
              "help you answer questions.  You are seeking the virtue of " +
                  word);
    EXPECT_TRUE(form_.Talk->isEnabled());
    ClickTalk(form_);
    platform_.ExpectModal([&](QWidget& window) {
      auto& closeUp = dynamic_cast<TCloseUp&>(window);
      EXPECT_EQ(closeUp.windowTitle().toStdString(), "You are seeking the virtue of " + word);
      Converse(closeUp, person, question);
    });
    if (Level() == kLastLevel) ExpectTheEnding();
    ClickCell(form_, CellOf(person));
    EXPECT_EQ(platform_.PendingModalDrivers(), 0u) << "a window did not open";
  }

  // The opening pages, the topic, the question with its links greyed for the questions
  // answered before, the right answer and its reply, and "Next >>" to leave.
  void Converse(TCloseUp& closeUp, const RosterRow& person, int question) {
    const DialogueText& dialogue = DialogueOf(person);
    EXPECT_EQ(closeUp.Image1->LoadedFile(), data_.Resolve(person.picture));
    for (int page = 0; page < dialogue::kOpeningPages; ++page) {
      if (page > 0) ClickNext(closeUp);
      EXPECT_EQ(Shown(closeUp.Talk1), dialogue.Opening(page));
    }
    EXPECT_EQ(Shown(closeUp.A), dialogue.TopicLink(1));
    EXPECT_EQ(Shown(closeUp.B), dialogue.TopicLink(2));
    EXPECT_EQ(Shown(closeUp.C), dialogue.TopicLink(3));
    const int topic = dialogue::TopicOf(question);
    ClickLink(closeUp, static_cast<char>('A' + topic - 1));
    EXPECT_EQ(Shown(closeUp.Talk1), dialogue.LeadIn(topic));
    const std::array<QLabel*, 3> links = {closeUp.A, closeUp.B, closeUp.C};
    for (int k = 0; k < 3; ++k) {
      const int q = (topic - 1) * dialogue::kQuestionsPerTopic + k;
      QLabel* link = links[static_cast<std::size_t>(k)];
      EXPECT_EQ(Shown(link), dialogue.QuestionLink(q));
      EXPECT_EQ(link->isEnabled(), !notes.answered.contains({person.speaker, q}))
          << person.dialogue << " question " << q << " is greyed wrongly";
    }
    ClickLink(closeUp, static_cast<char>('A' + question % dialogue::kQuestionsPerTopic));
    EXPECT_EQ(Shown(closeUp.Talk1), dialogue.Question(question));
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(Shown(links[static_cast<std::size_t>(k)]), dialogue.Answer(question, k));
    }
    const std::string& key = dialogue.Key(question);
    ClickLink(closeUp, key.empty() ? '?' : key[0]);
    EXPECT_EQ(Shown(closeUp.Talk1), key);
    ClickNext(closeUp);
    EXPECT_FALSE(closeUp.isVisible());
  }

  // After the last level: the ending slide show, a step a second, and the name entry.
  void ExpectTheEnding() {
    platform_.ExpectModal([this](QWidget& window) {
      auto& intro = dynamic_cast<TIntro&>(window);
      EXPECT_EQ(form_.Scores->text().toStdString(), "Congratulations on completing the game!");
      EXPECT_EQ(Level(), kLastLevel + 1);
      EXPECT_EQ(form_.SLabel->text().toInt(), notes.credited);
      platform_.ClearSounds();
      auto look = [&] {
        std::string seen = intro.Image1->LoadedFile().filename().string();
        if (intro.TextLabel->isVisible()) seen += " \"" + Shown(intro.TextLabel) + "\"";
        for (const auto& sound : platform_.Sounds()) {
          if (!sound.file.empty()) seen += " sound " + sound.file.filename().string();
        }
        platform_.ClearSounds();
        return seen + (intro.isVisible() ? "\n" : " (closed)\n");
      };
      std::string seen = look();
      for (int step = 1; step <= 7; ++step) {
        platform_.AdvanceMilliseconds(1000);
        QTest::mouseClick(intro.Next2, Qt::LeftButton);
        if (step == 2) {
          QTest::mouseClick(intro.Next2, Qt::LeftButton);  // the same second: not taken
          EXPECT_EQ(intro.IntroStep, 3);
        }
        seen += look();
      }
      EXPECT_EQ(
          seen,
          R"(intro1.jpg "Quenna!  Please answer the question.  What can you tell us about Ornald Hollin?"
intro1.jpg "Quenna has awakened to find everything just as it was.  Why, this must have all taken place in only seconds!  What a dream!"
speech.jpg "To everyone's surprise, Quenna stands up and speaks... and speaks... and speaks some more... for almost 20 minutes!"
teacher.jpg "Quenna, that is wonderful!  But tell me, where did you get all this information?"
bookdesk.jpg "Ummm...from this book!"
bookdesk.jpg "Much to her surprise, the strange book has turned back into a history book once again.  Quenna could swear that picture winked at her!" sound epitaph.wav
epitaph.jpg "She takes a closer look, finding the epitaph Orn wrote for himself when he was 22 years old. She speaks the words softly to herself.  At the end she hears a strangely familiar voice saying the words..."
epitaph.jpg (closed)
)");
    });
    platform_.ExpectModal([this](QWidget& window) {
      auto& hall = dynamic_cast<THighScores&>(window);
      EXPECT_EQ(hall.windowTitle().toStdString(), "Hall of Fame");
      EXPECT_TRUE(hall.Edit1->isVisible());
      EXPECT_FALSE(hall.Button2->isVisible());
      QTest::keyClicks(hall.Edit1, QString::fromStdString(std::string(kPlayerName)));
      EXPECT_EQ(hall.Edit1->text().toStdString(), kNameAsStored);
      QTest::mouseClick(hall.Button1, Qt::LeftButton);
      EXPECT_EQ(hall.L[0]->text().toStdString(), kNameAsStored);
      EXPECT_EQ(hall.S[0]->text().toInt(), notes.credited);
      EXPECT_TRUE(hall.Button2->isVisible());
      QTest::mouseClick(hall.Button2, Qt::LeftButton);
      EXPECT_FALSE(hall.isVisible());
    });
  }

  void Credit(int level, int points) {
    notes.credited += points;
    notes.levelPoints[level] += points;
  }

  FakePlatform& platform_;
  Game& game_;
  TForm1& form_;
  DataFolder data_;
  std::string grid_;
  std::map<std::string, DialogueText> dialogues_;
};

// Where a game was saved: the file, the clock's second then, the player's notes, and the
// game as it stood.
struct SavePoint {
  std::filesystem::path file;
  std::int64_t second = 0;
  PlayerNotes notes;
  std::string snapshot;
};

SavePoint Save(Player& player, FakePlatform& platform, Game& game,
               const std::filesystem::path& file) {
  player.SaveGame(file);
  return {file, platform.NowSeconds(), player.notes, Snapshot(game)};
}

enum class Moment { kTaskRead, kLevelDone };

// Plays on from the cover to the end of `lastLevel`, deciding as this player always
// does: cards for the first levels, the replay at level 30. `moment` is told when a task
// has been read and when a level is done, for the saves.
void PlayOn(Player& player, int lastLevel,
            const std::function<void(int level, Moment moment)>& moment) {
  while (!::testing::Test::HasFailure()) {
    const int level = player.Level();
    if (level > lastLevel) return;
    SCOPED_TRACE("level " + std::to_string(level));
    if (level == kReplayAtLevel && !player.notes.replayed) {
      player.ReplayLevel(level - 1);
      continue;
    }
    if (level > kLevelsWithCards && !player.notes.cardsOff) player.SwitchCardsOff();
    const Task task = player.BeginLevel();
    moment(level, Moment::kTaskRead);
    player.FinishLevel(task);
    if (level == kLastLevel) return;
    moment(level, Moment::kLevelDone);
  }
}

// The end of a game: the window closed without asking to save, the Hall of Fame file,
// and nothing went wrong on the way.
void ExpectTheProgramClosed(FakePlatform& platform, Game& game, const Player& player,
                            const std::filesystem::path& folder) {
  EXPECT_FALSE(game.Form1().isVisible());
  EXPECT_FALSE(game.State().GameStarted);
  for (const std::string& title : platform.ModalTitles()) EXPECT_NE(title, "Reminder");
  EXPECT_EQ(game.State().TotalScore, player.notes.credited);
  std::string others;
  for (int slot = 1; slot < 10; ++slot) others += "0\n***************\n";
  EXPECT_EQ(FileText(folder / "HighScores"), std::to_string(player.notes.credited) + "\n" +
                                                 std::string(kNameAsStored) + "\n" + others);
  EXPECT_TRUE(platform.Errors().empty()) << platform.Errors().front();
  EXPECT_EQ(platform.UnexpectedModals(), 0);
  EXPECT_EQ(platform.PendingModalDrivers(), 0u);
}

// A whole game through the windows on the game's own data, from the title to the Hall of
// Fame: cards, tasks, conversations, the level messages and figures, a replayed level,
// and the end. Games saved during level 20 and after level 40, opened in a fresh program,
// play on exactly as the first game did.
TEST(WholeGame, FromTheTitleToTheHallOfFameWithSavesAndAReplay) {
  TempFolder files;
  SavePoint during20;
  SavePoint after40;

  FakePlatform platform;
  Game game(platform, GamePaths{QUENNA2_DATA_DIR, files.Folder("first")});
  Player player(platform, game);
  player.StartFromTitle();
  PlayOn(player, kLastLevel, [&](int level, Moment moment) {
    if (level == kSaveDuringLevel && moment == Moment::kTaskRead && during20.file.empty()) {
      during20 = Save(player, platform, game, files.root / "level20.sav");
    }
    if (level == kSaveAfterLevel && moment == Moment::kLevelDone) {
      after40 = Save(player, platform, game, files.root / "level40.sav");
    }
  });
  ASSERT_FALSE(HasFailure()) << "the game went wrong in level " << player.Level();
  ExpectTheProgramClosed(platform, game, player, files.root / "first");
  EXPECT_TRUE(player.notes.replayed);
  EXPECT_EQ(player.notes.visits, 49) << "48 levels of the player's choice and one replayed";
  EXPECT_GT(player.notes.bonusLevels, 10);
  EXPECT_GT(player.notes.plainLevels, 10);
  ASSERT_FALSE(HasFailure());
  const std::string finalGame = Snapshot(game);
  {
    SCOPED_TRACE("my progress");
    TProgress& progress = game.Progress();
    progress.Load();
    const ProgressView& view = progress.View();
    for (int row = 0; row < LevelTable::kRows; ++row) {
      EXPECT_EQ(view.levels[static_cast<std::size_t>(row)],
                PointsOfRow(game.State().LevelTable, row))
          << "level " << row + 1;
    }
    EXPECT_EQ(view.total, game.State().LevelTable.PointsTotal());
    EXPECT_GE(view.answeredRight, kLastLevel);
  }

  {
    SCOPED_TRACE("opened at level 20");
    FakePlatform again;
    Game opened(again, GamePaths{QUENNA2_DATA_DIR, files.Folder("from20")});
    Player resumed(again, opened, during20.notes);
    resumed.OpenFromTitle(during20.file, during20.second);
    ASSERT_EQ(Snapshot(opened), during20.snapshot);
    resumed.FinishLevel(resumed.ResumeLevel());
    SavePoint resaved;
    PlayOn(resumed, kSaveAfterLevel, [&](int level, Moment moment) {
      if (level == kSaveAfterLevel && moment == Moment::kLevelDone) {
        resaved = Save(resumed, again, opened, files.root / "again40.sav");
      }
    });
    ASSERT_FALSE(resaved.file.empty());
    EXPECT_EQ(FileText(resaved.file), FileText(after40.file)) << "the saved games differ";
    EXPECT_EQ(resaved.snapshot, after40.snapshot);
    EXPECT_EQ(resaved.notes.credited, after40.notes.credited);
    EXPECT_TRUE(again.Errors().empty()) << again.Errors().front();
    EXPECT_EQ(again.UnexpectedModals(), 0);
  }
  {
    SCOPED_TRACE("opened after level 40");
    FakePlatform again;
    Game opened(again, GamePaths{QUENNA2_DATA_DIR, files.Folder("from40")});
    Player resumed(again, opened, after40.notes);
    resumed.OpenFromTitle(after40.file, after40.second);
    ASSERT_EQ(Snapshot(opened), after40.snapshot);
    PlayOn(resumed, kLastLevel, [](int, Moment) {});
    ExpectTheProgramClosed(again, opened, resumed, files.root / "from40");
    EXPECT_EQ(Snapshot(opened), finalGame);
    EXPECT_EQ(opened.State().TotalScore, game.State().TotalScore);
  }
}

}  // namespace
}  // namespace quenna
