#pragma once

#include <QObject>

namespace quenna {

// The signals that ask a program to stop: SIGTERM (`kill`, a closing desktop session),
// SIGINT (Ctrl+C in a terminal) and SIGHUP (a closed terminal). While an object of this
// class lives they no longer end the process on the spot: the handler only writes a byte
// into a pipe, and the event loop turns that byte into QuitRequested on every object
// alive, so the game closes its own way. A file being written is finished first, as
// every write runs between two turns of the loop. When the last object goes, the
// signals get back the effect they had before.
class QuitSignals : public QObject {
  Q_OBJECT

 public:
  explicit QuitSignals(QObject* parent = nullptr);
  ~QuitSignals() override;
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

  // True once a quit signal has come, even before the event loop has delivered it, so
  // that blocking waits can end early.
  static bool Requested();

 signals:
  void QuitRequested();
};

}  // namespace quenna
