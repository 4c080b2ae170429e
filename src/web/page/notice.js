// What the page says besides the lesson itself: the log of the problems it
// met (for a teacher's browser console, and the tests), the notice that the
// lesson has ended, and the notice where the lesson cannot run or go on.
// Loaded before everything else, so that it can speak when nothing else
// does.
'use strict';
window.lessonNotice = (function () {
  const problems = [];
  const record = (what) => {
    problems.push(String(what));
    console.error('lesson: ' + what);
  };
  window.addEventListener('error', (e) => record('error: ' + e.message));
  window.addEventListener('unhandledrejection', (e) => record('rejection: ' + e.reason));
  document.addEventListener('securitypolicyviolation', (e) =>
    record('policy: ' + e.effectiveDirective + ' ' + e.blockedURI));

  // The texts of a notice, then one button that loads the page afresh.
  function show(box, content, caption) {
    const again = document.createElement('button');
    again.type = 'button';
    again.textContent = caption;
    again.addEventListener('click', () => location.reload());
    box.replaceChildren(...content, again);
    box.hidden = false;
    again.focus();
  }

  let failed = false;
  return {
    problems: problems,
    record: record,
    // The lesson cannot run, or go on: kind names the notice's template,
    // which the page was built with (one of window.lessonPage.notice). The
    // alert is read out as its texts arrive.
    fail: function (kind, what) {
      if (what !== undefined)
        record(what);
      if (failed)
        return;
      failed = true;
      const box = document.getElementById('failure');
      const texts = document.getElementById('notice-' + kind).content.cloneNode(true);
      show(box, texts.children, box.dataset.reload);
      document.documentElement.dataset.lesson = 'failed';
    },
    // 終了 in a tab, which its page cannot close.
    ended: function (text, caption) {
      const line = document.createElement('p');
      line.id = 'ended-notice';
      line.textContent = text;
      show(document.getElementById('ended'), [line], caption);
    },
  };
})();
