#pragma once

#include <array>
#include <span>

#include "lesson/supports/Supports.h"
#include "web/schema/Schema.h"

namespace lesson::web {

// Every message between the lesson's C++ and the page (Boundary.h has the
// calls that carry them).

inline constexpr FieldType kFlag = FieldType::kFlag;
inline constexpr FieldType kMaybe = FieldType::kMaybe;
inline constexpr FieldType kMaybeFlag = FieldType::kMaybeFlag;
inline constexpr FieldType kText = FieldType::kText;

// --- The display list: the picture's operations, in plane pixels ------------
inline constexpr Field kStrokeFields[] = {{"x1"}, {"y1"}, {"x2"}, {"y2"}, {"colour"}, {"width"}};
// A text, its cell's top-left at x, top.
inline constexpr Field kTextFields[] = {{"x"},         {"top"},  {"colour"},
                                        {"pixelSize"}, {"bold"}, {"textId"}};
inline constexpr Field kSaveFields[] = {{"slot"}};
inline constexpr Field kRestoreFields[] = {{"slot"}, {"left"}, {"top"}, {"right"}, {"bottom"}};
inline constexpr Field kClearFields[] = {{"colour"}};
// The whole picture in one colour.
inline constexpr Message kClearOp{"clear", 1, kClearFields};
// A round-capped stroke; pixel (x, y) has its centre at x + 0.5, y + 0.5.
inline constexpr Message kStrokeOp{"stroke", 2, kStrokeFields};
inline constexpr Message kTextOp{"text", 3, kTextFields};
// The picture as it stands becomes the snapshot in the slot.
inline constexpr Message kSaveOp{"save", 4, kSaveFields};
// The snapshot copied back within those plane pixels.
inline constexpr Message kRestoreOp{"restore", 5, kRestoreFields};
inline constexpr std::array kDisplayOps{&kClearOp, &kStrokeOp, &kTextOp, &kSaveOp, &kRestoreOp};

// --- The ink list: the layers of ink over the plane ----------------------------
// Every list clears the active layer first.
inline constexpr Field kInkPenFields[] = {{"colour"}, {"width"}};
inline constexpr Field kInkPointFields[] = {{"x"}, {"y"}};
inline constexpr Field kInkQuadFields[] = {{"cx"}, {"cy"}, {"x"}, {"y"}};
// The finished layer cleared.
inline constexpr Message kInkRedrawOp{"redraw", 1, {}};
// A path begins, to be stroked on the finished layer, or the active one.
inline constexpr Message kInkFinishedOp{"finished", 2, kInkPenFields};
inline constexpr Message kInkActiveOp{"active", 3, kInkPenFields};
inline constexpr Message kInkMoveOp{"move", 4, kInkPointFields};
inline constexpr Message kInkLineOp{"line", 5, kInkPointFields};
inline constexpr Message kInkQuadOp{"quad", 6, kInkQuadFields};
// The path stroked, round-capped and round-joined.
inline constexpr Message kInkStrokeOp{"stroke", 7, {}};
inline constexpr std::array kInkOps{&kInkRedrawOp, &kInkFinishedOp, &kInkActiveOp, &kInkMoveOp,
                                    &kInkLineOp,   &kInkQuadOp,     &kInkStrokeOp};

// --- The controls ----------------------------------------------------------------
// One control of the control table, by its row (tab order). Colours are
// 0xRRGGBB or nothing for the page's own (swatch: the colour a pen colour's
// button shows), each also as the dark scheme shows it; maxLength: the
// characters a text box takes (0 for others); runs: the text's runs with
// their readings (RubyText), nothing where no run has one.
inline constexpr Field kControlFields[] = {{"row"},
                                           {"kind"},
                                           {"name", kText},
                                           {"text", kText},
                                           {"textColour", kMaybe},
                                           {"background", kMaybe},
                                           {"accessibleName", kText},
                                           {"description", kText},
                                           {"maxLength"},
                                           {"swatch", kMaybe},
                                           {"darkTextColour", kMaybe},
                                           {"darkBackground", kMaybe},
                                           {"darkSwatch", kMaybe},
                                           {"runs", kText}};
inline constexpr Message kControl{"control", 0, kControlFields};
// A control's model as it now stands, placed and scaled to the page's room:
// its box, its hit area (where a tap lands on it; nothing where it has
// none) and its font size in CSS pixels. Fields that do not apply to the
// control come as nothing; the page applies every other.
inline constexpr Field kViewFields[] = {{"row"},
                                        {"visible", kFlag},
                                        {"enabled", kMaybeFlag},
                                        {"left"},
                                        {"top"},
                                        {"width"},
                                        {"height"},
                                        {"hitLeft", kMaybe},
                                        {"hitTop", kMaybe},
                                        {"hitWidth", kMaybe},
                                        {"hitHeight", kMaybe},
                                        {"fontPixels", kMaybe},
                                        {"bold", kFlag},
                                        {"text", kText},
                                        {"checked", kMaybeFlag},
                                        {"description", kText},
                                        {"selectAll", kFlag}};
inline constexpr Message kView{"view", 0, kViewFields};
// The program ends: the notice, and the caption of the button that starts
// afresh.
inline constexpr Field kEndingFields[] = {
    {"notice", kText}, {"restart", kText}, {"noticeRuns", kText}, {"restartRuns", kText}};
inline constexpr Message kEnding{"ending", 0, kEndingFields};
// The reading supports in force, by their names (kSupportNames): the page
// keeps them for its device and shows the readings and the scheme.
inline constexpr Field kSupportsFields[] = {{kSupportNames[0], kFlag},
                                            {kSupportNames[1], kFlag},
                                            {kSupportNames[2], kFlag},
                                            {kSupportNames[3], kFlag}};
static_assert(std::size(kSupportsFields) == kSupportNames.size());
inline constexpr Message kSupportsRecord{"supports", 0, kSupportsFields};
// Sentences to say, one after another (each ended by kSentenceEnd), at rate
// times the voice's own pace.
inline constexpr Field kSpeechFields[] = {{"sentences", kText}, {"rate"}};
inline constexpr Message kSpeech{"speech", 0, kSpeechFields};
inline constexpr std::array kRecords{&kControl, &kView, &kEnding, &kSupportsRecord, &kSpeech};

// A text's runs as a text field carries them: each run's base, then its
// reading (empty for none), each ended by kRunEnd.
inline constexpr char kRunEnd = '\x1f';
inline constexpr char kSentenceEnd = '\n';

// --- The pupil's input, as the browser reports it (input/DomInput.h maps it) ------
inline constexpr Field kRowFields[] = {{"row"}};
inline constexpr Field kKeyFields[] = {
    {"row"}, {"isComposing", kFlag}, {"keyCode"}, {"key", kText}};
inline constexpr Field kInputFields[] = {
    {"row"}, {"isComposing", kFlag}, {"inputType", kText}, {"value", kText}};
inline constexpr Field kCompositionEndFields[] = {{"row"}, {"value", kText}};
inline constexpr Field kToggleFields[] = {{"row"}, {"checked", kFlag}};
// The canvas's box (its bounding client rectangle) maps the client position
// to the plane; type is the DOM event's, pointerType its pointer's. The
// positions the browser coalesced before this one come beside it.
inline constexpr Field kPointerFields[] = {
    {"button"},    {"buttons"},     {"shiftKey", kFlag},   {"ctrlKey", kFlag}, {"altKey", kFlag},
    {"clientX"},   {"clientY"},     {"boxLeft"},           {"boxTop"},         {"boxWidth"},
    {"pointerId"}, {"type", kText}, {"pointerType", kText}};
inline constexpr Field kPlaneKeyFields[] = {
    {"shiftKey", kFlag}, {"ctrlKey", kFlag}, {"altKey", kFlag}, {"key", kText}};
// The room the page gives the lesson, in CSS pixels.
inline constexpr Field kResizeFields[] = {{"width"}, {"height"}};
// The query of the page's address, once it has started.
inline constexpr Field kLinkFields[] = {{"query", kText}};

// A button pressed.
inline constexpr Message kClickEvent{"click", 1, kRowFields};
// A key in a text box.
inline constexpr Message kKeyEvent{"key", 2, kKeyFields};
inline constexpr Message kInputEvent{"input", 3, kInputFields};
// The box's value once an input method has finished.
inline constexpr Message kCompositionEndEvent{"compositionEnd", 4, kCompositionEndFields};
// The pupil ticked or unticked a box.
inline constexpr Message kToggleEvent{"toggle", 5, kToggleFields};
// The pupil moved the focus (row -1: to none of the controls).
inline constexpr Message kFocusEvent{"focus", 6, kRowFields};
inline constexpr Message kPointerEvent{"pointer", 7, kPointerFields};
// A key on the plane.
inline constexpr Message kPlaneKeyEvent{"planeKey", 8, kPlaneKeyFields};
inline constexpr Message kResizeEvent{"resize", 9, kResizeFields};
// The quiet interval asked for has run out.
inline constexpr Message kQuietEvent{"quiet", 10, {}};
inline constexpr Message kLinkEvent{"link", 11, kLinkFields};
// The page is shown at a new pixel ratio in the same room.
inline constexpr Message kRepaintEvent{"repaint", 12, {}};
// The device has no Japanese voice to read aloud with.
inline constexpr Message kNoVoiceEvent{"noVoice", 13, {}};
inline constexpr std::array kEvents{
    &kClickEvent, &kKeyEvent,     &kInputEvent,    &kCompositionEndEvent, &kToggleEvent,
    &kFocusEvent, &kPointerEvent, &kPlaneKeyEvent, &kResizeEvent,         &kQuietEvent,
    &kLinkEvent,  &kRepaintEvent, &kNoVoiceEvent};

// Each family's numbers run from 1 in the order listed, so that the page
// can look them up by number.
template <std::size_t N>
constexpr bool Numbered(const std::array<const Message*, N>& family) {
  for (std::size_t i = 0; i < N; ++i) {
    if (family[i]->id != static_cast<int>(i) + 1)
      return false;
  }
  return true;
}
static_assert(Numbered(kDisplayOps) && Numbered(kInkOps) && Numbered(kEvents));

// The numbers an event holds at most.
constexpr std::size_t MostFields(std::span<const Message* const> family) {
  std::size_t most = 0;
  for (const Message* m : family)
    most = std::max(most, m->fields.size());
  return most;
}
inline constexpr int kEventNumbers = static_cast<int>(MostFields(kEvents));
// The points an event brings at most (a pointer's coalesced positions, x and
// y each); the page keeps the latest.
inline constexpr int kEventPoints = 1024;

}  // namespace lesson::web
