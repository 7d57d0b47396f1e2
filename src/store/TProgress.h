#pragma once

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/GameDialog.h"
#include "platform/Platform.h"
#include "store/HighScoreTable.h"
#include "store/ProgressChart.h"
#include "store/ProgressReport.h"
#include "store/ProgressSummary.h"

namespace quenna {

// The questions of a progress view as rows of a table: when, level, who, question, the
// first answer given, the right answer, the outcome, tries. The tooltip lists every try.
class QuestionTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kWhen, kLevel, kWho, kQuestion, kFirstAnswer, kRightAnswer, kResult, kTries };
  static constexpr int kColumns = 8;

  explicit QuestionTableModel(QObject* parent);
  // The questions must outlive the model or be replaced before they go.
  void SetQuestions(const std::vector<const QuestionProgress*>* questions);

  int rowCount(const QModelIndex& parent) const override;
  int columnCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const std::vector<const QuestionProgress*>* questions_ = nullptr;
};

// "My Progress": what the learning journal tells of the games played on this account.
// The virtue points of the levels as a chart, the questions answered with their tries,
// chosen by game and by date, and a report to print. It reads the journal and the Hall
// of Fame each time it is shown; it changes nothing in the game.
class TProgress : public GameDialog {
  Q_OBJECT

 public:
  TProgress(Platform& platform, std::filesystem::path userFolder, QWidget* parent);

  // Reads the journal and the Hall of Fame and shows the latest game.
  void Load();

  void GameBoxChange();    // a game chosen: its whole time is shown
  void DatesChange();      // the first or last day changed
  void SaveReportClick();  // "Save Report..."
  void Close1Click();

  QComboBox* GameBox = nullptr;
  QDateEdit* FromDate = nullptr;
  QDateEdit* ToDate = nullptr;
  QLineEdit* NameEdit = nullptr;
  ProgressChartView* Chart = nullptr;
  QTableView* QuestionTable = nullptr;
  QLabel* Facts = nullptr;
  QLabel* Notice = nullptr;  // damaged journal lines, a report saved
  QPushButton* SaveReport = nullptr;
  QPushButton* Close1 = nullptr;

  const ProgressSummary& Summary() const { return summary_; }
  const ProgressView& View() const { return view_; }
  ProgressFilter Filter() const;
  // The games the report and the window cover, in words.
  QString SelectionText() const;

 protected:
  void FormActivate() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowView();
  void FitColumns();
  // The name from the Hall of Fame for the games chosen, unless the player typed one.
  void ProposeName();

  std::filesystem::path userFolder_;
  ProgressSummary summary_;
  ProgressView view_;
  QuestionTableModel* model_ = nullptr;
  HighScoreTable hallOfFame_;
  QString journalNotice_;
  bool filling_ = false;  // the controls are being set, not changed by the player
};

}  // namespace quenna
