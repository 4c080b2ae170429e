// The pupil's input on its way to the lesson, and the lesson's waits.
//
// The page calls into the lesson only when it is idle. Input that arrives
// while the lesson runs (a handler, or an animation's wait) is queued; a
// waiting animation wakes and takes the queue itself, nested inside its
// wait, as a desktop window processes its events during a wait. Each event
// is queued as an object by its fields' names (web/schema/Messages.h), as
// the browser reported it; the lesson decides what it means, merging a
// pointer's moves included (app/WebHost.cpp).
mergeInto(LibraryManager.library, {
  $LessonQueue__deps: ['$LessonContract', '$LessonSupports'],
  // The page starts the lesson through the module: module.startLesson().
  $LessonQueue__postset: "Module['startLesson'] = LessonQueue.start;",
  $LessonQueue: {
    queue: [],      // events the lesson has not taken yet
    waiter: null,   // wakes the waiting lesson
    busy: false,    // the page has called into the lesson
    stopped: false, // the lesson has ended, or cannot go on
    // Where a fault that leaves the lesson unable to go on is told (the
    // end's stop, which sets it).
    fault: null,

    // Runs a call from the lesson: whatever goes wrong in it is kept, and the
    // lesson goes on rather than stop half way.
    guard: function (what, call) {
      try {
        call();
      } catch (e) {
        Module['lessonNotice'].record(what + ': ' + e);
      }
    },

    // Starts the lesson in the room the page gives it, with the reading
    // supports the device keeps: it builds the page's
    // window at the scale that fits, so that the page is laid out and the
    // plane drawn once. Input that comes meanwhile waits in the queue. Then
    // the example a link prepares (the query of the page's address) is set
    // up as a pupil would. False where the lesson could not start.
    start: function (query) {
      LessonQueue.busy = true;
      try {
        _lesson_start(window.innerWidth, window.innerHeight, LessonSupports.stored());
      } catch (e) {
        LessonQueue.fault('start: ' + e);
        return false;
      } finally {
        LessonQueue.busy = false;
      }
      if (query)
        LessonQueue.post(LessonContract.Event.link, { query: query });
      LessonQueue.run();
      return !LessonQueue.stopped;
    },

    // Queues an event of that kind, with the points it passed through
    // before (a pointer's coalesced positions, x and y in turn).
    post: function (kind, event, points) {
      if (LessonQueue.stopped)
        return;
      LessonQueue.queue.push({ kind: kind, event: event, points: points || [] });
      if (LessonQueue.waiter)
        LessonQueue.waiter();
      else
        LessonQueue.run();
    },

    // Calls the lesson to take the queue, when it is idle. A call that fails
    // leaves the lesson unable to go on.
    run: function () {
      if (LessonQueue.busy || !LessonQueue.queue.length || LessonQueue.stopped)
        return;
      LessonQueue.busy = true;
      let done;
      try {
        done = Promise.resolve(ccall('lesson_run_input', null, [], [], { async: true }));
      } catch (e) {
        done = Promise.reject(e);
      }
      done.catch((e) => LessonQueue.fault('lesson: ' + e)).finally(() => {
        LessonQueue.busy = false;
        LessonQueue.run();
      });
    },

    // The lesson has ended, or cannot go on: nothing more is queued.
    stop: function () {
      LessonQueue.stopped = true;
      LessonQueue.queue.length = 0;
    },

    // The oldest event, which the lesson takes; its points stay at hand.
    taken: null,
    take: function () {
      return (LessonQueue.taken = LessonQueue.queue.shift());
    },

    // The lesson waits: it sleeps until the time is up or input arrives.
    sleep: function (ms, wakeUp) {
      if (LessonQueue.queue.length) {
        wakeUp();
        return;
      }
      const timer = setTimeout(() => {
        LessonQueue.waiter = null;
        wakeUp();
      }, Math.max(0, Math.ceil(ms)));
      LessonQueue.waiter = () => {
        clearTimeout(timer);
        LessonQueue.waiter = null;
        wakeUp();
      };
    },
  },

  // The one call that suspends the lesson (listed in ASYNCIFY_IMPORTS).
  web_wait__deps: ['$Asyncify', '$LessonQueue'],
  web_wait: function (ms) {
    return Asyncify.handleSleep((wakeUp) => LessonQueue.sleep(ms, wakeUp));
  },

  // The event's fields and texts go straight into the memory the lesson
  // gives for them, packed as the schema has them.
  web_next_event__deps: ['$LessonQueue', '$LessonContract'],
  web_next_event: function (numbers, text, capacity) {
    const taken = LessonQueue.take();
    if (!taken)
      return 0;
    LessonContract.write(taken.kind, taken.event, numbers >> 3, text, capacity);
    return taken.kind;
  },

  web_event_points__deps: ['$LessonQueue'],
  web_event_points: function (points, capacity) {
    const taken = LessonQueue.taken;
    const all = taken ? taken.points : [];
    const count = Math.min(all.length, capacity);
    for (let i = 0; i < count; i++)
      HEAPF64[(points >> 3) + i] = Number(all[all.length - count + i]) || 0;
    return count;
  },

  web_quiet_after__deps: ['$LessonQueue', '$LessonContract'],
  web_quiet_after: function (ms) {
    setTimeout(() => LessonQueue.post(LessonContract.Event.quiet, {}), ms);
  },
});
