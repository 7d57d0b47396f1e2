#include "core/GameDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>

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
  if (!event->spontaneous()) Activate();
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
