// The main of every test program: a QApplication on the offscreen platform, so the
// real windows can be built and clicked without a display.
#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
