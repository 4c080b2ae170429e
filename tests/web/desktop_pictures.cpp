// The desktop's pictures of lesson states, for the browser's tests to
// compare their canvas with:
//   web_desktop_pictures OUT_DIR RATIO NAME=STEPS...
// writes OUT_DIR/NAME.ppm for each state, the plane's image at the pixel
// ratio RATIO after the steps (tests/web/test_pictures.py names them).

#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <cstdio>

#include "desktop/app/Fonts.h"
#include "desktop/surface/ImageSurface.h"
#include "support/Recording.h"

using namespace lesson;

namespace {

void Run(Form1& form, const QString& step) {
  const QString arg = step.section(':', 1);
  const QString what = step.section(':', 0, 0);
  if (what == "a" || what == "b") {
    (what == "a" ? form.Text1 : form.Text2).SetText(arg.toStdString());
  } else if (what == "size") {
    form.Click(form.Command3[static_cast<std::size_t>(arg.toInt())]);
  } else if (what == "drag") {
    const QStringList p = arg.split(',');
    using Action = PointerEvent::Action;
    form.Pointer({Action::kPress, 1, 0, p[0].toFloat(), p[1].toFloat()});
    form.Pointer({Action::kMove, 1, 0, p[2].toFloat(), p[3].toFloat()});
    form.Pointer({Action::kRelease, 1, 0, p[2].toFloat(), p[3].toFloat()});
  } else if (what == "quick") {
    form.Check2.Toggled(!form.Check2.Checked());
  } else {
    const std::pair<const char*, const Control*> buttons[] = {
        {"graph", &form.Command5},   {"A", &form.Command10},     {"C", &form.Command12},
        {"+", &form.Command8[0]},    {"-", &form.Command8[1]},   {"int", &form.Command7},
        {"eraseA", &form.Command11}, {"eraseC", &form.Command9}, {"reset", &form.Command2}};
    for (const auto& [name, control] : buttons) {
      if (what == name)
        form.Click(*control);
    }
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc < 3)
    return 2;
  const QString out = QString::fromLocal8Bit(argv[1]);
  const double ratio = QString::fromLocal8Bit(argv[2]).toDouble();
  for (int i = 3; i < argc; ++i) {
    const QString state = QString::fromUtf8(argv[i]);
    test::TestHost host;
    ImageSurface image(JapaneseGothicFace(), ratio);
    Form1 form(host, image);
    host.wait.form = &form;
    form.Start();
    for (const QString& step : state.section('=', 1).split(' ', Qt::SkipEmptyParts))
      Run(form, step);
    const QImage picture = image.Image().convertToFormat(QImage::Format_RGB888);
    if (!picture.save(out + "/" + state.section('=', 0, 0) + ".ppm", "PPM"))
      return 1;
  }
  return 0;
}
