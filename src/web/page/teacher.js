// The teacher's page: the choices of a prepared example, the lesson itself
// as a preview of it, and the link that opens it (teacher-link.js shows it,
// with a view of its code alone for the projector). What a link holds and
// how a value reads are the lesson's own rules, asked of the core's small
// module (teacher-core.js), which takes the form's fields as the form sends
// them and gives those the form shows.
'use strict';
(function () {
  const notice = window.lessonNotice;
  const { notice: Notice } = window.lessonPage;
  const link = window.teacherLink;
  // The preview loads the lesson afresh: once typing pauses, not per key.
  const PREVIEW_DELAY_MS = 400;

  const byId = (id) => document.getElementById(id);
  const form = byId('choices');
  const boxes = [byId('a'), byId('b')];
  const draw = byId('draw');
  const afterDraw = form.querySelectorAll('.after-draw input');
    const preview = byId('preview');
  let core = null;
  let previewTimer = 0;

  function call(name, ...texts) {
    return core.ccall(name, 'string', texts.map(() => 'string'), texts);
  }

  // Sets the controls as the fields of a query's settings stand, as the
  // lesson reads them.
  function apply(query) {
    const fields = new URLSearchParams(call('teacher_fields', query));
    for (const element of form.elements) {
      if (element.type === 'text')
        element.value = fields.get(element.name) || '';
      else if (element.type === 'radio' || element.type === 'checkbox')
        element.checked = fields.getAll(element.name).includes(element.value);
    }
  }

  // The lesson beside this page: the folder's address, which serves its
  // index.html; opened from a file, the file itself.
  function lessonAddress(query) {
    const lesson = new URL(location.protocol === 'file:' ? 'index.html' : './', location.href);
    lesson.search = query;
    return lesson.href;
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

  function update() {
    boxes.forEach(mark);
    for (const box of afterDraw)
      box.disabled = !draw.checked;
    const query = call('teacher_link', new URLSearchParams(new FormData(form)).toString());
    link.show(lessonAddress(query));
    clearTimeout(previewTimer);
    previewTimer = setTimeout(() => {
      // The page's own address keeps the choices: reloaded, bookmarked or
      // reopened, it starts from them. It is written once the typing
      // pauses, as the preview is: a browser refuses (and throws at) more
      // than 100 changes of the address in 10 seconds, which a long value
      // typed fast makes.
      history.replaceState(null, '', '?' + query + location.hash);
      const address = 'index.html' + (query ? '?' + query : '');
      if (preview.getAttribute('src') !== address)
        preview.setAttribute('src', address);
    }, PREVIEW_DELAY_MS);
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
    byId('copy').addEventListener('click', link.copy);
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
      notice.fail(Notice.noWasm, 'teacher: this browser runs no WebAssembly');
      return;
    }
    if (typeof window.createTeacherModule !== 'function' || typeof window.qrcode !== 'function' ||
        !link) {
      notice.fail(Notice.filesMissing, 'teacher: a script did not load');
      return;
    }
    window.createTeacherModule({
      wasmBinary: window.teacherWasmBinary,
      onAbort: (what) => notice.fail(Notice.filesMissing, 'teacher abort: ' + what),
      printErr: (text) => notice.record('stderr: ' + text),
    }).then(start, (e) => notice.fail(Notice.filesMissing, 'teacher load: ' + e));
  });
})();
