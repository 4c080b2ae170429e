// Prints how long one drag move takes in the worst case: the full rebuild at
// 14 pixels per unit with line A (47 steps) and the slope triangle, painted
// into the real image. Run with QT_SCALE_FACTOR=2 for a HiDPI screen.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Form1.h"
#include "surface/ImageSurface.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  lesson::Form1 form;
  form.show();
  form.Command3_Click(3);
  form.Text1->setText(QStringLiteral("2/3"));
  form.Text2->setText(QStringLiteral("1"));
  form.Command5_Click();
  form.SetQuick(true);
  form.Command10_Click();
  form.Command12_Click();
  form.Picture1_MouseDown(1, 0, 320, 300);
  QApplication::processEvents();

  constexpr int kMoves = 200;
  std::vector<double> ms;
  QElapsedTimer clock;
  for (int i = 1; i <= kMoves; ++i) {
    clock.start();
    form.Picture1_MouseMove(1, 0, 320.0f + static_cast<float>(i % 40), 300.0f);
    ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  form.Picture1_MouseUp(1, 0, 320, 300);
  std::sort(ms.begin(), ms.end());
  double sum = 0;
  for (double v : ms)
    sum += v;
  std::printf(
      "drag move, full rebuild at 14 px/unit with line A and triangle (pixel ratio %.0f):\n"
      "  mean %.2f ms, median %.2f ms, 95th percentile %.2f ms, max %.2f ms over %d moves\n",
      form.PictureImage().DevicePixelRatio(), sum / kMoves, ms[kMoves / 2], ms[kMoves * 95 / 100],
      ms.back(), kMoves);
  return 0;
}
