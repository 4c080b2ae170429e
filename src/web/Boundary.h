#pragma once

// Every call from the C++ of the browser front-end into the page, in one
// place. Each is implemented beside the concern it serves, in the
// JavaScript library files of js/ that Emscripten links in:
//   js/controls.js   the window and its controls, built
//   js/views.js      the controls as the lesson shows them, the focus, the
//                    plane's description
//   js/canvas.js     the plane's canvas
//   js/ink.js        the layers of ink over the plane, and the picture handed in
//   js/queue.js      the queue of the pupil's input and the lesson's waits
//   js/end.js        the end of the lesson
//   js/supports.js   the reading supports: kept for the device, the readings
//                    and the scheme shown, the lesson read aloud
// and js/input.js holds every listener of the page.
// The messages these calls carry are declared once, with named fields, in
// schema/Messages.h; their packing and unpacking in the page, and every
// number and constant the page shares with the C++, reach its JavaScript as
// $LessonContract, written from the C++ as the lesson is built
// (tools/Contract.cpp).

extern "C" {

// --- js/controls.js ------------------------------------------------------------
// The window, with its caption. (Its colours are the page's style, which is
// built from the same table.)
void web_window(const char* caption);
// One control of the control table: a record of kControl (schema/Messages.h).
void web_add_control(const double* control);

// --- js/views.js -----------------------------------------------------------------
// A control's view as it now stands: a record of kView.
void web_show_control(const double* view);
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

// --- js/queue.js -----------------------------------------------------------------
// The pupil's input is queued as the browser reports it, each event a
// message of kEvents (schema/Messages.h); input/DomInput.h maps it.
// Sleeps, through Asyncify, until ms milliseconds have passed or input
// arrives. Yields to the browser either way.
void web_wait(double ms);
// Takes the oldest input event: returns its kind (0 when there is none),
// fills numbers[0 .. kEventNumbers) with its fields and writes its texts,
// UTF-8, one after another, into text (capacity bytes at most).
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
void web_end(const double* ending);  // a record of kEnding

// --- js/supports.js --------------------------------------------------------------
// The reading supports in force: a record of kSupportsRecord. The page keeps
// them for its device, shows the readings over the kanji of its texts and
// its own colours in the scheme (the canvas's come mapped already).
void web_supports(const double* supports);
// Says the sentences of a record of kSpeech in Japanese, cutting short
// whatever is still being said. Where the device has no Japanese voice it
// says nothing and queues the event noVoice.
void web_speak(const double* speech);

#ifdef LESSON_WEB_TESTING
// --- js/testing.js, in the test build only ---------------------------------------
// The lesson has started: the test object is there for the tests.
void web_test_started();
#endif
}
