// What the page says besides the lesson itself: the log of the problems it
// met (for a teacher's browser console, and the tests), the notice that the
// lesson has ended, and the notice where the lesson cannot run or go on.
// Loaded before everything else, so that it can speak when nothing else
// does: it shows the page with the readings and in the scheme the device
// keeps (the lesson's own supports follow as it starts).
'use strict';
window.lessonNotice = (function () {
  (function kept() {
    const { key, on } = window.lessonPage.supports;
    let text = null;
    try {
      text = window.localStorage.getItem(key);
    } catch (e) {
      text = null;
    }
    const supports = new URLSearchParams(text || '');
    const root = document.documentElement.classList;
    root.toggle('ruby', supports.get('ruby') === on);
    root.toggle('dark', text === null ? window.matchMedia('(prefers-contrast: more)').matches
                                      : supports.get('dark') === on);
  })();

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

  // An element's text with each reading over its base, shown while the
  // readings are (style.css); a screen reader reads the bases alone.
  function withReadings(element, runs) {
    if (!runs)
      return;
    element.replaceChildren(...runs.map((run) => {
      if (!run.reading)
        return run.base;
      const ruby = document.createElement('ruby');
      const rt = document.createElement('rt');
      rt.textContent = run.reading;
      rt.setAttribute('aria-hidden', 'true');
      ruby.append(rt, run.base);
      return ruby;
    }));
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
      if (document.documentElement.classList.contains('ruby')) {
        for (const line of texts.querySelectorAll('[data-runs]'))
          withReadings(line, JSON.parse(line.dataset.runs).map(([base, reading]) => ({ base, reading })));
      }
      show(box, texts.children, box.dataset.reload);
      document.documentElement.dataset.lesson = 'failed';
    },
    // 終了 in a tab, which its page cannot close: runs, the notice's and
    // the caption's with their readings ([{base, reading}, ...] or null).
    ended: function (text, caption, runs) {
      const line = document.createElement('p');
      line.id = 'ended-notice';
      line.textContent = text;
      withReadings(line, runs && runs.shift());
      const box = document.getElementById('ended');
      show(box, [line], caption);
      withReadings(box.querySelector('button'), runs && runs.shift());
    },
  };
})();
