// The marks over the plane: two transparent canvases laid exactly over the
// plane's, at its pixel ratio, which take no pointer (the plane under them
// does). The lower holds the finished marks, the upper the mark being
// written; the lesson's ink lists (web/surface/InkList.h) say what to stroke
// on which, and the lesson's picture beneath is never drawn on. And the
// plane handed in as a picture.
mergeInto(LibraryManager.library, {
  $LessonInk__deps: ['$LessonCanvas', '$LessonContract'],
  $LessonInk: {
    finished: null,
    active: null,

    // The two layers, after the plane's canvas in the page.
    create: function (plane) {
      const layer = () => {
        const c = document.createElement('canvas');
        c.className = 'ink';
        c.setAttribute('aria-hidden', 'true');
        return c;
      };
      LessonInk.finished = layer();
      LessonInk.active = layer();
      plane.after(LessonInk.finished, LessonInk.active);
    },

    // The layers stand where the plane stands, with as many pixels as its
    // canvas; at a new size they are blank, and the lesson draws every mark
    // on them afresh.
    place: function (left, top, width, height) {
      const plane = LessonCanvas.canvas;
      for (const c of [LessonInk.finished, LessonInk.active]) {
        c.style.left = left + 'px';
        c.style.top = top + 'px';
        c.style.width = width + 'px';
        c.style.height = height + 'px';
        if (c.width !== plane.width || c.height !== plane.height) {
          c.width = plane.width;
          c.height = plane.height;
        }
      }
    },

    // Runs an ink list: the active layer is cleared, then each path is
    // stroked on its layer in plane pixels.
    run: function (ops) {
      const Op = LessonContract.InkOp;
      const size = LessonContract.InkOpSize;
      const [pen, point, quad] = [LessonContract.InkOpField.active, LessonContract.InkOpField.move,
                                  LessonContract.InkOpField.quad];
      const unit = LessonInk.finished.width / LessonContract.planeSide;
      const start = (canvas) => {
        const ctx = canvas.getContext('2d');
        ctx.setTransform(unit, 0, 0, unit, 0, 0);
        return ctx;
      };
      start(LessonInk.active).clearRect(0, 0, LessonContract.planeSide, LessonContract.planeSide);
      let ctx = null;
      for (let i = 0; i < ops.length; i += size[ops[i]]) {
        switch (ops[i]) {
          case Op.redraw:
            start(LessonInk.finished).clearRect(0, 0, LessonContract.planeSide,
                                                LessonContract.planeSide);
            break;
          case Op.finished:
          case Op.active:
            ctx = start(ops[i] === Op.finished ? LessonInk.finished : LessonInk.active);
            ctx.strokeStyle = LessonCanvas.colour(ops[i + pen.colour]);
            ctx.lineWidth = ops[i + pen.width];
            ctx.lineCap = 'round';
            ctx.lineJoin = 'round';
            ctx.beginPath();
            break;
          case Op.move:
            ctx.moveTo(ops[i + point.x], ops[i + point.y]);
            break;
          case Op.line:
            ctx.lineTo(ops[i + point.x], ops[i + point.y]);
            break;
          case Op.quad:
            ctx.quadraticCurveTo(ops[i + quad.cx], ops[i + quad.cy], ops[i + quad.x],
                                 ops[i + quad.y]);
            break;
          case Op.stroke:
            ctx.stroke();
            break;
          default:
            throw new Error('unknown ink operation ' + ops[i]);
        }
      }
    },

    // The plane as the pupil sees it: its picture with both layers over it,
    // at the canvas's resolution.
    picture: function () {
      const plane = LessonCanvas.canvas;
      const out = document.createElement('canvas');
      out.width = plane.width;
      out.height = plane.height;
      const ctx = out.getContext('2d');
      for (const c of [plane, LessonInk.finished, LessonInk.active])
        ctx.drawImage(c, 0, 0);
      return out;
    },

    // The PNG is made at once, in the tap's own task, so that the share
    // sheet opens under the tap's activation; where a file cannot be shared
    // it is downloaded (a download keeps no preview open in an app the pupil
    // cannot leave: an iPad's home-screen app always shares).
    save: function (name) {
      const url = LessonInk.picture().toDataURL('image/png');
      const bytes = Uint8Array.from(atob(url.slice(url.indexOf(',') + 1)), (c) => c.charCodeAt(0));
      const file = new File([bytes], name, { type: 'image/png' });
      LessonInk.deliver(file);
    },

    deliver: function (file) {
      const download = () => {
        const a = document.createElement('a');
        a.href = URL.createObjectURL(file);
        a.download = file.name;
        a.click();
        setTimeout(() => URL.revokeObjectURL(a.href), 60000);
      };
      if (navigator.canShare && navigator.canShare({ files: [file] })) {
        navigator.share({ files: [file] }).catch((e) => {
          // The pupil closed the share sheet: nothing more to do.
          if (e.name !== 'AbortError')
            download();
        });
      } else {
        download();
      }
    },
  },

  web_ink__deps: ['$LessonInk', '$LessonQueue'],
  web_ink: function (ops, count) {
    LessonQueue.guard('ink', () => LessonInk.run(HEAPF64.subarray(ops >> 3, (ops >> 3) + count)));
  },

  web_save_picture__deps: ['$LessonInk', '$LessonQueue'],
  web_save_picture: function (name) {
    LessonQueue.guard('save', () => LessonInk.save(UTF8ToString(name)));
  },
});
