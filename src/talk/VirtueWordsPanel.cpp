#include "talk/VirtueWordsPanel.h"

#include <QMouseEvent>
#include <QVBoxLayout>

#include "core/WidgetStyle.h"
#include "core/WorldTables.h"
#include "talk/VirtueChart.h"

namespace quenna {
namespace {

// The chart's own paper and ink.
const QColor kPaper(252, 246, 230);
const QColor kInk(74, 44, 20);

// "temperance." becomes "Temperance".
QString HeadingOf(int virtue) {
  const std::string_view name = VirtueName(virtue);
  QString heading = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  heading.chop(1);
  if (!heading.isEmpty()) heading[0] = heading[0].toUpper();
  return heading;
}

}  // namespace

VirtueWordsPanel::VirtueWordsPanel(QWidget* chart) : QFrame(chart) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(2);
  SetBackground(this, kPaper);
  SetTextColor(this, kInk);
  QPalette frame = palette();
  frame.setColor(QPalette::WindowText, kInk);
  setPalette(frame);
  setCursor(Qt::PointingHandCursor);

  Heading = new QLabel(this);
  Heading->setFont(TimesFont(19, true));
  Words = new QLabel(this);
  Words->setFont(TimesFont(16));
  Words->setWordWrap(true);
  Words->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (QLabel* label : {Heading, Words}) SetTextColor(label, kInk);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 6, 10, 8);
  layout->setSpacing(2);
  layout->addWidget(Heading);
  layout->addWidget(Words, 1);
  hide();
}

void VirtueWordsPanel::Explain(int virtue, const std::string& words, int visibleHeight) {
  virtue_ = virtue;
  if (words.empty()) {
    hide();
    return;
  }
  Heading->setText(HeadingOf(virtue));
  // The words file holds one byte per character, as the other text files of the game do.
  Words->setText(QString::fromLatin1(words.data(), static_cast<qsizetype>(words.size())));
  const int width = parentWidget()->width() - 2 * virtuechart::kPanelMargin;
  const QMargins margins = layout()->contentsMargins();
  const int inner = width - margins.left() - margins.right() - 2 * frameWidth();
  const int height = margins.top() + margins.bottom() + 2 * frameWidth() +
                     Heading->sizeHint().height() + layout()->spacing() +
                     Words->heightForWidth(inner);
  setGeometry(virtuechart::kPanelMargin, ExplanationTop(virtue, height, visibleHeight), width,
              height);
  show();
  raise();
}

void VirtueWordsPanel::mousePressEvent(QMouseEvent* event) {
  // The press stays here: it does not reach the chart below.
  event->accept();
  hide();
}

}  // namespace quenna
