#include "store/TOption1.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <vector>

#include "core/MainForm.h"
#include "core/WidgetStyle.h"
#include "core/WindowKeys.h"
#include "core/WorldTables.h"
#include "store/Journal.h"
#include "store/ScoreLine.h"

namespace quenna {
namespace {

constexpr int kItemHeight = 15;
// Blank pixels before the text of a line, inside the list's frame.
constexpr int kTextMargin = 3;

// Places the fields of a score line where the list's font puts them, squeezing the
// blanks between them when the line is wider than the list, so that the sum is never
// cut off.
ScoreColumns MeasureColumns(const QFont& font, double available) {
  ScoreColumns columns;
  ScoreLine line;
  line.Begin(1);
  for (int units : kVirtueUnitsColumns) line.AddScore(units, 0);
  const QString reference = QString::fromStdString(line.Finish());
  const QFontMetricsF metrics(font);
  const double full = metrics.horizontalAdvance(reference);
  const double squeeze = full > available ? available / full : 1.0;

  std::array<int, 15> units{};
  std::array<int, 15> digits{};
  units[0] = kLevelUnitsColumn;
  digits[0] = 2;
  for (std::size_t k = 0; k < kVirtueUnitsColumns.size(); ++k) {
    units[k + 1] = kVirtueUnitsColumns[k];
    digits[k + 1] = 2;
  }
  units[14] = kSumUnitsColumn;
  digits[14] = 3;
  for (std::size_t k = 0; k < units.size(); ++k) {
    const double start = metrics.horizontalAdvance(reference.left(units[k] + 1 - digits[k]));
    const double end = metrics.horizontalAdvance(reference.left(units[k] + 1));
    // Where a field starts moves in with the squeeze; its own width stays.
    columns.right[k] = end - (1.0 - squeeze) * start;
    columns.left[k] = columns.right[k] - (end - start);
  }
  return columns;
}

// Draws each score line field by field, every field ending on its column, so that a
// value of unusual width ("-5", "127") does not push the columns after it. The item's
// text stays the score line itself.
class ScoreLineDelegate : public QStyledItemDelegate {
 public:
  ScoreLineDelegate(const ScoreColumns& columns, QObject* parent)
      : QStyledItemDelegate(parent), columns_(columns) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    painter->setPen(selected ? option.palette.highlightedText().color()
                             : option.palette.text().color());
    painter->setFont(option.font);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QStringList fields = text.split(' ', Qt::SkipEmptyParts);
    const double left = option.rect.left() + kTextMargin;
    if (fields.size() == static_cast<int>(columns_.right.size())) {
      const QFontMetricsF metrics(option.font);
      for (int k = 0; k < fields.size(); ++k) {
        const double right = left + columns_.right[static_cast<std::size_t>(k)];
        const double x = right - metrics.horizontalAdvance(fields[k]);
        painter->drawText(QRectF(x, option.rect.top(), right - x + 1, option.rect.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, fields[k]);
      }
    } else {
      painter->drawText(option.rect.adjusted(kTextMargin, 0, 0, 0),
                        Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
  }

 private:
  const ScoreColumns& columns_;
};

QPushButton* MakeButton(const QString& caption, QWidget* parent, QRect geometry) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

QString VirtueHeading(int virtue) {
  std::string_view name = VirtueName(virtue);
  name.remove_suffix(1);  // the full stop of the messages
  return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

}  // namespace

TOption1::TOption1(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), context_(context), main_(main) {
  setWindowTitle("Select a Level to Replay");
  setFixedSize(661, 505);
  const ScreenSize screen = context_.platform.Screen();
  move((screen.width - width()) / 2, (screen.height - height()) / 2);
  SetBackground(this, Qt::white);
  SetTextColor(this, Qt::black);
  setFont(TimesFont(17));

  Label2 = new QLabel("Level           must be played first!", this);
  Label2->setFont(TimesFont(20));
  Label2->move(200, 10);
  Label2->adjustSize();
  Label2->hide();
  Label3 = new QLabel(this);
  Label3->setFont(TimesFont(20, true));
  Label3->move(260, 10);
  Label3->hide();

  ListBox1 = new QListWidget(this);
  ListBox1->setGeometry(12, 63, 632, 300);
  ListBox1->setFont(TimesFont(13));
  ListBox1->setUniformItemSizes(true);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  {
    QPalette palette = ListBox1->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Highlight, kNavy);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    ListBox1->setPalette(palette);
  }
  const int scrollBar = ListBox1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                       ListBox1->verticalScrollBar());
  const double textWidth =
      ListBox1->width() - 2 * ListBox1->frameWidth() - scrollBar - 2 * kTextMargin;
  columns_ = MeasureColumns(ListBox1->font(), textWidth);
  ListBox1->setItemDelegate(new ScoreLineDelegate(columns_, ListBox1));
  for (int line = 0; line < kLevelListLines; ++line) ListBox1->addItem(QString());
  connect(ListBox1, &QListWidget::itemClicked, this,
          [this] { Guarded([this] { ListBox1Click(); }); });
  // A line chosen with the keys counts as a click; the current line that Qt sets when
  // the list merely gets the focus does not.
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
    if (!ListBox1->selectedItems().isEmpty()) Guarded([this] { ListBox1Click(); });
  });

  Image1 = new PictureBox(this);
  Image1->setGeometry(7, 31, 620, 20);
  DrawHeadings();

  Label4 = new QLabel("Total Score:", this);
  Label4->move(208, 384);
  Label4->adjustSize();
  total = new QLabel(this);
  total->setGeometry(328, 384, 120, Label4->height());

  Replay = MakeButton("Replay Level", this, {174, 438, 120, 30});
  Replay->hide();
  Cancel1 = MakeButton("Cancel", this, {418, 438, 92, 30});
  Cancel1->hide();
  OnClick(Replay, &TOption1::ReplayClick);
  OnClick(Cancel1, &TOption1::Cancel1Click);

  Warning = new QLabel(" Are you sure you want to replay this level?", this);
  Warning->setGeometry(105, 187, 484, 316);
  Warning->setFont(TimesFont(20));
  Warning->setAlignment(Qt::AlignCenter);
  Warning->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Warning->setLineWidth(2);
  SetBackground(Warning, kSilver);
  Warning->hide();
  Label1 = new QLabel("Warning!  You are about to reset scores for this level. ", Warning);
  Label1->setFont(TimesFont(17));
  Label1->move(49, 89);
  Label1->adjustSize();
  Button1 = MakeButton("Yes", Warning, {92, 226, 93, 31});
  Button2 = MakeButton("No", Warning, {319, 226, 92, 31});
  OnClick(Button1, &TOption1::Button1Click);
  OnClick(Button2, &TOption1::Button2Click);
  new WindowKeys(*this,
                 [this](QKeyEvent& key) { return key.type() == QEvent::KeyPress && KeyDown(key); });
}

void TOption1::DrawHeadings() {
  QImage strip(Image1->size(), QImage::Format_RGB32);
  strip.fill(Qt::white);
  QPainter painter(&strip);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // Where the list's text starts, seen from the strip.
  const double origin = ListBox1->x() + ListBox1->frameWidth() + kTextMargin - Image1->x();
  const double baseline = 15;

  // Every heading is centred over its column, within the strip; the names are nudged
  // apart where two would touch, "LEVEL" and "SCORE" stay where they are.
  struct Heading {
    QString text;
    QFont font;
    QColor colour;
    double x = 0;
    double width = 0;
    bool fixed = false;
  };
  const QFont ends = TimesFont(11, true);
  const QFont names = TimesFont(10);
  const QColor red(255, 0, 0);
  std::vector<Heading> headings;
  auto add = [&](const QString& text, const QFont& font, const QColor& colour, double centre,
                 bool fixed) {
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    headings.push_back({text, font, colour, centre - width / 2, width, fixed});
  };
  add("LEVEL", ends, red, origin + (columns_.left[0] + columns_.right[0]) / 2, true);
  headings.back().x = std::max(headings.back().x, 1.0);
  for (int v = 0; v < kVirtueCount; ++v) {
    const auto k = static_cast<std::size_t>(v) + 1;
    add(VirtueHeading(v + 1), names, kGrey, origin + (columns_.left[k] + columns_.right[k]) / 2,
        false);
  }
  add("SCORE", ends, red, origin + (columns_.left[14] + columns_.right[14]) / 2, true);
  Heading& score = headings.back();
  score.x = std::min(score.x, strip.width() - score.width - 1);

  constexpr double kGap = 4;
  for (int pass = 0; pass < 50; ++pass) {
    for (std::size_t k = 1; k < headings.size(); ++k) {
      Heading& before = headings[k - 1];
      Heading& after = headings[k];
      const double overlap = before.x + before.width + kGap - after.x;
      if (overlap <= 0) continue;
      if (before.fixed) {
        after.x += overlap;
      } else if (after.fixed) {
        before.x -= overlap;
      } else {
        before.x -= overlap / 2;
        after.x += overlap / 2;
      }
    }
  }
  for (const Heading& heading : headings) {
    painter.setFont(heading.font);
    painter.setPen(heading.colour);
    painter.drawText(QPointF(heading.x, baseline), heading.text);
  }
  painter.end();
  Image1->SetPicture(strip);
}

void TOption1::ReadData(const LevelTable& table, int lineCount) {
  const LevelList list = BuildLevelList(table, lineCount);
  FirstOpenRow = list.FirstOpenRow;
  LastReplayLine = list.LastReplayLine;
  while (ListBox1->count() < lineCount) ListBox1->addItem(QString());
  for (std::size_t line = 0; line < list.lines.size(); ++line) {
    ListBox1->item(static_cast<int>(line))->setText(QString::fromStdString(list.lines[line]));
  }
  context_.state.TotalScore = list.total;
  total->setText(QString::number(list.total));
}

void TOption1::FormActivate() {
  Replay->hide();
  Cancel1->hide();
  ListBox1->setFocus();
}

bool TOption1::KeyDown(QKeyEvent& key) {
  if (!PlainKey(key)) return false;
  if (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) {
    if (Warning->isVisible()) return false;
    const int step = key.key() == Qt::Key_Up ? -1 : 1;
    const int line =
        ChosenLine() < 0 ? 0 : std::clamp(ChosenLine() + step, 0, ListBox1->count() - 1);
    ListBox1->setFocus();
    ListBox1->setCurrentRow(line);
    return true;
  }
  if (!IsEnterKey(key)) return false;
  if (Warning->isVisible()) {
    QWidget* focus = QApplication::focusWidget();
    return PressButton(focus == Button2 ? Button2 : Button1);
  }
  if (PressFocusedButton(*this)) return true;
  if (ChosenLine() >= 0 && PressButton(Replay)) return true;
  Guarded([this] { Close(); });
  return true;
}

void TOption1::ListBox1Click() {
  Replay->show();
  Cancel1->show();
}

int TOption1::ChosenLine() const {
  const QList<QListWidgetItem*> chosen = ListBox1->selectedItems();
  return chosen.isEmpty() ? -1 : ListBox1->row(chosen.front());
}

void TOption1::ReplayClick() {
  const int line = ChosenLine();
  if (!ReplayOffered(line, LastReplayLine)) return;
  // A level that cannot be replayed yet is told at once, with no warning to answer first.
  if (!ReplayAllowed(line, FirstOpenRow)) {
    ShowPlayFirst();
    return;
  }
  Warning->show();
  Warning->raise();
  Label2->hide();
  Label3->hide();
}

void TOption1::ShowPlayFirst() {
  Warning->hide();
  context_.platform.ProcessMessages();
  Label3->setText(QString::number(FirstOpenRow + 1));
  Label3->adjustSize();
  Label2->show();
  Label3->show();
  Label3->raise();
  context_.platform.ProcessMessages();
}

void TOption1::Button2Click() {
  Warning->hide();
}

void TOption1::Button1Click() {
  const int line = ChosenLine();
  if (line < 0) return;
  if (!ReplayAllowed(line, FirstOpenRow)) {
    ShowPlayFirst();
    return;
  }
  Warning->hide();
  context_.journal.LevelReplayed(line + 1);
  main_.ResetScore(line);
  main_.FreeAnswers();
  Close();
}

void TOption1::Cancel1Click() {
  Close();
}

void TOption1::FormClose() {
  Label2->hide();
  Label3->hide();
}

void TOption1::reject() {
  if (Cancel1->isVisible()) Cancel1->click();
}

}  // namespace quenna
