#include "talk/CloseUpText.h"

#include <QFontMetrics>

#include <algorithm>

#include "core/WidgetStyle.h"
#include "talk/Dialogue.h"

namespace quenna {
namespace {

constexpr int kClientHeight = 420;
constexpr int kTallClientHeight = 700;
constexpr int kLinkLeft = 392;
constexpr int kLinkWidth = 233;
constexpr int kLinkCHeight = 100;
// The buttons stand this far above the window's bottom edge.
constexpr int kButtonsAboveBottom = 420 - 389;

}  // namespace

std::optional<CloseUpPlace> PlaceOfLine(int line) {
  if (line < 0 || line > dialogue::kWrongReplyLine) return std::nullopt;
  if (line < dialogue::kFirstTopicLink || line >= dialogue::kFirstKeyLine)
    return CloseUpPlace::kSpeech;
  if (line < dialogue::LeadInLine(1))
    return static_cast<CloseUpPlace>(1 + line - dialogue::kFirstTopicLink);
  // From the first lead-in to the last answer, lines come in fours: speech, A, B, C.
  return static_cast<CloseUpPlace>((line - dialogue::LeadInLine(1)) % 4);
}

CloseUpLayout CloseUpLayoutFor(int screenHeight) {
  CloseUpLayout layout;
  const bool tall = screenHeight > kTallCloseUpScreen;
  layout.clientHeight = tall ? kTallClientHeight : kClientHeight;
  layout.speech = QRect(424, 24, 176, 361);
  const std::array<int, 3> tops = tall ? std::array{220, 360, 500} : std::array{184, 250, 336};
  for (std::size_t i = 0; i < tops.size(); ++i) {
    const int height = i + 1 < tops.size() ? tops[i + 1] - tops[i] : kLinkCHeight;
    layout.links[i] = QRect(kLinkLeft, tops[i], kLinkWidth, height);
  }
  layout.linkRightMargin = 8;
  // In the taller window the buttons stay at its bottom, below the third link, rather than
  // in the middle with the last link under them.
  layout.buttonTop = layout.clientHeight - kButtonsAboveBottom;
  layout.speechPixels = 16;
  layout.linkPixels = 13;
  layout.tallPoints = tall ? 11 : 0;
  return layout;
}

QFont SpeechFont(const CloseUpLayout& layout) {
  QFont font = TimesFont(layout.speechPixels);
  if (layout.tallPoints > 0) font.setPointSize(layout.tallPoints);
  return font;
}

QFont LinkFont(const CloseUpLayout& layout) {
  QFont font = TimesFont(layout.linkPixels, true);
  font.setUnderline(true);
  if (layout.tallPoints > 0) font.setPointSize(layout.tallPoints);
  return font;
}

QRect TextArea(const CloseUpLayout& layout, CloseUpPlace place) {
  QRect area;
  if (place == CloseUpPlace::kSpeech) {
    area = layout.speech;
  } else {
    area = layout.links[static_cast<std::size_t>(place) - 1];
    area.setWidth(area.width() - layout.linkRightMargin);
  }
  area.setHeight(std::min(area.height(), layout.clientHeight - area.top()));
  return area;
}

int WrappedHeight(const CloseUpLayout& layout, CloseUpPlace place, const QString& text) {
  const QFont font = place == CloseUpPlace::kSpeech ? SpeechFont(layout) : LinkFont(layout);
  const QRect area = TextArea(layout, place);
  // The flags a word-wrapping plain-text label lays its text out with.
  return QFontMetrics(font)
      .boundingRect(QRect(0, 0, area.width(), 4000),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
      .height();
}

bool FitsPlace(const CloseUpLayout& layout, CloseUpPlace place, const QString& text) {
  return WrappedHeight(layout, place, text) <= TextArea(layout, place).height();
}

}  // namespace quenna
