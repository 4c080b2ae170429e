#include "desktop/scaling/ScaledLayout.h"

#include <QWidget>
#include <utility>

namespace lesson {

ScaledLayout::ScaledLayout(QWidget& window) : window_(window), windowFont_(window.font()) {}

void ScaledLayout::Add(QWidget* control) {
  Entry entry;
  entry.control = control;
  const QRect g = control->geometry();
  entry.base = {g.x(), g.y(), g.width(), g.height()};
  entry.ownFont = control->testAttribute(Qt::WA_SetFont);
  entry.font = control->font();
  entries_.push_back(entry);
}

const ScaledLayout::Entry* ScaledLayout::Find(const QWidget* control) const {
  for (const Entry& entry : entries_) {
    if (entry.control == control)
      return &entry;
  }
  return nullptr;
}

ScaledLayout::Entry* ScaledLayout::Find(const QWidget* control) {
  return const_cast<Entry*>(std::as_const(*this).Find(control));
}

void ScaledLayout::Move(QWidget* control, int left, int top) {
  if (Entry* entry = Find(control)) {
    entry->base.left = left;
    entry->base.top = top;
    Place(*entry);
  }
}

PixelRect ScaledLayout::Base(const QWidget* control) const {
  const Entry* entry = Find(control);
  return entry != nullptr ? entry->base : PixelRect{};
}

QFont ScaledLayout::BaseFont(const QWidget* control) const {
  const Entry* entry = Find(control);
  return entry != nullptr ? entry->font : QFont();
}

void ScaledLayout::SetFont(QWidget* control, const QFont& font) {
  if (Entry* entry = Find(control)) {
    entry->ownFont = true;
    entry->font = font;
    control->setFont(Scaled(font));
  }
}

void ScaledLayout::Apply(const WindowScale& scale) {
  scale_ = scale;
  window_.setFont(Scaled(windowFont_));
  for (const Entry& entry : entries_) {
    Place(entry);
    if (entry.ownFont)
      entry.control->setFont(Scaled(entry.font));
  }
}

void ScaledLayout::Place(const Entry& entry) const {
  const PixelRect r = scale_.Map(entry.base);
  entry.control->setGeometry(r.left, r.top, r.width, r.height);
}

// Fonts are given in pixels throughout the window; a font given in points
// is kept as it is.
QFont ScaledLayout::Scaled(const QFont& font) const {
  QFont scaled = font;
  if (font.pixelSize() > 0)
    scaled.setPixelSize(scale_.Length(font.pixelSize()));
  return scaled;
}

}  // namespace lesson
