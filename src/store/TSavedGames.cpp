#include "store/TSavedGames.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "core/WidgetStyle.h"
#include "store/ProgressReport.h"

namespace quenna {
namespace {

enum Column { kName, kLevel, kScore, kSaved };

QString Name(const std::filesystem::path& file) {
  if (file.filename() == kAutosaveFileName) return "autosave (kept by the game for Continue)";
  return QString::fromStdString(file.stem().string());
}

}  // namespace

TSavedGames::TSavedGames(Platform& platform, std::filesystem::path gameFolder, QWidget* parent)
    : GameDialog(platform, parent), gameFolder_(std::move(gameFolder)) {
  setWindowTitle("Open Saved Game");
  setFont(TimesFont(16));

  Label1 = new QLabel("Your saved games, the newest first:", this);
  SavedGames = new QTreeWidget(this);
  SavedGames->setColumnCount(4);
  SavedGames->setHeaderLabels({"Saved game", "Level", "Score", "Saved on"});
  SavedGames->setRootIsDecorated(false);
  SavedGames->setUniformRowHeights(true);
  SavedGames->setAllColumnsShowFocus(true);
  SavedGames->header()->setStretchLastSection(false);
  SavedGames->header()->setSectionResizeMode(kName, QHeaderView::Stretch);
  for (int column : {kLevel, kScore, kSaved}) {
    SavedGames->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }

  Open1 = new QPushButton("Open", this);
  Open1->setDefault(true);
  OtherFolder = new QPushButton("Other Folder...", this);
  Cancel1 = new QPushButton("Cancel", this);
  for (QPushButton* button : {Open1, OtherFolder, Cancel1}) button->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(OtherFolder);
  buttons->addStretch(1);
  buttons->addWidget(Open1);
  buttons->addWidget(Cancel1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(SavedGames, 1);
  layout->addLayout(buttons);

  OnClick(Open1, &TSavedGames::Open1Click);
  OnClick(OtherFolder, &TSavedGames::OtherFolderClick);
  OnClick(Cancel1, &TSavedGames::Cancel1Click);
  connect(SavedGames, &QTreeWidget::itemActivated, this,
          [this] { Guarded([this] { Open1Click(); }); });
  connect(SavedGames, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { Open1->setEnabled(item != nullptr); });

  const ScreenSize screen = platform.Screen();
  resize(std::min(720, screen.width - 20), std::min(400, screen.height - 40));
}

std::optional<std::filesystem::path> TSavedGames::Choose(const FileDialogOptions& dialog) {
  entries_ = ListSavedGames(gameFolder_);
  if (entries_.empty()) return platform_.OpenFileName(dialog);
  Fill();
  chosen_.reset();
  otherFolder_ = false;
  platform_.ShowModal(*this);
  if (otherFolder_) return platform_.OpenFileName(dialog);
  return chosen_;
}

void TSavedGames::Fill() {
  SavedGames->clear();
  QTreeWidgetItem* first = nullptr;
  for (const SavedGameEntry& entry : entries_) {
    auto* item = new QTreeWidgetItem(SavedGames);
    if (entry.Sound()) {
      item->setText(kName, Name(entry.file));
      item->setText(kLevel, QString::number(entry.level));
      item->setText(kScore, QString::number(entry.score));
      item->setTextAlignment(kLevel, Qt::AlignRight | Qt::AlignVCenter);
      item->setTextAlignment(kScore, Qt::AlignRight | Qt::AlignVCenter);
      if (first == nullptr) first = item;
    } else {
      // Greyed and not to be chosen, with the reason after the name.
      const QString problem = QString::fromStdString(entry.problem);
      item->setText(kName, Name(entry.file) + ": " + problem);
      item->setToolTip(kName, problem);
      item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
    item->setText(kSaved, DayAndTimeText(entry.modified));
  }
  SavedGames->setCurrentItem(first);
  Open1->setEnabled(first != nullptr);
}

void TSavedGames::Open1Click() {
  const int row = SavedGames->indexOfTopLevelItem(SavedGames->currentItem());
  if (row < 0 || !entries_[static_cast<std::size_t>(row)].Sound()) return;
  chosen_ = entries_[static_cast<std::size_t>(row)].file;
  Close();
}

void TSavedGames::OtherFolderClick() {
  otherFolder_ = true;
  Close();
}

void TSavedGames::Cancel1Click() {
  Close();
}

}  // namespace quenna
