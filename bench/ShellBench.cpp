// The main window's speed: a change of date tab until the new picture is drawn, and the
// start of the program until the title screen is drawn.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>

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
  int tab = 1;
  for (auto _ : state) {
    form.Dates->setCurrentIndex(tab);
    form.Image2->repaint();
    tab = tab % 14 + 1;
  }
}

// Program start to the title screen drawn: the game object with its eight windows, the
// first layout and paint, on the real platform services.
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
