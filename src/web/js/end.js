// The end of the lesson: by 終了, or because it cannot go on. Each concern
// stops through its own function; the problems met on the way are kept in
// the page's log (page/notice.js, handed to the module as
// Module.lessonNotice).
mergeInto(LibraryManager.library, {
  $LessonEnd__deps: ['$LessonQueue', '$LessonViews', '$LessonContract'],
  // A fault that leaves the lesson unable to go on ends it here.
  $LessonEnd__postset: 'LessonQueue.fault = LessonEnd.stop;',
  $LessonEnd: {
    ended: false,  // by 終了

    // Nothing more is queued, and no control takes input.
    disable: function () {
      LessonQueue.stop();
      LessonViews.stop();
    },

    // The lesson cannot go on (a fault inside it, memory exhausted): the page
    // says so, and offers to load it afresh.
    stop: function (what) {
      Module['lessonNotice'].record(what);
      if (LessonEnd.ended)
        return;
      LessonEnd.disable();
      Module['lessonNotice'].fail(LessonContract.NoticeKind.stopped);
    },
  },

  // An installed app's window closes; a tab cannot be closed by its page, so
  // there every control is disabled and the page says that the lesson has
  // ended, with one button to start afresh.
  web_end__deps: ['$LessonEnd', '$LessonQueue', '$LessonContract', '$LessonSupports'],
  web_end: function (ending) {
    LessonQueue.guard('end', () => {
      const texts = LessonContract.read(LessonContract.Record.ending, ending >> 3);
      LessonEnd.ended = true;
      LessonEnd.disable();
      if (window.matchMedia('(display-mode: standalone)').matches ||
          window.matchMedia('(display-mode: minimal-ui)').matches)
        window.close();
      setTimeout(() => {
        if (!window.closed)
          Module['lessonNotice'].ended(texts.notice, texts.restart,
            [texts.noticeRuns, texts.restartRuns].map((r) => (r ? LessonSupports.runs(r) : null)));
      }, 0);
    });
  },
});
