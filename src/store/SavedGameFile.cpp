#include "store/SavedGameFile.h"

#include <algorithm>
#include <string_view>

#include "platform/GameError.h"
#include "store/PlayerFiles.h"

namespace quenna {
namespace {

constexpr std::uint8_t Raw(std::int8_t value) {
  return static_cast<std::uint8_t>(value);
}
constexpr std::int8_t Signed(std::uint8_t value) {
  return static_cast<std::int8_t>(value);
}

std::string Quoted(const std::filesystem::path& file) {
  return "\"" + file.string() + "\"";
}

}  // namespace

SavedGameBytes EncodeSavedGame(const SavedGame& game) {
  SavedGameBytes bytes{};
  const auto table = game.LevelTable.Bytes();
  std::transform(table.begin(), table.end(), bytes.begin() + kSavedTableOffset, Raw);
  bytes[kSavedCurrentLevelOffset] = Raw(game.CurrentLevel);
  bytes[kSavedCardRoundsDoneOffset] = Raw(game.CardRoundsDone);
  bytes[kSavedCardRoundDoneOffset] = Raw(game.CardRoundDone);
  bytes[kSavedTaskTabOffset] = Raw(game.TaskTab);
  bytes[kSavedTaskVirtueOffset] = Raw(game.TaskVirtue);
  std::transform(game.AnsweredFlags.begin(), game.AnsweredFlags.end(),
                 bytes.begin() + kSavedMarksOffset, Raw);
  return bytes;
}

SavedGame DecodeSavedGame(const SavedGameBytes& bytes) {
  SavedGame game;
  std::array<std::int8_t, LevelTable::kBytes> table{};
  std::transform(bytes.begin() + kSavedTableOffset,
                 bytes.begin() + kSavedTableOffset + LevelTable::kBytes, table.begin(), Signed);
  game.LevelTable = LevelTable::FromBytes(table);
  game.CurrentLevel = Signed(bytes[kSavedCurrentLevelOffset]);
  game.CardRoundsDone = Signed(bytes[kSavedCardRoundsDoneOffset]);
  game.CardRoundDone = Signed(bytes[kSavedCardRoundDoneOffset]);
  game.TaskTab = Signed(bytes[kSavedTaskTabOffset]);
  game.TaskVirtue = Signed(bytes[kSavedTaskVirtueOffset]);
  std::transform(bytes.begin() + kSavedMarksOffset, bytes.end(), game.AnsweredFlags.begin(),
                 Signed);
  return game;
}

std::string SavedGameProblem(const SavedGame& game) {
  auto problem = [](std::string_view what, int value, std::string_view allowed) {
    return std::string(what) + " is " + std::to_string(value) + " (it can only be " +
           std::string(allowed) + ")";
  };
  if (game.CurrentLevel < 1 || game.CurrentLevel > LevelTable::kRows + 1) {
    return problem("its level", game.CurrentLevel, "1 to 56");
  }
  if (game.CardRoundsDone < 0) {
    return problem("its number of card games played", game.CardRoundsDone, "0 or more");
  }
  if (game.CardRoundDone != 0 && game.CardRoundDone != 1) {
    return problem("its mark for the level's card game", game.CardRoundDone, "0 or 1");
  }
  if ((game.TaskTab < 0 || game.TaskTab > 14) && game.TaskTab != 99) {
    return problem("the page of its task", game.TaskTab, "0 to 14, or 99");
  }
  const bool plainVirtue = game.TaskVirtue >= 0 && game.TaskVirtue <= 13;
  const bool bonusVirtue = game.TaskVirtue >= 101 && game.TaskVirtue <= 113;
  if (!plainVirtue && !bonusVirtue) {
    return problem("the virtue of its task", game.TaskVirtue, "0 to 13, or 101 to 113");
  }
  return {};
}

void WriteSavedGame(const std::filesystem::path& file, const SavedGame& game) {
  const SavedGameBytes bytes = EncodeSavedGame(game);
  const auto failure = WriteWholeFile(
      file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (failure) {
    throw GameError("The game could not be saved in the file " + Quoted(file) + ": " + *failure +
                    ". Any earlier file of that name is unchanged.");
  }
}

SavedGameCheck CheckSavedGame(const std::filesystem::path& file) {
  using Problem = SavedGameCheck::Problem;
  SavedGameCheck check;
  const FileContent content = ReadWholeFile(file, kSavedGameBytes);
  check.size = content.size;
  if (!content.problem.empty()) {
    check.problem = Problem::kUnreadable;
    check.detail = content.problem;
    return check;
  }
  if (content.bytes.size() != kSavedGameBytes) {
    check.problem = Problem::kWrongSize;
    return check;
  }
  SavedGameBytes bytes{};
  std::copy(content.bytes.begin(), content.bytes.end(), bytes.begin());
  check.game = DecodeSavedGame(bytes);
  check.detail = SavedGameProblem(check.game);
  if (!check.detail.empty()) check.problem = Problem::kDamaged;
  return check;
}

std::string SavedGameCheck::Reason() const {
  switch (problem) {
    case Problem::kNone:
      return {};
    case Problem::kUnreadable:
      return "it could not be read: " + detail;
    case Problem::kWrongSize:
      return "it is not a saved game of Quenna 2 (it is " + std::to_string(size) +
             (size == 1 ? " byte" : " bytes") + " long)";
    case Problem::kDamaged:
      return "it is damaged: " + detail;
  }
  return {};
}

SavedGame ReadSavedGame(const std::filesystem::path& file) {
  using Problem = SavedGameCheck::Problem;
  const SavedGameCheck check = CheckSavedGame(file);
  switch (check.problem) {
    case Problem::kNone:
      return check.game;
    case Problem::kUnreadable:
      throw GameError("The saved game " + Quoted(file) + " could not be opened: " + check.detail +
                      ". The game in progress is unchanged.");
    case Problem::kWrongSize:
      throw GameError("The file " + Quoted(file) + " is not a saved game of Quenna 2 (it is " +
                      std::to_string(check.size) + (check.size == 1 ? " byte" : " bytes") +
                      " long, and a saved game is " + std::to_string(kSavedGameBytes) +
                      " bytes long). The game in progress is unchanged.");
    case Problem::kDamaged:
      break;
  }
  throw GameError("The file " + Quoted(file) + " is damaged or is not a saved game of Quenna 2: " +
                  check.detail + ". The game in progress is unchanged.");
}

}  // namespace quenna
