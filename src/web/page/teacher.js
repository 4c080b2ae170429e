// The teacher's page: the choices of a prepared example, the lesson itself
// as a preview of it, and the link that opens it, shown as text and as a
// two-dimensional code (with a view of the code alone for the projector).
// What a link holds and how a value reads are the lesson's own rules, asked
// of the core's small module (teacher-core.js); the code is drawn by the
// QR code library (qrcode/qrcode.js).
'use strict';
(function () {
  const notice = window.lessonNotice;
  // The largest code that a pupil's camera reads from the back of a
  // classroom when it fills most of a projected screen: version 10, 57
  // modules a side.
  const MOST_MODULES = 57;
  // A code's margin of light modules, all round, that a reader needs.
  const QUIET_ZONE = 4;
  // The preview loads the lesson afresh: once typing pauses, not per key.
  const PREVIEW_DELAY_MS = 400;

  const byId = (id) => document.getElementById(id);
  const form = byId('choices');
  const boxes = [byId('a'), byId('b')];
  const draw = byId('draw');
  const afterDraw = [byId('aux-a'), byId('aux-c')];
  const codeBox = byId('code');
  const codeNote = byId('code-note');
  const linkText = byId('link');
  const preview = byId('preview');
  const copyStatus = byId('copy-status');
  let core = null;
  let previewTimer = 0;

  function call(name, ...texts) {
    return core.ccall(name, 'string', texts.map(() => 'string'), texts);
  }

  // The choices as a query of the lesson's settings; the two constructions
  // are one setting.
  function choices() {
    const data = new FormData(form);
    const aux = afterDraw[0].name;
    const both = data.getAll(aux).join('');
    data.delete(aux);
    if (both)
      data.append(aux, both);
    return new URLSearchParams(data).toString();
  }

  // Sets the controls as a query's settings stand, as the lesson reads them.
  function apply(query) {
    const settings = new URLSearchParams(call('teacher_settings', query));
    for (const element of form.elements) {
      const value = settings.get(element.name);
      if (element.type === 'text')
        element.value = value === null ? '' : value;
      else if (element.type === 'radio' && value !== null)
        element.checked = element.value === value;
      else if (element.type === 'checkbox')
        element.checked = value !== null && value.includes(element.value);
    }
  }

  // The lesson beside this page: the folder's address, which serves its
  // index.html; opened from a file, the file itself.
  function lessonAddress(query) {
    const lesson = new URL(location.protocol === 'file:' ? 'index.html' : './', location.href);
    lesson.search = query;
    return lesson.href;
  }

  function isLocal(host) {
    return host === 'localhost' || host.endsWith('.localhost') || host === '[::1]' ||
      /^127\./.test(host);
  }

  // A value the lesson does not read whole is marked, with the reason, and
  // left out of the link.
  function mark(box) {
    const reason = call('teacher_reason', box.name, box.value);
    const line = byId(box.id + '-reason');
    line.textContent = reason ? reason + byId('left-out').content.textContent : '';
    if (reason)
      box.setAttribute('aria-invalid', 'true');
    else
      box.removeAttribute('aria-invalid');
  }

  // The link's code, dark on light with its quiet zone, as one path of
  // squares; its text alternative is the link itself.
  function codeOf(link) {
    let code = null;
    try {
      code = window.qrcode(0, 'M');  // the smallest version that holds it, level M
      code.addData(link, 'Byte');
      code.make();
    } catch (e) {
      return null;  // beyond the largest version of all
    }
    const count = code.getModuleCount();
    if (count > MOST_MODULES)
      return null;
    const svgNs = 'http://www.w3.org/2000/svg';
    const side = count + 2 * QUIET_ZONE;
    const svg = document.createElementNS(svgNs, 'svg');
    svg.setAttribute('viewBox', '0 0 ' + side + ' ' + side);
    svg.setAttribute('shape-rendering', 'crispEdges');
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', link);
    const light = document.createElementNS(svgNs, 'rect');
    light.setAttribute('width', side);
    light.setAttribute('height', side);
    light.setAttribute('fill', '#fff');
    let squares = '';
    for (let row = 0; row < count; row += 1) {
      for (let column = 0; column < count; column += 1) {
        if (code.isDark(row, column))
          squares += 'M' + (column + QUIET_ZONE) + ' ' + (row + QUIET_ZONE) + 'h1v1h-1z';
      }
    }
    const dark = document.createElementNS(svgNs, 'path');
    dark.setAttribute('d', squares);
    dark.setAttribute('fill', '#000');
    svg.append(light, dark);
    return svg;
  }

  function showCode(link) {
    const served = location.protocol === 'http:' || location.protocol === 'https:';
    const svg = served ? codeOf(link) : null;
    codeBox.replaceChildren(...(svg ? [svg] : []));
    codeBox.hidden = !svg;
    let note = '';
    if (!served)
      note = codeNote.dataset.noAddress;
    else if (!svg)
      note = codeNote.dataset.tooLong;
    else if (isLocal(location.hostname))
      note = codeNote.dataset.localAddress;
    codeNote.textContent = note;
  }

  function update() {
    boxes.forEach(mark);
    for (const box of afterDraw)
      box.disabled = !draw.checked;
    const query = call('teacher_link', choices());
    const link = lessonAddress(query);
    linkText.href = link;
    linkText.textContent = link;
    showCode(link);
    copyStatus.textContent = '';
    // The page's own address keeps the choices: reloaded, bookmarked or
    // reopened, it starts from them.
    history.replaceState(null, '', '?' + query + location.hash);
    clearTimeout(previewTimer);
    previewTimer = setTimeout(() => {
      const address = 'index.html' + (query ? '?' + query : '');
      if (preview.getAttribute('src') !== address)
        preview.setAttribute('src', address);
    }, PREVIEW_DELAY_MS);
  }

  function copy() {
    const text = linkText.textContent;
    const said = (ok) => {
      copyStatus.textContent = ok ? copyStatus.dataset.copied : copyStatus.dataset.failed;
    };
    // Without the clipboard's interface (an address that is not https), the
    // link's text is selected and copied as a selection is.
    const bySelection = () => {
      const range = document.createRange();
      range.selectNodeContents(linkText);
      getSelection().removeAllRanges();
      getSelection().addRange(range);
      let copied = false;
      try {
        copied = document.execCommand('copy');
      } catch (e) {
        copied = false;
      }
      said(copied);
    };
    if (navigator.clipboard && window.isSecureContext)
      navigator.clipboard.writeText(text).then(() => said(true), bySelection);
    else
      bySelection();
  }

  // The projector's view, by its button or the address teacher.html#projector.
  function showView() {
    const projector = location.hash === '#projector';
    document.documentElement.dataset.view = projector ? 'projector' : 'choices';
    if (projector)
      byId('back').focus();
  }

  function leaveProjector() {
    history.replaceState(null, '', location.pathname + location.search);
    showView();
    byId('projector').focus();
  }

  function start(module) {
    core = module;
    apply(location.search);
    form.addEventListener('input', update);
    form.addEventListener('change', update);
    form.addEventListener('submit', (e) => e.preventDefault());
    byId('copy').addEventListener('click', copy);
    byId('projector').addEventListener('click', () => {
      location.hash = 'projector';
    });
    byId('back').addEventListener('click', leaveProjector);
    document.addEventListener('keydown', (e) => {
      if (e.key === 'Escape' && document.documentElement.dataset.view === 'projector')
        leaveProjector();
    });
    window.addEventListener('hashchange', showView);
    showView();
    update();
    document.documentElement.dataset.teacher = 'ready';
    if ('serviceWorker' in navigator && location.protocol.startsWith('http'))
      navigator.serviceWorker.register('sw.js').catch((e) => notice.record('offline: ' + e));
  }

  document.addEventListener('DOMContentLoaded', () => {
    if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
      notice.fail('no-wasm', 'teacher: this browser runs no WebAssembly');
      return;
    }
    if (typeof window.createTeacherModule !== 'function' || typeof window.qrcode !== 'function') {
      notice.fail('files-missing', 'teacher: a script did not load');
      return;
    }
    window.createTeacherModule({
      wasmBinary: window.teacherWasmBinary,
      onAbort: (what) => notice.fail('files-missing', 'teacher abort: ' + what),
      printErr: (text) => notice.record('stderr: ' + text),
    }).then(start, (e) => notice.fail('files-missing', 'teacher load: ' + e));
  });
})();
