// Input, the waits and the end: the C++ of the front-end calls these
// (web/Boundary.h); the page (page/app.js) keeps the queue of input.
mergeInto(LibraryManager.library, {
  // The one call that suspends the lesson (listed in ASYNCIFY_IMPORTS).
  web_wait__deps: ['$Asyncify'],
  web_wait: function (ms) {
    return Asyncify.handleSleep(function (wakeUp) {
      Module['lessonPage'].sleep(ms, wakeUp);
    });
  },
  web_next_event: function (args, depth) {
    var event = Module['lessonPage'].nextEvent(depth);
    if (!event)
      return 0;
    for (var i = 0; i < 4; i++)
      HEAPF64[(args >> 3) + i] = event.args[i] || 0;
    return event.kind;
  },
  web_event_text__deps: ['malloc'],
  web_event_text: function () {
    var text = Module['lessonPage'].eventText();
    var size = lengthBytesUTF8(text) + 1;
    var pointer = _malloc(size);
    if (pointer)
      stringToUTF8(text, pointer, size);
    return pointer;
  },
  web_end: function () {
    Module['lessonPage'].end();
  },
});
