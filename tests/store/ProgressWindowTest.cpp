#include <gtest/gtest.h>

#include <QFile>

#include <fstream>
#include <string>

#include "platform/FakePlatform.h"
#include "store/HighScoreTable.h"
#include "store/SampleJournal.h"
#include "store/TProgress.h"
#include "support/TempFolder.h"

namespace quenna {
namespace {

using testing::TempFolder;

QByteArray ReadBytes(const std::filesystem::path& file) {
  QFile in(QString::fromStdString(file.string()));
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

int Rows(const TProgress& window) {
  return window.QuestionTable->model()->rowCount({});
}

// "My Progress" after two whole games: the latest game is shown with the points of its
// level table and the name its final score has in the Hall of Fame; the games and the
// days can be chosen; "Save Report..." writes a PDF and an HTML page that names every
// question shown with the answers given and the right one.
TEST(ProgressWindow, ShowsTheLatestGameAndSavesAReportOfEveryQuestion) {
  TempFolder folder;
  const auto tables = testing::WriteSampleJournal(folder.Path() / "journal.jsonl", {{}, 2, 0, 3});
  HighScoreTable hallOfFame;
  hallOfFame.Set(0, 9999, "Tom");
  hallOfFame.Set(1, tables[1].PointsTotal(), "Mara_Lee");
  ASSERT_FALSE(WriteHighScoresFile(folder.Path() / "HighScores", hallOfFame, false));

  FakePlatform platform;
  TProgress window(platform, folder.Path(), nullptr);
  window.Load();
  const auto& games = window.Summary().Games();
  ASSERT_EQ(games.size(), 2u);
  ASSERT_EQ(window.GameBox->count(), 3);
  EXPECT_EQ(window.GameBox->itemText(0), "All games");
  EXPECT_TRUE(window.GameBox->itemText(1).startsWith("Game 2, begun with New Game on "));
  EXPECT_TRUE(window.GameBox->itemText(2).startsWith("Game 1, begun with Start Game on "));
  EXPECT_EQ(window.GameBox->currentIndex(), 1);
  EXPECT_EQ(window.NameEdit->text(), "Mara Lee");
  EXPECT_EQ(Rows(window), static_cast<int>(games[1].questions.size()));
  EXPECT_EQ(window.View().total, tables[1].PointsTotal());
  EXPECT_EQ(std::count(window.View().levelShown.begin(), window.View().levelShown.end(), true),
            LevelTable::kLastLevelPlayed);
  EXPECT_TRUE(window.Facts->text().endsWith("54 levels finished, " +
                                            QString::number(tables[1].PointsTotal()) + " points."));

  window.GameBox->setCurrentIndex(0);
  EXPECT_EQ(Rows(window), static_cast<int>(games[0].questions.size() + games[1].questions.size()));
  EXPECT_EQ(window.View().total, tables[0].PointsTotal() + tables[1].PointsTotal());
  window.FromDate->setDate(window.ToDate->date());
  EXPECT_GT(Rows(window), 0);
  EXPECT_LT(Rows(window), static_cast<int>(games[1].questions.size()));

  window.GameBox->setCurrentIndex(1);
  platform.AnswerFileDialog(folder.Path() / "Report for Mara");
  window.SaveReport->click();
  ASSERT_EQ(platform.FileDialogs().size(), 1u);
  EXPECT_EQ(platform.FileDialogs()[0].filter, "Reports|*.pdf");
  EXPECT_TRUE(platform.Errors().empty());
  const QByteArray pdf = ReadBytes(folder.Path() / "Report for Mara.pdf");
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_GT(pdf.size(), 20'000);
  const QString html = QString::fromUtf8(ReadBytes(folder.Path() / "Report for Mara.html"));
  EXPECT_TRUE(html.contains("<h2>Progress report for Mara Lee</h2>"));
  EXPECT_TRUE(html.contains("data:image/png;base64,"));
  for (const QuestionProgress* question : window.View().questions) {
    EXPECT_TRUE(html.contains(QString::fromStdString(question->questionText).toHtmlEscaped()));
    EXPECT_TRUE(html.contains(AnswerText(question->right, question->rightText).toHtmlEscaped()));
  }
  EXPECT_TRUE(window.Notice->text().startsWith(
      "The report was saved as \"Report for Mara.pdf\" and \"Report for Mara.html\""));

  platform.AnswerFileDialog(folder.Path() / "gone" / "report.pdf");
  window.SaveReport->click();
  ASSERT_EQ(platform.Errors().size(), 1u);
  EXPECT_EQ(platform.Errors()[0],
            "The report could not be saved. report.pdf: No such file or directory");
}

}  // namespace
}  // namespace quenna
