// The plane: a canvas that runs the lesson's display lists at the screen's
// pixel ratio, keeps the snapshots they ask for, and reports the pointer and
// the arrow keys on it.
mergeInto(LibraryManager.library, {
  $LessonCanvas__deps: ['$LessonInput', '$LessonContract'],
  $LessonCanvas: {
    FACE: '"LessonGothic", sans-serif',
    canvas: null,
    ctx: null,
    drawn: false,      // the canvas has a picture
    snapshots: [],     // canvases, by slot
    texts: [],         // the picture's texts by number
    // Library objects are written out as literals: plain objects, no Map.
    ascents: {},       // by font
    ascentPerPixel: 0,
    colours: {},       // by 0xRRGGBB

    colour: function (rgb) {
      let text = LessonCanvas.colours[rgb];
      if (text === undefined)
        text = LessonCanvas.colours[rgb] = '#' + (rgb >>> 0).toString(16).padStart(6, '0');
      return text;
    },

    font: function (pixelSize, bold) {
      return (bold ? 'bold ' : '') + pixelSize + 'px ' + LessonCanvas.FACE;
    },

    // The plane's element.
    create: function () {
      const canvas = document.createElement('canvas');
      canvas.tabIndex = 0;
      canvas.setAttribute('role', 'img');
      LessonCanvas.canvas = canvas;
      LessonCanvas.ctx = canvas.getContext('2d', { alpha: false });
      LessonCanvas.listen(canvas);
      return canvas;
    },

    // Pointer events go to the lesson as the browser reports them, with the
    // canvas's box, which the lesson maps to plane pixels; the lesson decides
    // what each pointer does (a pen writes, a finger drags, a palm is
    // ignored). Only pointers pressed on the plane are reported, each with
    // every position the browser coalesced into its move (a fast pen's). A
    // press does not move the focus, select text or scroll.
    listen: function (canvas) {
      const Event = LessonContract.Event;
      const down = {};  // the pointers pressed on the plane, by pointerId
      const post = (e, points) => {
        const r = canvas.getBoundingClientRect();
        LessonInput.post(Event.pointer, [e.button, e.buttons, e.shiftKey, e.ctrlKey, e.altKey,
                                         e.clientX, e.clientY, r.left, r.top, r.width,
                                         e.pointerId],
                         e.type + ' ' + e.pointerType, e.type === 'pointermove' && e.button === -1,
                         points);
      };
      canvas.addEventListener('pointerdown', (e) => {
        down[e.pointerId] = true;
        e.preventDefault();
        canvas.setPointerCapture(e.pointerId);
        post(e);
      });
      canvas.addEventListener('pointermove', (e) => {
        if (!down[e.pointerId])
          return;
        const points = [];
        const coalesced = e.getCoalescedEvents ? e.getCoalescedEvents() : [];
        for (let i = 0; i + 1 < coalesced.length; i++)
          points.push(coalesced[i].clientX, coalesced[i].clientY);
        post(e, points);
      });
      const release = (e) => {
        if (!down[e.pointerId])
          return;
        if (e.buttons === 0 || e.type === 'pointercancel')
          delete down[e.pointerId];
        post(e);
      };
      canvas.addEventListener('pointerup', release);
      canvas.addEventListener('pointercancel', release);
      canvas.addEventListener('contextmenu', (e) => e.preventDefault());
      // Every key on the plane goes to the lesson, which takes the arrows.
      canvas.addEventListener('keydown', (e) =>
        LessonInput.post(Event.planeKey, [e.shiftKey, e.ctrlKey, e.altKey], e.key));
    },

    // The canvas holds the picture at the screen's pixel ratio: never a
    // smaller bitmap scaled up. A new size has the lesson draw the picture
    // afresh; what it had drawn is kept, scaled, until then.
    size: function (width, height) {
      const ratio = window.devicePixelRatio || 1;
      const w = Math.max(1, Math.round(width * ratio));
      const h = Math.max(1, Math.round(height * ratio));
      const canvas = LessonCanvas.canvas;
      if (canvas.width === w && canvas.height === h)
        return;
      let before = null;
      if (LessonCanvas.drawn) {
        before = document.createElement('canvas');
        before.width = canvas.width;
        before.height = canvas.height;
        before.getContext('2d').drawImage(canvas, 0, 0);
      }
      canvas.width = w;
      canvas.height = h;
      if (before)
        LessonCanvas.ctx.drawImage(before, 0, 0, w, h);
      LessonCanvas.snapshots = [];
      LessonCanvas.ascents = {};
    },

    // The top of a text's cell lies above its baseline by the font's
    // ascent: the face's ascent per pixel of size, measured once at a size
    // large enough to be exact (the canvas reports whole pixels), then taken
    // in 64ths of a pixel as the desktop's font engine does.
    ascent: function (ctx, font, pixelSize) {
      let a = LessonCanvas.ascents[font];
      if (a === undefined) {
        if (!LessonCanvas.ascentPerPixel) {
          const saved = ctx.font;
          ctx.font = '2048px ' + LessonCanvas.FACE;
          const m = ctx.measureText('0');
          LessonCanvas.ascentPerPixel =
              m.fontBoundingBoxAscent !== undefined ? m.fontBoundingBoxAscent / 2048 : 0.88;
          ctx.font = saved;
        }
        a = LessonCanvas.ascents[font] =
          Math.round(LessonCanvas.ascentPerPixel * pixelSize * 64) / 64;
      }
      return a;
    },

    snapshot: function (slot) {
      let s = LessonCanvas.snapshots[slot];
      if (!s) {
        s = LessonCanvas.snapshots[slot] = document.createElement('canvas');
        s.width = LessonCanvas.canvas.width;
        s.height = LessonCanvas.canvas.height;
      }
      return s;
    },

    // Runs a display list (web/surface/CanvasSurface.h). The context's pen
    // is set only when it changes.
    draw: function (ops) {
      LessonCanvas.drawn = true;
      const Op = LessonContract.Op;
      const ctx = LessonCanvas.ctx;
      const canvas = LessonCanvas.canvas;
      const side = LessonContract.planeSide;
      const unit = canvas.width / side;  // canvas pixels per plane pixel
      const colour = LessonCanvas.colour;
      ctx.setTransform(unit, 0, 0, unit, 0, 0);
      ctx.lineCap = 'round';
      ctx.lineJoin = 'round';
      ctx.textBaseline = 'alphabetic';
      let stroke = '';
      let width = -1;
      for (let i = 0; i < ops.length; i += LessonContract.opSize[ops[i]]) {
        switch (ops[i]) {
          case Op.clear:
            ctx.fillStyle = '#ffffff';
            ctx.fillRect(0, 0, side, side);
            break;
          case Op.stroke:  // x1 y1 x2 y2 colour width; pixel (x, y) has its centre at x + 0.5
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
            break;
          case Op.text: {  // x top colour pixelSize bold id
            const font = LessonCanvas.font(ops[i + 4], ops[i + 5] !== 0);
            if (ctx.font !== font)
              ctx.font = font;
            ctx.fillStyle = colour(ops[i + 3]);
            ctx.fillText(LessonCanvas.texts[ops[i + 6]] || '', ops[i + 1],
                         ops[i + 2] + LessonCanvas.ascent(ctx, font, ops[i + 4]));
            break;
          }
          case Op.save:  // slot
            LessonCanvas.snapshot(ops[i + 1]).getContext('2d', { alpha: false })
              .drawImage(canvas, 0, 0);
            break;
          case Op.restore: {  // slot left top right bottom
            const x0 = Math.max(0, Math.floor(ops[i + 2] * unit));
            const y0 = Math.max(0, Math.floor(ops[i + 3] * unit));
            const x1 = Math.min(canvas.width, Math.ceil(ops[i + 4] * unit));
            const y1 = Math.min(canvas.height, Math.ceil(ops[i + 5] * unit));
            if (x1 > x0 && y1 > y0) {
              ctx.setTransform(1, 0, 0, 1, 0, 0);
              ctx.drawImage(LessonCanvas.snapshot(ops[i + 1]), x0, y0, x1 - x0, y1 - y0,
                            x0, y0, x1 - x0, y1 - y0);
              ctx.setTransform(unit, 0, 0, unit, 0, 0);
            }
            break;
          }
          default:
            throw new Error('unknown operation ' + ops[i]);
        }
      }
    },
  },

  web_intern__deps: ['$LessonCanvas'],
  web_intern: function (id, text) {
    LessonCanvas.texts[id] = UTF8ToString(text);
  },

  web_draw__deps: ['$LessonCanvas', '$LessonEnd'],
  web_draw: function (ops, count) {
    LessonEnd.guard('draw', () =>
      LessonCanvas.draw(HEAPF64.subarray(ops >> 3, (ops >> 3) + count)));
  },
});
