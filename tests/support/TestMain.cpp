// The main of every test program: a QApplication on the offscreen platform, so the
// real windows can be built and clicked without a display.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const QByteArray folder = "/tmp/quenna2-test-runtime";
    QDir().mkpath(QString::fromLatin1(folder));
    QFile::setPermissions(QString::fromLatin1(folder), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", folder);
  }
  QApplication app(argc, argv);
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
