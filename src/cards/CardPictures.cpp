#include "cards/CardPictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <map>
#include <string>

#include "cards/CardTable.h"
#include "core/WorldTables.h"
#include "platform/GameError.h"

namespace quenna {
namespace {

constexpr int kGrainWidth = 45;
constexpr int kGrainHeight = 90;
// Card places start at (5, 100); the grain is laid from there.
constexpr int kGrainLeft = 5;
constexpr int kGrainTop = 100;
constexpr int kStripTop = 388;

const QColor kFelt(112, 20, 28);
const QColor kFeltRim(64, 8, 14);

// A fixed grain: small brightness steps, softened over their neighbours, the same on
// every run so the pictures never change between runs.
const std::array<int, kGrainWidth * kGrainHeight>& Grain() {
  static const auto grain = [] {
    std::array<int, kGrainWidth * kGrainHeight> raw{};
    std::uint32_t seed = 20240611u;
    for (int& value : raw) {
      seed = seed * 1664525u + 1013904223u;
      value = static_cast<int>((seed >> 24) % 15) - 7;
    }
    std::array<int, kGrainWidth * kGrainHeight> soft{};
    for (int y = 0; y < kGrainHeight; ++y) {
      for (int x = 0; x < kGrainWidth; ++x) {
        int sum = 2 * raw[static_cast<std::size_t>(y * kGrainWidth + x)];
        sum += raw[static_cast<std::size_t>(y * kGrainWidth + (x + 1) % kGrainWidth)];
        sum += raw[static_cast<std::size_t>(((y + 1) % kGrainHeight) * kGrainWidth + x)];
        soft[static_cast<std::size_t>(y * kGrainWidth + x)] = sum / 2;
      }
    }
    return soft;
  }();
  return grain;
}

QRgb FeltAt(int x, int y) {
  const int gx = ((x - kGrainLeft) % kGrainWidth + kGrainWidth) % kGrainWidth;
  const int gy = ((y - kGrainTop) % kGrainHeight + kGrainHeight) % kGrainHeight;
  const int step = Grain()[static_cast<std::size_t>(gy * kGrainWidth + gx)];
  auto channel = [step](int value) { return std::clamp(value + step, 0, 255); };
  return qRgb(channel(kFelt.red()), channel(kFelt.green() + step / 3), channel(kFelt.blue()));
}

// Felt as it lies at (left, top) of the table.
QImage FeltPatch(int left, int top, int width, int height) {
  QImage patch(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(patch.scanLine(y));
    for (int x = 0; x < width; ++x) line[x] = FeltAt(left + x, top + y);
  }
  return patch;
}

struct FaceColours {
  QColor ground;
  QColor frame;
  QColor name;
  QColor rank;
};

FaceColours ColoursOf(char colour) {
  switch (colour) {
    case 'R':
      return {QColor(184, 32, 38), QColor(255, 214, 160), QColor(255, 236, 214), Qt::white};
    case 'B':
      return {QColor(34, 66, 156), QColor(168, 196, 255), QColor(222, 232, 255), Qt::white};
    default:
      return {QColor(248, 246, 238), QColor(186, 152, 84), QColor(92, 26, 30), QColor(28, 28, 44)};
  }
}

// The virtue name as it stands on a card: without the full stop, capitalised.
QString CardVirtueName(int rank) {
  std::string_view name = VirtueName(rank);
  if (!name.empty() && name.back() == '.') name.remove_suffix(1);
  QString text = QString::fromLatin1(name.data(), static_cast<int>(name.size()));
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

// Paints a face in a 40 x 60 box at the painter's origin.
void PaintFace(QPainter& painter, const CardCode& code) {
  const FaceColours colours = ColoursOf(code[1]);
  const int rank = RankOf(code[0]);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  const QRectF outline(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0);
  painter.setPen(QPen(QColor(20, 16, 16), 1.0));
  painter.setBrush(colours.ground);
  painter.drawRoundedRect(outline, 3.5, 3.5);
  painter.setPen(QPen(colours.frame, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(outline.adjusted(2, 2, -2, -2), 2, 2);

  // The virtue's name, as large as fits across the card.
  const QString name = CardVirtueName(rank);
  const QRectF nameBox(4, 4, kCardWidth - 8, 10);
  QFont nameFont("Liberation Sans Narrow");
  nameFont.setBold(true);
  double width = 0;
  for (int pixels = 9; pixels >= 7; --pixels) {
    nameFont.setPixelSize(pixels);
    width = QFontMetricsF(nameFont).horizontalAdvance(name);
    if (width <= nameBox.width()) break;
  }
  painter.setFont(nameFont);
  painter.setPen(colours.name);
  if (width <= nameBox.width()) {
    painter.drawText(nameBox, Qt::AlignHCenter | Qt::AlignVCenter, name);
  } else {
    // The longest names are squeezed across rather than set smaller still.
    painter.save();
    painter.translate(nameBox.left(), 0);
    painter.scale(nameBox.width() / width, 1.0);
    painter.drawText(QRectF(0, nameBox.top(), width, nameBox.height()),
                     Qt::AlignHCenter | Qt::AlignVCenter, name);
    painter.restore();
  }

  // A short rule under the name.
  painter.setPen(QPen(colours.frame, 1.0));
  painter.drawLine(QPointF(12, 15.5), QPointF(kCardWidth - 12, 15.5));

  QFont rankFont("Times New Roman");
  rankFont.setBold(true);
  rankFont.setPixelSize(rank >= 10 ? 24 : 28);
  painter.setFont(rankFont);
  painter.setPen(colours.rank);
  painter.drawText(QRectF(0, 17, kCardWidth, 33), Qt::AlignHCenter | Qt::AlignVCenter,
                   QString::number(rank));

  // A small diamond at the foot.
  QPainterPath diamond;
  diamond.moveTo(20, 50);
  diamond.lineTo(23, 53.5);
  diamond.lineTo(20, 57);
  diamond.lineTo(17, 53.5);
  diamond.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(colours.frame);
  painter.drawPath(diamond);
  painter.restore();
}

QImage MakeFace(const CardCode& code) {
  // The rounded corners show the felt of a card place.
  QImage face = FeltPatch(kGrainLeft, kGrainTop, kCardWidth, kCardHeight);
  QPainter painter(&face);
  PaintFace(painter, code);
  return face;
}

QImage MakeTable() {
  QImage table = FeltPatch(0, 0, kTableWidth, kTableHeight);
  QPainter painter(&table);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kFeltRim);
  // A dark rim along the felt's edges, clear of every card place.
  painter.drawRect(0, 0, kTableWidth, 2);
  painter.drawRect(0, 0, 2, kStripTop);
  painter.drawRect(kTableWidth - 2, 0, 2, kStripTop);
  painter.setBrush(Qt::black);
  painter.drawRect(0, kStripTop, kTableWidth, kTableHeight - kStripTop);
  painter.setBrush(QColor(150, 112, 52));
  painter.drawRect(0, kStripTop - 1, kTableWidth, 1);

  // Three cards fanned at the lower middle, all inside the patch that covers them.
  painter.setClipRect(kPatchLeft, kPatchTop, 120, 59);
  painter.setRenderHint(QPainter::Antialiasing);
  const std::array<CardCode, 3> fan = {"DR", "DB", "DW"};
  const std::array<double, 3> angles = {-12.0, 0.0, 12.0};
  const std::array<double, 3> centres = {301.0, 334.0, 367.0};
  for (std::size_t i = 0; i < fan.size(); ++i) {
    painter.save();
    painter.translate(centres[i], 337.5);
    painter.rotate(angles[i]);
    painter.scale(0.84, 0.84);
    painter.translate(-kCardWidth / 2.0, -kCardHeight / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(QRectF(1.5, 1.5, kCardWidth, kCardHeight), 4, 4);
    PaintFace(painter, fan[i]);
    painter.restore();
  }
  return table;
}

QImage MakePicture(std::string_view name) {
  if (name == "BP") return MakeTable();
  if (name == "P2") return FeltPatch(kPatchLeft, kPatchTop, 120, 59);
  if (name == "GAP") return FeltPatch(kGrainLeft, kGrainTop, kCardWidth, kCardHeight);
  if (name.size() == 2 && RankOf(name[0]) != 0 &&
      kColourCharacters.find(name[1]) != std::string_view::npos) {
    return MakeFace(CardCode(name));
  }
  throw GameError("The card table has no picture named \"" + std::string(name) + "\".");
}

}  // namespace

const QImage& CardPicture(std::string_view name) {
  static std::map<std::string, QImage, std::less<>> pictures;
  auto found = pictures.find(name);
  if (found == pictures.end()) {
    found = pictures.emplace(std::string(name), MakePicture(name)).first;
  }
  return found->second;
}

}  // namespace quenna
