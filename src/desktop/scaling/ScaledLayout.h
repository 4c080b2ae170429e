#pragma once

#include <QFont>
#include <vector>

#include "lesson/scaling/WindowScale.h"

class QWidget;

namespace lesson {

// Keeps the window's layout at its base size (1024 x 687, fonts in pixels)
// and shows it at the current scale: every control placed at its base
// rectangle scaled, every font at its base pixel size scaled.
//
// Code that moves a control or changes its font at run time goes through
// here with base values, so that a later change of scale keeps the change.
class ScaledLayout {
 public:
  // window: the top-level widget; its own font is the base font of every
  // control without one of its own.
  explicit ScaledLayout(QWidget& window);

  // Takes a control at its current geometry and font as their base.
  void Add(QWidget* control);
  void Move(QWidget* control, int left, int top);
  PixelRect Base(const QWidget* control) const;
  void SetFont(QWidget* control, const QFont& font);
  // The control's font at the base size.
  QFont BaseFont(const QWidget* control) const;

  void Apply(const WindowScale& scale);
  const WindowScale& Scale() const { return scale_; }

 private:
  struct Entry {
    QWidget* control = nullptr;
    PixelRect base;
    bool ownFont = false;
    QFont font;
  };

  Entry* Find(const QWidget* control);
  const Entry* Find(const QWidget* control) const;
  void Place(const Entry& entry) const;
  QFont Scaled(const QFont& font) const;

  QWidget& window_;
  QFont windowFont_;
  std::vector<Entry> entries_;
  WindowScale scale_;
};

}  // namespace lesson
