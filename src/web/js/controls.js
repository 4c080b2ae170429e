// The window and its controls, built from the lesson's control table (each
// row a record of the schema, read by its fields' names). How they show the
// lesson's views is views.js's; what the pupil does to them, input.js's.
mergeInto(LibraryManager.library, {
  $LessonControls__deps: ['$LessonInput', '$LessonCanvas', '$LessonInk', '$LessonContract',
                           '$LessonSupports'],
  $LessonControls: {
    controls: [],            // by row of the control table
    planeDescription: null,  // the live region of the plane's description

    // Each maker builds a control's element; where a control shows more of
    // the lesson's view than its element's own properties (a box's text, the
    // canvas's pixels), it says how.
    textBox: function (c) {
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
      LessonInput.textBox(input, c.row);
      return input;
    },

    button: function (c) {
      const b = document.createElement('button');
      b.type = 'button';
      b.textContent = c.text;
      LessonSupports.caption(b.firstChild, c.runs);
      if (c.row === LessonContract.Supports.readAloud)
        LessonSupports.unlock(b);
      LessonInput.button(b, c.row);
      return b;
    },

    // A button that stays pressed while its mode is on; a pen colour's shows
    // its colour as a swatch.
    toggle: function (c, control) {
      const b = LessonControls.button(c);
      if (c.swatch !== null) {
        const swatch = document.createElement('span');
        swatch.className = 'swatch';
        b.append(swatch);
        control.swatch = swatch;
      }
      control.showChecked = (pressed) => b.setAttribute('aria-pressed', String(pressed));
      return b;
    },

    checkBox: function (c) {
      const box = document.createElement('label');
      const input = document.createElement('input');
      input.type = 'checkbox';
      input.id = c.name + '-box';  // what its hit area stands for
      LessonInput.checkBox(input, c.row);
      const text = document.createTextNode(c.text);
      box.append(input, text);
      LessonSupports.caption(text, c.runs);
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
        LessonSupports.caption(l.firstChild, c.runs);
        return l;
      }
      // The text as it stands, read under the name it stands for.
      const shown = document.createElement('span');
      shown.textContent = c.text;
      LessonSupports.caption(shown.firstChild, c.runs);
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
      LessonInput.plane(canvas);
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
      // Its colours of the control table, as the scheme shows them.
      LessonSupports.colours(element, control.swatch, c);
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
      Object.assign(control, { element: element, focusable: focusable, description: description });
      C.controls[c.row] = control;
    },

  },

  web_window__deps: ['$LessonInput', '$LessonQueue'],
  web_window: function (caption) {
    LessonQueue.guard('window', () => {
      document.title = UTF8ToString(caption);
      LessonInput.page();
    });
  },

  web_add_control__deps: ['$LessonControls', '$LessonQueue', '$LessonContract'],
  web_add_control: function (control) {
    LessonQueue.guard('control', () =>
      LessonControls.add(LessonContract.read(LessonContract.Record.control, control >> 3)));
  },
});
