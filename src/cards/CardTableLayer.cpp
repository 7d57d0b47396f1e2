#include "cards/CardTableLayer.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "cards/CardPictures.h"
#include "cards/CardRound.h"

namespace quenna {
namespace {

const QColor kGold(255, 208, 84);
const QColor kCursorBlue(110, 214, 255);
constexpr double kCorner = 3.5;

QRectF PlaceOf(int slot) {
  return QRectF(SlotX(slot), SlotY(slot), kCardWidth, kCardHeight);
}

// A face drawn anywhere on the table: its corners are cut round, since the picture's own
// corners show the felt of a card place.
void DrawFace(QPainter& painter, const CardCode& code, const QRectF& box) {
  QPainterPath outline;
  outline.addRoundedRect(box, kCorner, kCorner);
  painter.save();
  painter.setClipPath(outline);
  painter.drawImage(box, CardPicture(code));
  painter.restore();
}

// When each card of a won table lights up, as a share of the whole celebration: column
// by column, the three rows together, over the first four fifths; the rest is for
// looking at the lit table.
constexpr double kLightingShare = 0.8;
// How long a card takes to settle after it lights, in the same share.
constexpr double kSettling = 0.12;

double LightsAt(int slot) {
  const int order = ColumnOf(slot) * kTableRows + RowOf(slot);
  return kLightingShare * order / (kRanks * kTableRows);
}

}  // namespace

CardTableLayer::CardTableLayer(QWidget* table) : QWidget(table) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(table->rect());
}

void CardTableLayer::SetMarks(Marks marks) {
  if (marks == marks_) return;
  marks_ = std::move(marks);
  update();
}

void CardTableLayer::SetCelebration(const Slots& layout, double progress) {
  lit_ = layout;
  celebration_ = progress;
  update();
}

void CardTableLayer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);

  if (marks_.emptyPlace != kNoSlot) {
    // The lifted card's place: bare felt, outlined so the eye finds where it came from.
    painter.setBrush(QColor(255, 240, 220, 28));
    painter.setPen(QPen(QColor(255, 236, 200, 200), 1.5, Qt::DashLine));
    painter.drawRoundedRect(PlaceOf(marks_.emptyPlace).adjusted(1, 1, -1, -1), kCorner, kCorner);
  }
  for (int gap : marks_.gaps) {
    const QRectF place = PlaceOf(gap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kGold.red(), kGold.green(), kGold.blue(), 60));
    painter.drawRoundedRect(place.adjusted(-2, -2, 2, 2), kCorner + 2, kCorner + 2);
    painter.setPen(QPen(kGold, 2.5));
    painter.setBrush(QColor(kGold.red(), kGold.green(), kGold.blue(), 70));
    painter.drawRoundedRect(place.adjusted(1, 1, -1, -1), kCorner, kCorner);
  }
  if (marks_.cursor != kNoSlot) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 160), 4));
    painter.drawRoundedRect(PlaceOf(marks_.cursor).adjusted(-2, -2, 2, 2), kCorner + 2,
                            kCorner + 2);
    painter.setPen(QPen(kCursorBlue, 2));
    painter.drawRoundedRect(PlaceOf(marks_.cursor).adjusted(-2, -2, 2, 2), kCorner + 2,
                            kCorner + 2);
  }

  if (celebration_ >= 0) {
    for (int slot = 0; slot < kTableSlots; ++slot) {
      const CardCode& code = lit_[static_cast<std::size_t>(slot)];
      if (IsGap(code) || celebration_ < LightsAt(slot)) continue;
      // Each card rises a little as it lights and settles back with a golden rim.
      const double age = std::min(1.0, (celebration_ - LightsAt(slot)) / kSettling);
      const double rise = std::sin(age * std::numbers::pi);
      const QRectF place = PlaceOf(slot);
      const double grow = 3.0 * rise;
      const QRectF box = place.adjusted(-grow, -grow, grow, grow).translated(0, -3.0 * rise);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(255, 214, 100, static_cast<int>(40 + 140 * (1 - age))));
      painter.drawRoundedRect(box.adjusted(-4, -4, 4, 4), kCorner + 4, kCorner + 4);
      DrawFace(painter, code, box);
      painter.setBrush(QColor(255, 250, 220, static_cast<int>(110 * (1 - age))));
      painter.drawRoundedRect(box, kCorner, kCorner);
      painter.setBrush(Qt::NoBrush);
      painter.setPen(QPen(kGold, 1.5));
      painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), kCorner, kCorner);
    }
  }

  if (!marks_.held.empty()) {
    const QRectF box(marks_.heldAt, QSizeF(kCardWidth, kCardHeight));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(box.translated(4, 5), kCorner, kCorner);
    DrawFace(painter, marks_.held, box);
  }
}

}  // namespace quenna
