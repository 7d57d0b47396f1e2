#pragma once

#include <QPoint>
#include <QWidget>

#include <vector>

#include "cards/CardTable.h"

namespace quenna {

// What the card window draws over the table picture, which itself only ever shows the
// cards in their places: the marks of a lifted card (its empty place outlined, the gaps
// that take it lit), the keyboard's cursor, the card in hand, and the lights of a won
// table. It lies on the whole table and lets every press through to it.
class CardTableLayer : public QWidget {
  Q_OBJECT

 public:
  explicit CardTableLayer(QWidget* table);

  struct Marks {
    int emptyPlace = kNoSlot;  // where the lifted card was taken from
    std::vector<int> gaps;     // the gaps that take it
    int cursor = kNoSlot;      // the keyboard's cursor, when it shows
    CardCode held;             // the card in hand, or nothing
    QPoint heldAt;             // the top-left corner of the card in hand
    bool operator==(const Marks&) const = default;
  };
  void SetMarks(Marks marks);
  const Marks& Shown() const { return marks_; }

  // The lights of a won table: from progress 0 to 1 the cards of `layout` light up one
  // after another, column by column from the first; below 0 nothing is lit.
  void SetCelebration(const Slots& layout, double progress);
  double Celebration() const { return celebration_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Marks marks_;
  Slots lit_;
  double celebration_ = -1;
};

}  // namespace quenna
