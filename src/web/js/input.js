// Every listener of the page: what the pupil does goes to the lesson as the
// browser reports it, an event by its fields' names (web/schema/Messages.h),
// and the lesson decides what it means (input/DomInput.h). Only what must
// happen in the browser's event itself is done here: a press's focus, the
// pointer's capture, and the browser's own action prevented.
mergeInto(LibraryManager.library, {
  $LessonInput__deps: ['$LessonQueue', '$LessonContract'],
  $LessonInput: {
    echo: true,       // a move of the focus is the pupil's, and goes to the lesson
    boxEnter: false,  // the key pressed last is Enter in a text box

    // An event of a kind the contract lacks is the page's fault, told where
    // it is posted rather than by the lesson that cannot take it.
    post: function (kind, event, points) {
      if (!(kind in LessonContract.Event))
        throw new Error('no event ' + kind);
      LessonQueue.post(LessonContract.Event[kind], event, points);
    },

    // The lesson moves the focus: no event goes back.
    quietly: function (move) {
      LessonInput.echo = false;
      try {
        move();
      } finally {
        LessonInput.echo = true;
      }
    },

    // The page as a whole: the focus, the keypress of Enter, the room.
    page: function () {
      const post = LessonInput.post;
      // The pupil moves the focus (Tab, a press): the lesson follows.
      document.addEventListener('focusin', (e) => {
        const control = e.target.closest && e.target.closest('[data-row]');
        if (LessonInput.echo && control)
          post('focus', { row: Number(control.dataset.row) });
      });
      // Enter belongs to the box it is pressed in: the keypress it makes must
      // not go on to click the button that the lesson gives the focus to
      // meanwhile. This is decided in the keypress itself, which the lesson
      // cannot answer in time. (An input method's Enter makes none.)
      document.addEventListener('keydown', () => {
        LessonInput.boxEnter = false;
      }, true);
      document.addEventListener('keypress', (e) => {
        if (LessonInput.boxEnter && e.key === 'Enter')
          e.preventDefault();
      }, true);
      // The room the page gives the lesson whenever it changes (a new window
      // size, the browser's zoom), and a new pixel ratio (another screen,
      // the zoom), at which the picture is made afresh.
      const resized = () =>
        post('resize', { width: window.innerWidth, height: window.innerHeight });
      const watchRatio = () => window.matchMedia('(resolution: ' + window.devicePixelRatio +
        'dppx)').addEventListener('change', () => {
        resized();
        post('repaint', {});
        watchRatio();
      }, { once: true });
      window.addEventListener('resize', resized);
      watchRatio();
    },

    // A press gives the control the focus before its click, as on the
    // desktop (WebKit would leave the focus where it was); a press on its hit
    // area does as a press on the control.
    focusOnPress: function (element, focusable) {
      element.addEventListener('pointerdown', () => {
        if (!focusable.disabled && document.activeElement !== focusable)
          focusable.focus({ preventScroll: true });
      });
    },

    textBox: function (input, row) {
      input.addEventListener('input', (e) => LessonInput.post('input', {
        row: row, isComposing: e.isComposing, inputType: e.inputType || '', value: input.value,
      }));
      input.addEventListener('compositionend', () =>
        LessonInput.post('compositionEnd', { row: row, value: input.value }));
      input.addEventListener('keydown', (e) => {
        LessonInput.boxEnter = e.key === 'Enter';
        LessonInput.post('key', {
          row: row, isComposing: e.isComposing, keyCode: e.keyCode, key: e.key,
        });
      });
    },

    button: function (button, row) {
      LessonInput.focusOnPress(button, button);
      button.addEventListener('click', () => LessonInput.post('click', { row: row }));
    },

    checkBox: function (input, row) {
      input.addEventListener('change', () =>
        LessonInput.post('toggle', { row: row, checked: input.checked }));
    },

    // Every pointer on the plane goes to the lesson with the canvas's box,
    // which the lesson maps to plane pixels, and every position the browser
    // coalesced into a move (a fast pen's); the lesson decides which
    // pointers are its own. A press takes the pointer (its moves and its
    // release come here wherever it goes) and does not move the focus,
    // select text or scroll.
    plane: function (canvas) {
      const post = (e, points) => {
        const r = canvas.getBoundingClientRect();
        LessonInput.post('pointer', {
          button: e.button, buttons: e.buttons, shiftKey: e.shiftKey, ctrlKey: e.ctrlKey,
          altKey: e.altKey, clientX: e.clientX, clientY: e.clientY, boxLeft: r.left,
          boxTop: r.top, boxWidth: r.width, pointerId: e.pointerId, type: e.type,
          pointerType: e.pointerType,
        }, points);
      };
      canvas.addEventListener('pointerdown', (e) => {
        e.preventDefault();
        canvas.setPointerCapture(e.pointerId);
        post(e);
      });
      canvas.addEventListener('pointermove', (e) => {
        const points = [];
        const coalesced = e.getCoalescedEvents ? e.getCoalescedEvents() : [];
        for (let i = 0; i + 1 < coalesced.length; i++)
          points.push(coalesced[i].clientX, coalesced[i].clientY);
        post(e, points);
      });
      canvas.addEventListener('pointerup', (e) => post(e));
      canvas.addEventListener('pointercancel', (e) => post(e));
      canvas.addEventListener('contextmenu', (e) => e.preventDefault());
      // Every key on the plane goes to the lesson, which takes the arrows.
      canvas.addEventListener('keydown', (e) => LessonInput.post('planeKey', {
        shiftKey: e.shiftKey, ctrlKey: e.ctrlKey, altKey: e.altKey, key: e.key,
      }));
    },
  },
});
