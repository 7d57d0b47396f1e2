#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/GameError.h"
#include "store/PlayerFiles.h"
#include "store/SavedGameFile.h"
#include "store/SavedGameState.h"
#include "support/TempFolder.h"

namespace quenna {
namespace {

using testing::TempFolder;

void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A saved game made by hand, byte by byte at the documented offsets.
std::vector<std::uint8_t> HandMadeFile() {
  std::vector<std::uint8_t> bytes(1117, 0);
  bytes[0] = 12;                   // level 1, temperance
  bytes[3] = 3;                    // level 1 complete
  bytes[13] = 0x7F;                // byte 13 of row 0, kept though never used
  bytes[1 * 14 + 3] = 0xFE;        // level 2 progress -2 (a wrapped count)
  bytes[54 * 14 + 13] = 0x80;      // byte 13 of the last row: -128
  bytes[54 * 14 + 12] = 0x15;      // level 55 humility 21
  bytes[770] = 7;                  // CurrentLevel
  bytes[771] = 6;                  // CardRoundsDone
  bytes[772] = 1;                  // CardRoundDone
  bytes[773] = 99;                 // TaskTab: any page
  bytes[774] = 113;                // TaskVirtue: humility, bonus due
  bytes[775] = 3;                  // speaker 0, question 0, answered in level 3
  bytes[775 + 9 * 37 + 8] = 0xF9;  // the last saved mark, -7
  // Whitespace and line-end bytes are data like any other.
  bytes[800] = '\r';
  bytes[801] = '\n';
  bytes[802] = 0x1A;
  return bytes;
}

SavedGame HandMadeGame() {
  SavedGame game;
  game.LevelTable.Set(0, 0, 12);
  game.LevelTable.Set(0, 3, 3);
  game.LevelTable.Set(0, 13, 127);
  game.LevelTable.Set(1, 3, -2);
  game.LevelTable.Set(54, 13, -128);
  game.LevelTable.Set(54, 12, 21);
  game.CurrentLevel = 7;
  game.CardRoundsDone = 6;
  game.CardRoundDone = 1;
  game.TaskTab = 99;
  game.TaskVirtue = 113;
  game.AnsweredFlags[0] = 3;
  game.AnsweredFlags[341] = -7;
  game.AnsweredFlags[800 - 775] = '\r';
  game.AnsweredFlags[801 - 775] = '\n';
  game.AnsweredFlags[802 - 775] = 0x1A;
  return game;
}

// A running game gathered into a saved game, through the file's bytes, and applied to
// another game gives back the points, marks, level, task and card rounds; the card game is
// dealt afresh, and what a saved game does not hold (the page shown, the switches) stays.
TEST(SavedGameState, GatheredGameAppliesToAnotherGameAsItWas) {
  GameState played;
  played.LevelTable.Set(0, 3, 3);
  played.LevelTable.Set(1, 9, 24);
  played.LevelTable.Set(54, 13, -128);
  played.AnsweredFlags.SetMark(9, 4, 1);
  played.AnsweredFlags.SetMark(39, 8, 2);  // a speaker saved in the place of another
  played.CurrentLevel = 2;
  played.TaskTab = 99;
  played.TaskVirtue = 110;
  played.CurrentTab = 9;
  CardRound playedRound;
  playedRound.CardRoundsDone = 300;  // only its low byte is kept: 44
  playedRound.CardRoundDone = 1;
  playedRound.DealCount = 2;

  const SavedGame saved = GatherSavedGame(played, playedRound);
  EXPECT_EQ(saved.CardRoundsDone, 44);
  EXPECT_EQ(saved.TaskVirtue, 110);

  GameState opened;
  opened.CurrentTab = 3;
  opened.CardsDisabled = 1;
  opened.GameStarted = true;
  opened.VirtuesChanged = false;
  opened.LevelTable.Set(7, 7, 7);
  CardRound openedRound;
  openedRound.DealCount = 1;
  openedRound.TableNotDealt = 0;
  ApplySavedGame(DecodeSavedGame(EncodeSavedGame(saved)), opened, openedRound);

  EXPECT_EQ(opened.LevelTable, played.LevelTable);
  EXPECT_EQ(opened.AnsweredFlags, played.AnsweredFlags);
  EXPECT_EQ(opened.CurrentLevel, 2);
  EXPECT_EQ(opened.TaskTab, 99);
  EXPECT_EQ(opened.TaskVirtue, 110);
  EXPECT_TRUE(opened.VirtuesChanged);
  EXPECT_EQ(opened.CurrentTab, 3);
  EXPECT_EQ(opened.CardsDisabled, 1);
  EXPECT_EQ(openedRound.CardRoundsDone, 44);
  EXPECT_EQ(openedRound.CardRoundDone, 1);
  EXPECT_EQ(openedRound.DealCount, CardRound::kFreshGame);
  EXPECT_EQ(GatherSavedGame(opened, openedRound), saved);
}

// A saved game is 1117 raw bytes at fixed offsets, both ways.
TEST(SavedGameFile, HandMadeFileReadsAndWritesByteForByte) {
  TempFolder folder;
  WriteBytes(folder / "hand.sav", HandMadeFile());
  EXPECT_EQ(ReadSavedGame(folder / "hand.sav"), HandMadeGame());

  const SavedGameBytes encoded = EncodeSavedGame(HandMadeGame());
  EXPECT_EQ(std::vector<std::uint8_t>(encoded.begin(), encoded.end()), HandMadeFile());

  WriteSavedGame(folder / "written.sav", HandMadeGame());
  EXPECT_EQ(ReadBytes(folder / "written.sav"), HandMadeFile());
  // Only the saved game is left behind: no temporary file beside it.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    ++files;
  }
  EXPECT_EQ(files, 2);
}

// Saving over an existing game replaces it whole, and the low byte of each value is kept.
TEST(SavedGameFile, RoundTripOverAnOlderFile) {
  TempFolder folder;
  WriteBytes(folder / "game.sav", std::vector<std::uint8_t>(5000, 0xAA));
  SavedGame game = HandMadeGame();
  game.CurrentLevel = LowByte(56);
  game.TaskVirtue = LowByte(101);
  game.TaskTab = LowByte(14);
  EXPECT_EQ(LowByte(256 + 9), 9);
  EXPECT_EQ(LowByte(113), 113);
  WriteSavedGame(folder / "game.sav", game);
  EXPECT_EQ(std::filesystem::file_size(folder / "game.sav"), 1117u);
  EXPECT_EQ(ReadSavedGame(folder / "game.sav"), game);
}

// A file that cannot be a saved game is refused with a message naming it and what is
// wrong; values at the edges of their ranges are accepted.
TEST(SavedGameFile, RefusesFilesThatAreNotSavedGames) {
  TempFolder folder;
  struct Case {
    std::string name;
    std::vector<std::uint8_t> bytes;
    std::string message;  // empty: accepted
  };
  auto with = [](std::size_t offset, std::uint8_t value) {
    auto bytes = HandMadeFile();
    bytes[offset] = value;
    return bytes;
  };
  auto sized = [](std::size_t size) {
    auto bytes = HandMadeFile();
    bytes.resize(size, 0);
    return bytes;
  };
  const std::vector<Case> cases = {
      {"short.sav", sized(1116), "(it is 1116 bytes long, and a saved game is 1117 bytes long)"},
      {"long.sav", sized(1118), "(it is 1118 bytes long"},
      {"empty.sav", {}, "(it is 0 bytes long"},
      {"one.sav", sized(1), "(it is 1 byte long"},
      {"level0.sav", with(770, 0), "its level is 0 (it can only be 1 to 56)"},
      {"level57.sav", with(770, 57), "its level is 57"},
      {"levelneg.sav", with(770, 0xFF), "its level is -1"},
      {"rounds.sav", with(771, 0x80), "its number of card games played is -128"},
      {"round2.sav", with(772, 2),
       "its mark for the level's card game is 2 (it can only be 0 or 1)"},
      {"roundneg.sav", with(772, 0xFF), "its mark for the level's card game is -1"},
      {"tab15.sav", with(773, 15), "the page of its task is 15 (it can only be 0 to 14, or 99)"},
      {"tab98.sav", with(773, 98), "the page of its task is 98"},
      {"tab100.sav", with(773, 100), "the page of its task is 100"},
      {"tabneg.sav", with(773, 0xFF), "the page of its task is -1"},
      {"virtue14.sav", with(774, 14),
       "the virtue of its task is 14 (it can only be 0 to 13, or 101 to 113)"},
      {"virtue100.sav", with(774, 100), "the virtue of its task is 100"},
      {"virtue114.sav", with(774, 114), "the virtue of its task is 114"},
      {"virtueneg.sav", with(774, 0x9C), "the virtue of its task is -100"},
      {"level1.sav", with(770, 1), ""},
      {"level56.sav", with(770, 56), ""},
      {"tab0.sav", with(773, 0), ""},
      {"tab14.sav", with(773, 14), ""},
      {"virtue0.sav", with(774, 0), ""},
      {"virtue13.sav", with(774, 13), ""},
      {"virtue101.sav", with(774, 101), ""},
      {"rounds127.sav", with(771, 127), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto file = folder / c.name;
    WriteBytes(file, c.bytes);
    if (c.message.empty()) {
      EXPECT_NO_THROW(ReadSavedGame(file));
      continue;
    }
    try {
      ReadSavedGame(file);
      ADD_FAILURE() << "accepted";
    } catch (const GameError& error) {
      const std::string text = error.what();
      EXPECT_NE(text.find("\"" + file.string() + "\""), std::string::npos) << text;
      EXPECT_NE(text.find(c.message), std::string::npos) << text;
      EXPECT_NE(text.find("The game in progress is unchanged."), std::string::npos) << text;
    }
  }

  // Missing files and folders say so in the system's words.
  for (const auto& [file, reason] : {std::pair{folder / "none.sav", "No such file or directory"},
                                     std::pair{folder.Path(), "Is a directory"}}) {
    try {
      ReadSavedGame(file);
      ADD_FAILURE() << file << " accepted";
    } catch (const GameError& error) {
      EXPECT_EQ(std::string(error.what()), "The saved game \"" + file.string() +
                                               "\" could not be opened: " + reason +
                                               ". The game in progress is unchanged.");
    }
  }
}

// A save that cannot be written says where and why, and leaves the old file as it was.
TEST(SavedGameFile, WriteFailureNamesTheFileAndKeepsTheOldOne) {
  TempFolder folder;
  const auto missing = folder / "no such folder" / "game.sav";
  try {
    WriteSavedGame(missing, HandMadeGame());
    ADD_FAILURE() << "written";
  } catch (const GameError& error) {
    EXPECT_EQ(std::string(error.what()),
              "The game could not be saved in the file \"" + missing.string() +
                  "\": No such file or directory. Any earlier file of that name is unchanged.");
  }

  // A folder in the way of the file: the rename fails after the bytes were written, and
  // the temporary file is removed.
  std::filesystem::create_directories(folder / "taken.sav" / "inside");
  EXPECT_THROW(WriteSavedGame(folder / "taken.sav", HandMadeGame()), GameError);
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    ++files;
  }
  EXPECT_EQ(files, 1);
}

// The message of the GameError a call throws, or "accepted".
template <class Call>
std::string Refusal(Call call) {
  try {
    call();
  } catch (const GameError& error) {
    return error.what();
  }
  return "accepted";
}

// A new save has the permissions the umask allows; saving writes through a symlink to the file it
// names and keeps the file's permissions; a read-only file is refused and stays as it was; a named
// pipe, a device and a folder are refused by Open and by Save before they are opened.
TEST(SavedGameFile, SymlinksReadOnlyFilesAndThingsThatAreNotFiles) {
  using std::filesystem::perms;
  TempFolder folder;
  const SavedGame older = HandMadeGame();
  SavedGame newer = older;
  newer.CurrentLevel = 12;
  std::filesystem::create_directories(folder / "games");
  const auto real = folder / "games" / "real.sav";
  const auto link = folder / "linked.sav";
  // A new file gets an ordinary file's permissions less the umask, and no other file is
  // left beside it.
  const mode_t mask = ::umask(027);
  WriteSavedGame(real, older);
  EXPECT_EQ(::umask(mask), 027);
  EXPECT_EQ(std::filesystem::status(real).permissions(),
            perms::owner_read | perms::owner_write | perms::group_read);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "games"), {}), 1);
  std::filesystem::create_symlink("games/real.sav", link);
  std::filesystem::permissions(real, perms::owner_read | perms::owner_write);
  WriteSavedGame(link, newer);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadSavedGame(real), newer);
  EXPECT_EQ(std::filesystem::status(real).permissions(), perms::owner_read | perms::owner_write);

  const perms readOnly = perms::owner_read | perms::group_read | perms::others_read;
  std::filesystem::permissions(real, readOnly);
  for (const auto& file : {real, link}) {
    EXPECT_EQ(Refusal([&] { WriteSavedGame(file, older); }),
              "The game could not be saved in the file \"" + file.string() +
                  "\": it is read-only. Any earlier file of that name is unchanged.");
  }
  EXPECT_EQ(ReadSavedGame(real), newer);
  EXPECT_EQ(std::filesystem::status(real).permissions(), readOnly);

  const auto pipe = folder / "pipe.sav";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  // Should the pipe be opened after all, a writer comes and goes, so the test still ends.
  std::atomic<bool> done = false;
  std::thread writer([&] {
    while (!done) {
      const int end = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
      if (end >= 0) ::close(end);
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  });
  struct Case {
    std::filesystem::path file;
    std::string reason;
    bool save;  // also tried as the file of a save
  };
  const std::vector<Case> cases = {
      {pipe, "it is a named pipe, not a file", true},
      {"/dev/zero", "it is a device, not a file", false},
      {folder / "games", "Is a directory", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(Refusal([&] { ReadSavedGame(c.file); }), "The saved game \"" + c.file.string() +
                                                           "\" could not be opened: " + c.reason +
                                                           ". The game in progress is unchanged.");
    if (!c.save) continue;
    EXPECT_EQ(Refusal([&] { WriteSavedGame(c.file, newer); }),
              "The game could not be saved in the file \"" + c.file.string() + "\": " + c.reason +
                  ". Any earlier file of that name is unchanged.");
  }
  done = true;
  writer.join();
  EXPECT_EQ(std::filesystem::status(pipe).type(), std::filesystem::file_type::fifo);
}

// The game folder comes from XDG_DATA_HOME, else HOME, else the account's home; a home that
// is relative, the root or missing is passed over and never made; a folder that cannot be
// made is reported with the reason and the warning names it.
TEST(SavedGameFile, TheGameFolderIsFoundBelowAUsableHomeOrReported) {
  TempFolder folder;
  const std::string home = (folder / "home").string();
  const std::string missing = (folder / "gone").string();
  std::filesystem::create_directories(home);
  struct Case {
    GameFolderSources sources;
    std::filesystem::path expected;
  };
  const Case cases[] = {
      {{(folder / "data").string(), home, std::nullopt}, folder / "data" / "quenna2"},
      {{"relative", home, std::nullopt}, folder / "home" / ".local/share/quenna2"},
      {{std::nullopt, "/", home}, folder / "home" / ".local/share/quenna2"},
      {{std::nullopt, "home", home}, folder / "home" / ".local/share/quenna2"},
      {{std::nullopt, missing, "/"}, {}},
      {{std::nullopt, std::nullopt, std::nullopt}, {}},
  };
  for (const Case& test : cases) {
    const GameFolder chosen = PrepareGameFolder(test.sources);
    EXPECT_EQ(chosen.folder, test.expected);
    EXPECT_EQ(chosen.problem.empty(), !test.expected.empty()) << chosen.problem;
    if (!test.expected.empty()) {
      EXPECT_TRUE(std::filesystem::is_directory(test.expected));
    }
  }
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_EQ(GameFolderWarning(PrepareGameFolder({})),
            "Your game folder cannot be used (there is no home folder to keep it in). You can "
            "play, but games and high scores cannot be saved there.");

  std::ofstream(folder / "blocked");
  const GameFolder blocked = PrepareGameFolder({(folder / "blocked").string(), {}, {}});
  EXPECT_EQ(GameFolderWarning(blocked),
            "Your game folder " + (folder / "blocked" / "quenna2").string() +
                " cannot be used (Not a directory). You can play, but games and high scores "
                "cannot be saved there.");
}

}  // namespace
}  // namespace quenna
