#include "FuzzSupport.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

#include <unistd.h>

namespace quenna::fuzz {
namespace {

// Qt's messages about the offscreen platform say nothing about the input.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
  qt_message_output(type, context, message);
}

// This run's scratch folder, quenna2-fuzz-<pid> in the temporary folder. TMPDIR then
// points into it, so the test game's data folder goes there too. libFuzzer leaves through
// _Exit, which cleans nothing up, so a run first removes the folders of runs that ended.
const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    const std::string prefix = "quenna2-fuzz-";
    const auto base = std::filesystem::temp_directory_path();
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(base, ignored)) {
      const std::string name = entry.path().filename().string();
      const std::string pid =
          name.substr(0, prefix.size()) == prefix ? name.substr(prefix.size()) : "";
      if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
      if (!std::filesystem::exists("/proc/" + pid))
        std::filesystem::remove_all(entry.path(), ignored);
    }
    auto made = base / (prefix + std::to_string(::getpid()));
    std::filesystem::create_directories(made);
    ::setenv("TMPDIR", made.c_str(), 1);
    return made;
  }();
  return folder;
}

}  // namespace

void StartQt(int* argc, char*** argv, bool widgets) {
  ScratchFolder();
  qInstallMessageHandler(QuietMessages);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const auto runtime = std::filesystem::temp_directory_path() / "quenna2-fuzz-runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    qputenv("XDG_RUNTIME_DIR", runtime.c_str());
  }
  // Kept for the whole run and never destroyed: libFuzzer leaves through exit().
  static QGuiApplication* application =
      widgets ? new QApplication(*argc, *argv) : new QGuiApplication(*argc, *argv);
  (void)application;
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

std::filesystem::path ScratchFile(const std::string& name, const std::uint8_t* data,
                                  std::size_t size) {
  const auto file = ScratchFolder() / name;
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return file;
}

void Broken(const std::string& promise) {
  std::fprintf(stderr, "\nBROKEN PROMISE: %s\n", promise.c_str());
  std::abort();
}

}  // namespace quenna::fuzz
