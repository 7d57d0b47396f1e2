#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quenna::datakit {

// Checks a built data folder against the content sources: every file the game reads
// is there and readable, the grid records are 645 digits and match the pictures'
// sources, each person of the roster stands at their values, the texts fit the game's
// read limits and hold no byte that would end them early, and every value in a grid
// has its look line. Every dialogue file is checked line by line: its roles, its key
// letters and virtue characters, each line measured against the close-up window, and
// no question asked twice in the game. Every task's bonus must be winnable: no question
// credits a virtue twice, and the person each task of the card game names, and every
// page whose people all have a dialogue, credit all thirteen virtues. The virtue words
// must be built from their source, one line a virtue, and written into the help page.
// Returns the problems found, one line each; empty when all is well.
//
// While the dialogues are still being written, a roster row without a source is no
// problem; with complete set, each one missing is.
std::vector<std::string> CheckDataFolder(const std::filesystem::path& contentFolder,
                                         const std::filesystem::path& dataFolder,
                                         bool complete = false);

// The dialogue files of the roster that have no source in content/people yet.
std::vector<std::string> UnwrittenDialogues(const std::filesystem::path& contentFolder);

// Why a dialogue line does not fit where the close-up window shows it, measured at the
// window's fonts on both its layouts; empty when it fits or is never shown.
std::string DialogueFitProblem(int line, const std::string& text);

// What a dialogue line is, for messages: "opening page 3", "answer B of question 5",
// "the reply to question 2" (pages and questions counted from 1).
std::string DialogueLineRole(int line);

}  // namespace quenna::datakit
