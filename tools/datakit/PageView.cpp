#include "PageView.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Painters.h"
#include "Render.h"

namespace quenna::datakit {
namespace {

const PageSource& PageOfYear(const std::vector<PageSource>& pages, int year, const SourcePos& pos) {
  for (const PageSource& page : pages) {
    if (page.year == year) return page;
  }
  throw ContentError(pos, "there is no page for " + std::to_string(year));
}

// One pass of a box blur along the rows (or, transposed, the columns) of a 32-bit image.
// The pixels are reached from the first row's address and the row stride, worked out once:
// QImage::scanLine() checks and detaches the image on every call.
void BoxPass(QImage& image, int radius, bool vertical) {
  const int width = image.width();
  const int height = image.height();
  const int lines = vertical ? width : height;
  const int length = vertical ? height : width;
  QRgb* const first = reinterpret_cast<QRgb*>(image.bits());
  const std::ptrdiff_t rowStep = image.bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(QRgb));
  const std::ptrdiff_t lineStep = vertical ? 1 : rowStep;
  const std::ptrdiff_t pixelStep = vertical ? rowStep : 1;
  const int span = 2 * radius + 1;
  // Each line is copied with its edge pixels repeated radius + 1 times on either side, so the
  // border does not darken and the window never leaves the copy.
  std::vector<QRgb> padded(static_cast<std::size_t>(length + 2 * radius + 2));
  QRgb* const line = padded.data() + radius + 1;
  // Sums divided by the span, looked up: a division per channel and pixel was the blur's
  // largest cost, and the table gives the same quotients.
  std::vector<std::uint8_t> mean(static_cast<std::size_t>(255 * span + 1));
  for (std::size_t sum = 0; sum < mean.size(); ++sum) {
    mean[sum] = static_cast<std::uint8_t>(sum / static_cast<std::size_t>(span));
  }
  for (int a = 0; a < lines; ++a) {
    QRgb* const start = first + a * lineStep;
    for (int b = 0; b < length; ++b) line[b] = start[b * pixelStep];
    std::fill(padded.begin(), padded.begin() + radius + 1, line[0]);
    std::fill(padded.end() - radius - 1, padded.end(), line[length - 1]);
    int sum[4] = {0, 0, 0, 0};
    for (int b = -radius; b <= radius; ++b) {
      const QRgb c = line[b];
      sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c), sum[3] += qAlpha(c);
    }
    for (int b = 0; b < length; ++b) {
      start[b * pixelStep] =
          qRgba(mean[static_cast<std::size_t>(sum[0])], mean[static_cast<std::size_t>(sum[1])],
                mean[static_cast<std::size_t>(sum[2])], mean[static_cast<std::size_t>(sum[3])]);
      const QRgb out = line[b - radius];
      const QRgb in = line[b + radius + 1];
      sum[0] += qRed(in) - qRed(out);
      sum[1] += qGreen(in) - qGreen(out);
      sum[2] += qBlue(in) - qBlue(out);
      sum[3] += qAlpha(in) - qAlpha(out);
    }
  }
}

}  // namespace

bool NeedsPages(const PictureSource& picture) {
  return picture.scenery.has_value() || !picture.sitters.empty();
}

void Blur(QImage& image, int radius) {
  if (radius <= 0) return;
  image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(image, radius, false);
    BoxPass(image, radius, true);
  }
}

void ResolvePageViews(PictureSource& picture, const std::vector<PageSource>& pages,
                      PageRenders* renders) {
  for (const Sitter& sitter : picture.sitters) {
    const PageSource& page = PageOfYear(pages, sitter.year, sitter.pos);
    const auto person =
        std::find_if(page.scene.clickables.begin(), page.scene.clickables.end(),
                     [&](const Clickable& c) { return c.person && c.name == sitter.name; });
    if (person == page.scene.clickables.end() || person->drawings.empty()) {
      std::string people;
      for (const Clickable& c : page.scene.clickables) {
        if (c.person) people += (people.empty() ? "" : ", ") + c.name;
      }
      throw ContentError(sitter.pos, "the " + std::to_string(sitter.year) +
                                         " page has no person \"" + sitter.name +
                                         "\" (its people: " + people + ")");
    }
    const Drawing& figure = person->drawings.front();
    const PainterInfo* painter = FindPainter(figure.painter);
    // A switch the page turned on can be turned off here with "<switch>=no".
    std::vector<std::string> changes;
    std::vector<std::string> off;
    for (const std::string& setting : sitter.settings) {
      const auto equals = setting.find('=');
      if (equals != std::string::npos && setting.substr(equals + 1) == "no" &&
          figure.params.values.count(setting.substr(0, equals)) &&
          (figure.params.values.at(setting.substr(0, equals)) == "yes" ||
           figure.params.values.at(setting.substr(0, equals)) == "no")) {
        off.push_back(setting.substr(0, equals));
      } else {
        changes.push_back(setting);
      }
    }
    const Params changed = ResolveParams(*painter, changes, sitter.pos);
    Drawing& drawing = picture.scene.layers[sitter.layer].drawing;
    drawing.painter = figure.painter;
    drawing.params = figure.params;
    for (const auto& [key, given] : changed.given) {
      if (!given) continue;
      drawing.params.values[key] = changed.values.at(key);
      drawing.params.given[key] = true;
    }
    for (const std::string& key : off) drawing.params.values[key] = "no";
  }
  if (picture.scenery) {
    const PageView& view = *picture.scenery;
    picture.scene.underlay =
        PageViewImage(PageOfYear(pages, view.year, view.pos), view,
                      QSize(picture.scene.width, picture.scene.height), renders);
  }
}

namespace {

// The page painted whole, without its people unless asked for.
QImage WholePage(const PageSource& page, bool people) {
  Scene scene = page.scene;
  if (!people) {
    std::vector<Layer> kept;
    for (const Layer& layer : scene.layers) {
      const bool person = layer.clickable >= 0 &&
                          scene.clickables[static_cast<std::size_t>(layer.clickable)].person;
      if (!person) kept.push_back(layer);
    }
    scene.layers = kept;
  }
  return RenderScene(scene).picture;
}

}  // namespace

QImage PageRenders::Whole(const PageSource& page, bool people) {
  const auto key = std::make_pair(&page, people);
  {
    const std::lock_guard lock(mutex_);
    const auto found = renders_.find(key);
    if (found != renders_.end()) return found->second;
  }
  // Painted outside the lock; two threads painting the same page get the same picture.
  QImage whole = WholePage(page, people);
  const std::lock_guard lock(mutex_);
  return renders_.emplace(key, std::move(whole)).first->second;
}

QImage PageViewImage(const PageSource& page, const PageView& view, QSize size,
                     PageRenders* renders) {
  const QImage whole =
      renders != nullptr ? renders->Whole(page, view.people) : WholePage(page, view.people);
  const QRectF cells = view.cells.isEmpty() ? QRectF(0, 0, whole.width() / double(kCellPixels),
                                                     whole.height() / double(kCellPixels))
                                            : view.cells;
  const QRectF source(cells.x() * kCellPixels, cells.y() * kCellPixels, cells.width() * kCellPixels,
                      cells.height() * kCellPixels);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), whole, source);
  }
  Blur(image, static_cast<int>(std::lround(view.blur)));
  if (view.light > 0) {
    QPainter p(&image);
    p.fillRect(image.rect(), QColor(255, 252, 244, static_cast<int>(view.light * 255)));
  }
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace quenna::datakit
