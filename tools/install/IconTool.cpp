// Writes the game's icon as PNG files for the desktop: quenna2-icon <folder> <size>...
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "shell/GameIcon.h"

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: quenna2-icon <folder> <size>...\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const auto file = folder / ("quenna2-" + std::to_string(size) + ".png");
    if (size <= 0 || !quenna::GameIcon(size).save(QString::fromStdString(file.string()), "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", file.c_str());
      return 1;
    }
  }
  return 0;
}
