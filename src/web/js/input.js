// The pupil's input on its way to the lesson, and the lesson's waits.
//
// The page calls into the lesson only when it is idle. Input that arrives
// while the lesson runs (a handler, or an animation's wait) is queued; a
// waiting animation wakes and runs the queue itself, nested inside its wait,
// as a desktop window processes its events during a wait. Events are queued
// as the browser reports them, by the kinds of web/Boundary.h; the lesson
// maps them to its own input (web/input/DomInput.h).
mergeInto(LibraryManager.library, {
  $LessonInput__deps: ['$LessonEnd', '$LessonContract'],
  // The page starts the lesson through the module: module.startLesson().
  $LessonInput__postset: "Module['startLesson'] = LessonInput.start;",
  $LessonInput: {
    queue: [],      // events the lesson has not taken yet
    waiter: null,   // wakes the waiting lesson
    busy: false,    // the page has called into the lesson
    stopped: false, // the lesson has ended, or cannot go on

    // Starts the lesson in the room the page gives it: it builds the page's
    // window at the scale that fits, so that the page is laid out and the
    // plane drawn once. Input that comes meanwhile waits in the queue. Then
    // the example a link prepares (the query of the page's address) is set
    // up as a pupil would. False where the lesson could not start.
    start: function (query) {
      LessonInput.busy = true;
      try {
        _lesson_start(window.innerWidth, window.innerHeight);
      } catch (e) {
        LessonEnd.stop('start: ' + e);
        return false;
      } finally {
        LessonInput.busy = false;
      }
      if (query)
        LessonInput.post(LessonContract.Event.link, [], query);
      LessonInput.run();
      return !LessonInput.stopped;
    },

    // Queues an event: its kind, its numbers, a text and the points it
    // passed through before. An event that merges takes the place of one
    // like it that merges and is still waiting at the end of the queue (the
    // same pointer's moves), keeping its points and its position as points
    // passed through: a handler that is slow sees only the latest, the pen
    // every one (the latest eventPoints numbers).
    post: function (kind, numbers, text, merges, points) {
      if (LessonInput.stopped)
        return;
      const queue = LessonInput.queue;
      const last = queue[queue.length - 1];
      const event = { kind: kind, numbers: numbers, text: text || '', merges: !!merges,
                      points: points || [] };
      const Pointer = LessonContract.Event.pointer;
      if (event.merges && last && last.merges && last.kind === kind && last.text === event.text &&
          (kind !== Pointer || last.numbers[10] === numbers[10])) {
        if (kind === Pointer) {
          event.points = last.points.concat([last.numbers[5], last.numbers[6]], event.points)
            .slice(-LessonContract.eventPoints);
        }
        queue[queue.length - 1] = event;
      } else {
        queue.push(event);
      }
      if (LessonInput.waiter)
        LessonInput.waiter();
      else
        LessonInput.run();
    },

    // Calls the lesson to take the queue, when it is idle. A call that fails
    // leaves the lesson unable to go on.
    run: function () {
      if (LessonInput.busy || !LessonInput.queue.length || LessonInput.stopped)
        return;
      LessonInput.busy = true;
      let done;
      try {
        done = Promise.resolve(ccall('lesson_run_input', null, [], [], { async: true }));
      } catch (e) {
        done = Promise.reject(e);
      }
      done.catch((e) => LessonEnd.stop('lesson: ' + e)).finally(() => {
        LessonInput.busy = false;
        LessonInput.run();
      });
    },

    // Whether the lesson has yet to take an edit of the box at that row.
    editPending: function (row) {
      const Event = LessonContract.Event;
      return LessonInput.queue.some((e) => (e.kind === Event.input ||
        e.kind === Event.compositionEnd) && e.numbers[0] === row);
    },

    // The oldest event, which the lesson takes; its points stay at hand.
    taken: null,
    take: function () {
      return (LessonInput.taken = LessonInput.queue.shift());
    },

    // The lesson waits: it sleeps until the time is up or input arrives.
    sleep: function (ms, wakeUp) {
      if (LessonInput.queue.length) {
        wakeUp();
        return;
      }
      const timer = setTimeout(() => {
        LessonInput.waiter = null;
        wakeUp();
      }, Math.max(0, Math.ceil(ms)));
      LessonInput.waiter = () => {
        clearTimeout(timer);
        LessonInput.waiter = null;
        wakeUp();
      };
    },
  },

  // The one call that suspends the lesson (listed in ASYNCIFY_IMPORTS).
  web_wait__deps: ['$Asyncify', '$LessonInput'],
  web_wait: function (ms) {
    return Asyncify.handleSleep((wakeUp) => LessonInput.sleep(ms, wakeUp));
  },

  // The event's text goes straight into the memory the lesson gives for it.
  web_next_event__deps: ['$LessonInput', '$LessonContract'],
  web_next_event: function (numbers, text, capacity) {
    const event = LessonInput.take();
    if (!event)
      return 0;
    for (let i = 0; i < LessonContract.eventNumbers; i++)
      HEAPF64[(numbers >> 3) + i] = Number(event.numbers[i]) || 0;
    stringToUTF8(event.text, text, capacity);
    return event.kind;
  },

  web_event_points__deps: ['$LessonInput'],
  web_event_points: function (points, capacity) {
    const taken = LessonInput.taken;
    const all = taken ? taken.points : [];
    const count = Math.min(all.length, capacity);
    for (let i = 0; i < count; i++)
      HEAPF64[(points >> 3) + i] = Number(all[i]) || 0;
    return count;
  },

  web_quiet_after__deps: ['$LessonInput'],
  web_quiet_after: function (ms) {
    setTimeout(() => LessonInput.post(LessonContract.Event.quiet, []), ms);
  },
});
