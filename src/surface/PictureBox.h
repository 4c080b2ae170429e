#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

namespace lesson {

class ImageSurface;

// The plane as a control of the window: shows the image of an ImageSurface
// and reports pointer presses, moves and releases in the plane's pixels.
//
// While a button is held the plane keeps the pointer (the toolkit's implicit
// grab), so moves and the release outside its area still reach it.
class PictureBox final : public QWidget {
  Q_OBJECT

 public:
  // Button and Shift follow the classic codes: 1 left, 2 right, 4 middle;
  // 1 Shift, 2 Ctrl, 4 Alt.
  using PointerHandler =
      std::function<void(std::int16_t button, std::int16_t shift, float x, float y)>;

  PictureBox(ImageSurface& surface, QWidget* parent);

  void SetPointerHandlers(PointerHandler down, PointerHandler move, PointerHandler up);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Deliver(const PointerHandler& handler, QMouseEvent* event, bool releasedButton);

  ImageSurface& surface_;
  PointerHandler down_;
  PointerHandler move_;
  PointerHandler up_;
};

}  // namespace lesson
