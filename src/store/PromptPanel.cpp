#include "store/PromptPanel.h"

#include "core/WidgetStyle.h"

namespace quenna {

QLabel* MakePromptPanel(QWidget* window, const QString& question, int pixels) {
  auto* panel = new QLabel(question, window);
  panel->setGeometry(window->rect());
  panel->setAlignment(Qt::AlignCenter);
  panel->setFont(TimesFont(pixels));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(1);
  SetBackground(panel, kSilver);
  SetTextColor(panel, Qt::black);
  return panel;
}

QPushButton* MakePromptButton(const QString& caption, QLabel* panel, QRect geometry) {
  auto* button = new QPushButton(caption, panel);
  button->setGeometry(geometry);
  return button;
}

}  // namespace quenna
