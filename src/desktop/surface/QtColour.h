#pragma once

#include <QColor>

#include "lesson/surface/Colour.h"

namespace lesson {

inline QColor ToQColor(Colour c) {
  return QColor(c.r, c.g, c.b);
}

}  // namespace lesson
