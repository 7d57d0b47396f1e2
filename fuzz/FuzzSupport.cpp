#include "FuzzSupport.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace quenna::fuzz {
namespace {

// Qt's messages about the offscreen platform say nothing about the input.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
  qt_message_output(type, context, message);
}

const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    auto made =
        std::filesystem::temp_directory_path() / ("quenna2-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(made);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchFolder(), ignored);
    });
    return made;
  }();
  return folder;
}

}  // namespace

void StartQt(int* argc, char*** argv, bool widgets) {
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
