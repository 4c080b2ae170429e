#include "desktop/support/Window.h"

namespace lesson::test {

WindowLesson::WindowLesson() {
  form.SetSurface(&surface);
  window.SetPacer(&fakePacer);
  window.SetEndAction({});
  window.SetSaveAction({});
}

void WindowLesson::Graph(const char* a, const char* b) {
  W(form.Text1)->setText(QString::fromUtf8(a));
  W(form.Text2)->setText(QString::fromUtf8(b));
  W(form.Command5)->click();
}

void WindowLesson::Clear() {
  surface.calls.clear();
  pacer.waits.clear();
}

bool IsWhite(const QImage& image, int x, int y) {
  const qreal r = image.devicePixelRatio();
  const QColor c = image.pixelColor(static_cast<int>(x * r), static_cast<int>(y * r));
  return c.red() > 230 && c.green() > 230 && c.blue() > 230;
}

}  // namespace lesson::test
