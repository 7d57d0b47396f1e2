#include "media/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "media/PictureLoader.h"

namespace quenna {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetPicture(QImage picture) {
  picture_ = std::move(picture);
  if (autoSize_ && !picture_.isNull()) resize(picture_.size());
  update();
}

void PictureBox::LoadFromFile(const std::filesystem::path& file) {
  QImage loaded = LoadPicture(file);
  loadedFile_ = file;
  SetPicture(std::move(loaded));
}

QImage& PictureBox::Canvas() {
  // QPainter draws on 32-bit images, which colour pictures are already; grey ones are not.
  if (picture_.format() != QImage::Format_RGB32 &&
      picture_.format() != QImage::Format_ARGB32_Premultiplied) {
    picture_ = picture_.convertToFormat(QImage::Format_RGB32);
  }
  return picture_;
}

void PictureBox::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void PictureBox::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  if (autoSize_ && !picture_.isNull()) resize(picture_.size());
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  // Smooth also unstretched: on a scaled screen every picture is drawn larger than it is.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (stretch_) {
    painter.drawImage(rect(), picture_);
  } else {
    painter.drawImage(QPoint(0, 0), picture_);
  }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  pressed_ = true;
  const QPoint at = event->position().toPoint();
  emit MouseDown(event->button(), at.x(), at.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (pressed_ && rect().contains(event->position().toPoint())) emit Clicked();
  pressed_ = false;
}

}  // namespace quenna
