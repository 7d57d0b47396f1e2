#pragma once

#include <QImage>
#include <QWidget>

#include <filesystem>

namespace quenna {

// A picture control: it holds a picture that the game can draw on (the card table,
// the gold bars of the virtue chart), shows it at its top-left corner or stretched to
// its size, and can size itself to the picture. Presses are reported in control pixels.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // Replaces the picture; with auto-size on, the control takes the picture's size.
  void SetPicture(QImage picture);
  // Loads a picture file (see LoadPicture). On failure the old picture stays and the
  // GameError goes to the caller.
  void LoadFromFile(const std::filesystem::path& file);
  const QImage& Picture() const { return picture_; }
  // The picture to draw on; call update() when done.
  QImage& Canvas();

  void SetStretch(bool stretch);
  void SetAutoSize(bool autoSize);

  // The file last loaded, so tests and error messages can tell which picture shows.
  const std::filesystem::path& LoadedFile() const { return loadedFile_; }

 signals:
  void MouseDown(Qt::MouseButton button, int x, int y);
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  std::filesystem::path loadedFile_;
  bool stretch_ = false;
  bool autoSize_ = false;
  bool pressed_ = false;
};

}  // namespace quenna
