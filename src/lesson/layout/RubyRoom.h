#pragma once

#include <array>
#include <cstddef>

#include "lesson/layout/Arrangement.h"

namespace lesson {

// Where readings stand over the kanji, a text needs room above it for them:
// half its size, at least. Most texts have it; those that stand close
// beneath another text or control are moved down by a few pixels while the
// readings are shown, and only then: without them every place is as ever.
struct RubyRoom {
  Arrangement arrangement;
  ControlId row;
  int down;  // layout pixels
};

// In both arrangements the hints beneath the boxes ("分数可", "整数") make
// room beneath the boxes, the instruction's second line beneath its first,
// and "1倍～５倍" beneath "縮小" and "拡大". In the portrait arrangement the
// instruction stands close beneath the size buttons: the equation's block
// moves down as one, its hints and second line besides. The title above the
// size buttons moves up instead (a negative down), clear of the reading of
// the selected size's large caption, which stands above its button.
inline constexpr auto kRubyRooms = [] {
  using enum ControlId;
  constexpr int kHint = 6, kSecondLine = 3, kScale = 2, kBeneathSizes = 6, kAboveSizes = 6;
  return std::array<RubyRoom, 13>{{
      {Arrangement::kLandscape, kLabel8, kSecondLine},
      {Arrangement::kLandscape, kLabel3, kHint},
      {Arrangement::kLandscape, kLabel4, kHint},
      {Arrangement::kLandscape, kLabel6, kScale},
      {Arrangement::kPortrait, kLabel7, kBeneathSizes},
      {Arrangement::kPortrait, kLabel8, kBeneathSizes + kSecondLine},
      {Arrangement::kPortrait, kLabel2, kBeneathSizes},
      {Arrangement::kPortrait, kText1, kBeneathSizes},
      {Arrangement::kPortrait, kText2, kBeneathSizes},
      {Arrangement::kPortrait, kLabel3, kBeneathSizes + kHint},
      {Arrangement::kPortrait, kLabel4, kBeneathSizes + kHint},
      {Arrangement::kPortrait, kLabel6, kScale},
      {Arrangement::kPortrait, kLabel1, -kAboveSizes},
  }};
}();

// How far a row moves down in an arrangement while the readings are shown.
constexpr int RubyRoomOf(Arrangement arrangement, std::size_t row) {
  for (const RubyRoom& room : kRubyRooms) {
    if (room.arrangement == arrangement && RowOf(room.row) == row)
      return room.down;
  }
  return 0;
}

}  // namespace lesson
