#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "lesson/input/Input.h"

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
  using PointerHandler = std::function<void(const PointerEvent&)>;
  using KeyHandler = std::function<void(ArrowKey)>;

  PictureBox(ImageSurface& surface, QWidget* parent);

  void SetPointerHandler(PointerHandler handler) { pointer_ = std::move(handler); }
  void SetArrowKeyHandler(KeyHandler handler) { arrows_ = std::move(handler); }

  // Client-area pixels per plane pixel, as the window has sized the plane:
  // the image is painted afresh at this scale times the screen's ratio.
  void SetScale(double scale);
  double Scale() const { return scale_; }

  // A rebuild draws the whole picture again, most of it as it was. Once the
  // handler has returned to the event loop, only the pixels that really
  // changed are repainted.
  void RepaintChangesLater();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Deliver(QMouseEvent* event);

  ImageSurface& surface_;
  PointerHandler pointer_;
  KeyHandler arrows_;
  double scale_ = 1.0;
  bool repaintPending_ = false;
};

}  // namespace lesson
