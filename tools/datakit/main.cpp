// quenna2-datakit: builds the game's data folder from the sources in content/, checks
// a built folder, and previews a page with its click grid for the people who write them.
#include <QGuiApplication>
#include <QImage>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "Build.h"
#include "Check.h"
#include "PageView.h"
#include "Painters.h"
#include "Render.h"
#include "Source.h"
#include "Talk.h"
#include "scene/ShiftedText.h"
#include "talk/Roster.h"

namespace {

int Usage() {
  std::cerr << "usage: quenna2-datakit build <content folder> <data folder>\n"
               "       quenna2-datakit check [--complete] <content folder> <data folder>\n"
               "           (--complete: every person of the roster must have a dialogue)\n"
               "       quenna2-datakit preview <file.page or file.picture> <out.png>\n"
               "           (a page also gets <out>-plain.png, without the grid)\n"
               "       quenna2-datakit talk <file.talk>\n"
               "           (prints the 77 lines of the dialogue file it makes)\n"
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
  std::vector<std::string> args(argv + 1, argv + argc);
  bool complete = false;
  if (args.size() == 4 && args[0] == "check" && args[1] == "--complete") {
    complete = true;
    args.erase(args.begin() + 1);
  }
  if (args.size() < 2) return Usage();
  const std::string& command = args[0];
  try {
    using namespace quenna::datakit;
    if (command == "talk" && args.size() == 2) {
      const TalkSource talk = ReadTalkSource(args[1]);
      const std::string text = DialogueFileText(talk);
      int misfits = 0;
      for (int n = 0; n < kDialogueLines; ++n) {
        std::cout << n << ": " << talk.lines[static_cast<std::size_t>(n)] << "\n";
        const std::string fit = DialogueFitProblem(n, talk.lines[static_cast<std::size_t>(n)]);
        if (fit.empty()) continue;
        ++misfits;
        std::cerr << talk.file << ":" << talk.sourceLines[static_cast<std::size_t>(n)] << ": "
                  << fit << "\n";
      }
      std::cout << text.size() << " bytes of " << quenna::kDialogueFileLimit << "\n";
      return misfits == 0 ? 0 : 1;
    }
    if (args.size() != 3) return Usage();
    if (command == "build") {
      BuildDataFolder(args[1], args[2], std::cout);
      return 0;
    }
    if (command == "check") {
      const auto problems = CheckDataFolder(args[1], args[2], complete);
      for (const auto& problem : problems) std::cerr << problem << "\n";
      const auto unwritten = UnwrittenDialogues(args[1]);
      if (!complete && !unwritten.empty()) {
        std::cout << unwritten.size() << " of " << quenna::kRoster.size()
                  << " dialogues are not written yet (check --complete requires them):";
        for (const auto& name : unwritten) std::cout << " " << name;
        std::cout << "\n";
      }
      if (problems.empty())
        std::cout << "The data folder " << args[2] << " matches its sources"
                  << (unwritten.empty() ? " and is complete" : "") << ".\n";
      return problems.empty() ? 0 : 1;
    }
    if (command == "preview") {
      const std::string file = args[1];
      const QString out = QString::fromStdString(args[2]);
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
        PictureSource picture = ReadPictureSource(file);
        if (NeedsPages(picture)) {
          // A close-up draws on the year pages of the content folder it lives in.
          const auto content = std::filesystem::absolute(file).parent_path().parent_path();
          ResolvePageViews(picture, ReadAllPages(content));
        }
        RenderScene(picture.scene).picture.save(out);
      }
      return 0;
    }
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return Usage();
}
