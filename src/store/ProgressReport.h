#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "store/ProgressSummary.h"

namespace quenna {

// The printable report of the progress window, for a parent or a teacher: the child's
// name, the time it covers, the virtue chart, the points of every level and every
// question with the answers given and the right one. It is written twice with the same
// content: as a PDF to print and as an HTML page to open in a browser.
struct ReportInput {
  const ProgressView& view;
  QString name;       // empty: the report is made out to nobody
  QString selection;  // which games it covers, in words
};

// The report as an HTML page; the chart picture is taken from chartSource.
QString ReportHtml(const ReportInput& input, const QString& chartSource);
// The report as an HTML page that carries its chart inside, and as a PDF of A4 pages.
QByteArray ReportHtmlFile(const ReportInput& input);
QByteArray ReportPdf(const ReportInput& input);

// Writes both files, each whole or not at all. Nothing on success, else the file that
// could not be written and why.
std::optional<std::string> SaveReport(const ReportInput& input, const std::filesystem::path& pdf,
                                      const std::filesystem::path& html);

// The view's figures in a sentence or two: questions, right and wrong, levels, points.
QString FactsText(const ProgressView& view);

// The year of a date book page: "1746".
QString YearOfPage(int page);

// An answer as "B. Its text". Most dialogue files begin their answers with the letter
// already; those are shown as they are.
QString AnswerText(char letter, const std::string& text);

// Times as the report and the progress window show them, in the computer's time zone:
// "3 May 2024" and "3 May 2024 14:02".
QString DayText(std::int64_t secondsSince1970);
QString DayAndTimeText(std::int64_t secondsSince1970);

}  // namespace quenna
