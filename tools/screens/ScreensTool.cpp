// Photographs the game for the README: the date book at 1746 with a look message, and a
// conversation with Wynnet at one of her questions. Run by scripts/screenshots.sh under
// Xvfb: quenna2-screens <data folder> <output folder> [tour]. With "tour" it photographs
// every main screen instead: the title, a year page with its narration, a look message, the
// close-up with a question, the card table with a hint, the level list, the Hall of Fame
// and a slide of the introduction.
#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cards/TPlayCards.h"
#include "core/WorldTables.h"
#include "platform/DesktopPlatform.h"
#include "shell/Game.h"
#include "shell/ScreenFit.h"
#include "shell/TForm1.h"
#include "store/THighScores.h"
#include "store/TOption1.h"
#include "story/TIntro.h"
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

// Once a window of the game shows (it is modal: the call that opened it is still running),
// lets it settle, does what is asked with it, photographs it and closes it.
void WhenShown(QWidget& window, const std::filesystem::path& file, bool& written,
               const std::function<void()>& act = {}) {
  auto* watch = new QTimer(&window);
  watch->setInterval(100);
  QObject::connect(watch, &QTimer::timeout, &window, [watch, &window, file, &written, act] {
    if (!window.isVisible()) return;
    watch->stop();
    watch->deleteLater();
    Settle(400);
    if (act) act();
    Settle(600);
    written = Photograph(file) && written;
    window.hide();
  });
  watch->start();
}

// The 1746 parlour, with a task that lets the player talk on every page, as from the seventh
// level on. Returns Wynnet's grid value.
int TurnToTheParlour(quenna::Game& game) {
  quenna::GameState& state = game.State();
  state.TaskTab = quenna::kAnyTab;
  state.TaskVirtue = 10;
  constexpr int kParlour = 9;  // 1746
  game.Form1().Dates->setCurrentIndex(kParlour);
  constexpr int kWynnet = 2;
  return kWynnet;
}

// Every main screen, one picture each.
bool Tour(quenna::Game& game, const std::filesystem::path& output) {
  quenna::TForm1& form = game.Form1();
  bool written = true;
  form.FormActivate();
  Settle(500);
  written = Photograph(output / "title.png") && written;
  WhenShown(game.Intro(), output / "slide.png", written, [] { Settle(1500); });
  form.Intro1Click();
  form.StartgameClick();

  const int kWynnet = TurnToTheParlour(game);
  form.Read1Click();
  Settle(500);
  written = Photograph(output / "year.png") && written;
  form.LookClick();
  ClickCell(form, CellOf(form, kWynnet));
  Settle(500);
  written = Photograph(output / "look.png") && written;
  form.text1Click();
  form.TalkClick();
  quenna::TCloseUp& closeUp = game.CloseUp();
  WhenShown(closeUp, output / "closeup.png", written, [&closeUp] {
    for (int page = 0; page < 5; ++page) closeUp.Next1->click();
    closeUp.AClick();  // the first topic
    closeUp.BClick();  // its second question
  });
  ClickCell(form, CellOf(form, kWynnet));

  quenna::GameState& state = game.State();
  state.TaskTab = 0;
  form.Dates->setCurrentIndex(quenna::kCoverTab);
  quenna::TPlayCards& cards = game.PlayCards();
  WhenShown(cards, output / "cards.png", written, [&cards] {
    cards.DealCardsClick();
    Settle(300);
    cards.HintBtnClick();
  });
  form.CoverClick();
  WhenShown(game.Option1(), output / "levels.png", written);
  form.Score1Click();
  WhenShown(game.HighScores(), output / "halloffame.png", written);
  form.HighScore1Click();
  state.GameStarted = false;
  return written;
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool tour = argc == 4 && std::string(argv[3]) == "tour";
  if (argc != 3 && !tour) {
    std::fprintf(stderr, "usage: quenna2-screens <data folder> <output folder> [tour]\n");
    return 2;
  }
  quenna::ScaleToScreenAtStart(argc, argv);
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
    new quenna::ScreenFit(form, platform);  // the window owns it
    game.Sounds().SetMusicOn(false);
    form.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    form.show();
    Settle(300);
    if (tour) return Tour(game, output) ? 0 : 1;
    form.StartgameClick();

    const int kWynnet = TurnToTheParlour(game);
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
    game.State().GameStarted = false;
    return written ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quenna2-screens: %s\n", error.what());
    return 1;
  }
}
