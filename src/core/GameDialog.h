#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QDialog>

#include "core/RunHandler.h"
#include "platform/Platform.h"

namespace quenna {

// The base of every window but the main one. It turns Qt's events into the game's
// window events (FormActivate when shown, FormCloseQuery and FormClose when closed) and
// runs every handler behind RunHandler. Closing by the close box, by Esc or by the
// window's own Close() all take the same road.
// Closes every modal window of the game, innermost first (a dialog as if rejected); their
// loops end as the caller returns.
void CloseModalWindows();

class GameDialog : public QDialog {
  Q_OBJECT

 public:
  GameDialog(Platform& platform, QWidget* parent);

  // Closes the window as its close box would; returns false when FormCloseQuery refuses.
  bool Close();
  // Activates the window as showing it does (tests call it on a window already shown).
  void Activate();

 protected:
  virtual void FormActivate() {}
  virtual bool FormCloseQuery() { return true; }
  virtual void FormClose() {}

  // Runs a handler behind the guard.
  void Guarded(const std::function<void()>& handler) { RunHandler(platform_, handler); }
  template <class Window>
  void OnClick(QAbstractButton* button, void (Window::*handler)()) {
    auto* self = static_cast<Window*>(this);
    connect(button, &QAbstractButton::clicked, this,
            [this, self, handler] { Guarded([self, handler] { (self->*handler)(); }); });
  }
  template <class Window>
  void OnTriggered(QAction* action, void (Window::*handler)()) {
    auto* self = static_cast<Window*>(this);
    connect(action, &QAction::triggered, this,
            [this, self, handler] { Guarded([self, handler] { (self->*handler)(); }); });
  }

  void showEvent(QShowEvent* event) override;
  // A window that would reach off the screen is moved onto it, below a title bar.
  void KeepOnScreen();
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

  Platform& platform_;
};

}  // namespace quenna
