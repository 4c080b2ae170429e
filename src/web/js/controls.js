// The window and its controls: built from the lesson's control table, shown
// as the lesson's models stand, with the keyboard focus and what a screen
// reader is told. Every press, edit and tick goes to the lesson as the
// browser reports it.
mergeInto(LibraryManager.library, {
  $LessonControls__deps: ['$LessonInput', '$LessonCanvas'],
  $LessonControls: {
    // Kinds of control, in the order of the control table's ControlKind.
    Kind: { textBox: 0, button: 1, label: 2, checkBox: 3, picture: 4 },
    controls: [],        // by row of the control table
    settingFocus: false, // the lesson moves the focus: no event back

    rowOf: function (element) {
      const control = element && element.closest && element.closest('[data-row]');
      return control ? Number(control.dataset.row) : -1;
    },

    textBox: function (c) {
      const Kind = LessonInput.Kind;
      const input = document.createElement('input');
      input.type = 'text';
      input.maxLength = c.maxLength;
      input.autocomplete = 'off';
      input.spellcheck = false;
      input.setAttribute('autocapitalize', 'off');
      input.setAttribute('autocorrect', 'off');
      input.setAttribute('enterkeyhint', 'next');
      // A tablet's keyboard opens on its digits and signs: the digits, "-" and
      // "." (and on an iPad "/" too) without switching, letters a tap away.
      input.inputMode = 'decimal';
      input.addEventListener('input', (e) => {
        const type = e.inputType || '';
        LessonInput.post(Kind.input, [c.row, e.isComposing, lengthBytesUTF8(type)],
                         type + input.value);
      });
      input.addEventListener('compositionend', () =>
        LessonInput.post(Kind.compositionEnd, [c.row], input.value));
      input.addEventListener('keydown', (e) => {
        const composing = e.isComposing || e.keyCode === 229;
        // Enter is the box's: it must not go on to click the button that
        // the focus moves to.
        if (e.key === 'Enter' && !composing)
          e.preventDefault();
        LessonInput.post(Kind.key, [c.row, e.isComposing, e.keyCode], e.key);
      });
      return input;
    },

    button: function (c) {
      const b = document.createElement('button');
      b.type = 'button';
      b.textContent = c.text;
      // A press gives the button the focus before its click, as on the
      // desktop (WebKit would leave the focus where it was).
      b.addEventListener('pointerdown', () => {
        if (!b.disabled && document.activeElement !== b)
          b.focus({ preventScroll: true });
      });
      b.addEventListener('click', () => LessonInput.post(LessonInput.Kind.click, [c.row]));
      return b;
    },

    checkBox: function (c) {
      const box = document.createElement('label');
      const input = document.createElement('input');
      input.type = 'checkbox';
      input.addEventListener('change', () =>
        LessonInput.post(LessonInput.Kind.toggle, [c.row, input.checked]));
      box.append(input, document.createTextNode(c.text));
      return box;
    },

    label: function (c) {
      const l = document.createElement('div');
      l.className = 'label';
      if (c.accessibleName === c.text) {
        l.textContent = c.text;
        return l;
      }
      // The text as it stands, read under the name it stands for.
      const shown = document.createElement('span');
      shown.textContent = c.text;
      shown.setAttribute('aria-hidden', 'true');
      const name = document.createElement('span');
      name.className = 'unseen';
      name.textContent = c.accessibleName;
      l.append(shown, name);
      return l;
    },

    add: function (c) {
      const C = LessonControls;
      const makers = [C.textBox, C.button, C.label, C.checkBox, LessonCanvas.create];
      const element = makers[c.kind](c);
      element.id = c.name;
      element.dataset.row = c.row;
      element.classList.add('control');
      if (c.kind === C.Kind.label)
        element.classList.add('behind');
      if (c.textColour >= 0)
        element.style.color = LessonCanvas.colour(c.textColour);
      if (c.background >= 0)
        element.style.backgroundColor = LessonCanvas.colour(c.background);
      const focusable = element.querySelector('input') || element;
      if (c.kind !== C.Kind.label)
        focusable.setAttribute('aria-label', c.accessibleName);
      const description = document.createElement('div');
      description.className = 'unseen';
      description.id = c.name + '-description';
      if (c.kind === C.Kind.picture)
        description.setAttribute('aria-live', 'polite');
      document.getElementById('descriptions').append(description);
      focusable.setAttribute('aria-describedby', description.id);
      document.getElementById('lesson').append(element);
      C.controls[c.row] = { element: element, focusable: focusable, kind: c.kind, shown: {},
                            description: description };
    },

    // Only what changed is written to the page: a drag changes the plane's
    // description at every move, and nothing else of it.
    show: function (row, m) {
      const Kind = LessonControls.Kind;
      const c = LessonControls.controls[row];
      if (!c)
        return;
      const e = c.element;
      const was = c.shown;
      c.shown = m;
      if (m.visible !== was.visible)
        e.hidden = !m.visible;
      if (m.left !== was.left || m.top !== was.top || m.width !== was.width ||
          m.height !== was.height || m.fontPixels !== was.fontPixels || m.bold !== was.bold) {
        e.style.left = m.left + 'px';
        e.style.top = m.top + 'px';
        e.style.width = m.width + 'px';
        e.style.height = m.height + 'px';
        e.style.fontSize = m.fontPixels + 'px';
        e.style.fontWeight = m.bold ? 'bold' : 'normal';
      }
      if (c.kind !== Kind.label && c.kind !== Kind.picture)
        c.focusable.disabled = !m.enabled;
      if (c.kind === Kind.textBox)
        LessonControls.showText(c.focusable, row, m);
      else if (c.kind === Kind.checkBox)
        c.focusable.checked = m.checked;
      else if (c.kind === Kind.picture)
        LessonCanvas.size(m.width, m.height);  // also at a new pixel ratio
      if (m.description === was.description || c.kind === Kind.picture)
        return;
      // A label with something to say besides its text is read as a whole.
      if (c.kind === Kind.label && m.description)
        e.setAttribute('role', 'note');
      c.description.textContent = m.description;
    },

    // A box the pupil has edited since the lesson last took its text keeps
    // what the pupil typed: that edit is on its way. Otherwise it shows the
    // lesson's text (typed text folded to ASCII keeps the caret).
    showText: function (input, row, m) {
      if (input.value !== m.text && !LessonInput.editPending(row)) {
        const same = input.value.length === m.text.length;
        const [start, end] = [input.selectionStart, input.selectionEnd];
        input.value = m.text;
        if (same && document.activeElement === input)
          input.setSelectionRange(start, end);
      }
      if (m.selectAll)
        input.select();
    },
  },

  // The page's test object (js/testing.js) comes with the window.
  web_window__deps: ['$LessonControls', '$LessonEnd', '$LessonTest'],
  web_window: function (caption) {
    LessonEnd.guard('window', () => {
      document.title = UTF8ToString(caption);
      // The pupil moves the focus (Tab, a press): the lesson follows.
      document.addEventListener('focusin', (e) => {
        const row = LessonControls.rowOf(e.target);
        if (!LessonControls.settingFocus && row >= 0)
          LessonInput.post(LessonInput.Kind.focus, [row]);
      });
      // The room the page gives the lesson whenever it changes (it starts in
      // the room there is): a new window size, another screen, the browser's
      // zoom.
      const resized = () =>
        LessonInput.post(LessonInput.Kind.resize, [window.innerWidth, window.innerHeight]);
      const watchRatio = () => window.matchMedia('(resolution: ' + window.devicePixelRatio +
        'dppx)').addEventListener('change', () => {
        resized();
        watchRatio();
      }, { once: true });
      window.addEventListener('resize', resized);
      watchRatio();
    });
  },

  web_add_control__deps: ['$LessonControls', '$LessonEnd'],
  web_add_control: function (row, kind, name, text, left, top, width, height, fontPixels, bold,
                             textColour, background, accessibleName, maxLength) {
    LessonEnd.guard('control', () => LessonControls.add({
      row: row, kind: kind, name: UTF8ToString(name), text: UTF8ToString(text), left: left,
      top: top, width: width, height: height, fontPixels: fontPixels, bold: !!bold,
      textColour: textColour, background: background,
      accessibleName: UTF8ToString(accessibleName), maxLength: maxLength,
    }));
  },

  web_show_control__deps: ['$LessonControls', '$LessonEnd'],
  web_show_control: function (row, enabled, visible, left, top, width, height, fontPixels, bold,
                              text, checked, description, selectAll) {
    LessonEnd.guard('show', () => LessonControls.show(row, {
      enabled: !!enabled, visible: !!visible, left: left, top: top, width: width, height: height,
      fontPixels: fontPixels, bold: !!bold, text: UTF8ToString(text), checked: !!checked,
      description: UTF8ToString(description), selectAll: !!selectAll,
    }));
  },

  web_focus__deps: ['$LessonControls', '$LessonEnd'],
  web_focus: function (row) {
    LessonEnd.guard('focus', () => {
      const c = LessonControls.controls[row];
      LessonControls.settingFocus = true;
      try {
        if (c && !c.element.hidden && !c.focusable.disabled)
          c.focusable.focus({ preventScroll: true });
        else if (document.activeElement && document.activeElement !== document.body)
          document.activeElement.blur();
      } finally {
        LessonControls.settingFocus = false;
      }
    });
  },

  // The plane's description goes to a polite live region; the lesson has
  // spaced the changes out already.
  web_announce__deps: ['$LessonControls', '$LessonEnd'],
  web_announce: function (description) {
    LessonEnd.guard('announce', () => {
      const plane = LessonControls.controls.find((c) => c && c.kind === LessonControls.Kind.picture);
      if (plane)
        plane.description.textContent = UTF8ToString(description);
    });
  },
});
