// quenna2-datakit: builds the game's data folder from the sources in content/, checks
// a built folder, and previews a page with its click grid for the people who write them.
#include <QGuiApplication>
#include <QImage>

#include <iostream>
#include <string>

#include "Build.h"
#include "Check.h"
#include "Painters.h"
#include "Render.h"
#include "Source.h"

namespace {

int Usage() {
  std::cerr << "usage: quenna2-datakit build <content folder> <data folder>\n"
               "       quenna2-datakit check <content folder> <data folder>\n"
               "       quenna2-datakit preview <file.page or file.picture> <out.png>\n"
               "           (a page also gets <out>-plain.png, without the grid)\n"
               "       quenna2-datakit painters\n"
               "           (lists the painters with their settings)\n";
  return 2;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Painting needs the GUI library but never a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc == 2 && std::string(argv[1]) == "painters") {
    for (const auto& painter : quenna::datakit::AllPainters()) {
      std::cout << painter.name << ": " << painter.about << "\n    " << painter.settings << "\n";
    }
    return 0;
  }
  if (argc != 4) return Usage();
  const std::string command = argv[1];
  try {
    using namespace quenna::datakit;
    if (command == "build") {
      BuildDataFolder(argv[2], argv[3], std::cout);
      return 0;
    }
    if (command == "check") {
      const auto problems = CheckDataFolder(argv[2], argv[3]);
      for (const auto& problem : problems) std::cerr << problem << "\n";
      if (problems.empty())
        std::cout << "The data folder " << argv[3] << " is complete and matches its sources.\n";
      return problems.empty() ? 0 : 1;
    }
    if (command == "preview") {
      const std::string file = argv[2];
      const QString out = QString::fromStdString(argv[3]);
      if (EndsWith(file, ".page")) {
        const PageSource page = ReadPageSource(file);
        const RenderedScene rendered = RenderScene(page.scene);
        PreviewWithGrid(rendered, GridValues(rendered)).save(out);
        QString plain = out;
        plain.insert(plain.lastIndexOf('.'), "-plain");
        rendered.picture.save(plain);
        MessageText(page);
        NarrationText(page);
      } else {
        RenderScene(ReadPictureSource(file).scene).picture.save(out);
      }
      return 0;
    }
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return Usage();
}
