#include "Talk.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

#include "core/WorldTables.h"
#include "scene/ShiftedText.h"
#include "talk/Dialogue.h"
#include "talk/Roster.h"

namespace quenna::datakit {
namespace {

constexpr std::array<std::string_view, 7> kQuestionKeys = {"ask",     "A",     "B",      "C",
                                                           "correct", "reply", "virtues"};
constexpr int kTopics = 3;

bool IsQuestionKey(std::string_view key) {
  return std::find(kQuestionKeys.begin(), kQuestionKeys.end(), key) != kQuestionKeys.end();
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string Strip(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  std::size_t last = text.size();
  while (last > first && IsBlank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

// The virtue a writer names, by its name without the full stop (any case).
std::optional<int> VirtueByName(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (int v = 1; v <= kVirtueCount; ++v) {
    const std::string_view full = kVirtueNames[static_cast<std::size_t>(v - 1)];
    if (name == full.substr(0, full.size() - 1)) return v;
  }
  return std::nullopt;
}

std::string VirtueList() {
  std::string list;
  for (std::string_view name : kVirtueNames)
    list += (list.empty() ? "" : ", ") + std::string(name.substr(0, name.size() - 1));
  return list;
}

// One line of UTF-8 as the one-byte characters the game stores. Editors' curly quotes,
// dashes and ellipses become their plain forms; anything else outside Latin-1 is a
// mistake, and so is the one Latin-1 letter the stored form cannot hold. A mistake is
// described in problem (the first one of the line) and its character read as "?".
std::string Latin1(std::string_view text, std::string& problem) {
  static const std::map<char32_t, std::string> kPlain = {
      {U'\u2018', "'"}, {U'\u2019', "'"},   {U'\u201C', "\""},  {U'\u201D', "\""},
      {U'\u2013', "-"}, {U'\u2014', " - "}, {U'\u2026', "..."}, {U'\u00A0', " "}};
  std::string out;
  auto refuse = [&](const std::string& why) {
    if (problem.empty()) problem = why;
    out += '?';
  };
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    char32_t code = byte;
    std::size_t length = 1;
    if (byte >= 0x80) {
      length = (byte & 0xE0) == 0xC0   ? 2
               : (byte & 0xF0) == 0xE0 ? 3
               : (byte & 0xF8) == 0xF0 ? 4
                                       : 0;
      code = byte & (0x7F >> length);
      bool valid = length > 0 && i + length <= text.size();
      for (std::size_t k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        valid = (next & 0xC0) == 0x80;
        code = (code << 6) | (next & 0x3F);
      }
      if (!valid) {
        refuse("this line is not UTF-8 text");
        ++i;
        continue;
      }
    }
    const std::string shown(text.substr(i, length));
    i += length;
    if (const auto plain = kPlain.find(code); plain != kPlain.end()) {
      out += plain->second;
    } else if (code == '\t') {
      out += ' ';
    } else if (code < 0x20 || code == 0x7F) {
      refuse("a control character (code " + std::to_string(code) +
             ") cannot be stored in a dialogue file");
    } else if (code > 0xFF) {
      refuse("the character \"" + shown +
             "\" is outside Latin-1; the game's text files hold one byte per character");
    } else if (!EncodableAsShiftedText(std::string(1, static_cast<char>(code)))) {
      refuse("the character \"" + shown + "\" cannot be stored in the game's text files");
    } else {
      out += static_cast<char>(code);
    }
  }
  return out;
}

struct Entry {
  int line = 0;
  std::string key;
  std::string value;
};

struct Question {
  int line = 0;
  std::string link;
  std::map<std::string, Entry> keys;
};

struct Topic {
  Entry caption;
  std::optional<Entry> lead;
  std::vector<Question> questions;
};

class TalkReader {
 public:
  explicit TalkReader(std::string file) : file_(std::move(file)) {}

  void Problem(int line, const std::string& message) {
    problems_.push_back(file_ + (line > 0 ? ":" + std::to_string(line) : "") + ": " + message);
  }

  void Read(const std::string& text) {
    std::vector<Entry> entries;
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      const std::string_view raw(text.data() + start, end - start);
      start = end + 1;
      ++number;
      std::string line = Strip(raw);
      if (line.empty() || line[0] == '#') continue;
      std::string problem;
      line = Latin1(line, problem);
      if (!problem.empty()) Problem(number, problem);
      const bool indented = !raw.empty() && raw[0] == ' ';
      const std::size_t space = line.find(' ');
      const std::string key = line.substr(0, space);
      const std::string value = space == std::string::npos ? "" : Strip(line.substr(space + 1));
      if (indented && !entries.empty() && !IsQuestionKey(key)) {
        entries.back().value += " " + line;
        continue;
      }
      entries.push_back({number, key, value});
    }
    for (Entry& entry : entries) {
      entry.value = Strip(entry.value);
      Take(entry);
    }
  }

  TalkSource Finish(const std::string& name) {
    TalkSource talk;
    talk.file = file_;
    talk.name = name;
    talk.speaker = speaker_ ? speaker_->value : "";
    if (person_ && person_->value != name) {
      Problem(person_->line, "\"person " + person_->value + "\" in a file named " + name +
                                 ".talk: the file's name says whose dialogue it is");
    }
    auto set = [&talk](int n, const Entry& entry, const std::string& text) {
      talk.lines[static_cast<std::size_t>(n)] = text;
      talk.sourceLines[static_cast<std::size_t>(n)] = entry.line;
    };
    if (openings_.size() != dialogue::kOpeningPages) {
      Problem(openings_.empty() ? 0 : openings_.back().line,
              std::to_string(openings_.size()) + " \"opening\" lines; a dialogue has 6");
    }
    for (std::size_t i = 0; i < openings_.size() && i < dialogue::kOpeningPages; ++i)
      set(static_cast<int>(i), openings_[i], openings_[i].value);
    if (topics_.size() != kTopics) {
      Problem(topics_.empty() ? 0 : topics_.back().caption.line,
              std::to_string(topics_.size()) + " topics; a dialogue has 3");
    }
    int q = 0;
    for (std::size_t t = 0; t < topics_.size() && t < kTopics; ++t) {
      const Topic& topic = topics_[t];
      const int number = static_cast<int>(t) + 1;
      set(dialogue::TopicLinkLine(number), topic.caption, topic.caption.value);
      if (topic.lead) {
        set(dialogue::LeadInLine(number), *topic.lead, topic.lead->value);
      } else {
        Problem(topic.caption.line, "the topic \"" + topic.caption.value + "\" has no \"lead\"");
      }
      if (topic.questions.size() != dialogue::kQuestionsPerTopic) {
        Problem(topic.caption.line, "the topic \"" + topic.caption.value + "\" has " +
                                        std::to_string(topic.questions.size()) +
                                        " questions; a topic has 3");
      }
      for (std::size_t k = 0; k < topic.questions.size() && k < dialogue::kQuestionsPerTopic;
           ++k, ++q) {
        WriteQuestion(topic.questions[k], q, set);
      }
    }
    if (wrong_) {
      set(dialogue::kWrongReplyLine, *wrong_, wrong_->value);
    } else {
      Problem(0, "there is no \"wrong\" reply (the answer to every wrong choice)");
    }
    if (goodbye_) set(dialogue::kWrongReplyLine + 1, *goodbye_, goodbye_->value);
    if (!problems_.empty()) {
      std::string all;
      for (const std::string& problem : problems_) all += (all.empty() ? "" : "\n") + problem;
      throw ContentError::Listed(all);
    }
    return talk;
  }

 private:
  template <typename Set>
  void WriteQuestion(const Question& question, int q, Set& set) {
    const Entry link{question.line, "question", question.link};
    set(dialogue::QuestionLinkLine(q), link, question.link);
    auto get = [&](const std::string& key) -> const Entry* {
      const auto found = question.keys.find(key);
      if (found != question.keys.end()) return &found->second;
      Problem(question.line, "the question \"" + question.link + "\" has no \"" + key + "\"");
      return nullptr;
    };
    if (const Entry* ask = get("ask")) set(dialogue::QuestionLine(q), *ask, ask->value);
    for (int letter = 0; letter < 3; ++letter) {
      const std::string name(1, static_cast<char>('A' + letter));
      if (const Entry* answer = get(name))
        set(dialogue::AnswerLine(q, letter), *answer, name + ". " + answer->value);
    }
    const Entry* correct = get("correct");
    const Entry* reply = get("reply");
    if (correct && correct->value != "A" && correct->value != "B" && correct->value != "C") {
      Problem(correct->line,
              "\"correct\" is A, B or C (upper case), not \"" + correct->value + "\"");
    } else if (correct && reply) {
      set(dialogue::KeyLine(q), *reply, correct->value + ". " + reply->value);
    }
    if (const Entry* virtues = get("virtues")) {
      std::string digits;
      std::size_t at = 0;
      int count = 0;
      const std::string& names = virtues->value;
      while (at < names.size()) {
        const std::size_t end = std::min(names.find(' ', at), names.size());
        const std::string word = names.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        ++count;
        const auto virtue = VirtueByName(word);
        if (!virtue) {
          Problem(virtues->line, "\"" + word + "\" is not a virtue (" + VirtueList() + ")");
          continue;
        }
        digits += VirtueCharacter(*virtue);
      }
      if (count != dialogue::kVirtuesPerQuestion) {
        Problem(virtues->line, "a question credits four virtues, not " + std::to_string(count));
      } else if (digits.size() == dialogue::kVirtuesPerQuestion) {
        set(dialogue::DigitLine(q), *virtues, digits);
      }
    }
  }

  void Once(std::optional<Entry>& slot, const Entry& entry) {
    if (slot) {
      Problem(entry.line, "\"" + entry.key + "\" is given twice (first on line " +
                              std::to_string(slot->line) + ")");
      return;
    }
    slot = entry;
  }

  void Take(const Entry& entry) {
    const std::string& key = entry.key;
    static const std::vector<std::string> kTexts = {
        "opening", "topic", "lead", "question", "ask", "A", "B", "C", "reply", "wrong", "person"};
    if (entry.value.empty() && std::find(kTexts.begin(), kTexts.end(), key) != kTexts.end()) {
      Problem(entry.line, "\"" + key + "\" needs its text");
    }
    // "#" starts a comment only at the start of a line; one written after a text would be
    // shown to the player as part of it.
    for (std::size_t at = entry.value.find('#'); at != std::string::npos;
         at = entry.value.find('#', at + 1)) {
      const bool spaceBefore = at > 0 && entry.value[at - 1] == ' ';
      const bool spaceAfter = at + 1 == entry.value.size() || entry.value[at + 1] == ' ';
      if (spaceBefore && spaceAfter) {
        Problem(entry.line,
                "a comment goes on a line of its own, starting with \"#\"; after a "
                "text it would be part of the text");
        break;
      }
    }
    if (key == "person") {
      Once(person_, entry);
    } else if (key == "speaker") {
      Once(speaker_, entry);
    } else if (key == "opening") {
      openings_.push_back(entry);
    } else if (key == "topic") {
      topics_.push_back({entry, std::nullopt, {}});
      question_ = nullptr;
    } else if (key == "lead") {
      if (topics_.empty()) {
        Problem(entry.line, "\"lead\" belongs to a topic: start one with \"topic <caption>\"");
      } else {
        Once(topics_.back().lead, entry);
      }
    } else if (key == "question") {
      if (topics_.empty()) {
        Problem(entry.line, "\"question\" belongs to a topic: start one with \"topic <caption>\"");
      } else {
        topics_.back().questions.push_back({entry.line, entry.value, {}});
        question_ = &topics_.back().questions.back();
      }
    } else if (IsQuestionKey(key)) {
      if (!question_) {
        Problem(entry.line, "\"" + key +
                                "\" belongs to a question: start one with \"question "
                                "<link caption>\"");
      } else if (const auto first = question_->keys.find(key); first != question_->keys.end()) {
        Problem(entry.line, "\"" + key + "\" is given twice in this question (first on line " +
                                std::to_string(first->second.line) + ")");
      } else {
        question_->keys[key] = entry;
      }
    } else if (key == "wrong") {
      Once(wrong_, entry);
    } else if (key == "goodbye") {
      Once(goodbye_, entry);
    } else {
      Problem(entry.line, "\"" + key +
                              "\" is not a key of a dialogue (person, speaker, opening, topic, "
                              "lead, question, ask, A, B, C, correct, reply, virtues, wrong, "
                              "goodbye)");
    }
  }

  std::string file_;
  std::vector<std::string> problems_;
  std::optional<Entry> person_, speaker_, wrong_, goodbye_;
  std::vector<Entry> openings_;
  std::vector<Topic> topics_;
  Question* question_ = nullptr;
};

std::string Stem(const std::string& fileName) {
  return std::filesystem::path(fileName).stem().string();
}

}  // namespace

TalkSource ParseTalkSource(const std::string& text, const std::string& fileName) {
  TalkReader reader(fileName);
  reader.Read(text);
  return reader.Finish(Stem(fileName));
}

TalkSource ReadTalkSource(const std::filesystem::path& file) {
  return ParseTalkSource(ReadTextFile(file), file.string());
}

std::string DialogueName(std::string_view gamePath) {
  const std::size_t slash = gamePath.find_last_of("\\/");
  std::string_view name = slash == std::string_view::npos ? gamePath : gamePath.substr(slash + 1);
  if (name.size() > 4 && name.substr(name.size() - 4) == ".dat")
    name = name.substr(0, name.size() - 4);
  return std::string(name);
}

std::string DialogueGamePath(const std::string& name) {
  return "d2\\" + name + ".dat";
}

std::string DialogueFileText(const TalkSource& talk) {
  std::string text;
  for (const std::string& line : talk.lines) text += line + "\r\n";
  if (text.size() > kDialogueFileLimit) {
    throw ContentError(talk.file, "the dialogue takes " + std::to_string(text.size()) +
                                      " bytes; the game reads only " +
                                      std::to_string(kDialogueFileLimit) + ": make it shorter");
  }
  return text;
}

std::vector<TalkSource> ReadAllTalks(const std::filesystem::path& contentFolder) {
  const auto folder = contentFolder / "people";
  std::vector<std::filesystem::path> files;
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return {};
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file() && entry.path().extension() == ".talk")
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<TalkSource> talks;
  std::string problems;
  auto add = [&problems](const std::string& text) {
    problems += (problems.empty() ? "" : "\n") + text;
  };
  for (const auto& file : files) {
    const std::string name = file.stem().string();
    const bool known = std::any_of(kRoster.begin(), kRoster.end(), [&](const RosterRow& row) {
      return DialogueName(row.dialogue) == name;
    });
    if (!known) {
      add(file.string() + ": no one in the date book has the dialogue file " +
          DialogueGamePath(name) + "; name the file after a dialogue file of the roster");
      continue;
    }
    try {
      talks.push_back(ReadTalkSource(file));
      DialogueFileText(talks.back());
    } catch (const ContentError& mistake) {
      add(mistake.what());
    }
  }
  if (!problems.empty()) throw ContentError::Listed(problems);
  return talks;
}

}  // namespace quenna::datakit
