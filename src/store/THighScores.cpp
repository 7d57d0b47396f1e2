#include "store/THighScores.h"

#include <QKeyEvent>

#include <algorithm>
#include <cmath>

#include "core/GameFiles.h"
#include "core/MainForm.h"
#include "core/WidgetStyle.h"
#include "core/WindowKeys.h"

namespace quenna {
namespace {

constexpr int kDesignPixelsPerInch = 120;

QLabel* MakeSlotLabel(QWidget* parent, QRect geometry, int pixels) {
  auto* label = new QLabel(parent);
  label->setGeometry(geometry);
  label->setFont(TimesFont(pixels));
  SetBackground(label, Qt::black);
  SetTextColor(label, Qt::white);
  label->setIndent(2);
  return label;
}

}  // namespace

THighScores::THighScores(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), context_(context), main_(main) {
  setWindowTitle("Hall of Fame");
  pixelsPerInch_ = logicalDpiY() > 0 ? logicalDpiY() : kDesignPixelsPerInch;
  setFixedSize(Scaled(442), Scaled(440));
  move(269, 146);
  QFont dialogFont("MS Sans Serif");
  dialogFont.setPixelSize(Scaled(13));
  setFont(dialogFont);

  // A raised outer bevel, a 3-pixel border and a lowered inner bevel.
  Panel1 = new QFrame(this);
  Panel1->setGeometry(rect());
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(1);
  SetBackground(Panel1, kGrey);
  constexpr int kInset = 1 + 3;
  auto* innerBevel = new QFrame(Panel1);
  innerBevel->setGeometry(Panel1->rect().adjusted(kInset, kInset, -kInset, -kInset));
  innerBevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  innerBevel->setLineWidth(1);
  const QRect inside = innerBevel->geometry().adjusted(1, 1, -1, -1);

  Label1 = new QLabel("Top 10 Scores", Panel1);
  Label1->setFont(TimesFont(Scaled(23)));
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setWordWrap(true);
  SetBackground(Label1, Qt::black);
  SetTextColor(Label1, Qt::white);
  Label1->setGeometry(inside.left(), inside.top(), inside.width(), Scaled(26));

  Edit1 = new QLineEdit(Panel1);
  Edit1->setGeometry(Scaled(40), Scaled(85), Scaled(193), Scaled(24));
  Edit1->setMaxLength(HighScoreTable::kNameLength);
  {
    // The panel's grey is for the panel; the entry field stays white.
    QPalette palette = Edit1->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    Edit1->setPalette(palette);
  }
  Edit1->installEventFilter(this);
  Edit1->hide();
  Button1 = new QPushButton("Enter Your Name", Panel1);
  Button1->setGeometry(Scaled(270), Scaled(88), Scaled(123), Scaled(25));
  Button1->hide();
  Button2 = new QPushButton("Exit", Panel1);
  Button2->setGeometry(Scaled(168), Scaled(128), Scaled(137), Scaled(33));
  Button2->setFont(TimesFont(Scaled(17)));
  OnClick(Button1, &THighScores::Button1Click);
  OnClick(Button2, &THighScores::Button2Click);
  new WindowKeys(*this,
                 [this](QKeyEvent& key) { return key.type() == QEvent::KeyPress && KeyDown(key); });

  for (int slot = 0; slot < HighScoreTable::kSlots; ++slot) {
    const auto k = static_cast<std::size_t>(slot);
    const int top = Scaled(176 + 24 * slot);
    L[k] = MakeSlotLabel(Panel1, {Scaled(35), top, Scaled(206), Scaled(17)}, Scaled(13));
    S[k] = MakeSlotLabel(Panel1, {Scaled(291), top, Scaled(118), Scaled(17)}, Scaled(13));
  }
}

int THighScores::Scaled(int pixels) const {
  return static_cast<int>(
      std::lround(static_cast<double>(pixels) * pixelsPerInch_ / kDesignPixelsPerInch));
}

std::filesystem::path THighScores::FilePath() const {
  return context_.userFolder / HighScoreTable::kFileName;
}

void THighScores::NewScore(int score) {
  Edit1->show();
  Button1->show();
  Button2->hide();
  Button1->setDefault(true);
  Edit1->setFocus();
  Tag = score;
}

void THighScores::FormActivate() {
  ShowScores();
}

void THighScores::ShowScores() {
  const HighScoresReading reading = ReadHighScoresFile(FilePath(), table_);
  fileDamaged_ = reading.damaged;
  if (!reading.read) return;
  for (int slot = 0; slot < HighScoreTable::kSlots; ++slot) {
    const auto k = static_cast<std::size_t>(slot);
    L[k]->setText(QString::fromStdString(table_.Name(slot)));
    S[k]->setText(QString::number(table_.Score(slot)));
  }
  context_.platform.ProcessMessages();
}

void THighScores::Edit1KeyPress(QChar& key) {
  if (key == QLatin1Char(' ')) key = QLatin1Char('_');
}

bool THighScores::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::KeyPress) {
    const auto* press = static_cast<QKeyEvent*>(event);
    if (press->text().size() == 1) {
      QChar key = press->text().front();
      const QChar typed = key;
      Guarded([&] { Edit1KeyPress(key); });
      if (key != typed) {
        Edit1->insert(QString(key));
        return true;
      }
    }
  }
  return GameDialog::eventFilter(watched, event);
}

bool THighScores::KeyDown(QKeyEvent& key) {
  // The name entry keeps every key: Enter there is "Enter Your Name", its default button.
  if (Edit1->isVisible() || !PlainKey(key)) return false;
  if (IsEnterKey(key)) return PressButton(Button2);
  if (key.key() != Qt::Key_Up && key.key() != Qt::Key_Down) return false;
  const int step = key.key() == Qt::Key_Up ? -1 : 1;
  chosenSlot_ = chosenSlot_ < 0 ? 0 : std::clamp(chosenSlot_ + step, 0, HighScoreTable::kSlots - 1);
  for (int slot = 0; slot < HighScoreTable::kSlots; ++slot) {
    const auto k = static_cast<std::size_t>(slot);
    const QColor background = slot == chosenSlot_ ? QColor(0, 0, 128) : QColor(Qt::black);
    SetBackground(L[k], background);
    SetBackground(S[k], background);
  }
  return true;
}

void THighScores::Button1Click() {
  if (Edit1->text().isEmpty()) return;
  table_.Enter(Tag, Edit1->text().toStdString());
  // The table is written even when the score did not make it, as it always was. A
  // failure is told after the entry is finished, so the window never stays half done.
  const auto failure = WriteHighScoresFile(FilePath(), table_, fileDamaged_);
  context_.platform.Pause(500);
  ShowScores();
  Edit1->hide();
  Button1->hide();
  Button2->show();
  Button2->setDefault(true);
  Label1->setText("Top Scores");
  QFont title = Label1->font();
  title.setPointSize(20);
  Label1->setFont(title);
  Label1->resize(Label1->width(), std::max(Label1->height(), Label1->sizeHint().height()));
  context_.music.SetKeepMusic(1);
  context_.music.Playit(kThemeSound, kSoundAsync);
  if (failure) context_.platform.ErrorBox(*failure);
}

void THighScores::reject() {
  if (Edit1->isVisible()) return;
  GameDialog::reject();
}

void THighScores::Button2Click() {
  Close();
}

}  // namespace quenna
