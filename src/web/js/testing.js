// The test object, window.lessonTest, of the lesson's test build (the same
// sources built with LESSON_WEB_TESTING, which the browser's tests and
// benchmarks load; the page a school receives has none): what they observe
// of the lesson and how they drive it, in one documented place apart from
// the lesson's own calls.
//
//   idle()            the lesson has taken all input and runs nothing
//   busy()            the lesson runs: a handler, or an animation's wait
//   deepestWait       the most waits in progress at which the lesson took an
//                     event, once trackWaits() has been called
//   waits             when each wait the lesson began was to end (performance.now()
//                     milliseconds), once recordWaits() has been called
//   post(kind, event, points)
//                     queues a raw event, an object by its fields' names, as
//                     the page's listeners do; Kind numbers the kinds by name
//                     (web/schema/Messages.h)
//   contract          what the page shares with the C++ ($LessonContract)
//   watchDraws(see)   see(ops) sees every display list the canvas runs
//   canvas(), texts(), ascentPerPixel()
//                     the plane's canvas, its texts by number, the face's ascent
//   inkLayers()       the canvases of the finished marks and of the mark being written
//   captureSaves()    the pictures handed in are kept in saved ({name, url}: a
//                     data URL of the PNG) instead of going to a share sheet
//   runPastTheEnd(kind, event)
//                     hands the lesson an event past the page's own stop, as a
//                     late listener would; late is true once it has run
//   problems()        the page's log of problems
//   abort(what)       makes the lesson stop inside, as a fault in it would
mergeInto(LibraryManager.library, {
  $LessonTest__deps: ['$LessonQueue', '$LessonCanvas', '$LessonInk', '$LessonContract'],
  $LessonTest__postset: 'LessonTest.Kind = LessonContract.Event; ' +
    'LessonTest.contract = LessonContract;',
  $LessonTest: {
    Kind: null,
    idle: function () {
      return !LessonQueue.busy && LessonQueue.queue.length === 0;
    },
    busy: function () {
      return LessonQueue.busy;
    },
    post: function (kind, event, points) {
      LessonQueue.post(kind, event, points);
    },
    deepestWait: 0,
    // The waits in progress are read from the lesson as it takes each event.
    trackWaits: function () {
      const take = LessonQueue.take;
      LessonQueue.take = function () {
        const event = take();
        if (event)
          LessonTest.deepestWait = Math.max(LessonTest.deepestWait, _lesson_waits());
        return event;
      };
    },
    waits: [],
    recordWaits: function () {
      const sleep = LessonQueue.sleep;
      LessonQueue.sleep = function (ms, wakeUp) {
        LessonTest.waits.push(performance.now() + ms);
        sleep(ms, wakeUp);
      };
    },
    see: null,
    watchDraws: function (see) {
      if (LessonTest.see === null) {
        const draw = LessonCanvas.draw;
        LessonCanvas.draw = function (ops) {
          if (LessonTest.see)
            LessonTest.see(ops);
          draw(ops);
        };
      }
      LessonTest.see = see || false;
    },
    canvas: function () {
      return LessonCanvas.canvas;
    },
    texts: function () {
      return LessonCanvas.texts;
    },
    ascentPerPixel: function () {
      return LessonCanvas.ascentPerPixel;
    },
    inkLayers: function () {
      return [LessonInk.finished, LessonInk.active];
    },
    saved: [],
    captureSaves: function () {
      LessonInk.deliver = function (file) {
        const reader = new FileReader();
        reader.onload = () => LessonTest.saved.push({ name: file.name, url: reader.result });
        reader.readAsDataURL(file);
      };
    },
    late: false,
    runPastTheEnd: function (kind, event) {
      LessonQueue.queue.push({ kind: kind, event: event, points: [] });
      Promise.resolve(ccall('lesson_run_input', null, [], [], { async: true }))
        .finally(() => { LessonTest.late = true; });
    },
    problems: function () {
      return Module['lessonNotice'].problems;
    },
    abort: function (what) {
      try {
        abort(what);
      } catch (e) {
        // The abort's own exception, which a fault inside would raise.
      }
    },
  },

  web_test_started__deps: ['$LessonTest'],
  web_test_started: function () {
    window.lessonTest = LessonTest;
  },
});
