#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QWidget>

#include <functional>

namespace quenna {

// Hands every key pressed or let go in one window to that window first, whichever of its
// controls has the focus, so that a game key means the same everywhere in the window: a
// focused button would otherwise take the arrows and Space for itself. The handler
// returns true for a key it used; other keys go on to the focused control as before. It
// must use a key or leave it alone whichever control it reaches, since a key the focused
// control does not take comes again on its way to the window.
class WindowKeys : public QObject {
 public:
  using Handler = std::function<bool(QKeyEvent& key)>;

  WindowKeys(QWidget& window, Handler handler)
      : QObject(&window), window_(window), handler_(std::move(handler)) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &window_) return false;
    // The menu bar, while Alt or F10 has it, and a field being typed in keep their keys.
    if (qobject_cast<QMenuBar*>(widget) != nullptr || qobject_cast<QLineEdit*>(widget) != nullptr)
      return false;
    return handler_(*static_cast<QKeyEvent*>(event));
  }

 private:
  QWidget& window_;
  Handler handler_;
};

// Whether a key is Enter, on the main keys or the number pad.
inline bool IsEnterKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// A key pressed with no modifier but Shift or the number pad's.
inline bool PlainKey(const QKeyEvent& key) {
  return (key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
}

// Presses a button as a click would, when the player could click it.
inline bool PressButton(QAbstractButton* button) {
  if (button == nullptr || !button->isVisible() || !button->isEnabled()) return false;
  button->click();
  return true;
}

// Enter presses the focused button of a window, when one of its buttons has the focus.
inline bool PressFocusedButton(const QWidget& window) {
  auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
  return button != nullptr && button->window() == &window && PressButton(button);
}

}  // namespace quenna
