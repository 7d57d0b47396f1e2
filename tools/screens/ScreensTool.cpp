// Photographs the game for the README: the date book at 1746 with a look message, and a
// conversation with Wynnet at one of her questions. Run by scripts/screenshots.sh under
// Xvfb: quenna2-screens <data folder> <output folder>.
#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "core/WorldTables.h"
#include "platform/DesktopPlatform.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "talk/TCloseUp.h"

namespace {

void Settle(int milliseconds) {
  QTimer wait;
  wait.setSingleShot(true);
  wait.start(milliseconds);
  while (wait.isActive()) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool Photograph(const std::filesystem::path& file) {
  const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
  const bool saved = shot.save(QString::fromStdString(file.string()), "PNG");
  std::printf("%s %s\n", saved ? "wrote" : "could not write", file.c_str());
  std::fflush(stdout);
  return saved;
}

// The middle cell of all the cells a person's value covers on the current page.
int CellOf(const quenna::TForm1& form, int value) {
  std::vector<int> cells;
  for (int cell = 0; cell < quenna::kGridCells; ++cell) {
    if (form.Grid[static_cast<std::size_t>(cell)] == value) cells.push_back(cell);
  }
  return cells.empty() ? 0 : cells[cells.size() / 2];
}

void ClickCell(quenna::TForm1& form, int cell) {
  const int size = form.CellSize;
  const int x = (cell / quenna::kGridRowsPerColumn) * size + size / 2;
  const int y = (cell % quenna::kGridRowsPerColumn) * size + size / 2;
  form.Image2MouseDown(Qt::LeftButton, x, y);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quenna2-screens <data folder> <output folder>\n");
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName("Quenna 2: Orn Hollin Adventure");
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  const std::filesystem::path output = argv[2];
  std::filesystem::create_directories(output);

  try {
    quenna::DesktopPlatform platform;
    quenna::Game game(platform, {argv[1], std::filesystem::temp_directory_path()});
    quenna::TForm1& form = game.Form1();
    game.Sounds().SetMusicOn(false);
    form.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    form.show();
    form.StartgameClick();

    // A task that lets the player talk on every page, as from the seventh level on.
    quenna::GameState& state = game.State();
    state.TaskTab = quenna::kAnyTab;
    state.TaskVirtue = 10;
    constexpr int kParlour = 9;  // 1746
    constexpr int kWynnet = 2;
    form.Dates->setCurrentIndex(kParlour);
    form.LookClick();
    ClickCell(form, CellOf(form, kWynnet));
    Settle(500);
    bool written = Photograph(output / "datebook.png");

    form.text1Click();  // put the look message away before talking
    form.TalkClick();
    quenna::TCloseUp& closeUp = game.CloseUp();
    // The conversation window opens after the one-second pause; play it once it shows.
    QTimer watch;
    watch.setInterval(100);
    QObject::connect(&watch, &QTimer::timeout, &closeUp, [&] {
      if (!closeUp.isVisible()) return;
      watch.stop();
      Settle(300);
      for (int page = 0; page < 5; ++page) closeUp.Next1->click();
      closeUp.AClick();  // the first topic
      closeUp.BClick();  // its second question
      Settle(500);
      written = Photograph(output / "conversation.png") && written;
      closeUp.close();
    });
    watch.start();
    ClickCell(form, CellOf(form, kWynnet));
    state.GameStarted = false;
    return written ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quenna2-screens: %s\n", error.what());
    return 1;
  }
}
