#include "store/TProgress.h"

#include <QBrush>
#include <QDateTime>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

#include "store/HighScoreTable.h"
#include "store/Journal.h"

namespace quenna {
namespace {

const QColor kRightColour(26, 127, 26);
const QColor kWrongColour(176, 0, 32);
const QColor kLaterColour(150, 95, 0);

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Beginning(const GameProgress& game) {
  switch (game.beginning) {
    case GameBeginning::kNewGame:
      return QObject::tr("begun with New Game on %1").arg(DayText(game.firstTime));
    case GameBeginning::kStartGame:
      return QObject::tr("begun with Start Game on %1").arg(DayText(game.firstTime));
    case GameBeginning::kOpenedGame:
      return QObject::tr("opened from the saved game \"%1\" on %2")
          .arg(QString::fromStdString(std::filesystem::path(game.savedGame).filename().string()),
               DayText(game.firstTime));
    case GameBeginning::kUnrecorded:
      break;
  }
  return QObject::tr("played from %1").arg(DayText(game.firstTime));
}

QDate DayOf(std::int64_t secondsSince1970) {
  return QDateTime::fromSecsSinceEpoch(secondsSince1970).date();
}

}  // namespace

QuestionTableModel::QuestionTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void QuestionTableModel::SetQuestions(const std::vector<const QuestionProgress*>* questions) {
  beginResetModel();
  questions_ = questions;
  endResetModel();
}

int QuestionTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || questions_ == nullptr) return 0;
  return static_cast<int>(questions_->size());
}

int QuestionTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant QuestionTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || questions_ == nullptr || index.row() >= rowCount({})) return {};
  const QuestionProgress& q = *(*questions_)[static_cast<std::size_t>(index.row())];
  const AnswerTry& first = q.tries.front();
  const int tries = static_cast<int>(q.tries.size());
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case kWhen:
        return DayAndTimeText(q.Time());
      case kLevel:
        return q.Level();
      case kWho:
        return FromUtf8(q.person) + ", " + YearOfPage(q.page);
      case kQuestion:
        return FromUtf8(q.questionText);
      case kFirstAnswer:
        return AnswerText(first.letter, first.text);
      case kRightAnswer:
        return AnswerText(q.right, q.rightText);
      case kResult:
        if (!q.AnsweredRight()) return tr("Wrong");
        return tries == 1 ? tr("Right") : tr("Right at try %1").arg(tries);
      case kTries:
        return tries;
      default:
        return {};
    }
  }
  if (role == Qt::ToolTipRole) {
    if (index.column() == kQuestion) return FromUtf8(q.questionText);
    // Every answer given, in order.
    QString tries;
    for (const AnswerTry& answer : q.tries) {
      if (!tries.isEmpty()) tries += '\n';
      tries += AnswerText(answer.letter, answer.text) +
               (answer.correct ? tr(" (right)") : tr(" (wrong)"));
    }
    return tries;
  }
  if (role == Qt::ForegroundRole && index.column() == kResult) {
    return QBrush(!q.AnsweredRight() ? kWrongColour : tries == 1 ? kRightColour : kLaterColour);
  }
  if (role == Qt::TextAlignmentRole && (index.column() == kLevel || index.column() == kTries)) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  return {};
}

QVariant QuestionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kWhen:
      return tr("When");
    case kLevel:
      return tr("Level");
    case kWho:
      return tr("Who");
    case kQuestion:
      return tr("Question");
    case kFirstAnswer:
      return tr("First answer");
    case kRightAnswer:
      return tr("Right answer");
    case kResult:
      return tr("Result");
    case kTries:
      return tr("Tries");
    default:
      return {};
  }
}

TProgress::TProgress(Platform& platform, std::filesystem::path userFolder, QWidget* parent)
    : GameDialog(platform, parent), userFolder_(std::move(userFolder)) {
  setWindowTitle(tr("My Progress"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);

  GameBox = new QComboBox(this);
  GameBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  GameBox->setMinimumContentsLength(24);
  FromDate = new QDateEdit(this);
  ToDate = new QDateEdit(this);
  for (QDateEdit* date : {FromDate, ToDate}) {
    date->setCalendarPopup(true);
    date->setDisplayFormat("d MMM yyyy");
  }
  NameEdit = new QLineEdit(this);
  NameEdit->setPlaceholderText(tr("the child's name, for the report"));
  NameEdit->setMaxLength(60);

  Chart = new ProgressChartView(this);
  Facts = new QLabel(this);
  Facts->setWordWrap(true);

  model_ = new QuestionTableModel(this);
  QuestionTable = new QTableView(this);
  QuestionTable->setModel(model_);
  QuestionTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  QuestionTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QuestionTable->setWordWrap(false);
  QuestionTable->setTextElideMode(Qt::ElideRight);
  QuestionTable->verticalHeader()->hide();
  // Rows of one height, columns of fixed widths: nothing is measured row by row, so ten
  // thousand questions show as fast as ten.
  QuestionTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  QuestionTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  QHeaderView* header = QuestionTable->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setStretchLastSection(false);
  QuestionTable->viewport()->installEventFilter(this);

  Notice = new QLabel(this);
  Notice->setWordWrap(true);
  SaveReport = new QPushButton(tr("Save Report..."), this);
  Close1 = new QPushButton(tr("Close"), this);
  Close1->setDefault(true);

  auto* choice = new QGridLayout;
  choice->addWidget(new QLabel(tr("Game:"), this), 0, 0);
  choice->addWidget(GameBox, 0, 1, 1, 3);
  choice->addWidget(new QLabel(tr("Name:"), this), 0, 4);
  choice->addWidget(NameEdit, 0, 5);
  choice->addWidget(new QLabel(tr("From:"), this), 1, 0);
  choice->addWidget(FromDate, 1, 1);
  choice->addWidget(new QLabel(tr("to:"), this), 1, 2, Qt::AlignRight);
  choice->addWidget(ToDate, 1, 3);
  choice->setColumnStretch(3, 1);
  choice->setColumnStretch(5, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Notice, 1);
  buttons->addWidget(SaveReport);
  buttons->addWidget(Close1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choice);
  layout->addWidget(Chart, 5);
  layout->addWidget(Facts);
  layout->addWidget(QuestionTable, 6);
  layout->addLayout(buttons);

  connect(GameBox, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) Guarded([this] { GameBoxChange(); });
  });
  for (QDateEdit* date : {FromDate, ToDate}) {
    connect(date, &QDateEdit::dateChanged, this, [this] {
      if (!filling_) Guarded([this] { DatesChange(); });
    });
  }
  OnClick(SaveReport, &TProgress::SaveReportClick);
  OnClick(Close1, &TProgress::Close1Click);

  const ScreenSize screen = platform.Screen();
  setMinimumSize(std::min(600, screen.width), std::min(420, screen.height));
  // Most of a large screen, all of a small one.
  resize(std::min(std::clamp(screen.width * 3 / 4, 1000, 1500), screen.width - 20),
         std::min(std::clamp(screen.height * 3 / 4, 720, 1000), screen.height - 40));
}

bool TProgress::eventFilter(QObject* watched, QEvent* event) {
  if (watched == QuestionTable->viewport() && event->type() == QEvent::Resize) FitColumns();
  return GameDialog::eventFilter(watched, event);
}

void TProgress::FitColumns() {
  // The date, level, outcome and tries as wide as their longest text; the person, the
  // question and the two answers share what is left, and scroll when that is too little.
  const QFontMetrics metrics = QuestionTable->fontMetrics();
  const int pad = 2 * metrics.averageCharWidth();
  const std::array<std::pair<int, QString>, 4> fixed = {{
      {QuestionTableModel::kWhen, "30 Sep 2024 23:59"},
      {QuestionTableModel::kLevel, "Level"},
      {QuestionTableModel::kResult, "Right at try 9"},
      {QuestionTableModel::kTries, "Tries"},
  }};
  int rest = QuestionTable->viewport()->width();
  for (const auto& [column, text] : fixed) {
    const int width = metrics.horizontalAdvance(text) + pad;
    QuestionTable->setColumnWidth(column, width);
    rest -= width;
  }
  rest = std::max(rest, 48 * metrics.averageCharWidth());
  QuestionTable->setColumnWidth(QuestionTableModel::kWho, rest * 18 / 100);
  QuestionTable->setColumnWidth(QuestionTableModel::kQuestion, rest * 36 / 100);
  QuestionTable->setColumnWidth(QuestionTableModel::kFirstAnswer, rest * 23 / 100);
  QuestionTable->setColumnWidth(QuestionTableModel::kRightAnswer,
                                rest - rest * 18 / 100 - rest * 36 / 100 - rest * 23 / 100);
}

void TProgress::FormActivate() {
  Load();
}

void TProgress::Load() {
  const JournalContents journal = ReadJournal(userFolder_ / Journal::kFileName);
  summary_ = ProgressSummary::FromRecords(journal.records);
  hallOfFame_ = HighScoreTable();
  ReadHighScoresFile(userFolder_ / HighScoreTable::kFileName, hallOfFame_);

  journalNotice_.clear();
  if (!journal.problem.empty()) {
    journalNotice_ =
        tr("The journal could not be read: %1.").arg(QString::fromStdString(journal.problem));
  } else if (journal.records.empty() && journal.damagedLines == 0) {
    journalNotice_ = tr("Nothing is recorded yet: every answer is recorded as the game is played.");
  }
  if (journal.damagedLines > 0) {
    journalNotice_ +=
        (journalNotice_.isEmpty() ? "" : " ") +
        (journal.damagedLines == 1
             ? tr("One damaged line of the journal was left out.")
             : tr("%1 damaged lines of the journal were left out.").arg(journal.damagedLines));
  }
  if (journal.cutShort) {
    journalNotice_ += (journalNotice_.isEmpty() ? "" : " ") +
                      tr("The journal is very large: only its newest part was read.");
  }

  filling_ = true;
  GameBox->clear();
  GameBox->addItem(tr("All games"), -1);
  const auto& games = summary_.Games();
  // The latest game first: it is the one a parent asks about.
  for (std::size_t index = games.size(); index-- > 0;) {
    GameBox->addItem(tr("Game %1, %2").arg(games[index].number).arg(Beginning(games[index])),
                     static_cast<int>(index));
  }
  GameBox->setCurrentIndex(games.empty() ? 0 : 1);
  filling_ = false;
  GameBoxChange();
}

void TProgress::ProposeName() {
  if (NameEdit->isModified()) return;
  NameEdit->setText(QString::fromStdString(ReportName(hallOfFame_, summary_, Filter())));
}

void TProgress::GameBoxChange() {
  // The whole time of the game chosen, or of every game.
  const auto& games = summary_.Games();
  const int chosen = GameBox->currentData().toInt();
  std::int64_t first = 0;
  std::int64_t last = 0;
  for (std::size_t index = 0; index < games.size(); ++index) {
    if (chosen >= 0 && chosen != static_cast<int>(index)) continue;
    if (first == 0 || games[index].firstTime < first) first = games[index].firstTime;
    last = std::max(last, games[index].lastTime);
  }
  const QDate today = QDate::currentDate();
  filling_ = true;
  FromDate->setDate(first == 0 ? today : DayOf(first));
  ToDate->setDate(last == 0 ? today : DayOf(last));
  filling_ = false;
  ShowView();
  ProposeName();
}

void TProgress::DatesChange() {
  ShowView();
}

ProgressFilter TProgress::Filter() const {
  ProgressFilter filter;
  const int chosen = GameBox->currentData().toInt();
  if (chosen >= 0) filter.game = chosen;
  filter.from = FromDate->date().startOfDay().toSecsSinceEpoch();
  filter.to = ToDate->date().addDays(1).startOfDay().toSecsSinceEpoch();
  return filter;
}

QString TProgress::SelectionText() const {
  const auto& games = summary_.Games();
  const int chosen = GameBox->currentData().toInt();
  if (chosen >= 0 && chosen < static_cast<int>(games.size())) {
    const GameProgress& game = games[static_cast<std::size_t>(chosen)];
    return tr("Game %1, %2.").arg(game.number).arg(Beginning(game));
  }
  return games.size() == 1
             ? tr("The one game played.")
             : tr("All %1 games played; the points of each level are added up.").arg(games.size());
}

void TProgress::ShowView() {
  view_ = Select(summary_, Filter());
  model_->SetQuestions(&view_.questions);
  Chart->SetView(&view_);
  Facts->setText(FactsText(view_));
  Notice->setText(journalNotice_);
  SaveReport->setEnabled(!view_.questions.empty() ||
                         std::any_of(view_.levelShown.begin(), view_.levelShown.end(),
                                     [](bool shown) { return shown; }));
  QuestionTable->scrollToBottom();
}

void TProgress::SaveReportClick() {
  FileDialogOptions options;
  options.title = "Save Report";
  options.filter = "Reports|*.pdf";
  options.defaultExtension = ".pdf";
  options.initialDirectory = userFolder_;
  options.fileName = "Progress report.pdf";
  options.overwritePrompt = true;
  const auto chosen = platform_.SaveFileName(options);
  if (!chosen) return;
  // The PDF and the HTML page go side by side under one name, whichever of the two the
  // player typed.
  std::filesystem::path pdf = *chosen;
  const QString extension = QString::fromStdString(pdf.extension().string()).toLower();
  if (extension == ".html" || extension == ".htm") {
    pdf.replace_extension(".pdf");
  } else if (extension != ".pdf") {
    pdf += ".pdf";
  }
  std::filesystem::path html = pdf;
  html.replace_extension(".html");

  const ReportInput input{view_, NameEdit->text().trimmed(), SelectionText()};
  if (const auto problem = quenna::SaveReport(input, pdf, html)) {
    platform_.ErrorBox("The report could not be saved. " + *problem);
    return;
  }
  Notice->setText(tr("The report was saved as \"%1\" and \"%2\" in %3.")
                      .arg(QString::fromStdString(pdf.filename().string()),
                           QString::fromStdString(html.filename().string()),
                           QString::fromStdString(pdf.parent_path().string())));
}

void TProgress::Close1Click() {
  Close();
}

}  // namespace quenna
