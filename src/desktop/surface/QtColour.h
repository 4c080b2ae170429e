#pragma once

#include <QColor>

#include "lesson/supports/Palette.h"
#include "lesson/surface/Colour.h"

namespace lesson {

inline QColor ToQColor(Colour c) {
  return QColor(c.r, c.g, c.b);
}

// A colour of the lesson as the scheme shows it.
inline QColor ToQColor(Scheme scheme, Colour c) {
  return ToQColor(InScheme(scheme, c));
}

}  // namespace lesson
