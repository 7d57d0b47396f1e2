#include "shell/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <system_error>

#include "media/DataFolder.h"

namespace quenna {
namespace {

constexpr int kUsageError = 2;

CommandLine Refused(const std::string& message) {
  CommandLine result;
  result.exitStatus = kUsageError;
  result.error = "quenna2: " + message + "\nTry 'quenna2 --help' for more information.\n";
  return result;
}

}  // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& arguments, std::string_view version) {
  QCommandLineParser parser;
  // "-data DIR" reads as "--data DIR", as Qt programs' own options do.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      "Quenna 2: Orn Hollin Adventure, a point-and-click adventure for children.");
  const QCommandLineOption help({"h", "help"}, "Show this help and quit.");
  const QCommandLineOption showVersion({"v", "version"}, "Show the version and quit.");
  const QCommandLineOption data(
      "data", "Play with the game data in <DIR> instead of the installed data.", "DIR");
  const QCommandLineOption windowed(
      "windowed",
      "Play in a window of 1024 x 768 (less on a smaller screen) instead of full screen.");
  parser.addOptions({help, showVersion, data, windowed});

  QStringList words;
  for (const std::string& argument : arguments) words << QString::fromLocal8Bit(argument);
  if (words.isEmpty()) words << "quenna2";
  if (!parser.parse(words)) return Refused(parser.errorText().toStdString());
  if (!parser.positionalArguments().isEmpty()) {
    return Refused("Unexpected argument '" + parser.positionalArguments().front().toStdString() +
                   "'.");
  }

  CommandLine result;
  if (parser.isSet(help)) {
    // The parser names the program after the running application, and there is none
    // yet: the usage line is written here.
    const QString text = parser.helpText();
    result.exitStatus = 0;
    result.output = "Usage: quenna2 [options]\n" + text.mid(text.indexOf('\n') + 1).toStdString();
    return result;
  }
  if (parser.isSet(showVersion)) {
    result.exitStatus = 0;
    result.output = "quenna2 " + std::string(version) + "\n";
    return result;
  }
  if (parser.isSet(data)) {
    std::error_code ignored;
    const std::filesystem::path folder = parser.value(data).toStdString();
    const std::filesystem::path absolute = std::filesystem::absolute(folder, ignored);
    result.dataFolder = absolute.empty() ? folder : absolute.lexically_normal();
    if (!std::filesystem::is_regular_file(*result.dataFolder / DataFolder::kMarkerFile, ignored)) {
      return Refused("The folder " + folder.string() + " holds no game data (the file \"" +
                     std::string(DataFolder::kMarkerFile) + "\" is missing there).");
    }
  }
  result.windowed = parser.isSet(windowed);
  return result;
}

int EndEarly(const CommandLine& commandLine) {
  std::fputs(commandLine.output.c_str(), stdout);
  std::fputs(commandLine.error.c_str(), stderr);
  return commandLine.exitStatus.value_or(0);
}

}  // namespace quenna
