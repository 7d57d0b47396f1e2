#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/CommandLine.h"
#include "support/FixtureData.h"

namespace quenna {
namespace {

using testing::FixtureData;

TEST(CommandLineTest, EachCommandLineStartsTheGameAsAskedOrEndsWithItsAnswerAndStatus) {
  // What each command line starts with, or what it prints and the status it ends with.
  FixtureData data;
  const std::string dataFolder = data.Root().string();
  const std::string emptyFolder = (data.Root() / "scenes").string();
  struct Case {
    std::vector<std::string> arguments;
    std::optional<int> exitStatus;
    std::string output;  // a part of standard output ("" for none)
    std::string error;   // a part of standard error ("" for none)
    bool windowed;
    std::string dataFolder;  // "" when the game looks for its data itself
  };
  const std::vector<Case> cases = {
      {{}, std::nullopt, "", "", false, ""},
      {{"--windowed"}, std::nullopt, "", "", true, ""},
      {{"--data", dataFolder}, std::nullopt, "", "", false, dataFolder},
      {{"--data=" + dataFolder, "--windowed"}, std::nullopt, "", "", true, dataFolder},
      {{"-data", dataFolder}, std::nullopt, "", "", false, dataFolder},
      {{"--version"}, 0, "quenna2 9.8.7\n", "", false, ""},
      {{"-v"}, 0, "quenna2 9.8.7\n", "", false, ""},
      {{"--help"}, 0, "Usage: quenna2 [options]", "", false, ""},
      {{"-h", "--bogus"}, 2, "", "Unknown option 'bogus'.", false, ""},
      {{"--windowed", "--help"}, 0, "--data <DIR>", "", false, ""},
      {{"--fullscreen"}, 2, "", "quenna2: Unknown option 'fullscreen'.", false, ""},
      {{"save.sav"}, 2, "", "quenna2: Unexpected argument 'save.sav'.", false, ""},
      {{"--data"}, 2, "", "Missing value after '--data'.", false, ""},
      {{"--data", emptyFolder}, 2, "", "holds no game data (the file \"2grdata.\"", false, ""},
      {{"--data", "/no/such/folder"}, 2, "", "The folder /no/such/folder holds no", false, ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = {"/usr/games/quenna2"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    std::string line;
    for (const std::string& argument : c.arguments) line += argument + " ";
    SCOPED_TRACE("quenna2 " + line);

    const CommandLine result = ReadCommandLine(arguments, "9.8.7");
    EXPECT_EQ(result.exitStatus, c.exitStatus);
    EXPECT_EQ(result.output.empty(), c.output.empty()) << result.output;
    EXPECT_NE(result.output.find(c.output), std::string::npos) << result.output;
    EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
    if (result.exitStatus == 2) {
      EXPECT_NE(result.error.find("Try 'quenna2 --help'"), std::string::npos) << result.error;
    } else {
      EXPECT_TRUE(result.error.empty()) << result.error;
    }
    if (result.exitStatus) continue;
    EXPECT_EQ(result.windowed, c.windowed);
    EXPECT_EQ(result.dataFolder.value_or("").string(), c.dataFolder);
  }
}

}  // namespace
}  // namespace quenna
