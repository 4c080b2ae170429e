#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "lesson/app/Form1.h"

namespace lesson {

class ImageSurface;

// The plane as a control of the window: shows the image of an ImageSurface
// and reports pointer presses, moves and releases in the plane's pixels.
// Shown larger, it has the image painted afresh at its scale and maps the
// pointer back to plane pixels. It takes the focus by Tab and reports the
// arrow keys.
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

  // The arrow and the Shift code as for the pointer.
  using KeyHandler = std::function<void(Arrow key, std::int16_t shift)>;

  PictureBox(ImageSurface& surface, QWidget* parent);

  void SetPointerHandlers(PointerHandler down, PointerHandler move, PointerHandler up);
  void SetArrowKeyHandler(KeyHandler handler) { arrows_ = std::move(handler); }

  // Client-area pixels per plane pixel, as the window has sized the plane:
  // the image is painted afresh at this scale times the screen's ratio.
  void SetScale(double scale);
  double Scale() const { return scale_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Deliver(const PointerHandler& handler, QMouseEvent* event, bool releasedButton);
  void RepaintChangesLater();

  ImageSurface& surface_;
  PointerHandler down_;
  PointerHandler move_;
  PointerHandler up_;
  KeyHandler arrows_;
  double scale_ = 1.0;
  bool repaintPending_ = false;
};

}  // namespace lesson
