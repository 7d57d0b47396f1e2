#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quenna {

// The files the game writes for the player (saved games, "HighScores") are replaced
// whole or not at all: the bytes go to a temporary file beside the target, which is
// flushed to the disk and then renamed over the target. A failure leaves the old file
// as it was and removes the temporary one.
//
// A symlink is written through: the file it points to gets the new bytes and the link
// stays. An existing file keeps its permissions; a read-only one is refused, and so is
// anything that is not an ordinary file (a folder, a named pipe, a device), before
// anything is written.
//
// Returns nothing on success, else the reason, in the system's words where it has them
// ("Permission denied", "No space left on device") or in ours ("it is read-only").
std::optional<std::string> WriteWholeFile(const std::filesystem::path& file,
                                          std::string_view bytes);

// The whole content of a file, or the reason it could not be read. Files larger than
// the limit are not read: their size alone is reported. Anything but an ordinary file
// (a folder, a named pipe, a device) is refused before it is opened, so that a pipe
// cannot hang the game and "/dev/zero" is not read as a file.
struct FileContent {
  std::vector<std::uint8_t> bytes;
  std::uintmax_t size = 0;  // the size on disk, also when the bytes were not read
  std::string problem;      // empty when the file was read
};
FileContent ReadWholeFile(const std::filesystem::path& file, std::uintmax_t limit);

// Makes `copy` hold what `file` holds now, written as WriteWholeFile writes (an older
// copy is replaced). Returns the reason when it cannot.
std::optional<std::string> CopyWholeFile(const std::filesystem::path& file,
                                         const std::filesystem::path& copy);

// The player's game folder (saved games, "HighScores", the journal): $XDG_DATA_HOME/quenna2
// when that is an absolute path, else <home>/.local/share/quenna2, where the home is $HOME
// or else the account's home from the user database. A home must be absolute, must not be
// the root of the file system and must exist: the game creates folders below a home, never
// a home itself, so that a process without one leaves the file system alone.
struct GameFolderSources {
  std::optional<std::string> dataHome;     // $XDG_DATA_HOME
  std::optional<std::string> home;         // $HOME
  std::optional<std::string> accountHome;  // the user database's home of this account
};
struct GameFolder {
  std::filesystem::path folder;  // empty when there is no home to put it in
  std::string problem;           // why it cannot be used; empty when it can
};
// Chooses the folder, creates it when missing, and checks that the game may write in it.
GameFolder PrepareGameFolder(const GameFolderSources& sources);
// What the player is told at start-up when the folder cannot be used.
std::string GameFolderWarning(const GameFolder& chosen);

}  // namespace quenna
