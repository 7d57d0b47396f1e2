// The yardstick of the start-up benchmark (bench/startup.py): the least a Qt Widgets
// program does to show a window, one label on a maximised window, with the same hook as
// the game for ending at its first paint (QUENNA2_QUIT_AFTER_START=paint) or closing its
// window then (=exit).
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "platform/FirstPaint.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel window("Quenna 2: Orn Hollin Adventure");
  window.setAlignment(Qt::AlignCenter);
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.showMaximized();
  const QString quitAfterStart = qEnvironmentVariable("QUENNA2_QUIT_AFTER_START");
  quenna::OnFirstPaint(window, [&window, quitAfterStart] {
    if (quitAfterStart == "paint" || quitAfterStart == "exit") quenna::ReportFirstPaint(window);
    if (quitAfterStart == "paint") quenna::EndProcessNow();
    if (quitAfterStart == "exit") window.close();
  });
  return QApplication::exec();
}
