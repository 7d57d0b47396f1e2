#include "cards/TCardStatistics.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QVBoxLayout>

#include <optional>

#include "cards/CardSettings.h"
#include "core/WidgetStyle.h"

namespace quenna {
namespace {

QString Figure(const std::optional<int>& value) {
  return value ? QString::number(*value) : QString("-");
}

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(TimesFont(17, true));
  return label;
}

}  // namespace

TCardStatistics::TCardStatistics(Platform& platform, QWidget* parent)
    : GameDialog(platform, parent) {
  setWindowTitle("Card Game Statistics");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  auto* table = new QGridLayout;
  table->setHorizontalSpacing(24);
  table->setVerticalSpacing(8);
  const std::array<const char*, 3> columns = {"Games won", "Fewest redeals", "Best points"};
  for (std::size_t column = 0; column < columns.size(); ++column) {
    table->addWidget(Heading(columns[column], this), 0, static_cast<int>(column) + 1,
                     Qt::AlignRight);
  }
  for (int skill = kEasySkill; skill <= kDifficultSkill; ++skill) {
    const std::string_view name = SkillName(skill);
    table->addWidget(Heading(QString::fromUtf8(name.data(), static_cast<int>(name.size())), this),
                     skill, 0);
    for (int column = 0; column < 3; ++column) {
      auto* figure = new QLabel(this);
      figure->setFont(TimesFont(17));
      figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      Figures[static_cast<std::size_t>(skill - 1)][static_cast<std::size_t>(column)] = figure;
      table->addWidget(figure, skill, column + 1);
    }
  }

  ResetBtn = new QPushButton("Reset", this);
  CloseBtn = new QPushButton("Close", this);
  CloseBtn->setDefault(true);
  OnClick(ResetBtn, &TCardStatistics::ResetClick);
  OnClick(CloseBtn, &TCardStatistics::CloseClick);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ResetBtn);
  buttons->addStretch();
  buttons->addWidget(CloseBtn);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 16, 20, 16);
  layout->setSpacing(18);
  layout->addLayout(table);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ShowFigures();
  CloseBtn->setFocus();
}

void TCardStatistics::ShowFigures() {
  for (int skill = kEasySkill; skill <= kDifficultSkill; ++skill) {
    const SkillRecord record = ReadSkillRecord(platform_, skill);
    auto& row = Figures[static_cast<std::size_t>(skill - 1)];
    row[0]->setText(QString::number(record.gamesWon));
    row[1]->setText(Figure(record.fewestRedeals));
    row[2]->setText(Figure(record.bestPoints));
  }
}

void TCardStatistics::ResetClick() {
  // Years of records go with one press: the player says so once more first.
  QMessageBox ask(QMessageBox::Question, windowTitle(),
                  "Clear the games won, fewest redeals and best points of all three skills?",
                  QMessageBox::NoButton, this);
  QPushButton* clear = ask.addButton("Reset", QMessageBox::DestructiveRole);
  ask.setDefaultButton(ask.addButton("Keep", QMessageBox::RejectRole));
  platform_.ShowModal(ask);
  if (ask.clickedButton() != clear) return;
  for (int skill = kEasySkill; skill <= kDifficultSkill; ++skill) {
    WriteSkillRecord(platform_, skill, SkillRecord{});
  }
  ShowFigures();
}

void TCardStatistics::CloseClick() {
  Close();
}

}  // namespace quenna
