#pragma once

// Every call from the C++ of the browser front-end into the page, in one
// place. Each is implemented beside the concern it serves, in the
// JavaScript library files of js/ that Emscripten links in:
//   js/controls.js   the window, its controls, their focus and descriptions
//   js/canvas.js     the plane's canvas and the pointer on it
//   js/ink.js        the layers of ink over the plane, and the picture handed in
//   js/input.js      the queue of the pupil's input and the lesson's waits
//   js/end.js        the end of the lesson
// The numbers the page shares with the C++ (the input events' kinds here,
// the display list's operations, the control kinds) reach its JavaScript
// as $LessonContract, written from these definitions as the lesson is built
// (tools/page_texts.cpp).

extern "C" {

// --- js/controls.js ------------------------------------------------------------
// The window, with its caption. (Its colours are the page's style, which is
// built from the same table.)
void web_window(const char* caption);
// One control of the control table, by its row (tab order). Colours are
// 0xRRGGBB or -1 for the page's default (swatch: the colour a pen colour's
// button shows); maxLength: the characters a text box takes (0 for other
// controls).
void web_add_control(int row, int kind, const char* name, const char* text, int textColour,
                     int background, const char* accessibleName, const char* description,
                     int maxLength, int swatch);
// A control's model as it now stands, placed in the arrangement and at the
// scale that fit the page's room: its rectangle, its hit area (where a tap
// lands on it) and its font size in CSS pixels of the page. Fields that do
// not apply to the control come as -1 (enabled, hitWidth, fontPixels,
// checked) or null (text, description); the page applies every other.
void web_show_control(int row, int visible, int enabled, int left, int top, int width, int height,
                      int hitLeft, int hitTop, int hitWidth, int hitHeight, int fontPixels,
                      int bold, const char* text, int checked, const char* description,
                      int selectAll);
// The keyboard focus: a control's row, or -1 for none.
void web_focus(int row);
// Tells a screen reader the plane's description anew.
void web_announce(const char* description);

// --- js/canvas.js ----------------------------------------------------------------
// A text the picture writes, under the number the display list uses for it.
void web_intern(int id, const char* text);
// Runs a display list of count numbers (surface/CanvasSurface.h) on the canvas.
void web_draw(const double* ops, int count);

// --- js/ink.js -------------------------------------------------------------------
// Brings the layers of ink up to date: an ink list of count numbers
// (surface/InkList.h).
void web_ink(const double* ops, int count);
// Hands the plane in: the picture with the ink over it as a PNG at the
// canvas's resolution, under that file name, to the device's share sheet
// or, where sharing a file is not offered, as a download.
void web_save_picture(const char* fileName);

// --- js/input.js -----------------------------------------------------------------
// The kinds of raw input event the page queues, with their numbers and text,
// as the browser reports them; input/DomInput.h maps them.
enum WebEvent {
  kClickEvent = 1,           // row: a button pressed
  kKeyEvent = 2,             // row, isComposing, keyCode; text: the key's name, in a text box
  kInputEvent = 3,           // row, isComposing, type's bytes; text: inputType, then the value
  kCompositionEndEvent = 4,  // row; text: the box's value once an input method has finished
  kToggleEvent = 5,          // row, checked: the pupil ticked or unticked a box
  kFocusEvent = 6,           // row or -1: the pupil moved the focus
  kPointerEvent = 7,         // button, buttons, shiftKey, ctrlKey, altKey, clientX, clientY,
                             // the canvas's box: left, top, width, and pointerId; text: the
                             // event's type and its pointerType; points: the coalesced
                             // positions before clientX, clientY
  kPlaneKeyEvent = 8,        // shiftKey, ctrlKey, altKey; text: the key's name, on the plane
  kResizeEvent = 9,          // width, height: the room the page gives the lesson, in CSS pixels
  kQuietEvent = 10,          // the quiet interval asked for has run out
  kLinkEvent = 11,           // text: the query of the page's address, once it has started
};
// The numbers an event holds at most.
inline constexpr int kEventNumbers = 11;
// The points an event brings at most (a pointer's coalesced positions, x and
// y each); the page keeps the latest.
inline constexpr int kEventPoints = 1024;

// The page's names of the kinds.
struct WebEventName {
  WebEvent kind;
  const char* name;
};
inline constexpr WebEventName kWebEvents[] = {
    {kClickEvent, "click"},     {kKeyEvent, "key"},
    {kInputEvent, "input"},     {kCompositionEndEvent, "compositionEnd"},
    {kToggleEvent, "toggle"},   {kFocusEvent, "focus"},
    {kPointerEvent, "pointer"}, {kPlaneKeyEvent, "planeKey"},
    {kResizeEvent, "resize"},   {kQuietEvent, "quiet"},
    {kLinkEvent, "link"},
};
// Every kind has its name, in the order of their numbers.
constexpr bool EveryEventNamed() {
  int next = 1;
  for (const WebEventName& e : kWebEvents) {
    if (e.kind != next++)
      return false;
  }
  return next == kLinkEvent + 1;
}
static_assert(EveryEventNamed());

// Sleeps, through Asyncify, until ms milliseconds have passed or input
// arrives. Yields to the browser either way.
void web_wait(double ms);
// Takes the oldest input event: returns its kind (0 when there is none),
// fills numbers[0 .. kEventNumbers) and writes its text, UTF-8 and ended by
// a zero byte, into text (capacity bytes at most).
int web_next_event(double* numbers, char* text, int capacity);
// The points of the event taken last, as client x and y in turn into points
// (capacity numbers at most): how many numbers it wrote.
int web_event_points(double* points, int capacity);
// Queues a quiet event once ms milliseconds have passed.
void web_quiet_after(int ms);

// --- js/end.js -------------------------------------------------------------------
// The program ends: the page closes its window where it may, and otherwise
// disables every control and shows the notice, with one button to start
// afresh under the restart caption.
void web_end(const char* notice, const char* restartCaption);

#ifdef LESSON_WEB_TESTING
// --- js/testing.js, in the test build only ---------------------------------------
// The lesson has started: the test object is there for the tests.
void web_test_started();
#endif
}
