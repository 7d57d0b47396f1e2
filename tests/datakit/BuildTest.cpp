#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "Build.h"
#include "Folders.h"
#include "scene/SceneFiles.h"
#include "scene/ShiftedText.h"
#include "talk/Roster.h"

namespace quenna::datakit {
namespace {

using testing::kContent;
using testing::TempFolder;

std::map<std::string, std::string> FolderBytes(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream stream(entry.path(), std::ios::binary);
    files[std::filesystem::relative(entry.path(), folder).string()] =
        std::string(std::istreambuf_iterator<char>(stream), {});
  }
  return files;
}

// The same sources always give the same data folder, byte for byte, with every file
// the game reads at start-up and on the fourteen pages.
TEST(BuildData, SameSourcesSameBytes) {
  TempFolder first;
  TempFolder second;
  std::ostringstream log;
  BuildDataFolder(kContent, first.path, log);
  BuildDataFolder(kContent, second.path, log);
  const auto a = FolderBytes(first.path);
  const auto b = FolderBytes(second.path);
  ASSERT_EQ(a.size(), b.size());
  for (const auto& [name, bytes] : a) {
    ASSERT_TRUE(b.count(name)) << name;
    EXPECT_TRUE(bytes == b.at(name)) << name << " differs between two builds";
  }
  for (const char* name :
       {"2grdata.", "quenna.jpg", "virtues.jpg", "gold.jpg", "ORNH.HLP", "points2.wav",
        "sndoff.wav", "scenes/cover1x1.jpg", "scenes/cover1x2.jpg", "scenes/17161x1.jpg",
        "scenes/17851x1.jpg", "closeups/ornhd1x1.jpg", "intro/orn2.wav", "data/grid01.dat",
        "data/grid14.dat", "data/orn9.dat", "data/ornA.dat", "data/ornE.dat"}) {
    EXPECT_TRUE(a.count(name)) << name << " was not built";
  }
}

// The message and narration files read back, through the game's own reader, as the
// lines and paragraphs the page source gives: line n for value n, line 0 for nothing.
TEST(BuildData, TextsReadBackAsWritten) {
  const std::vector<PageSource> pages = ReadAllPages(kContent);
  ASSERT_EQ(pages.size(), 14u);
  for (const PageSource& page : pages) {
    SCOPED_TRACE(page.scene.file);
    const auto stored = EncodeShiftedText(MessageText(page));
    const auto lines = SplitLines(DecodeShiftedText(stored));
    EXPECT_EQ(LineAt(lines, 0), page.nothing);
    for (const Clickable& clickable : page.scene.clickables) {
      EXPECT_EQ(LineAt(lines, clickable.value), clickable.look);
      if (clickable.heldValue) {
        EXPECT_EQ(LineAt(lines, clickable.heldValue), clickable.heldLook);
      }
    }
    const std::string story = NarrationText(page);
    EXPECT_EQ(DecodeShiftedText(EncodeShiftedText(story)), story);
    EXPECT_EQ(story.find(page.narration[0]), 0u);
  }
}

// A mistake in one page stops the build before anything is written, so the data
// folder of the last good build stays whole; the message names the file and line.
TEST(BuildData, AMistakeLeavesTheOldFolderAlone) {
  TempFolder content;
  TempFolder data;
  std::filesystem::copy(kContent, content.path, std::filesystem::copy_options::recursive);
  std::ostringstream log;
  BuildDataFolder(content.path, data.path, log);
  const auto before = FolderBytes(data.path);

  const auto page = content.path / "pages" / "1723.page";
  std::string text = ReadTextFile(page);
  text.replace(text.find("person 1 Mirrel"), 15, "person 1 Mirrel\n  draw crate at 1,1 size 1x1");
  std::ofstream(page, std::ios::trunc) << text;
  try {
    BuildDataFolder(content.path, data.path, log);
    ADD_FAILURE() << "the broken page was built";
  } catch (const ContentError& error) {
    EXPECT_NE(std::string(error.what()).find("1723.page:"), std::string::npos) << error.what();
    EXPECT_NE(std::string(error.what()).find("a person is drawn with \"figure\""),
              std::string::npos)
        << error.what();
  }
  EXPECT_TRUE(FolderBytes(data.path) == before);
}

// A look line too long for the message box, a narration longer than the game reads,
// and a thing that ends up clickable nowhere are all refused.
TEST(BuildData, TextsMustFitAndThingsMustBeClickable) {
  const std::string head =
      "page 1716\nbackdrop plain\nnothing N\nthing 1 box\n  draw patch at 1,1 size 2x2\n";
  PageSource page =
      ParsePageSource(head + "  look " + std::string(300, 'x') + "\nnarration\nStory.\n", "t.page");
  try {
    MessageText(page);
    ADD_FAILURE();
  } catch (const ContentError& error) {
    EXPECT_EQ(std::string(error.what()),
              "t.page:4: this look line has 300 characters; the message box shows about 280: make "
              "it shorter");
  }
  page = ParsePageSource(head + "  look L\nnarration\n" + std::string(4801, 'y') + "\n", "t.page");
  EXPECT_THROW(NarrationText(page), ContentError);

  TempFolder content;
  TempFolder data;
  std::filesystem::copy(kContent, content.path, std::filesystem::copy_options::recursive);
  const auto file = content.path / "pages" / "1716.page";
  std::string text = ReadTextFile(file);
  // The ducks swim away behind the planks, which are drawn after them.
  const std::string ducks = "draw ducks at 7,7.95 size 3.9x1.05 count=4";
  ASSERT_NE(text.find(ducks), std::string::npos);
  text.replace(text.find(ducks), ducks.size(), "draw ducks at 16.5,15.8 size 1x1 count=1");
  std::ofstream(file, std::ios::trunc) << text;
  std::ostringstream log;
  try {
    BuildDataFolder(content.path, data.path, log);
    ADD_FAILURE() << "a thing clickable nowhere was built";
  } catch (const ContentError& error) {
    EXPECT_NE(std::string(error.what()).find("\"the ducks\" (value 9) is not clickable anywhere"),
              std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace quenna::datakit

namespace quenna::datakit {
namespace {

// The date book has exactly fourteen pages: a missing year or a year written twice is
// named before anything is built.
TEST(BuildData, EveryYearExactlyOnce) {
  TempFolder content;
  std::filesystem::copy(testing::kContent, content.path, std::filesystem::copy_options::recursive);
  std::filesystem::remove(content.path / "pages" / "1752.page");
  try {
    ReadAllPages(content.path);
    ADD_FAILURE() << "a missing page was accepted";
  } catch (const ContentError& error) {
    EXPECT_NE(std::string(error.what()).find("there is no page for 1752"), std::string::npos)
        << error.what();
  }
  std::filesystem::copy(testing::kContent / "pages" / "1752.page",
                        content.path / "pages" / "1752.page");
  std::filesystem::copy(testing::kContent / "pages" / "1752.page",
                        content.path / "pages" / "storm.page");
  try {
    ReadAllPages(content.path);
    ADD_FAILURE() << "a year written twice was accepted";
  } catch (const ContentError& error) {
    EXPECT_NE(std::string(error.what()).find("the year 1752 is also the page of"),
              std::string::npos)
        << error.what();
  }
}

// Each picture file makes its own game path; two files making the same one are refused.
TEST(BuildData, EveryPictureOnce) {
  TempFolder content;
  std::filesystem::copy(testing::kContent, content.path, std::filesystem::copy_options::recursive);
  const auto pictures = ReadAllPictures(content.path);
  std::vector<std::string> outputs;
  for (const auto& picture : pictures) outputs.push_back(picture.output);
  std::sort(outputs.begin(), outputs.end());
  std::vector<std::string> expected = {"closeups//ornhd1x1.jpg",
                                       "gold.jpg",
                                       "intro//bookdesk.jpg",
                                       "intro//epitaph.jpg",
                                       "intro//speech.jpg",
                                       "intro//teacher.jpg",
                                       "intro//wink.jpg",
                                       "intro/intro1.jpg",
                                       "intro/openbk1.jpg",
                                       "intro/quennasleep1.jpg",
                                       "intro/quennasleep2.jpg",
                                       "intro\\intro.jpg",
                                       "intro\\quennasleep3.jpg",
                                       "quenna.jpg",
                                       "scenes//cover1x1.jpg",
                                       "scenes//cover1x2.jpg",
                                       "virtues.jpg"};
  for (const RosterRow& row : kRoster) expected.emplace_back(row.picture);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(outputs, expected);
  std::filesystem::copy(content.path / "pictures" / "gold.picture",
                        content.path / "pictures" / "gold2.picture");
  EXPECT_THROW(ReadAllPictures(content.path), ContentError);
  // The same file under other separators is the same file.
  std::filesystem::remove(content.path / "pictures" / "gold2.picture");
  std::ofstream(content.path / "pictures" / "classroom.picture")
      << "picture intro\\intro1.jpg size 801x582\nbackdrop plain\n";
  try {
    ReadAllPictures(content.path);
    ADD_FAILURE() << "a second classroom was accepted";
  } catch (const ContentError& error) {
    EXPECT_NE(std::string(error.what()).find("is also made by"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace quenna::datakit
