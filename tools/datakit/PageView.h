#pragma once

#include <QImage>
#include <QSize>

#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "Source.h"

namespace quenna::datakit {

// Whether a picture draws on a year page (its scenery or a sitter), and so needs the pages.
bool NeedsPages(const PictureSource& picture);

// Ties a close-up to its year pages: each sitter takes the painter and settings of the
// page's figure line, changed where the close-up says, and the scenery becomes the
// picture's underlay. Throws ContentError at the close-up's line for a person the page
// does not have or a setting the person's painter does not know.
// Whole pages painted for the views on them, kept for the next view of the same page, as
// close-ups share pages. It holds pages by their address: use one for one vector of pages
// that stays as it is. Several threads may use it at once.
class PageRenders {
 public:
  // The page painted whole, with its people or without them.
  QImage Whole(const PageSource& page, bool people);

 private:
  std::mutex mutex_;
  std::map<std::pair<const PageSource*, bool>, QImage> renders_;
};

void ResolvePageViews(PictureSource& picture, const std::vector<PageSource>& pages,
                      PageRenders* renders = nullptr);

// The part of a page's picture a view shows, painted without the page's people unless the
// view keeps them, enlarged to the size given, blurred and washed towards white.
QImage PageViewImage(const PageSource& page, const PageView& view, QSize size,
                     PageRenders* renders = nullptr);

// Softens a picture: three box blurs of the radius, close to a Gaussian one.
void Blur(QImage& image, int radius);

}  // namespace quenna::datakit
