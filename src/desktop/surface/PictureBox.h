#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "desktop/surface/InkLayers.h"
#include "lesson/input/Input.h"
#include "lesson/supports/Palette.h"

class QSinglePointEvent;

namespace lesson {

class ImageSurface;

// The plane as a control of the window: shows the image of an ImageSurface
// with the ink's layers above it, and reports pointer presses, moves and
// releases (of the mouse and of a tablet's pen) in the plane's pixels.
// Shown larger, it has the image painted afresh at its scale and maps the
// pointer back to plane pixels. It takes the focus by Tab and reports the
// arrow keys.
//
// While a button is held, or a pen touches, the plane keeps the pointer (the
// toolkit's implicit grab), so moves and the release outside its area still
// reach it.
class PictureBox final : public QWidget {
  Q_OBJECT

 public:
  using PointerHandler = std::function<void(const PointerEvent&)>;
  using KeyHandler = std::function<void(ArrowKey)>;

  PictureBox(ImageSurface& surface, QWidget* parent);

  void SetPointerHandler(PointerHandler handler) { pointer_ = std::move(handler); }
  void SetArrowKeyHandler(KeyHandler handler) { arrows_ = std::move(handler); }
  // Told when the ink's layers were made anew, blank, at another resolution:
  // the marks are to be drawn on them again.
  void SetInkLostHandler(std::function<void()> handler) { inkLost_ = std::move(handler); }

  // Client-area pixels per plane pixel, as the window has sized the plane:
  // the image is painted afresh at this scale times the screen's ratio.
  void SetScale(double scale);
  double Scale() const { return scale_; }
  // The picture painted afresh in another scheme and the ink's layers made
  // anew for it (the ink-lost handler draws the marks again).
  void SetScheme(Scheme scheme);

  // A rebuild draws the whole picture again, most of it as it was. Once the
  // handler has returned to the event loop, only the pixels that really
  // changed are repainted.
  void RepaintChangesLater();

  // Brings the ink's layers up to date and repaints where they changed, so
  // that a mark shows in the next frame.
  void ShowInk(const InkUpdate& changes);
  const InkLayers& Ink() const { return ink_; }
  // The picture with the ink over it, at the resolution it is shown at.
  QImage ShownImage();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void tabletEvent(QTabletEvent* event) override;

 private:
  void Deliver(QSinglePointEvent* event);
  // The picture and the ink follow the scale and the screen's pixel ratio.
  void FollowRatio();

  ImageSurface& surface_;
  PointerHandler pointer_;
  KeyHandler arrows_;
  std::function<void()> inkLost_;
  InkLayers ink_;
  double scale_ = 1.0;
  bool repaintPending_ = false;
};

}  // namespace lesson
