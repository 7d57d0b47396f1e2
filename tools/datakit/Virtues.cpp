#include "Virtues.h"

#include <cctype>
#include <optional>
#include <sstream>

namespace quenna::datakit {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// A virtue's name as writers write it: "temperance", without the full stop.
std::string NameOf(int virtue) {
  const std::string_view full = kVirtueNames[static_cast<std::size_t>(virtue - 1)];
  return std::string(full.substr(0, full.size() - 1));
}

std::optional<int> VirtueNamed(const std::string& word) {
  for (int v = 1; v <= kVirtueCount; ++v) {
    if (NameOf(v) == word) return v;
  }
  return std::nullopt;
}

std::string Escaped(const std::string& text) {
  std::string html;
  for (char c : text) {
    if (c == '&') {
      html += "&amp;";
    } else if (c == '<') {
      html += "&lt;";
    } else if (c == '>') {
      html += "&gt;";
    } else {
      html += c;
    }
  }
  return html;
}

}  // namespace

VirtueWords ParseVirtueWords(const std::string& text, const std::string& fileName) {
  VirtueWords virtues;
  virtues.file = fileName;
  std::string problems;
  auto problem = [&](int line, const std::string& message) {
    problems +=
        (problems.empty() ? "" : "\n") + fileName + ":" + std::to_string(line) + ": " + message;
  };
  std::istringstream stream(text);
  std::string raw;
  int number = 0;
  int current = 0;        // the virtue whose words go on, 0 for none
  int previous = 0;       // the virtue last named well, for the order
  bool skipping = false;  // the words of a line that was refused
  while (std::getline(stream, raw)) {
    ++number;
    const std::string line = Trimmed(raw);
    if (line.empty() || line[0] == '#') continue;
    std::string plain;
    try {
      plain = PlainText(line, {fileName, number});
    } catch (const ContentError& error) {
      problems += (problems.empty() ? "" : "\n") + std::string(error.what());
      continue;
    }
    if (raw[0] == ' ' || raw[0] == '\t') {
      if (current != 0) {
        std::string& words = virtues.words[static_cast<std::size_t>(current - 1)];
        words += (words.empty() ? "" : " ") + plain;
      } else if (!skipping) {
        problem(number, "an indented line goes on with a virtue's words; start with a name");
      }
      continue;
    }
    current = 0;
    skipping = true;
    const std::string name = plain.substr(0, plain.find(' '));
    const std::optional<int> virtue = VirtueNamed(name);
    if (!virtue) {
      problem(number, "\"" + name +
                          "\" is not one of the thirteen virtues; a line starts with a virtue's "
                          "name: temperance, silence, ..., humility");
      continue;
    }
    const auto index = static_cast<std::size_t>(*virtue - 1);
    if (virtues.lines[index] != 0) {
      problem(number,
              name + " is explained already at line " + std::to_string(virtues.lines[index]));
      continue;
    }
    if (*virtue != previous + 1) {
      // Orn's order, so the file reads as the chart does, top to bottom.
      problem(number, name + " comes " + (*virtue > previous + 1 ? "too early" : "too late") +
                          ": write the virtues in Orn's order (" +
                          (previous < kVirtueCount ? NameOf(previous + 1) : name) + " is next)");
    }
    current = previous = *virtue;
    skipping = false;
    virtues.lines[index] = number;
    virtues.words[index] = Trimmed(plain.substr(name.size()));
  }
  for (int v = 1; v <= kVirtueCount; ++v) {
    const auto index = static_cast<std::size_t>(v - 1);
    if (virtues.lines[index] == 0) {
      problems += (problems.empty() ? "" : "\n") + fileName + ": " + NameOf(v) +
                  " is not explained; every virtue of the chart needs its words";
    } else if (virtues.words[index].empty()) {
      problem(virtues.lines[index], NameOf(v) + " has no words");
    } else if (virtues.words[index].size() > kVirtueWordsLimit) {
      problem(virtues.lines[index], NameOf(v) + " has " +
                                        std::to_string(virtues.words[index].size()) +
                                        " characters; the panel over the chart shows " +
                                        std::to_string(kVirtueWordsLimit) + ": make it shorter");
    }
  }
  if (!problems.empty()) throw ContentError::Listed(problems);
  return virtues;
}

VirtueWords ReadVirtueWords(const std::filesystem::path& contentFolder) {
  const auto file = contentFolder / kVirtueWordsSource;
  return ParseVirtueWords(ReadTextFile(file), file.string());
}

std::string VirtueWordsText(const VirtueWords& virtues) {
  std::string text;
  for (const std::string& words : virtues.words) text += words + "\r\n";
  return text;
}

std::string HelpWithVirtueWords(const std::string& help, const VirtueWords& virtues,
                                const std::string& helpFile) {
  const std::string mark = kHelpVirtuesMark;
  const auto at = help.find(mark);
  if (at == std::string::npos) {
    throw ContentError(helpFile,
                       "has no line \"" + mark + "\", where the list of the thirteen virtues goes");
  }
  std::string list = "<ul>\n";
  for (int v = 1; v <= kVirtueCount; ++v) {
    const std::string& words = virtues.words[static_cast<std::size_t>(v - 1)];
    std::string name = NameOf(v);
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    // "Temperance means ..." reads best with the name in bold where it begins the words.
    if (words.rfind(name, 0) == 0) {
      list += "<li><b>" + name + "</b>" + Escaped(words.substr(name.size())) + "</li>\n";
    } else {
      list += "<li><b>" + name + ":</b> " + Escaped(words) + "</li>\n";
    }
  }
  list += "</ul>";
  return help.substr(0, at) + list + help.substr(at + mark.size());
}

}  // namespace quenna::datakit
