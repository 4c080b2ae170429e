// The controls as the lesson's views show them (each view a record of the
// schema, read by its fields' names), the keyboard focus, and what a screen
// reader is told of the plane.
mergeInto(LibraryManager.library, {
  $LessonViews__deps: ['$LessonControls', '$LessonInput'],
  $LessonViews: {
    // A control's hit area: a transparent label for it, behind it and
    // reaching beyond it, where a tap or a click lands on the control as on
    // the control itself; what is seen stays as it was.
    hitArea: function (c) {
      const hit = document.createElement('label');
      hit.className = 'hit';
      hit.htmlFor = c.focusable.id;
      hit.dataset.hit = c.element.dataset.row;
      hit.setAttribute('aria-hidden', 'true');
      LessonInput.focusOnPress(hit, c.focusable);
      c.element.before(hit);
      return hit;
    },

    place: function (e, left, top, width, height) {
      Object.assign(e.style, {
        left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px',
      });
    },

    // Every field of the lesson's view is applied; a field that does not
    // apply to the control is null. Only what changed is written to the
    // page: a drag changes the plane's description at every move, and
    // nothing else of it.
    show: function (m) {
      const C = LessonViews;
      const c = LessonControls.controls[m.row];
      const e = c.element;
      const was = c.shown;
      c.shown = m;
      const hit = m.hitLeft === null ? null : [m.hitLeft, m.hitTop, m.hitWidth, m.hitHeight];
      if (hit && !c.hit)
        c.hit = C.hitArea(c);
      if (m.visible !== was.visible) {
        e.hidden = !m.visible;
        if (c.hit)
          c.hit.hidden = !m.visible;
      }
      if (hit && (m.hitLeft !== was.hitLeft || m.hitTop !== was.hitTop ||
                  m.hitWidth !== was.hitWidth || m.hitHeight !== was.hitHeight))
        C.place(c.hit, ...hit);
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
      if (m.text !== null || m.selectAll)
        C.showText(c.focusable, m);
      if (m.checked !== null && c.showChecked)
        c.showChecked(m.checked);
      else if (m.checked !== null)
        c.focusable.checked = m.checked;
      if (m.description !== null && m.description !== was.description)
        c.description.textContent = m.description;
    },

    // A box shows the lesson's text (typed text folded to ASCII keeps the
    // caret). The lesson sends none while an edit of the pupil's is on its
    // way to it.
    showText: function (input, m) {
      if (m.text !== null && input.value !== m.text) {
        const same = input.value.length === m.text.length;
        const [start, end] = [input.selectionStart, input.selectionEnd];
        input.value = m.text;
        if (same && document.activeElement === input)
          input.setSelectionRange(start, end);
      }
      if (m.selectAll)
        input.select();
    },

    // The lesson has ended: every control stops taking input; the plane,
    // which cannot be disabled, leaves the order of Tab.
    stop: function () {
      for (const c of LessonControls.controls) {
        if (c && 'disabled' in c.focusable)
          c.focusable.disabled = true;
        else if (c)
          c.focusable.tabIndex = -1;
      }
    },
  },

  web_show_control__deps: ['$LessonViews', '$LessonQueue', '$LessonContract'],
  web_show_control: function (view) {
    LessonQueue.guard('show', () =>
      LessonViews.show(LessonContract.read(LessonContract.Record.view, view >> 3)));
  },

  web_focus__deps: ['$LessonControls', '$LessonInput', '$LessonQueue'],
  web_focus: function (row) {
    LessonQueue.guard('focus', () => LessonInput.quietly(() => {
      const c = LessonControls.controls[row];
      if (c && !c.element.hidden && !c.focusable.disabled)
        c.focusable.focus({ preventScroll: true });
      else if (document.activeElement && document.activeElement !== document.body)
        document.activeElement.blur();
    }));
  },

  // The plane's description goes to a polite live region; the lesson has
  // spaced the changes out already.
  web_announce__deps: ['$LessonControls', '$LessonQueue'],
  web_announce: function (description) {
    LessonQueue.guard('announce', () => {
      LessonControls.planeDescription.textContent = UTF8ToString(description);
    });
  },
});
