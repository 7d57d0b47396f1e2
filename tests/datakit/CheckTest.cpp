#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "Build.h"
#include "Check.h"
#include "Folders.h"
#include "scene/SceneFiles.h"

namespace quenna::datakit {
namespace {

using testing::kContent;
using testing::TempFolder;

// One good build, copied for each test that spoils something.
class CheckData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    built_ = new TempFolder;
    std::ostringstream log;
    BuildDataFolder(kContent, built_->path, log);
  }
  static void TearDownTestSuite() { delete built_; }

  void SetUp() override {
    std::filesystem::copy(built_->path, data_.path, std::filesystem::copy_options::recursive);
  }

  std::string Read(const std::string& name) {
    std::ifstream stream(data_.path / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), {});
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(data_.path / name, std::ios::binary | std::ios::trunc) << bytes;
  }
  // The problems found, one per line, in the order reported.
  std::string Problems(const std::filesystem::path& content = kContent) {
    std::string all;
    for (const auto& problem : CheckDataFolder(content, data_.path)) all += problem + "\n";
    return all;
  }

  static TempFolder* built_;
  TempFolder data_;
};

TempFolder* CheckData::built_ = nullptr;

// A fresh build passes the check.
TEST_F(CheckData, FreshBuildIsComplete) {
  EXPECT_EQ(Problems(), "");
}

// Missing, truncated or unreadable files are named.
TEST_F(CheckData, MissingAndBrokenFilesAreNamed) {
  std::filesystem::remove(data_.path / "gold.jpg");
  std::filesystem::remove(data_.path / "data" / "ornC.dat");
  const std::string wav = Read("points2.wav");
  Write("points2.wav", wav.substr(0, wav.size() - 100));
  Write("scenes/17191x1.jpg", "not a picture");
  const std::string problems = Problems();
  EXPECT_NE(problems.find("gold.jpg: Cannot open file"), std::string::npos) << problems;
  EXPECT_NE(problems.find("scenes//17191x1.jpg: Not a JPEG file"), std::string::npos) << problems;
  EXPECT_NE(problems.find("points2.wav: has sizes in its header that do not match the file\n"),
            std::string::npos)
      << problems;
  EXPECT_NE(problems.find("data\\ornC.dat: is missing or empty\n"), std::string::npos) << problems;
}

// The slide shows load their pictures by name and pan over the classroom, and the ending
// plays the epitaph: a slide missing or of the wrong size, a classroom too small for the
// pans, or an epitaph sound too short to hold the words, is named.
TEST_F(CheckData, SlidesAndTheEpitaphAreChecked) {
  std::filesystem::remove(data_.path / "intro" / "wink.jpg");
  const auto replace = std::filesystem::copy_options::overwrite_existing;
  std::filesystem::copy_file(data_.path / "intro" / "intro1.jpg",
                             data_.path / "intro" / "teacher.jpg", replace);
  std::filesystem::copy_file(data_.path / "intro" / "speech.jpg",
                             data_.path / "intro" / "intro1.jpg", replace);
  Write("intro/epitaph.wav", Read("sndoff.wav"));
  const std::string problems = Problems();
  for (const char* expected :
       {"intro//wink.jpg: Cannot open file", "intro//teacher.jpg: is 801 x 582, not 600 x 450\n",
        "intro/intro1.jpg: is 600 x 450, not at least 801 x 582\n",
        "intro//epitaph.wav: lasts 0.1"}) {
    EXPECT_NE(problems.find(expected), std::string::npos) << expected << "\n" << problems;
  }
}

// The grid file must hold fourteen records of 645 digits made from the sources.
TEST_F(CheckData, GridRecordsAreCheckedByteForByte) {
  std::string grid = Read("2grdata.");
  Write("2grdata.", grid.substr(0, grid.size() - 1));
  EXPECT_NE(Problems().find("2grdata.: is 9029 bytes, not 14 records of 645\n"), std::string::npos);
  grid[100] = 'x';
  Write("2grdata.", grid);
  EXPECT_NE(Problems().find("2grdata.: byte 100 is not a digit\n"), std::string::npos);
}

// A value in a grid that has no look line, and a person's value away from the person,
// are both caught.
TEST_F(CheckData, GridValuesNeedLinesAndPeopleStayPut) {
  std::string grid = Read("2grdata.");
  // The 1746 page uses the values 1 to 8; its top-left corner is the wall.
  grid[8 * 645 + 0] = '9';
  // The top-left corner of 1716 is sky, far from young Orn.
  grid[0] = '7';
  Write("2grdata.", grid);
  const std::string problems = Problems();
  EXPECT_NE(problems.find("data\\grid09.dat: has no look line 9, which the 1746 grid uses\n"),
            std::string::npos)
      << problems;
  EXPECT_NE(problems.find("2grdata.: the record of 1746 does not match"), std::string::npos)
      << problems;
  EXPECT_NE(
      problems.find(
          "2grdata.: young Orn (1716): cell 0 has the value 7 but the person is not drawn there\n"),
      std::string::npos)
      << problems;
}

// A text with a byte that would end it early, or longer than the game reads, is refused.
TEST_F(CheckData, TextsMustBeWholeAndWithinTheirLimits) {
  std::string messages = Read("data/grid05.dat");
  messages[10] = 3;
  Write("data/grid05.dat", messages);
  Write("data/orn6.dat", std::string(4801, 'a'));
  const std::string problems = Problems();
  EXPECT_NE(problems.find("data\\grid05.dat: byte 10 ends the text early (a stored 0 or 3)\n"),
            std::string::npos)
      << problems;
  EXPECT_NE(problems.find("data\\orn6.dat: is 4801 bytes; the game reads only 4800\n"),
            std::string::npos)
      << problems;
}

// The roster decides who stands where: a page whose person has another value fails.
TEST_F(CheckData, PeopleMustHaveTheirRosterValues) {
  TempFolder content;
  std::filesystem::copy(kContent, content.path, std::filesystem::copy_options::recursive);
  const auto file = content.path / "pages" / "1776.page";
  std::string text = ReadTextFile(file);
  text.replace(text.find("person 4 Saffin"), 15, "person 9 Saffin");
  text.replace(text.find("thing 9 the inkstand"), 20, "thing 4 the inkstand");
  std::ofstream(file, std::ios::trunc) << text;
  const std::string problems = Problems(content.path);
  EXPECT_NE(problems.find("Saffin (1776) must have the value 4\n"), std::string::npos) << problems;
  EXPECT_EQ(kRosterCells.size(), 38u);
}

}  // namespace
}  // namespace quenna::datakit
