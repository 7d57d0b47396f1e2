// The main of every test program: a QApplication on the offscreen platform, so the
// real windows can be built and clicked without a display.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>

#include <gtest/gtest.h>

// The offscreen platform warns about every window it cannot size by hints or raise; the
// warnings say nothing about the game and bury real failures in the output.
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
  if (message.contains("does not support propagateSizeHints")) return;
  if (message.contains("does not support raise()")) return;
  if (message.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
  qt_message_output(type, context, message);
}

int main(int argc, char** argv) {
  qInstallMessageHandler(QuietOffscreenWarnings);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const QByteArray folder = "/tmp/quenna2-test-runtime";
    QDir().mkpath(QString::fromLatin1(folder));
    QFile::setPermissions(QString::fromLatin1(folder),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", folder);
  }
  QApplication app(argc, argv);
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
