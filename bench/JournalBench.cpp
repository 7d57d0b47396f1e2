// "My Progress" opening on a journal of 10,000 answers, against reading the same file's
// bytes. Both are timed in alternating pairs in one run, so the machine's mood of the
// moment weighs on both alike; the medians and their ratio are printed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/FakePlatform.h"
#include "store/SampleJournal.h"
#include "store/TProgress.h"

namespace {

constexpr int kAnswers = 10'000;
constexpr int kPairs = 15;

// A journal of whole games with the game's own questions when the build made its data.
std::filesystem::path TenThousandAnswers() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "quenna2-bench-journal";
  const auto file = folder / "journal.jsonl";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::filesystem::path built = QUENNA2_BUILT_DATA;
  quenna::testing::SamplePlay play;
  if (std::filesystem::exists(built / "d2")) play.dataFolder = built;
  play.games = 1000;
  play.answerLimit = kAnswers;
  quenna::testing::WriteSampleJournal(file, play);
  return file;
}

double Milliseconds(std::chrono::steady_clock::duration elapsed) {
  return std::chrono::duration<double, std::milli>(elapsed).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The anchor: the file's bytes into memory, nothing more.
std::size_t ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return bytes.size();
}

// The window made, the journal and the Hall of Fame read and summed up, the latest game
// chosen, and the whole window painted once, as on opening.
int OpenWindow(const std::filesystem::path& folder) {
  quenna::FakePlatform platform({1920, 1080});
  quenna::TProgress window(platform, folder, nullptr);
  window.Load();
  const QPixmap painted = window.grab();
  return painted.width() + window.QuestionTable->model()->rowCount({});
}

void ProgressWindowOpen(benchmark::State& state) {
  const auto file = TenThousandAnswers();
  const auto bytes = std::filesystem::file_size(file);
  std::vector<double> reads;
  std::vector<double> opens;
  for (auto _ : state) {
    for (int pair = 0; pair < kPairs; ++pair) {
      auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(ReadBytes(file));
      reads.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
      start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(OpenWindow(file.parent_path()));
      opens.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
    }
  }
  const double read = Median(reads);
  const double open = Median(opens);
  state.counters["read_ms"] = read;
  state.counters["open_ms"] = open;
  state.counters["ratio"] = open / read;
  std::printf(
      "My Progress on %d answers (%.1f MB journal): opens in %.1f ms (median of %d), "
      "reading its bytes takes %.2f ms; %.0f times as long\n",
      kAnswers, static_cast<double>(bytes) / 1e6, open, kPairs, read, open / read);
  std::filesystem::remove_all(file.parent_path());
}

}  // namespace

BENCHMARK(ProgressWindowOpen)->Unit(benchmark::kMillisecond)->Iterations(1);
