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
#include "shell/CommandLine.h"
#include "shell/Game.h"
#include "shell/ScreenFit.h"
#include "shell/TForm1.h"

int main(int argc, char* argv[]) {
  const auto command = quenna::ReadCommandLine({argv, argv + argc}, QUENNA2_VERSION);
  if (command.exitStatus) return quenna::EndEarly(command);
  quenna::ScaleToScreenAtStart(argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName("quenna2");
  // The windows name the fonts they were designed with.
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");

  quenna::DesktopPlatform platform;
  if (command.windowed) platform.PlayInWindow();
  const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
  quenna::GamePaths paths;
  paths.dataFolder = command.dataFolder.value_or(
      quenna::DataFolder::Locate(std::filesystem::current_path(), programFolder));
  // Saved games and the high scores go where the player may write.
  paths.userFolder =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  std::error_code ignored;
  std::filesystem::create_directories(paths.userFolder, ignored);

  try {
    quenna::Game game(platform, paths);
    quenna::TForm1& window = game.Form1();
    new quenna::ScreenFit(window, platform);  // the window owns it
    if (command.windowed) {
      window.resize(platform.Screen().width, platform.Screen().height);
      window.show();
    } else {
      window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
      window.showMaximized();
    }
    QTimer::singleShot(0, &window, [&window] {
      window.FormActivate();
      if (qEnvironmentVariableIsSet(quenna::kQuitAfterStartVariable)) window.close();
    });
    return QApplication::exec();
  } catch (const std::exception& error) {
    platform.ErrorBox(error.what());
    return 1;
  }
}
