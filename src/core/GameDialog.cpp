#include "core/GameDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>

#include <algorithm>

namespace quenna {

void CloseModalWindows() {
  for (int open = 0; open < 16; ++open) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) break;
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->done(QDialog::Rejected);
    } else {
      modal->hide();
    }
  }
}

GameDialog::GameDialog(Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {}

bool GameDialog::Close() {
  return close();
}

void GameDialog::Activate() {
  Guarded([this] { FormActivate(); });
}

void GameDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  KeepOnScreen();
  Activate();
}

void GameDialog::KeepOnScreen() {
  // Room for a title bar where the desktop has not drawn the frame yet.
  constexpr int kTitleBar = 30;
  const ScreenSize screen = platform_.Screen();
  const QRect frame = frameGeometry();
  const int frameHeight = height() + std::max(kTitleBar, frame.height() - height());
  const int left = std::clamp(frame.x(), 0, std::max(0, screen.width - frame.width()));
  const int top = std::clamp(frame.y(), 0, std::max(0, screen.height - frameHeight));
  if (left != frame.x() || top != frame.y()) move(left, top);
}

void GameDialog::closeEvent(QCloseEvent* event) {
  bool mayClose = true;
  Guarded([&] { mayClose = FormCloseQuery(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  Guarded([this] { FormClose(); });
  event->accept();
  // Ends a modal run; QDialog's own closeEvent would call reject() and so come back here.
  done(QDialog::Rejected);
}

// Esc asks to close, like the close box, so FormCloseQuery has its say.
void GameDialog::reject() {
  close();
}

}  // namespace quenna
