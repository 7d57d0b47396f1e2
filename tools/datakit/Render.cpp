#include "Render.h"

#include <QPainter>

#include "Painters.h"

namespace quenna::datakit {
namespace {

// FNV-1a over what identifies a drawing, so its random details never change unless
// the drawing does.
std::uint32_t SeedOf(const Drawing& drawing, std::size_t index) {
  std::uint32_t hash = 2166136261u;
  auto mix = [&hash](const std::string& text) {
    for (unsigned char c : text) {
      hash ^= c;
      hash *= 16777619u;
    }
  };
  mix(drawing.painter);
  mix(std::to_string(static_cast<long long>(drawing.cells.x() * 100)));
  mix(std::to_string(static_cast<long long>(drawing.cells.y() * 100)));
  mix(std::to_string(index));
  return hash;
}

}  // namespace

RenderedScene RenderScene(const Scene& scene, bool withPicture) {
  RenderedScene result;
  const int width = scene.width;
  const int height = scene.height;
  result.columns = (width + kCellPixels - 1) / kCellPixels;
  result.rows = (height + kCellPixels - 1) / kCellPixels;
  const std::size_t cellCount = static_cast<std::size_t>(result.columns) * kCellsPerColumn;
  result.drawnPixels.assign(scene.clickables.size(), std::vector<int>(cellCount, 0));
  for (auto& seen : result.seenPixels) seen.assign(cellCount, 0);

  QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::white);
  if (!scene.underlay.isNull()) {
    QPainter p(&picture);
    p.drawImage(QRect(0, 0, width, height), scene.underlay);
  }
  std::vector<std::uint8_t> owner(static_cast<std::size_t>(width) * height, 0);
  // The layer seen at each pixel, plus one (0: backdrop); layers are few, 16 bits are plenty.
  std::vector<std::uint16_t> ownerLayer(static_cast<std::size_t>(width) * height, 0);
  result.seenByLayer.assign(scene.layers.size(), {});
  result.layerValues.assign(scene.layers.size(), 0);
  QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);

  for (std::size_t index = 0; index < scene.layers.size(); ++index) {
    const Layer& item = scene.layers[index];
    const Drawing& drawing = item.drawing;
    const PainterInfo* painter = FindPainter(drawing.painter);
    layer.fill(Qt::transparent);
    {
      QPainter p(&layer);
      p.setRenderHint(QPainter::Antialiasing);
      p.setRenderHint(QPainter::TextAntialiasing);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      Canvas canvas(p, kCellPixels, SeedOf(drawing, index), item.part);
      const QRectF box(drawing.cells.x() * kCellPixels, drawing.cells.y() * kCellPixels,
                       drawing.cells.width() * kCellPixels, drawing.cells.height() * kCellPixels);
      painter->paint(canvas, box, drawing.params);
    }
    if (withPicture) {
      QPainter p(&picture);
      p.drawImage(0, 0, layer);
    }
    if (item.overlay) continue;
    result.layerValues[index] = item.value;
    if (item.clickable >= 0) result.seenByLayer[index].assign(cellCount, 0);
    for (int y = 0; y < height; ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
      for (int x = 0; x < width; ++x) {
        if (qAlpha(row[x]) < 128) continue;
        owner[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(item.value);
        ownerLayer[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint16_t>(index + 1);
        if (item.clickable >= 0) {
          const std::size_t cell =
              static_cast<std::size_t>(y / kCellPixels + kCellsPerColumn * (x / kCellPixels));
          if (cell < cellCount)
            ++result.drawnPixels[static_cast<std::size_t>(item.clickable)][cell];
        }
      }
    }
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t cell =
          static_cast<std::size_t>(y / kCellPixels + kCellsPerColumn * (x / kCellPixels));
      if (cell >= cellCount) continue;
      const std::size_t at = static_cast<std::size_t>(y) * width + x;
      ++result.seenPixels[owner[at]][cell];
      const int layerIndex = ownerLayer[at] - 1;
      if (layerIndex >= 0 && !result.seenByLayer[static_cast<std::size_t>(layerIndex)].empty()) {
        ++result.seenByLayer[static_cast<std::size_t>(layerIndex)][cell];
      }
    }
  }
  if (withPicture) result.picture = picture.convertToFormat(QImage::Format_RGB32);
  return result;
}

std::array<std::uint8_t, kGridRecordBytes> GridValues(const RenderedScene& rendered) {
  std::array<std::uint8_t, kGridRecordBytes> values{};
  const int threshold = static_cast<int>(kCellShare * kCellPixels * kCellPixels);
  const std::size_t cells = std::min<std::size_t>(rendered.seenPixels[0].size(), kGridRecordBytes);
  for (std::size_t cell = 0; cell < cells; ++cell) {
    int best = 0;
    int bestCount = 0;
    for (int value = 1; value <= 9; ++value) {
      const int count = rendered.seenPixels[static_cast<std::size_t>(value)][cell];
      if (count > bestCount) {
        best = value;
        bestCount = count;
      }
    }
    values[cell] = static_cast<std::uint8_t>(bestCount >= threshold ? best : 0);
  }
  // Small drawings: a layer that is seen in no cell carrying its value.
  const int smallThreshold = static_cast<int>(kSmallShare * kCellPixels * kCellPixels);
  for (std::size_t layer = 0; layer < rendered.seenByLayer.size(); ++layer) {
    const std::vector<int>& seen = rendered.seenByLayer[layer];
    if (seen.empty()) continue;
    const auto value = static_cast<std::uint8_t>(rendered.layerValues[layer]);
    bool found = false;
    for (std::size_t cell = 0; cell < cells && !found; ++cell)
      found = seen[cell] > 0 && values[cell] == value;
    if (found) continue;
    for (std::size_t cell = 0; cell < cells; ++cell) {
      if (seen[cell] < smallThreshold) continue;
      bool strongest = true;
      for (int other = 1; other <= 9; ++other) {
        if (other != value &&
            rendered.seenPixels[static_cast<std::size_t>(other)][cell] > seen[cell])
          strongest = false;
      }
      if (strongest) values[cell] = value;
    }
  }
  return values;
}

std::string GridRecord(const std::array<std::uint8_t, kGridRecordBytes>& values) {
  std::string record(kGridRecordBytes, '0');
  for (std::size_t i = 0; i < values.size(); ++i) record[i] = static_cast<char>('0' + values[i]);
  return record;
}

QImage PreviewWithGrid(const RenderedScene& rendered,
                       const std::array<std::uint8_t, kGridRecordBytes>& values) {
  QImage preview = rendered.picture.copy();
  QPainter p(&preview);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font("Liberation Sans");
  font.setPixelSize(14);
  font.setBold(true);
  p.setFont(font);
  for (int column = 0; column < rendered.columns; ++column) {
    for (int row = 0; row < kCellsPerColumn && row < rendered.rows; ++row) {
      const QRect cell(column * kCellPixels, row * kCellPixels, kCellPixels, kCellPixels);
      p.setPen(QColor(255, 255, 255, 90));
      p.drawRect(cell);
      const int value = values[static_cast<std::size_t>(row + kCellsPerColumn * column)];
      if (value == 0) continue;
      p.fillRect(cell.adjusted(8, 7, -8, -7), QColor(0, 0, 0, 140));
      p.setPen(Qt::yellow);
      p.drawText(cell, Qt::AlignCenter, QString::number(value));
    }
  }
  return preview;
}

}  // namespace quenna::datakit
