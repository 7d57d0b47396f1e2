#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "Source.h"

namespace quenna::datakit {

// The pen and brush helpers every painter shares, so that all pictures have one look:
// flat colours shaded from light at the top to darker at the bottom, outlined with a
// soft dark-brown ink line.
class Canvas {
 public:
  Canvas(QPainter& painter, double cell, std::uint32_t seed, LayerPart part);

  QPainter& p;
  const double cell;  // pixels per grid cell
  const LayerPart part;
  double line = 2.0;  // outline width in pixels

  static QColor Ink();
  // Fills a shape shaded top to bottom (shade 0 = flat) and outlines it.
  void Fill(const QPainterPath& path, const QColor& color, double shade = 0.14);
  void FillNoOutline(const QPainterPath& path, const QColor& color, double shade = 0.0);
  void Outline(const QPainterPath& path, double width = -1);
  void Box(const QRectF& rect, const QColor& color, double radius = 0, double shade = 0.14);
  void Oval(const QRectF& rect, const QColor& color, double shade = 0.14);
  void Poly(const std::vector<QPointF>& points, const QColor& color, double shade = 0.14);
  // A thick rounded stroke (a sleeve, a leg, a rope) with an ink edge.
  void Limb(const QPainterPath& path, const QColor& color, double width);
  void Stroke(const QPainterPath& path, const QColor& color, double width);
  void Segment(QPointF a, QPointF b, const QColor& color, double width);
  // Text centred in a box, in a serif face.
  void Lettering(const QRectF& box, const std::string& text, const QColor& color, double pixels,
                 bool bold = false, bool italic = false, int flags = Qt::AlignCenter);

  // Repeatable randomness: the same drawing at the same place always gets the same numbers.
  // Each draw goes in a statement of its own: the order of two draws within one expression
  // is the compiler's choice, and GCC and clang would paint different pictures. (Where a
  // point's y is drawn before its x, that is the order the pictures were first made in.)
  double Random(double low, double high);
  int RandomInt(int low, int high);

 private:
  std::mt19937 rng_;
};

using PaintFunction = void (*)(Canvas& canvas, const QRectF& box, const Params& params);

// A painter of the library: its name as the content writes it, its settings with their
// types and defaults ("sky:color=#9fd3f0 clouds:int=3 sun:flag kind:square|round=square"),
// and one line about what it draws.
struct PainterInfo {
  std::string_view name;
  std::string_view settings;
  PaintFunction paint;
  std::string_view about;
};

const std::vector<PainterInfo>& AllPainters();
const PainterInfo* FindPainter(std::string_view name);

// Checks the written settings of a painter call and fills in the defaults. Throws
// ContentError at pos for an unknown setting or a value of the wrong kind.
Params ResolveParams(const PainterInfo& painter, const std::vector<std::string>& words,
                     const SourcePos& pos);

// Colours shared by many painters, so that the same wood looks the same everywhere.
namespace palette {
inline const QColor kOak{176, 122, 72};
inline const QColor kWalnut{118, 78, 48};
inline const QColor kPine{214, 170, 110};
inline const QColor kIron{72, 74, 82};
inline const QColor kBrass{214, 170, 72};
inline const QColor kPaper{248, 242, 222};
inline const QColor kStone{176, 170, 158};
inline const QColor kLeaf{96, 156, 74};
}  // namespace palette

// The painters, by family; each file registers its own.
std::vector<PainterInfo> BackdropPainters();
std::vector<PainterInfo> FurniturePainters();
std::vector<PainterInfo> ObjectPainters();
std::vector<PainterInfo> OutdoorPainters();
std::vector<PainterInfo> FigurePainters();
std::vector<PainterInfo> SpecialPainters();
std::vector<PainterInfo> SlidePainters();

}  // namespace quenna::datakit
