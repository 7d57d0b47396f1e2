#include "platform/FirstPaint.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace quenna {
namespace {

class FirstPaintWatcher : public QObject {
 public:
  FirstPaintWatcher(QWidget& window, std::function<void()> then)
      : QObject(&window), window_(window), then_(std::move(then)) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Paint || !then_) return false;
    // The paint event comes before the window paints and its picture is flushed to the
    // window system; a zero timer runs once all of that is done.
    QTimer::singleShot(0, &window_, std::exchange(then_, nullptr));
    return false;
  }

 private:
  QWidget& window_;
  std::function<void()> then_;
};

}  // namespace

void OnFirstPaint(QWidget& window, std::function<void()> then) {
  window.installEventFilter(new FirstPaintWatcher(window, std::move(then)));
}

void ReportFirstPaint(const QWidget& window) {
  // In the screen's own pixels: with Fit to Screen, Qt scales a window designed for 768
  // lines up to the screen.
  const qreal scale = window.devicePixelRatioF();
  std::printf("first paint %dx%d\n", qRound(window.width() * scale),
              qRound(window.height() * scale));
  std::fflush(stdout);
}

void EndProcessNow() {
  std::fflush(nullptr);
  std::_Exit(0);
}

}  // namespace quenna
