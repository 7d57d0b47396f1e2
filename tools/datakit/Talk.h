#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "Source.h"

namespace quenna::datakit {

// The lines of a dialogue file the game reads by number (0..76).
inline constexpr int kDialogueLines = 77;

// One conversation as a writer writes it, content/people/<name>.talk, turned into the
// lines of its dialogue file "d2\<name>.dat":
//
//   person <name>          optional; when given, the file's own name
//   speaker <who>          optional; who talks, for reports
//   opening <text>         six of them: the opening pages, lines 0..5
//   topic <caption>        three topics (lines 6..8), each followed by
//   lead <text>              its lead-in (9, 13, 17) and three questions:
//   question <caption>       the link (10..12, 14..16, 18..20), then indented:
//     ask <text>               the question (21 + 4q)
//     A|B|C <text>             the answers, written "A. ...", "B. ...", "C. ..." (22..24 + 4q)
//     correct A|B|C            the right letter, which begins the key line 57 + q,
//     reply <text>             followed by ". " and this reply
//     virtues <four names>     the virtue characters of line 68 + q
//   wrong <text>           the reply to any wrong answer, line 66
//   goodbye <text>         optional, line 67 (never shown)
//
// "#" starts a comment line, blank lines are skipped. An indented line that does not
// start with one of the question's keys continues the text above it.
struct TalkSource {
  std::string file;     // the source file, for messages
  std::string name;     // the file's stem, "wyn1746"
  std::string speaker;  // as written, may be empty
  std::array<std::string, kDialogueLines> lines;
  std::array<int, kDialogueLines> sourceLines{};  // where each line was written (0: nowhere)
};

// Reads a talk source written in UTF-8 (letters outside Latin-1 cannot be stored). Throws
// ContentError listing every mistake found, one "file:line: message" per line.
TalkSource ParseTalkSource(const std::string& text, const std::string& fileName);
TalkSource ReadTalkSource(const std::filesystem::path& file);

// The stem of a roster dialogue path: "d2\\wyn1746.dat" gives "wyn1746".
std::string DialogueName(std::string_view gamePath);
// The game path of a dialogue by its stem: "wyn1746" gives "d2\\wyn1746.dat".
std::string DialogueGamePath(const std::string& name);

// The dialogue file's decoded text: the 77 lines, each ended by CR LF. Throws ContentError
// when it would be longer than the game reads.
std::string DialogueFileText(const TalkSource& talk);

// Every talk source of content/people, in name order (none when the folder is missing).
// Each must be named after a dialogue file of the roster. Throws ContentError listing
// the mistakes of every file.
std::vector<TalkSource> ReadAllTalks(const std::filesystem::path& contentFolder);

}  // namespace quenna::datakit
