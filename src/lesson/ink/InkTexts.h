#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lesson {

// What the desktop says where the picture could not be written to the file
// the pupil chose (the file's path follows).
inline constexpr const char* kSaveFailed = "画像を保存できませんでした。";

// What the plane's description adds of the marks on it: how many there are
// (nothing while there are none).
std::string DescribeInk(std::size_t marks);

// The name of the picture handed in: the equation as the pupil typed it,
// "y=2／3x-1.png", made valid on every school system (no "/", "\", ":",
// "?" or other character a file system refuses, no control character, at
// most kMaxNameCharacters before ".png"); "座標平面.png" before a graph is
// drawn.
inline constexpr std::size_t kMaxNameCharacters = 60;
std::string PictureName(bool graphDrawn, std::string_view slopeText,
                        std::string_view interceptText);

}  // namespace lesson
