#include "store/SavedGameList.h"

#include <algorithm>
#include <cctype>
#include <chrono>

namespace quenna {
namespace {

bool EndsInSav(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  // A name that begins with a dot is hidden, as a save's temporary file is.
  return extension == ".sav" && file.filename().string().front() != '.';
}

std::int64_t ModifiedSeconds(const std::filesystem::path& file) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(file, error);
  if (error) return 0;
  const auto since1970 = std::chrono::file_clock::to_sys(written).time_since_epoch();
  return std::chrono::duration_cast<std::chrono::seconds>(since1970).count();
}

}  // namespace

std::vector<SavedGameEntry> ListSavedGames(const std::filesystem::path& folder) {
  std::vector<SavedGameEntry> entries;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (!it->is_regular_file(error) || !EndsInSav(it->path())) continue;
    SavedGameEntry entry;
    entry.file = it->path();
    entry.modified = ModifiedSeconds(entry.file);
    const SavedGameCheck check = CheckSavedGame(entry.file);
    entry.problem = check.Reason();
    if (check.Sound()) {
      entry.level = check.game.CurrentLevel;
      entry.score = check.game.LevelTable.PointsTotal();
    }
    entries.push_back(std::move(entry));
  }
  std::sort(entries.begin(), entries.end(), [](const SavedGameEntry& a, const SavedGameEntry& b) {
    if (a.modified != b.modified) return a.modified > b.modified;
    return a.file.filename() < b.file.filename();
  });
  return entries;
}

}  // namespace quenna
