#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quenna {

// What the player asked for when starting the game from a terminal:
//   quenna2 [--data DIR] [--windowed] | --help | --version
// When `exitStatus` is set the program does not start: it prints `output` on standard
// output and `error` on standard error and ends with that status (0 for --help and
// --version, 2 for a command line it cannot follow).
struct CommandLine {
  std::optional<std::filesystem::path> dataFolder;  // --data DIR, made absolute
  bool windowed = false;                            // --windowed

  std::optional<int> exitStatus;
  std::string output;
  std::string error;
};

// Reads the program's arguments (the first is the program itself). Needs no QApplication,
// so --help and --version answer without a display. A --data folder must hold the game's
// data; the program checks it here, before any window opens.
CommandLine ReadCommandLine(const std::vector<std::string>& arguments, std::string_view version);

// Prints what a command line that ends the program has to say; returns its exit status.
int EndEarly(const CommandLine& commandLine);

// The environment variable that makes the game close by itself once its title screen is
// up: the install test starts the installed program with it and waits for it to end.
inline constexpr const char* kQuitAfterStartVariable = "QUENNA2_QUIT_AFTER_START";

}  // namespace quenna
