// The progress window and its report with the game's own questions, for a look by eye:
// "progress_gallery <data folder> <folder>" writes a journal of two whole games and part
// of a third into <folder>, photographs "My Progress" at 640x480, 1024x768 and 1920x1080
// (progress-<width>.png) and saves the report of the latest finished game (report.pdf,
// report.html).
#include <QApplication>
#include <QFont>
#include <QPixmap>

#include <filesystem>
#include <iostream>

#include "platform/FakePlatform.h"
#include "store/HighScoreTable.h"
#include "store/SampleJournal.h"
#include "store/TProgress.h"

int main(int argc, char** argv) {
  using namespace quenna;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  if (argc < 3) {
    std::cerr << "usage: progress_gallery <data folder> <folder>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[2];
  std::filesystem::create_directories(folder);
  std::filesystem::remove(folder / "journal.jsonl");
  const auto tables = testing::WriteSampleJournal(folder / "journal.jsonl", {argv[1], 3, 200, 11});
  HighScoreTable hallOfFame;
  hallOfFame.Set(0, tables[1].PointsTotal(), "Mara_Lee");
  hallOfFame.Set(1, tables[0].PointsTotal(), "Mara");
  WriteHighScoresFile(folder / "HighScores", hallOfFame, false);

  for (const ScreenSize screen :
       {ScreenSize{640, 480}, ScreenSize{1024, 768}, ScreenSize{1920, 1080}}) {
    FakePlatform platform(screen);
    TProgress window(platform, folder, nullptr);
    window.show();
    window.Load();
    if (screen.width == 1024) {
      // The latest game played to its end.
      window.GameBox->setCurrentIndex(2);
      platform.AnswerFileDialog(folder / "report.pdf");
      window.SaveReport->click();
      for (const auto& error : platform.Errors()) std::cerr << error << "\n";
    }
    QApplication::processEvents();
    const auto shot = folder / ("progress-" + std::to_string(screen.width) + ".png");
    window.grab().save(QString::fromStdString(shot.string()));
    std::cout << "wrote " << shot.string() << " (" << window.width() << "x" << window.height()
              << ")\n";
  }
  return 0;
}
