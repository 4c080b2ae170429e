#pragma once

namespace lesson {

// What the window says where reading aloud was asked for but the device has
// no Japanese voice to read with.
inline constexpr const char* kNoJapaneseVoice = "この端末には、日本語の読み上げの声がありません。";

}  // namespace lesson
