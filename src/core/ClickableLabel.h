#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace quenna {

// A label that answers a click, as the game's links and message labels do. A disabled
// label takes no clicks.
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void Clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    const bool inside = rect().contains(event->position().toPoint());
    if (pressed_ && inside && event->button() == Qt::LeftButton) emit Clicked();
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
  }

 private:
  bool pressed_ = false;
};

}  // namespace quenna
