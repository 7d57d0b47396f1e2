// Quenna 2: Orn Hollin Adventure.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <filesystem>

#include "media/DataFolder.h"
#include "platform/DesktopPlatform.h"
#include "platform/GameError.h"
#include "shell/Game.h"
#include "shell/TForm1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("quenna2");
  // The windows name the fonts they were designed with.
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");

  quenna::DesktopPlatform platform;
  const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
  quenna::GamePaths paths;
  paths.dataFolder = quenna::DataFolder::Locate(std::filesystem::current_path(), programFolder);
  // Saved games and the high scores go where the player may write.
  paths.userFolder =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  std::error_code ignored;
  std::filesystem::create_directories(paths.userFolder, ignored);

  try {
    quenna::Game game(platform, paths);
    quenna::TForm1& window = game.Form1();
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.showMaximized();
    QTimer::singleShot(0, &window, [&window] { window.FormActivate(); });
    return QApplication::exec();
  } catch (const std::exception& error) {
    platform.ErrorBox(error.what());
    return 1;
  }
}
