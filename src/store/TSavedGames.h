#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <filesystem>
#include <optional>
#include <vector>

#include "core/GameDialog.h"
#include "store/SavedGameList.h"

namespace quenna {

// "Open Saved Game": the saved games of the player's game folder, newest first, each with
// its level, its score and when it was saved, read from the files themselves. A file that
// holds no sound saved game is listed greyed with the reason. "Other Folder..." goes to
// the file dialog, for a saved game anywhere else.
class TSavedGames : public GameDialog {
  Q_OBJECT

 public:
  TSavedGames(Platform& platform, std::filesystem::path gameFolder, QWidget* parent);

  // The saved game the player chooses, from the list or with the file dialog (at once when
  // the game folder holds no saved game); nothing when they cancel.
  std::optional<std::filesystem::path> Choose(const FileDialogOptions& dialog);

  void Open1Click();
  void OtherFolderClick();
  void Cancel1Click();

  const std::vector<SavedGameEntry>& Entries() const { return entries_; }

  QLabel* Label1 = nullptr;
  QTreeWidget* SavedGames = nullptr;
  QPushButton* Open1 = nullptr;
  QPushButton* OtherFolder = nullptr;
  QPushButton* Cancel1 = nullptr;

 private:
  void Fill();

  std::filesystem::path gameFolder_;
  std::vector<SavedGameEntry> entries_;
  std::optional<std::filesystem::path> chosen_;
  bool otherFolder_ = false;
};

}  // namespace quenna
