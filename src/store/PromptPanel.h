#pragma once

#include <QLabel>
#include <QPushButton>
#include <QSize>
#include <QString>

namespace quenna {

// The two save prompts are given by their outer size, title bar and borders included;
// the panel fills what is inside them.
inline constexpr QSize kPromptFrame(6, 25);

// The silver panel that fills a save prompt: its caption is the question, centred.
QLabel* MakePromptPanel(QWidget* window, const QString& question, int pixels);
// A push button of a prompt at its place on the panel.
QPushButton* MakePromptButton(const QString& caption, QLabel* panel, QRect geometry);

}  // namespace quenna
