#include "store/ProgressReport.h"

#include <QBuffer>
#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include "core/WorldTables.h"
#include "store/PlayerFiles.h"
#include "store/ProgressChart.h"

namespace quenna {
namespace {

// The chart is drawn this size for the report and shown at half of it, so it stays sharp
// on paper.
const QSize kChartPicture(1600, 760);
constexpr int kChartShownWidth = 640;
const QString kChartResource = QStringLiteral("chart.png");

QString Html(const std::string& text) {
  return QString::fromStdString(text).toHtmlEscaped();
}

QString VirtueWord(int virtue) {
  QString name = QString::fromLatin1(VirtueName(virtue).data(),
                                     static_cast<qsizetype>(VirtueName(virtue).size()));
  name.chop(1);
  return name;
}

QString Count(int n, const QString& one, const QString& many) {
  return QString::number(n) + " " + (n == 1 ? one : many);
}

}  // namespace

QString YearOfPage(int page) {
  const std::string_view year = kDateTabs.at(static_cast<std::size_t>(page)).tabCaption;
  return QString::fromLatin1(year.data(), static_cast<qsizetype>(year.size()));
}

QString AnswerText(char letter, const std::string& text) {
  if (letter == 0) return QStringLiteral("(none)");
  const QString answer = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QString mark = QString(QChar::fromLatin1(letter));
  if (answer.startsWith(mark + ".") || answer.startsWith(mark + ")")) return answer;
  return mark + ". " + answer;
}

QString FactsText(const ProgressView& view) {
  const int levels =
      static_cast<int>(std::count(view.levelShown.begin(), view.levelShown.end(), true));
  const int questions = static_cast<int>(view.questions.size());
  if (questions == 0 && levels == 0)
    return "No question was answered and no level finished in this time.";
  QString text = Count(questions, "question", "questions") +
                 " answered: " + QString::number(view.answeredRight) + " right in the end, " +
                 QString::number(view.rightFirstTime) + " of them at the first try; " +
                 Count(view.wrongTries, "wrong answer", "wrong answers") + " in all. ";
  text +=
      Count(levels, "level", "levels") + " finished, " + Count(view.total, "point", "points") + ".";
  return text;
}

namespace {

void LevelTableHtml(QString& html, const ProgressView& view) {
  html += "<h3>Points per level</h3>\n";
  if (std::none_of(view.levelShown.begin(), view.levelShown.end(), [](bool b) { return b; })) {
    html += "<p>No level was finished in this time.</p>\n";
    return;
  }
  html += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n<thead><tr><th>Level</th>";
  for (int virtue = 1; virtue <= kVirtueCount; ++virtue) {
    const QString word = VirtueWord(virtue);
    html += "<th title=\"" + word + "\">" + word.left(3).replace(0, 1, word[0].toUpper()) + "</th>";
  }
  html += "<th>Sum</th></tr></thead>\n";
  for (std::size_t row = 0; row < view.levels.size(); ++row) {
    if (!view.levelShown[row]) continue;
    html += "<tr><td align=\"right\">" + QString::number(row + 1) + "</td>";
    int sum = 0;
    for (const int points : view.levels[row]) {
      html += "<td align=\"right\">" + QString::number(points) + "</td>";
      sum += points;
    }
    html += "<td align=\"right\"><b>" + QString::number(sum) + "</b></td></tr>\n";
  }
  html += "<tr><td><b>All</b></td>";
  for (const int points : view.virtueTotals) {
    html += "<td align=\"right\"><b>" + QString::number(points) + "</b></td>";
  }
  html += "<td align=\"right\"><b>" + QString::number(view.total) + "</b></td></tr>\n</table>\n";
}

void QuestionTableHtml(QString& html, const ProgressView& view) {
  html += "<h3>Questions</h3>\n";
  if (view.questions.empty()) {
    html += "<p>No question was answered in this time.</p>\n";
    return;
  }
  html +=
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">\n<thead><tr>"
      "<th width=\"12%\">When</th><th width=\"6%\">Level</th><th width=\"11%\">Who</th>"
      "<th width=\"25%\">Question</th><th width=\"24%\">Answers given</th>"
      "<th width=\"16%\">Right answer</th><th width=\"6%\">Tries</th></tr></thead>\n";
  for (const QuestionProgress* question : view.questions) {
    html += "<tr><td>" + DayAndTimeText(question->Time()) + "</td>";
    html += "<td align=\"right\">" + QString::number(question->Level()) + "</td>";
    html += "<td>" + Html(question->person) + ", " + YearOfPage(question->page) + "</td>";
    html += "<td>" + Html(question->questionText) + "</td><td>";
    for (std::size_t k = 0; k < question->tries.size(); ++k) {
      const AnswerTry& answer = question->tries[k];
      if (k > 0) html += "<br>";
      html += AnswerText(answer.letter, answer.text).toHtmlEscaped();
      html += answer.correct ? " <font color=\"#1a7f1a\">(right)</font>"
                             : " <font color=\"#b00020\">(wrong)</font>";
    }
    html +=
        "</td><td>" + AnswerText(question->right, question->rightText).toHtmlEscaped() + "</td>";
    html += "<td align=\"right\">" + QString::number(question->tries.size()) + "</td></tr>\n";
  }
  html += "</table>\n";
}

}  // namespace

QString DayText(std::int64_t secondsSince1970) {
  return QLocale(QLocale::English, QLocale::UnitedKingdom)
      .toString(QDateTime::fromSecsSinceEpoch(secondsSince1970).date(), "d MMMM yyyy");
}

QString DayAndTimeText(std::int64_t secondsSince1970) {
  return QLocale(QLocale::English, QLocale::UnitedKingdom)
      .toString(QDateTime::fromSecsSinceEpoch(secondsSince1970), "d MMM yyyy HH:mm");
}

QString ReportHtml(const ReportInput& input, const QString& chartSource) {
  const ProgressView& view = input.view;
  QString html =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
      "<title>Quenna 2: progress report</title>\n"
      "<style>body { font-family: 'Liberation Serif', 'Times New Roman', serif; }"
      " table { border-collapse: collapse; } th { background: #eeeeee; }"
      " img { max-width: 100%; height: auto; }</style>\n</head><body>\n";
  html += "<h1>Quenna 2: Orn Hollin Adventure</h1>\n";
  html += input.name.isEmpty()
              ? QString("<h2>Progress report</h2>\n")
              : "<h2>Progress report for " + input.name.toHtmlEscaped() + "</h2>\n";
  html += "<p>";
  if (view.firstTime != 0 || view.lastTime != 0) {
    const QString first = DayText(view.firstTime);
    const QString last = DayText(view.lastTime);
    html += first == last ? "On " + first + ". " : "From " + first + " to " + last + ". ";
  }
  html += input.selection.toHtmlEscaped() + "</p>\n";
  html += "<p>" + FactsText(view) + "</p>\n";
  html += "<h3>Virtue points per level</h3>\n";
  html += "<p><img src=\"" + chartSource + "\" width=\"" + QString::number(kChartShownWidth) +
          "\" alt=\"Virtue points per level\"></p>\n";
  LevelTableHtml(html, view);
  QuestionTableHtml(html, view);
  html += "<p><small>Made by Quenna 2 on " + DayText(QDateTime::currentSecsSinceEpoch()) +
          ".</small></p>\n</body></html>\n";
  return html;
}

QByteArray ReportHtmlFile(const ReportInput& input) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ProgressChartImage(input.view, kChartPicture).save(&buffer, "PNG");
  const QString source = "data:image/png;base64," + QString::fromLatin1(png.toBase64());
  return ReportHtml(input, source).toUtf8();
}

QByteArray ReportPdf(const ReportInput& input) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    // The document keeps a margin of its own, 2 cm all round.
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(input.name.isEmpty() ? "Quenna 2: progress report"
                                         : "Quenna 2: progress report for " + input.name);
    writer.setCreator("Quenna 2");
    QTextDocument document;
    QFont font("Liberation Serif");
    font.setPointSizeF(9.5);
    document.setDefaultFont(font);
    document.addResource(QTextDocument::ImageResource, QUrl(kChartResource),
                         ProgressChartImage(input.view, kChartPicture));
    document.setHtml(ReportHtml(input, kChartResource));
    document.print(&writer);
  }
  return bytes;
}

std::optional<std::string> SaveReport(const ReportInput& input, const std::filesystem::path& pdf,
                                      const std::filesystem::path& html) {
  const QByteArray pdfBytes = ReportPdf(input);
  if (auto problem = WriteWholeFile(pdf, std::string_view(pdfBytes.constData(), pdfBytes.size()))) {
    return pdf.filename().string() + ": " + *problem;
  }
  const QByteArray htmlBytes = ReportHtmlFile(input);
  if (auto problem =
          WriteWholeFile(html, std::string_view(htmlBytes.constData(), htmlBytes.size()))) {
    return html.filename().string() + ": " + *problem;
  }
  return std::nullopt;
}

}  // namespace quenna
