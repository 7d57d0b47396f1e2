#pragma once

#include <QWidget>

namespace quenna {

// Keeps a window disabled for as long as it lives, and enables it again however the
// scope is left, a picture that fails to load included.
class DisabledWhile {
 public:
  explicit DisabledWhile(QWidget& window) : window_(window) { window_.setEnabled(false); }
  ~DisabledWhile() { window_.setEnabled(true); }
  DisabledWhile(const DisabledWhile&) = delete;
  DisabledWhile& operator=(const DisabledWhile&) = delete;

 private:
  QWidget& window_;
};

}  // namespace quenna
