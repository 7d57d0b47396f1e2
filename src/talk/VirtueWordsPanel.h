#pragma once

#include <QFrame>
#include <QLabel>

#include <string>

namespace quenna {

// A small panel over the virtue chart with the words that explain one virtue: its name as
// a heading, then one or two sentences for a child. A click on the panel puts it away.
class VirtueWordsPanel : public QFrame {
  Q_OBJECT

 public:
  // The panel lies on the chart, as wide as the chart's inside.
  explicit VirtueWordsPanel(QWidget* chart);

  // Shows the words of virtue 1..13 over the chart, of which the top visibleHeight pixels
  // can be seen; with no words (the file is missing) nothing shows.
  void Explain(int virtue, const std::string& words, int visibleHeight);
  int Virtue() const { return virtue_; }

  QLabel* Heading = nullptr;
  QLabel* Words = nullptr;

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int virtue_ = 0;
};

}  // namespace quenna
