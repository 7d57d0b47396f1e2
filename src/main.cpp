// Quenna 2: Orn Hollin Adventure.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QScreen>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "media/DataFolder.h"
#include "platform/DesktopPlatform.h"
#include "platform/FirstPaint.h"
#include "platform/GameError.h"
#include "shell/CommandLine.h"
#include "shell/Game.h"
#include "shell/ScreenFit.h"
#include "shell/TForm1.h"
#include "store/PlayerFiles.h"

namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

quenna::GameFolderSources GameFolderSources() {
  quenna::GameFolderSources sources{Variable("XDG_DATA_HOME"), Variable("HOME"), std::nullopt};
  std::vector<char> buffer(16384);
  passwd account{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &account, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir) {
    sources.accountHome = found->pw_dir;
  }
  return sources;
}

}  // namespace

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
  // Saved games and the high scores go where the player may write. Without a home the
  // game still plays; its saves then fail with a message naming the folder. Debian keeps
  // "/nonexistent" for accounts without a home: it never exists and is never made.
  const quenna::GameFolder gameFolder = quenna::PrepareGameFolder(GameFolderSources());
  paths.userFolder = gameFolder.folder.empty() ? "/nonexistent" : gameFolder.folder;

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
    // The title animation starts once the window is on the screen. QUENNA2_QUIT_AFTER_START
    // closes the game by itself: the install test's 1 after the title's first animation, the
    // start-up benchmark's "paint" at the first paint, its "exit" through File > Exit then.
    const QString quitAfterStart = qEnvironmentVariable(quenna::kQuitAfterStartVariable);
    quenna::OnFirstPaint(window, [&window, &platform, &gameFolder, quitAfterStart] {
      if (quitAfterStart == "paint" || quitAfterStart == "exit") quenna::ReportFirstPaint(window);
      if (quitAfterStart == "paint") quenna::EndProcessNow();
      if (quitAfterStart == "exit") return window.Exit1Click();
      if (!gameFolder.problem.empty()) platform.ErrorBox(quenna::GameFolderWarning(gameFolder));
      window.FormActivate();
      if (qEnvironmentVariableIsSet(quenna::kQuitAfterStartVariable)) window.close();
    });
    return QApplication::exec();
  } catch (const std::exception& error) {
    platform.ErrorBox(error.what());
    return 1;
  }
}
