// The main window's speed: a change of date tab until the new picture is drawn, and the
// game made until its title screen is drawn (the whole process: bench/startup.py).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <cstdint>
#include <filesystem>
#include <memory>

#include "platform/DesktopPlatform.h"
#include "platform/FakePlatform.h"
#include "shell/Game.h"
#include "shell/TForm1.h"
#include "support/FixtureData.h"

namespace {

// The data the build made when there is some, else a fixture folder.
std::filesystem::path BenchData(std::unique_ptr<quenna::testing::FixtureData>& fixture) {
  const std::filesystem::path built = QUENNA2_BUILT_DATA;
  if (std::filesystem::exists(built / "2grdata.")) return built;
  fixture = std::make_unique<quenna::testing::FixtureData>();
  return fixture->Root();
}

// Counts the paints a widget receives.
struct PaintCounter : QObject {
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
  std::int64_t count = 0;
};

// DatesChange to the new page drawn, on a 1920 x 1080 screen (the picture is stretched).
void TabChange(benchmark::State& state) {
  std::unique_ptr<quenna::testing::FixtureData> fixture;
  const auto data = BenchData(fixture);
  quenna::FakePlatform platform({1920, 1080});
  quenna::Game game(platform, {data, std::filesystem::temp_directory_path()});
  quenna::TForm1& form = game.Form1();
  form.resize(1920, 1080);
  form.show();
  form.StartgameClick();
  // DatesChange paints the new picture itself (DrawPic lets the paint run); the paints of
  // the picture are counted, so the report shows that each change is measured with one.
  PaintCounter paints(*form.Image2);
  int tab = 1;
  for (auto _ : state) {
    form.Dates->setCurrentIndex(tab);
    tab = tab % 14 + 1;
  }
  state.counters["picture paints per change"] =
      static_cast<double>(paints.count) / static_cast<double>(state.iterations());
  state.SetLabel("a date tab clicked until the new page's picture is painted, 1920x1080");
}

// The game made and its title screen drawn inside a running program: the game object with
// its eight windows, the first layout and paint, on the real platform services.
void StartToTitle(benchmark::State& state) {
  std::unique_ptr<quenna::testing::FixtureData> fixture;
  const auto data = BenchData(fixture);
  for (auto _ : state) {
    quenna::DesktopPlatform platform;
    quenna::Game game(platform, {data, std::filesystem::temp_directory_path()});
    game.Form1().showMaximized();
    game.Form1().repaint();
    QApplication::processEvents();
  }
  state.SetLabel(
      "in one process: the game's eight windows made, the main window shown and painted, "
      "the game closed; not the process's start (bench/startup.py measures that)");
}

}  // namespace

BENCHMARK(TabChange)->Unit(benchmark::kMillisecond);
BENCHMARK(StartToTitle)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
