#include "desktop/scaling/ScaledLayout.h"

#include <QWidget>
#include <algorithm>
#include <utility>

namespace lesson {

ScaledLayout::ScaledLayout(QWidget& window) : window_(window), windowFont_(window.font()) {}

void ScaledLayout::Add(QWidget* control, int reach) {
  Entry entry;
  entry.control = control;
  entry.reach = reach;
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

void ScaledLayout::Place(QWidget* control, PixelRect base) {
  Entry* entry = Find(control);
  if (entry == nullptr)
    return;
  base.width = std::max(base.width, entry->reach);
  if (entry->base == base)
    return;
  entry->base = base;
  Place(*entry);
}

PixelRect ScaledLayout::Base(const QWidget* control) const {
  const Entry* entry = Find(control);
  return entry != nullptr ? entry->base : PixelRect{};
}

void ScaledLayout::SetFont(QWidget* control, const std::optional<QFont>& font) {
  Entry* entry = Find(control);
  if (entry == nullptr || (entry->ownFont == font.has_value() && (!font || entry->font == *font)))
    return;
  entry->ownFont = font.has_value();
  entry->font = font.value_or(windowFont_);
  control->setFont(entry->ownFont ? Scaled(entry->font) : QFont());
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
