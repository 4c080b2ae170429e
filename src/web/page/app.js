// The lesson's page: builds the window from the lesson's control table, shows
// what the lesson tells it (web/Boundary.h, through js/*.js), and hands the
// lesson the pupil's input.
//
// The page calls into the lesson only when it is idle. Input that arrives
// while the lesson runs (a handler, or an animation's wait) is queued; a
// waiting animation wakes and runs the queue itself, nested inside its wait,
// as a desktop window processes its events during a wait.
'use strict';
(function () {
  // Input events, by the numbers of web/Boundary.h.
  const Input = { click: 1, key: 2, edit: 3, toggle: 4, focus: 5, down: 6, move: 7, up: 8,
                  arrow: 9, resize: 10 };
  // Kinds of control, in the order of the control table's ControlKind.
  const Kind = { textBox: 0, button: 1, label: 2, checkBox: 3, picture: 4 };
  const Arrows = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3 };
  const FACE = '"LessonGothic", sans-serif';

  // Whatever goes wrong is kept here, for the tests and for a teacher's
  // browser console: an uncaught error, an abort of the lesson, a request
  // the page's security policy refused.
  const problems = (window.lessonProblems = []);
  window.addEventListener('error', (e) => problems.push('error: ' + e.message));
  window.addEventListener('unhandledrejection', (e) => problems.push('rejection: ' + e.reason));
  document.addEventListener('securitypolicyviolation', (e) =>
    problems.push('policy: ' + e.effectiveDirective + ' ' + e.blockedURI));

  const page = {
    module: null,
    queue: [],        // input the lesson has not taken yet
    waiter: null,     // wakes the waiting lesson
    busy: false,      // the page has called into the lesson
    ended: false,
    windowTexts: null,
    controls: [],     // by row of the control table
    texts: [],        // the picture's texts by number
    eventTextValue: '',  // the text of the edit the lesson takes
    area: null,
    canvas: null, ctx: null, snapshot: null,
    layout: { factor: 1, side: 640 },
    ascents: new Map(),
    settingFocus: false,
    deepestWait: 0,
    onDraw: null,     // sees every display list (for tests and measurements)
    describe: null,   // tells the plane's description to a screen reader
  };

  const colours = new Map();
  const colour = (rgb) => {
    let text = colours.get(rgb);
    if (text === undefined) {
      text = '#' + (rgb >>> 0).toString(16).padStart(6, '0');
      colours.set(rgb, text);
    }
    return text;
  };
  const px = (v) => v + 'px';

  // --- input ----------------------------------------------------------------

  function post(kind, args, text) {
    if (page.ended || !page.module)
      return;
    const last = page.queue[page.queue.length - 1];
    if (kind === Input.move && last && last.kind === Input.move) {
      last.args = args;  // moves not yet taken merge, as a window system's do
    } else {
      page.queue.push({ kind: kind, args: args, text: text });
    }
    if (page.waiter)
      page.waiter();
    else
      run();
  }

  // Calls the lesson to take the queue, when it is idle.
  function run() {
    if (page.busy || !page.queue.length || !page.module || page.ended)
      return;
    page.busy = true;
    let done;
    try {
      done = Promise.resolve(page.module.ccall('lesson_run_input', null, [], [], { async: true }));
    } catch (e) {
      done = Promise.reject(e);
    }
    done.catch((e) => problems.push('lesson: ' + e)).finally(() => {
      page.busy = false;
      run();
    });
  }

  // The lesson waits: it sleeps until the time is up or input arrives.
  page.sleep = function (ms, wakeUp) {
    if (page.queue.length) {
      wakeUp(1);
      return;
    }
    const timer = setTimeout(() => {
      page.waiter = null;
      wakeUp(0);
    }, Math.max(0, Math.ceil(ms)));
    page.waiter = () => {
      clearTimeout(timer);
      page.waiter = null;
      wakeUp(1);
    };
  };

  // depth: the waits in progress when the lesson takes the event; the
  // deepest is kept for the tests.
  page.nextEvent = function (depth) {
    const event = page.queue.shift();
    if (event) {
      page.eventTextValue = event.text || '';
      page.deepestWait = Math.max(page.deepestWait, depth);
    }
    return event;
  };

  page.eventText = function () {
    return page.eventTextValue;
  };

  // --- the window -------------------------------------------------------------

  page.window = function (w) {
    page.windowTexts = w;
    document.title = w.caption;
    document.documentElement.style.setProperty('--background', colour(w.background));
    document.documentElement.style.setProperty('--frame', colour(w.frameColour));
    document.documentElement.style.setProperty('--frame-width', px(w.frameWidth));
    page.describe = throttled(w.intervalMs, (text) => {
      const region = document.getElementById('Picture1-description');
      if (region && region.textContent !== text)
        region.textContent = text;
    });
  };

  // Tells a change at once, and later ones at most once per interval, the
  // last of a burst when the interval has run out.
  function throttled(intervalMs, tell) {
    let quietUntil = 0;
    let pending = null;
    let timer = 0;
    const flush = () => {
      timer = 0;
      if (pending === null)
        return;
      const text = pending;
      pending = null;
      quietUntil = performance.now() + intervalMs;
      tell(text);
      timer = setTimeout(flush, intervalMs);
    };
    return (text) => {
      pending = text;
      if (!timer && performance.now() >= quietUntil)
        flush();
    };
  }

  function rowOf(element) {
    const control = element && element.closest && element.closest('[data-row]');
    return control ? Number(control.dataset.row) : -1;
  }

  // Digits, signs, the point and the slash typed through a Japanese input
  // method come as full-width characters (or as "ー", "・" and "。" in kana
  // mode); they become the ASCII the lesson reads, as they are typed.
  function ascii(text) {
    let out = '';
    for (const ch of text) {
      const c = ch.codePointAt(0);
      if (c >= 0xff01 && c <= 0xff5e)
        out += String.fromCodePoint(c - 0xfee0);
      else if (c === 0x3000)
        out += ' ';
      else if (c === 0x30fc || c === 0x2212 || c === 0x2010 || c === 0x2015)
        out += '-';
      else if (c === 0x30fb)
        out += '/';
      else if (c === 0x3002)
        out += '.';
      else
        out += ch;
    }
    return out;
  }

  function textBox(c) {
    const input = document.createElement('input');
    input.type = 'text';
    input.autocomplete = 'off';
    input.spellcheck = false;
    input.setAttribute('autocapitalize', 'off');
    input.setAttribute('autocorrect', 'off');
    input.setAttribute('enterkeyhint', 'next');
    // A tablet's keyboard opens on its digits and signs: the digits, "-" and
    // "." (and on an iPad "/" too) without switching, letters a tap away.
    input.inputMode = 'decimal';
    const edited = (typed) => {
      if (typed) {
        const plain = ascii(input.value);
        if (plain !== input.value) {
          const at = input.selectionStart;
          input.value = plain;
          input.setSelectionRange(at, at);
        }
      }
      post(Input.edit, [c.row], input.value);
    };
    input.addEventListener('input', (e) =>
      edited(!e.isComposing && e.inputType !== 'insertFromPaste' && e.inputType !== 'insertFromDrop'));
    input.addEventListener('compositionend', () => edited(true));
    input.addEventListener('keydown', (e) => {
      if (e.key === 'Enter' && !e.isComposing && e.keyCode !== 229) {
        // The key is the box's: it must not go on to click the button that
        // the focus moves to.
        e.preventDefault();
        post(Input.key, [c.row, 13]);
      }
    });
    return input;
  }

  function button(c) {
    const b = document.createElement('button');
    b.type = 'button';
    b.textContent = c.text;
    // A press gives the button the focus before its click, as on the desktop
    // (WebKit would leave the focus where it was).
    b.addEventListener('pointerdown', () => {
      if (!b.disabled && document.activeElement !== b)
        b.focus({ preventScroll: true });
    });
    b.addEventListener('click', () => post(Input.click, [c.row]));
    return b;
  }

  function checkBox(c) {
    const box = document.createElement('label');
    const input = document.createElement('input');
    input.type = 'checkbox';
    input.addEventListener('change', () => post(Input.toggle, [c.row, input.checked ? 1 : 0]));
    box.append(input, document.createTextNode(c.text));
    return box;
  }

  function label(c) {
    const l = document.createElement('div');
    l.className = 'label';
    if (c.accessibleName !== c.text) {
      // The text as it stands, read under the name it stands for.
      const shown = document.createElement('span');
      shown.textContent = c.text;
      shown.setAttribute('aria-hidden', 'true');
      const name = document.createElement('span');
      name.className = 'unseen';
      name.textContent = c.accessibleName;
      l.append(shown, name);
    } else {
      l.textContent = c.text;
    }
    return l;
  }

  page.addControl = function (c) {
    let element;
    switch (c.kind) {
      case Kind.textBox: element = textBox(c); break;
      case Kind.button: element = button(c); break;
      case Kind.checkBox: element = checkBox(c); break;
      case Kind.picture: element = plane(c); break;
      default: element = label(c); break;
    }
    element.id = c.name.replace(/[()]/g, (p) => (p === '(' ? '_' : ''));
    element.dataset.row = c.row;
    element.classList.add('control');
    if (c.kind === Kind.label)
      element.classList.add('behind');
    if (c.textColour >= 0)
      element.style.color = colour(c.textColour);
    if (c.background >= 0)
      element.style.backgroundColor = colour(c.background);
    const focusable = element.querySelector('input') || element;
    if (c.kind !== Kind.label)
      focusable.setAttribute('aria-label', c.accessibleName);
    const description = document.createElement('div');
    description.className = 'unseen';
    description.id = element.id + '-description';
    if (c.kind === Kind.picture)
      description.setAttribute('aria-live', 'polite');
    document.getElementById('descriptions').append(description);
    focusable.setAttribute('aria-describedby', description.id);
    page.area.append(element);
    page.controls[c.row] = { element: element, focusable: focusable, kind: c.kind, entry: c };
  };

  page.scale = function (factor, offsetX, offsetY, side) {
    page.layout = { factor: factor, offsetX: offsetX, offsetY: offsetY, side: side };
  };

  // Only what changed is written to the page: a drag tells the plane's new
  // description at every move, and nothing else of it.
  page.showControl = function (row, m) {
    const c = page.controls[row];
    if (!c)
      return;
    const e = c.element;
    const was = c.shown || {};
    c.shown = m;
    if (m.visible !== was.visible)
      e.hidden = !m.visible;
    if (m.left !== was.left || m.top !== was.top || m.width !== was.width ||
        m.height !== was.height || m.fontPixels !== was.fontPixels || m.bold !== was.bold) {
      e.style.left = px(m.left);
      e.style.top = px(m.top);
      e.style.width = px(m.width);
      e.style.height = px(m.height);
      e.style.fontSize = px(m.fontPixels);
      e.style.fontWeight = m.bold ? 'bold' : 'normal';
    }
    switch (c.kind) {
      case Kind.textBox:
        c.focusable.disabled = !m.enabled;
        if (c.focusable.value !== m.text)
          c.focusable.value = m.text;
        if (m.selectAll)
          c.focusable.select();
        break;
      case Kind.button:
        c.focusable.disabled = !m.enabled;
        break;
      case Kind.checkBox:
        c.focusable.disabled = !m.enabled;
        c.focusable.checked = m.checked;
        break;
      case Kind.picture:
        sizeCanvas(m.width, m.height);  // also at a new pixel ratio
        break;
      default:
        break;
    }
    if (m.description === was.description)
      return;
    if (c.kind === Kind.picture && page.describe) {
      page.describe(m.description);
    } else {
      // A label with something to say besides its text is read as a whole.
      if (c.kind === Kind.label && m.description)
        e.setAttribute('role', 'note');
      const description = document.getElementById(e.id + '-description');
      if (description)
        description.textContent = m.description;
    }
  };

  page.focus = function (row) {
    const c = page.controls[row];
    page.settingFocus = true;
    try {
      if (c && !c.element.hidden && !c.focusable.disabled)
        c.focusable.focus({ preventScroll: true });
      else if (document.activeElement && document.activeElement !== document.body)
        document.activeElement.blur();
    } finally {
      page.settingFocus = false;
    }
  };

  // --- the plane --------------------------------------------------------------

  function plane(c) {
    const canvas = document.createElement('canvas');
    canvas.tabIndex = 0;
    canvas.setAttribute('role', 'img');
    page.canvas = canvas;
    page.ctx = canvas.getContext('2d', { alpha: false });
    page.snapshot = document.createElement('canvas');
    const at = (e) => {
      const r = canvas.getBoundingClientRect();
      const perPixel = r.width > 0 ? 640 / r.width : 1;
      return [(e.clientX - r.left) * perPixel, (e.clientY - r.top) * perPixel];
    };
    const shift = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
    // Button codes: 1 left, 2 right, 4 middle.
    const code = (button) => [1, 4, 2][button] || 0;
    let pointer = null;  // the pointer that pressed the plane
    canvas.addEventListener('pointerdown', (e) => {
      if (pointer !== null && e.pointerId !== pointer)
        return;  // a second finger: the first one drags
      pointer = e.pointerId;
      e.preventDefault();  // a press does not move the focus or select text
      canvas.setPointerCapture(e.pointerId);
      post(Input.down, [code(e.button), shift(e), ...at(e)]);
    });
    canvas.addEventListener('pointermove', (e) => {
      if (e.pointerId !== pointer)
        return;
      if (e.button >= 0) {
        // Another button of the same mouse pressed or released.
        const pressed = (e.buttons & code(e.button)) !== 0;
        post(pressed ? Input.down : Input.up, [code(e.button), shift(e), ...at(e)]);
        return;
      }
      post(Input.move, [e.buttons & 7, shift(e), ...at(e)]);
    });
    const release = (e) => {
      if (e.pointerId !== pointer)
        return;
      if (e.buttons === 0 || e.type === 'pointercancel')
        pointer = null;
      post(Input.up, [code(e.button), shift(e), ...at(e)]);
    };
    canvas.addEventListener('pointerup', release);
    canvas.addEventListener('pointercancel', release);
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
    canvas.addEventListener('keydown', (e) => {
      if (e.key in Arrows) {
        e.preventDefault();
        post(Input.arrow, [Arrows[e.key], shift(e)]);
      }
    });
    return canvas;
  }

  // The canvas holds the picture at the screen's pixel ratio: never a smaller
  // bitmap scaled up. A new size has the lesson draw the picture afresh.
  function sizeCanvas(width, height) {
    const ratio = window.devicePixelRatio || 1;
    const w = Math.max(1, Math.round(width * ratio));
    const h = Math.max(1, Math.round(height * ratio));
    const canvas = page.canvas;
    if (canvas.width === w && canvas.height === h)
      return;
    canvas.width = w;
    canvas.height = h;
    page.snapshot.width = w;
    page.snapshot.height = h;
    page.ascents.clear();
  }

  page.intern = function (id, text) {
    page.texts[id] = text;
  };

  function fontOf(pixelSize, bold) {
    return (bold ? 'bold ' : '') + pixelSize + 'px ' + FACE;
  }

  // The top of a text's cell lies above its baseline by the font's ascent:
  // the face's ascent per pixel of size, measured once at a size large
  // enough to be exact (the canvas reports whole pixels), then taken in
  // 64ths of a pixel as the desktop's font engine does.
  function ascent(ctx, font, pixelSize) {
    let a = page.ascents.get(font);
    if (a === undefined) {
      if (page.ascentPerPixel === undefined) {
        const saved = ctx.font;
        ctx.font = '2048px ' + FACE;
        const m = ctx.measureText('0');
        page.ascentPerPixel =
            m.fontBoundingBoxAscent !== undefined ? m.fontBoundingBoxAscent / 2048 : 0.88;
        ctx.font = saved;
      }
      a = Math.round(page.ascentPerPixel * pixelSize * 64) / 64;
      page.ascents.set(font, a);
    }
    return a;
  }

  page.draw = function (ops) {
    if (page.onDraw)
      page.onDraw(ops);
    const ctx = page.ctx;
    const canvas = page.canvas;
    const unit = canvas.width / 640;  // canvas pixels per plane pixel
    ctx.setTransform(unit, 0, 0, unit, 0, 0);
    ctx.lineCap = 'round';
    ctx.lineJoin = 'round';
    ctx.textBaseline = 'alphabetic';
    // The context's pen, set only when it changes.
    let stroke = '';
    let width = -1;
    let i = 0;
    while (i < ops.length) {
      switch (ops[i]) {
        case 1:  // clear
          ctx.fillStyle = '#ffffff';
          ctx.fillRect(0, 0, 640, 640);
          i += 1;
          break;
        case 2:  // stroke x1 y1 x2 y2 colour width; pixel (x, y) has its centre at x + 0.5
          ctx.beginPath();
          ctx.moveTo(ops[i + 1] + 0.5, ops[i + 2] + 0.5);
          ctx.lineTo(ops[i + 3] + 0.5, ops[i + 4] + 0.5);
          if (colour(ops[i + 5]) !== stroke) {
            stroke = colour(ops[i + 5]);
            ctx.strokeStyle = stroke;
          }
          if (ops[i + 6] !== width) {
            width = ops[i + 6];
            ctx.lineWidth = width;
          }
          ctx.stroke();
          i += 7;
          break;
        case 3: {  // text x top colour pixelSize bold id
          const font = fontOf(ops[i + 4], ops[i + 5] !== 0);
          if (ctx.font !== font)
            ctx.font = font;
          ctx.fillStyle = colour(ops[i + 3]);
          ctx.fillText(page.texts[ops[i + 6]] || '', ops[i + 1],
                       ops[i + 2] + ascent(ctx, font, ops[i + 4]));
          i += 7;
          break;
        }
        case 4: {  // save
          const s = page.snapshot.getContext('2d', { alpha: false });
          s.drawImage(canvas, 0, 0);
          i += 1;
          break;
        }
        case 5: {  // restore left top right bottom
          const x0 = Math.max(0, Math.floor(ops[i + 1] * unit));
          const y0 = Math.max(0, Math.floor(ops[i + 2] * unit));
          const x1 = Math.min(canvas.width, Math.ceil(ops[i + 3] * unit));
          const y1 = Math.min(canvas.height, Math.ceil(ops[i + 4] * unit));
          if (x1 > x0 && y1 > y0) {
            ctx.setTransform(1, 0, 0, 1, 0, 0);
            ctx.drawImage(page.snapshot, x0, y0, x1 - x0, y1 - y0, x0, y0, x1 - x0, y1 - y0);
            ctx.setTransform(unit, 0, 0, unit, 0, 0);
          }
          i += 5;
          break;
        }
        default:
          problems.push('draw: unknown operation ' + ops[i]);
          return;
      }
    }
  };

  // --- the end ----------------------------------------------------------------

  // An installed app's window closes; a tab cannot be closed by its page, so
  // there every control is disabled and the page says that the lesson has
  // ended, with one button to start afresh.
  page.end = function () {
    page.ended = true;
    page.queue.length = 0;
    if (window.matchMedia('(display-mode: standalone)').matches ||
        window.matchMedia('(display-mode: minimal-ui)').matches) {
      window.close();
    }
    setTimeout(() => {
      if (!window.closed)
        showEnded();
    }, 0);
  };

  function showEnded() {
    for (const c of page.controls) {
      if (!c)
        continue;
      if (c.kind === Kind.picture)
        c.focusable.tabIndex = -1;
      else if ('disabled' in c.focusable)
        c.focusable.disabled = true;
    }
    const notice = document.getElementById('ended');
    notice.querySelector('p').textContent = page.windowTexts.ended;
    const again = notice.querySelector('button');
    again.textContent = page.windowTexts.restart;
    again.addEventListener('click', () => location.reload());
    notice.hidden = false;
    again.focus();
  }

  // --- start ------------------------------------------------------------------

  document.addEventListener('focusin', (e) => {
    if (!page.settingFocus && !page.ended && rowOf(e.target) >= 0)
      post(Input.focus, [rowOf(e.target)]);
  });

  const resized = () => post(Input.resize, [window.innerWidth, window.innerHeight]);

  async function start() {
    page.area = document.getElementById('lesson');
    const module = await window.createLessonModule({
      lessonPage: page,
      wasmBinary: window.lessonWasmBinary,  // set where the page is one file
      onAbort: (what) => problems.push('abort: ' + what),
      printErr: (text) => problems.push('stderr: ' + text),
    });
    // Canvas texts silently take another face while the page's font still
    // loads: it is loaded first.
    try {
      await Promise.all([document.fonts.load(fontOf(16, false)), document.fonts.load(fontOf(27, true))]);
    } catch (e) {
      // The system's font stands in.
    }
    page.module = module;
    page.busy = true;
    try {
      module.ccall('lesson_start', null, [], []);
    } finally {
      page.busy = false;
    }
    window.addEventListener('resize', resized);
    // Another screen, or the browser's zoom: the canvas is drawn afresh at
    // the new pixel ratio.
    const watchRatio = () => {
      window.matchMedia('(resolution: ' + window.devicePixelRatio + 'dppx)')
        .addEventListener('change', () => { resized(); watchRatio(); }, { once: true });
    };
    watchRatio();
    resized();
    document.documentElement.dataset.lesson = 'ready';
    // The frame after this one shows the plane: its time is kept.
    requestAnimationFrame(() => requestAnimationFrame(() => performance.mark('lesson-painted')));
    // Served over http(s), the lesson keeps itself for use without the
    // network; opened from a file, it is all there already.
    if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
      page.offline = 'registering';
      navigator.serviceWorker.register('sw.js').then(() => { page.offline = 'kept'; },
                                                     (e) => { page.offline = 'not kept: ' + e; });
    }
  }

  // For tests and measurements: the queue of input, as the page's own
  // handlers fill it.
  page.post = post;
  page.Input = Input;
  // The lesson calls these from inside its handlers: whatever goes wrong in
  // one is kept, and the lesson goes on rather than stop half way.
  for (const name of ['window', 'addControl', 'scale', 'showControl', 'focus', 'intern', 'draw',
                      'end']) {
    const call = page[name];
    page[name] = function () {
      try {
        return call.apply(page, arguments);
      } catch (e) {
        problems.push(name + ': ' + e);
      }
    };
  }

  window.lessonPage = page;
  document.addEventListener('DOMContentLoaded', () => {
    start().catch((e) => problems.push('start: ' + e));
  });
})();
