// The plane: a canvas that runs the lesson's display lists at the screen's
// pixel ratio and keeps the snapshots they ask for.
mergeInto(LibraryManager.library, {
  $LessonCanvas__deps: ['$LessonContract'],
  $LessonCanvas: {
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
      return (bold ? 'bold ' : '') + pixelSize + 'px "' + LessonContract.face + '", sans-serif';
    },

    // The plane's element.
    create: function () {
      const canvas = document.createElement('canvas');
      canvas.tabIndex = 0;
      canvas.setAttribute('role', 'img');
      LessonCanvas.canvas = canvas;
      LessonCanvas.ctx = canvas.getContext('2d', { alpha: false });
      return canvas;
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
          ctx.font = LessonCanvas.font(2048, false);
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

    // Runs a display list (web/surface/CanvasSurface.h), each operation's
    // fields at their offsets from it. The context's pen is set only when it
    // changes.
    draw: function (ops) {
      LessonCanvas.drawn = true;
      const Op = LessonContract.Op;
      const [clear, line, text] = [LessonContract.OpField.clear, LessonContract.OpField.stroke,
                                   LessonContract.OpField.text];
      const [save, restore] = [LessonContract.OpField.save, LessonContract.OpField.restore];
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
      for (let i = 0; i < ops.length; i += LessonContract.OpSize[ops[i]]) {
        switch (ops[i]) {
          case Op.clear:
            ctx.fillStyle = colour(ops[i + clear.colour]);
            ctx.fillRect(0, 0, side, side);
            break;
          case Op.stroke:  // pixel (x, y) has its centre at x + 0.5
            ctx.beginPath();
            ctx.moveTo(ops[i + line.x1] + 0.5, ops[i + line.y1] + 0.5);
            ctx.lineTo(ops[i + line.x2] + 0.5, ops[i + line.y2] + 0.5);
            if (colour(ops[i + line.colour]) !== stroke) {
              stroke = colour(ops[i + line.colour]);
              ctx.strokeStyle = stroke;
            }
            if (ops[i + line.width] !== width) {
              width = ops[i + line.width];
              ctx.lineWidth = width;
            }
            ctx.stroke();
            break;
          case Op.text: {
            const size = ops[i + text.pixelSize];
            const font = LessonCanvas.font(size, ops[i + text.bold] !== 0);
            if (ctx.font !== font)
              ctx.font = font;
            ctx.fillStyle = colour(ops[i + text.colour]);
            ctx.fillText(LessonCanvas.texts[ops[i + text.textId]] || '', ops[i + text.x],
                         ops[i + text.top] + LessonCanvas.ascent(ctx, font, size));
            break;
          }
          case Op.save:
            LessonCanvas.snapshot(ops[i + save.slot]).getContext('2d', { alpha: false })
              .drawImage(canvas, 0, 0);
            break;
          case Op.restore: {  // within plane pixels left, top, right, bottom
            const x0 = Math.max(0, Math.floor(ops[i + restore.left] * unit));
            const y0 = Math.max(0, Math.floor(ops[i + restore.top] * unit));
            const x1 = Math.min(canvas.width, Math.ceil(ops[i + restore.right] * unit));
            const y1 = Math.min(canvas.height, Math.ceil(ops[i + restore.bottom] * unit));
            if (x1 > x0 && y1 > y0) {
              ctx.setTransform(1, 0, 0, 1, 0, 0);
              ctx.drawImage(LessonCanvas.snapshot(ops[i + restore.slot]), x0, y0, x1 - x0,
                            y1 - y0, x0, y0, x1 - x0, y1 - y0);
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

  web_draw__deps: ['$LessonCanvas', '$LessonQueue'],
  web_draw: function (ops, count) {
    LessonQueue.guard('draw', () =>
      LessonCanvas.draw(HEAPF64.subarray(ops >> 3, (ops >> 3) + count)));
  },
});
