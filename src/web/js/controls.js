// The window and its controls: built from the lesson's control table, shown
// as the lesson's views give them, with the keyboard focus and what a screen
// reader is told. Every press, edit and tick goes to the lesson as the
// browser reports it.
mergeInto(LibraryManager.library, {
  $LessonControls__deps: ['$LessonInput', '$LessonCanvas', '$LessonInk', '$LessonContract'],
  $LessonControls: {
    controls: [],        // by row of the control table
    settingFocus: false, // the lesson moves the focus: no event back
    planeDescription: null, // the live region of the plane's description
    boxEnter: false,     // the key pressed last is Enter in a text box

    rowOf: function (element) {
      const control = element && element.closest && element.closest('[data-row]');
      return control ? Number(control.dataset.row) : -1;
    },

    // Each maker builds a control's element; where a control shows more of
    // the lesson's view than its element's own properties (a box's text, the
    // canvas's pixels), it says how.
    textBox: function (c, control) {
      const Event = LessonContract.Event;
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
        LessonInput.post(Event.input, [c.row, e.isComposing, lengthBytesUTF8(type)],
                         type + input.value);
      });
      input.addEventListener('compositionend', () =>
        LessonInput.post(Event.compositionEnd, [c.row], input.value));
      input.addEventListener('keydown', (e) => {
        LessonControls.boxEnter = e.key === 'Enter';
        LessonInput.post(Event.key, [c.row, e.isComposing, e.keyCode], e.key);
      });
      control.showText = (m) => LessonControls.showText(input, c.row, m);
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
      b.addEventListener('click', () => LessonInput.post(LessonContract.Event.click, [c.row]));
      return b;
    },

    // A button that stays pressed while its mode is on; a pen colour's shows
    // its colour as a swatch.
    toggle: function (c, control) {
      const b = LessonControls.button(c);
      if (c.swatch >= 0) {
        const swatch = document.createElement('span');
        swatch.className = 'swatch';
        swatch.style.backgroundColor = LessonCanvas.colour(c.swatch);
        b.append(swatch);
      }
      control.showChecked = (pressed) => b.setAttribute('aria-pressed', String(pressed));
      return b;
    },

    checkBox: function (c) {
      const box = document.createElement('label');
      const input = document.createElement('input');
      input.type = 'checkbox';
      input.id = c.name + '-box';  // what its hit area stands for
      input.addEventListener('change', () =>
        LessonInput.post(LessonContract.Event.toggle, [c.row, input.checked]));
      box.append(input, document.createTextNode(c.text));
      return box;
    },

    label: function (c) {
      const l = document.createElement('div');
      l.className = 'label';
      // A label with something to say besides its text is read as a whole.
      if (c.description)
        l.setAttribute('role', 'note');
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

    // The plane, with its layers of ink over it.
    picture: function (c, control) {
      const canvas = LessonCanvas.create();
      control.placed = (m) => {  // also at a new pixel ratio
        LessonCanvas.size(m.width, m.height);
        LessonInk.place(m.left, m.top, m.width, m.height);
      };
      control.created = () => LessonInk.create(canvas);
      return canvas;
    },

    add: function (c) {
      const C = LessonControls;
      const Kind = LessonContract.ControlKind;
      const makers = {
        [Kind.textBox]: C.textBox, [Kind.button]: C.button, [Kind.label]: C.label,
        [Kind.checkBox]: C.checkBox, [Kind.picture]: C.picture, [Kind.toggle]: C.toggle,
      };
      const control = { shown: {} };
      const element = makers[c.kind](c, control);
      element.id = c.name;
      element.dataset.row = c.row;
      element.classList.add('control');
      if (c.kind === Kind.label)
        element.classList.add('behind');
      if (c.textColour >= 0)
        element.style.color = LessonCanvas.colour(c.textColour);
      if (c.background >= 0)
        element.style.backgroundColor = LessonCanvas.colour(c.background);
      const focusable = element.querySelector('input') || element;
      if (c.kind !== Kind.label)
        focusable.setAttribute('aria-label', c.accessibleName);
      const description = document.createElement('div');
      description.className = 'unseen';
      description.id = c.name + '-description';
      if (c.kind === Kind.picture) {
        description.setAttribute('aria-live', 'polite');
        C.planeDescription = description;
      }
      document.getElementById('descriptions').append(description);
      focusable.setAttribute('aria-describedby', description.id);
      document.getElementById('lesson').append(element);
      if (control.created)
        control.created();
      control.element = element;
      control.focusable = focusable;
      control.description = description;
      C.controls[c.row] = control;
    },

    // A control's hit area: a transparent label for it, behind it and
    // reaching beyond it, where a tap or a click lands on the control as on
    // the control itself; what is seen stays as it was.
    hitArea: function (c) {
      const hit = document.createElement('label');
      hit.className = 'hit';
      hit.htmlFor = c.focusable.id;
      hit.dataset.hit = c.element.dataset.row;
      hit.setAttribute('aria-hidden', 'true');
      // A press gives the control the focus before its click, as a press on
      // the control itself does.
      hit.addEventListener('pointerdown', () => {
        if (!c.focusable.disabled && document.activeElement !== c.focusable)
          c.focusable.focus({ preventScroll: true });
      });
      c.element.before(hit);
      return hit;
    },

    place: function (e, left, top, width, height) {
      e.style.left = left + 'px';
      e.style.top = top + 'px';
      e.style.width = width + 'px';
      e.style.height = height + 'px';
    },

    // Every field of the lesson's view is applied; a field that does not
    // apply to the control comes as null. Only what changed is written to
    // the page: a drag changes the plane's description at every move, and
    // nothing else of it.
    show: function (row, m) {
      const C = LessonControls;
      const c = C.controls[row];
      const e = c.element;
      const was = c.shown;
      c.shown = m;
      if (m.hit && !c.hit)
        c.hit = C.hitArea(c);
      if (m.visible !== was.visible) {
        e.hidden = !m.visible;
        if (c.hit)
          c.hit.hidden = !m.visible;
      }
      if (m.hit && (!was.hit || m.hit.some((v, i) => v !== was.hit[i])))
        C.place(c.hit, ...m.hit);
      if (m.left !== was.left || m.top !== was.top || m.width !== was.width ||
          m.height !== was.height || m.fontPixels !== was.fontPixels || m.bold !== was.bold) {
        C.place(e, m.left, m.top, m.width, m.height);
        if (m.fontPixels !== null) {
          e.style.fontSize = m.fontPixels + 'px';
          e.style.fontWeight = m.bold ? 'bold' : 'normal';
        }
      }
      if (c.placed)
        c.placed(m);
      if (m.enabled !== null)
        c.focusable.disabled = !m.enabled;
      if (m.text !== null)
        c.showText(m);
      if (m.checked !== null && c.showChecked)
        c.showChecked(m.checked);
      else if (m.checked !== null)
        c.focusable.checked = m.checked;
      if (m.description !== null && m.description !== was.description)
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

  web_window__deps: ['$LessonControls', '$LessonEnd'],
  web_window: function (caption) {
    LessonEnd.guard('window', () => {
      document.title = UTF8ToString(caption);
      // The pupil moves the focus (Tab, a press): the lesson follows.
      document.addEventListener('focusin', (e) => {
        const row = LessonControls.rowOf(e.target);
        if (!LessonControls.settingFocus && row >= 0)
          LessonInput.post(LessonContract.Event.focus, [row]);
      });
      // Enter belongs to the box it is pressed in: the keypress it makes must
      // not go on to click the button that the lesson gives the focus to.
      // (An input method's Enter, which finishes a composition, makes none.)
      document.addEventListener('keydown', () => {
        LessonControls.boxEnter = false;
      }, true);
      document.addEventListener('keypress', (e) => {
        if (LessonControls.boxEnter && e.key === 'Enter')
          e.preventDefault();
      }, true);
      // The room the page gives the lesson whenever it changes (it starts in
      // the room there is): a new window size, another screen, the browser's
      // zoom.
      const resized = () =>
        LessonInput.post(LessonContract.Event.resize, [window.innerWidth, window.innerHeight]);
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
  web_add_control: function (row, kind, name, text, textColour, background, accessibleName,
                             description, maxLength, swatch) {
    LessonEnd.guard('control', () => LessonControls.add({
      row: row, kind: kind, name: UTF8ToString(name), text: UTF8ToString(text),
      textColour: textColour, background: background,
      accessibleName: UTF8ToString(accessibleName), description: UTF8ToString(description),
      maxLength: maxLength, swatch: swatch,
    }));
  },

  web_show_control__deps: ['$LessonControls', '$LessonEnd'],
  web_show_control: function (row, visible, enabled, left, top, width, height, hitLeft, hitTop,
                              hitWidth, hitHeight, fontPixels, bold, text, checked, description,
                              selectAll) {
    const flag = (value) => (value < 0 ? null : !!value);
    LessonEnd.guard('show', () => LessonControls.show(row, {
      visible: !!visible, enabled: flag(enabled), left: left, top: top, width: width,
      height: height, hit: hitWidth < 0 ? null : [hitLeft, hitTop, hitWidth, hitHeight],
      fontPixels: fontPixels < 0 ? null : fontPixels, bold: !!bold,
      text: text ? UTF8ToString(text) : null, checked: flag(checked),
      description: description ? UTF8ToString(description) : null, selectAll: !!selectAll,
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
      LessonControls.planeDescription.textContent = UTF8ToString(description);
    });
  },
});
