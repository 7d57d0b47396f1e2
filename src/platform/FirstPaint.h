#pragma once

#include <functional>

class QWidget;

namespace quenna {

// For the start-up benchmark (bench/startup.py): runs `then` once the window's first
// paint is done and on its way to the screen. The watcher belongs to the window.
void OnFirstPaint(QWidget& window, std::function<void()> then);

// Prints "first paint <width>x<height>" (in device pixels) for the benchmark, which checks that
// each program it measured painted a window of the screen's size.
void ReportFirstPaint(const QWidget& window);

// Ends the process on the spot, without tearing anything down: the benchmark's way to
// make a run last exactly until the first paint.
[[noreturn]] void EndProcessNow();

}  // namespace quenna
