// Starts the lesson: the module (lesson.js, built from js/*.js and the C++)
// and the page's font are loaded side by side, then the lesson builds its
// window. Where WebAssembly is missing or the lesson's files cannot be had,
// the page says so (notice.js) instead of staying blank. The fonts and the
// notices' kinds are the core's (window.lessonPage, page-constants.js).
'use strict';
(function () {
  const notice = window.lessonNotice;
  const { fontsBeforeStart, notice: Notice } = window.lessonPage;
  let started = false;

  // Framed as a preview by a page of the same site (the teacher's page), the
  // lesson is a picture of itself: it takes neither the keyboard's focus nor
  // the pointer from the page around it.
  if (window.frameElement && 'preview' in window.frameElement.dataset)
    document.documentElement.inert = true;

  function start() {
    if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
      notice.fail(Notice.noWasm, 'start: this browser runs no WebAssembly');
      return;
    }
    if (typeof window.createLessonModule !== 'function') {
      notice.fail(Notice.filesMissing, 'start: lesson.js did not load');
      return;
    }
    // Canvas texts silently take another face while the page's font still
    // loads: the lesson starts once it is there (or has failed, and the
    // system's font stands in).
    const font = Promise.all(fontsBeforeStart.map((f) => document.fonts.load(f))).catch(() => {});
    const module = window.createLessonModule({
      lessonNotice: notice,
      wasmBinary: window.lessonWasmBinary,  // set where the page is one file
      // Before the lesson has started, its files could not be had whole.
      onAbort: (what) => notice.fail(started ? Notice.stopped : Notice.filesMissing, 'abort: ' + what),
      printErr: (text) => notice.record('stderr: ' + text),
    });
    Promise.all([module, font]).then(([lesson]) => run(lesson),
                                     (e) => notice.fail(Notice.filesMissing, 'load: ' + e));
  }

  function run(lesson) {
    started = true;
    if (!lesson.startLesson(location.search))
      return;
    document.documentElement.dataset.lesson = 'ready';
    // The frame after this one shows the plane: its time is kept.
    requestAnimationFrame(() => requestAnimationFrame(() => performance.mark('lesson-painted')));
    // Served over http(s), the lesson keeps itself for use without the
    // network; opened from a file, it is all there already.
    if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
      navigator.serviceWorker.register('sw.js').catch((e) => notice.record('offline: ' + e));
    }
  }

  document.addEventListener('DOMContentLoaded', start);
})();
