#pragma once

// Every call from the C++ of the browser front-end into the page, in one
// place. They are implemented in the JavaScript library files of js/
// (display.js: the window, its controls and the picture; runtime.js: input,
// the waits and the end), which Emscripten links in.

extern "C" {

// --- js/display.js --------------------------------------------------------------
// The window: its caption, its size and background (0xRRGGBB), the frame that
// shows the focus on the plane, how often a screen reader hears the plane's
// description change, and the texts of the page that ends the lesson.
void web_window(const char* caption, int width, int height, int background, int frameColour,
                int frameWidth, int descriptionIntervalMs, const char* endedNotice,
                const char* restartCaption);
// One control of the control table, by its row (tab order). Colours are
// 0xRRGGBB or -1 for the page's default; fontPixels 0 for the window's font.
void web_add_control(int row, int kind, const char* name, const char* text, int left, int top,
                     int width, int height, int fontPixels, int bold, int textColour,
                     int background, const char* accessibleName);
// Where the lesson stands scaled into the page's room: the scale's factor,
// the margins left and above it, and the plane's side, in CSS pixels.
void web_scale(double factor, int offsetX, int offsetY, int planeSide);
// A control's model as it now stands, placed at the scale: its rectangle
// and font size in CSS pixels of the page.
void web_show_control(int row, int enabled, int visible, int left, int top, int width, int height,
                      int fontPixels, int bold, const char* text, int checked,
                      const char* description, int selectAll);
// The keyboard focus: a control's row, or -1 for none.
void web_focus(int row);
// A text the picture writes, under the number the display list uses for it.
void web_intern(int id, const char* text);
// Runs a display list of count numbers (surface/DisplayList.h) on the canvas.
void web_draw(const double* ops, int count);

// --- js/runtime.js --------------------------------------------------------------
// The kinds of input event the page queues, with their numbers.
enum WebEvent {
  kClickEvent = 1,    // row: a button pressed
  kKeyEvent = 2,      // row, character code: a key in a text box (13 Enter)
  kEditEvent = 3,     // row, and the text: the pupil changed a box's text
  kToggleEvent = 4,   // row, checked: the pupil ticked or unticked a box
  kFocusEvent = 5,    // row or -1: the pupil moved the focus
  kDownEvent = 6,     // button, shift, x, y: pointer pressed on the plane
  kMoveEvent = 7,     // buttons, shift, x, y: pointer moved on or from the plane
  kUpEvent = 8,       // button, shift, x, y: pointer released
  kArrowEvent = 9,    // arrow (0 left, 1 right, 2 up, 3 down), shift: a key on the plane
  kResizeEvent = 10,  // width, height: the room the page gives the lesson, in CSS pixels
};

// Sleeps, through Asyncify, until ms milliseconds have passed or input
// arrives; returns 1 when input is waiting. Yields to the browser either way.
int web_wait(double ms);
// Takes the oldest input event: returns its kind (0 when there is none) and
// fills args[0..3] with its numbers. depth: how many waits are in progress,
// which the page keeps for its tests.
int web_next_event(double* args, int depth);
// The text of the event just taken (an edit), as a string the caller frees.
char* web_event_text();
// The program ends: the page closes its window where it may, and otherwise
// tells that the lesson has ended.
void web_end();
}
