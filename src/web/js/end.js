// The end of the lesson: by 終了, or because it cannot go on. And the
// problems met on the way, kept in the page's log (page/notice.js, handed to
// the module as Module.lessonNotice).
mergeInto(LibraryManager.library, {
  $LessonEnd__deps: ['$LessonInput', '$LessonControls'],
  $LessonEnd: {
    // Runs a call from the lesson: whatever goes wrong in it is kept, and the
    // lesson goes on rather than stop half way.
    guard: function (what, call) {
      try {
        call();
      } catch (e) {
        Module['lessonNotice'].record(what + ': ' + e);
      }
    },

    // Every control stops taking input; the plane, which cannot be
    // disabled, leaves the order of Tab.
    disable: function () {
      LessonInput.stopped = true;
      LessonInput.queue.length = 0;
      for (const c of LessonControls.controls) {
        if (c && 'disabled' in c.focusable)
          c.focusable.disabled = true;
        else if (c)
          c.focusable.tabIndex = -1;
      }
    },

    // The lesson cannot go on (a fault inside it, memory exhausted): the page
    // says so, and offers to load it afresh.
    stop: function (what) {
      Module['lessonNotice'].record(what);
      if (LessonEnd.ended)
        return;
      LessonEnd.disable();
      Module['lessonNotice'].fail('stopped');
    },

    ended: false,  // by 終了
  },

  // An installed app's window closes; a tab cannot be closed by its page, so
  // there every control is disabled and the page says that the lesson has
  // ended, with one button to start afresh.
  web_end__deps: ['$LessonEnd'],
  web_end: function (notice, restart) {
    LessonEnd.guard('end', () => {
      const texts = [UTF8ToString(notice), UTF8ToString(restart)];
      LessonEnd.ended = true;
      LessonEnd.disable();
      if (window.matchMedia('(display-mode: standalone)').matches ||
          window.matchMedia('(display-mode: minimal-ui)').matches)
        window.close();
      setTimeout(() => {
        if (!window.closed)
          Module['lessonNotice'].ended(texts[0], texts[1]);
      }, 0);
    });
  },
});
