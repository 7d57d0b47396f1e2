#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace quenna {

// The colours and fonts the game's windows are drawn with.
inline const QColor kSilver(192, 192, 192);
inline const QColor kNavy(0, 0, 128);
inline const QColor kGrey(128, 128, 128);

// "Times New Roman" is found through fontconfig (Liberation Serif on Debian); sizes
// the windows give in pixels stay pixels, so the layout does not depend on the DPI.
inline QFont TimesFont(int pixels, bool bold = false, bool italic = false) {
  QFont font("Times New Roman");
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

// Font sizes the game gives in points.
inline void SetPointSize(QWidget* widget, int points) {
  QFont font = widget->font();
  font.setPointSize(points);
  widget->setFont(font);
}

// Text that cannot be used: a disabled button's caption, whatever colour it has otherwise.
inline const QColor kGreyedText(128, 128, 128);

// The colour of the text of a widget and of the controls in it. Disabled ones show their
// text greyed, so a button that cannot be pressed does not look as if it could.
inline void SetTextColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    palette.setColor(QPalette::Disabled, role, kGreyedText);
  }
  widget->setPalette(palette);
}

inline void SetBackground(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  palette.setColor(QPalette::Base, color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace quenna
