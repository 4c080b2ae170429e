#include "lesson/access/AccessibleTexts.h"

#include <optional>

#include "lesson/plane/PlaneGeometry.h"

namespace lesson {

namespace {

std::optional<std::size_t> SizeIndex(const ControlRow& control) {
  for (std::size_t i = 0; i < kSizeButtons.size(); ++i) {
    if (control.id == kSizeButtons[i])
      return i;
  }
  return std::nullopt;
}

}  // namespace

std::string AccessibleName(const ControlRow& control) {
  if (SizeIndex(control))
    return std::string("座標平面の大きさ ") + control.text;
  return control.accessibleName != nullptr ? control.accessibleName : control.text;
}

std::string AccessibleDescription(const ControlRow& control, int unitPx) {
  const auto size = SizeIndex(control);
  if (!size || *size >= kUnitsPerSize.size())
    return control.description;
  const int unit = kUnitsPerSize[*size];
  std::string description = std::string("座標平面の大きさを「") + control.text +
                            "」にする（1 目盛り " + std::to_string(unit) + " ピクセル）。";
  if (unitPx == unit)
    description += "いま選ばれている大きさ。";
  return description;
}

}  // namespace lesson
