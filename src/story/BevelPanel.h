#pragma once

#include <QColor>
#include <QWidget>

#include <vector>

namespace quenna {

// A panel framed the way the game's windows frame their pictures and texts: a few rings
// of bevel or flat border, listed from the outside in, around a plain background.
class BevelPanel : public QWidget {
  Q_OBJECT

 public:
  enum class Edge {
    Raised,   // light above and left, shadow below and right
    Lowered,  // the reverse
    Flat,     // the background colour
    Well,     // the two-line sunken edge of a single-bordered panel (width 2)
  };
  struct Ring {
    Edge edge;
    int width;
  };

  BevelPanel(std::vector<Ring> rings, const QColor& background, QWidget* parent);

  // Width of all rings together: where the inside of the panel begins.
  int FrameWidth() const;
  // The part inside the rings.
  QRect Inside() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Ring> rings_;
};

}  // namespace quenna
