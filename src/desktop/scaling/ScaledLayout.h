#pragma once

#include <QFont>
#include <optional>
#include <vector>

#include "lesson/scaling/WindowScale.h"

class QWidget;

namespace lesson {

// Keeps the window's layout at its base size (1024 x 687, fonts in pixels)
// and shows it at the current scale: every control placed at its base
// rectangle scaled, every font at its base pixel size scaled.
//
// The lesson's views give each control's base place and font; a later
// change of scale keeps them.
class ScaledLayout {
 public:
  // window: the top-level widget; its own font is the base font of every
  // control without one of its own.
  explicit ScaledLayout(QWidget& window);

  // Takes a control with its current font as its base; reach: the width it
  // needs at least, for a text that outgrows its box (0: none).
  void Add(QWidget* control, int reach);
  // The control's base rectangle (its width at least its reach).
  void Place(QWidget* control, PixelRect base);
  PixelRect Base(const QWidget* control) const;
  // The control's base rectangle at the current scale.
  PixelRect Shown(const QWidget* control) const { return scale_.Map(Base(control)); }
  // The control's font at the base size; nothing: the window's.
  void SetFont(QWidget* control, const std::optional<QFont>& font);

  void Apply(const WindowScale& scale);
  const WindowScale& Scale() const { return scale_; }

 private:
  struct Entry {
    QWidget* control = nullptr;
    PixelRect base;
    int reach = 0;
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
