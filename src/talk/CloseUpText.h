#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <string>

namespace quenna {

// Where the close-up window shows the lines of a dialogue file, and how much each place
// holds. The window builds its labels from these numbers and the data kit measures every
// dialogue line against them, so a line the kit accepts is never cut off on screen.
enum class CloseUpPlace { kSpeech, kLinkA, kLinkB, kLinkC };

// The place a dialogue line is shown in: the speech area (the opening, the lead-ins, the
// questions, the replies) or one of the three links (topics, questions, answers). Lines
// from 67 on are never shown.
std::optional<CloseUpPlace> PlaceOfLine(int line);

struct CloseUpLayout {
  int clientHeight = 0;
  QRect speech;                // Talk1
  std::array<QRect, 3> links;  // A, B, C; each reaches down to the next one's top
  int linkRightMargin = 0;     // link text stops short of the window's edge
  int buttonTop = 0;           // "<< Back" and "Next >>", below the picture
  // Sizes in pixels; the tall layout gives points instead (pixels = 0).
  int speechPixels = 0;
  int linkPixels = 0;
  int tallPoints = 0;
};

// The layout on a screen of this height: taller than 800 pixels gives a taller window,
// lower links and larger text.
CloseUpLayout CloseUpLayoutFor(int screenHeight);
inline constexpr int kTallCloseUpScreen = 800;

QFont SpeechFont(const CloseUpLayout& layout);
QFont LinkFont(const CloseUpLayout& layout);

// What a label at this place has to show a text in: its width for the text, and the
// height the player sees (a label reaching below the window's bottom edge is cut there).
QRect TextArea(const CloseUpLayout& layout, CloseUpPlace place);

// The height the text takes when wrapped at the place's width, as the label draws it.
int WrappedHeight(const CloseUpLayout& layout, CloseUpPlace place, const QString& text);
bool FitsPlace(const CloseUpLayout& layout, CloseUpPlace place, const QString& text);

// A dialogue line as the window shows it: one byte per character.
inline QString DialogueQString(const std::string& line) {
  return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}

}  // namespace quenna
