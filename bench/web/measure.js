// Timings taken inside the lesson's page: bench/web/measure.py injects this
// file once the lesson is ready and calls window.lessonBench. Every figure
// is a median in microseconds of performance.now(). Reading one pixel back
// makes the canvas finish the drawing queued on it, so that a time includes
// the rasterisation.
//
// Paced, each move or frame comes at an animation frame of its own, as a
// pointer's moves arrive while the pupil drags, after the browser has shown
// the frame before; else they follow one another at once.
'use strict';
window.lessonBench = (function () {
  const test = window.lessonTest;
  const Kind = test.Kind;
  const Op = test.contract.Op;
  // A pointer event as the page's listener posts it: its type, the button
  // that changed, the buttons held, no modifier, at plane pixels (x, y) of
  // the canvas as it stands; moves merge in the lesson.
  const pointer = (type, button, buttons, x, y, pointerType, points) => {
    const r = test.canvas().getBoundingClientRect();
    const perPixel = r.width / test.contract.planeSide;
    test.post(Kind.pointer, {
      button: button, buttons: buttons, shiftKey: false, ctrlKey: false, altKey: false,
      clientX: r.left + x * perPixel, clientY: r.top + y * perPixel, boxLeft: r.left,
      boxTop: r.top, boxWidth: r.width, pointerId: pointerType === 'pen' ? 2 : 1, type: type,
      pointerType: pointerType || 'mouse',
    }, points);
  };
  const frame = () => new Promise((resolve) => requestAnimationFrame(resolve));
  const rasterise = (ctx) => ctx.getImageData(0, 0, 1, 1);
  const median = (values) => values.sort((a, b) => a - b)[values.length >> 1];
  const colour = (rgb) => '#' + (rgb >>> 0).toString(16).padStart(6, '0');

  async function idle() {
    while (!test.idle())
      await frame();
  }

  // The lesson takes a move at once; the page knows it is idle again a few
  // microtasks later.
  async function settle() {
    for (let i = 0; test.busy() && i < 100; ++i)
      await null;
    await idle();
  }

  // count moves of the pointer pressed at (320, 300), each to
  // (321 + i % 40, 300 - i % 7) in plane pixels: the lesson's handler, its
  // display list run on the canvas, and the canvas's rasterisation. Moves
  // that the lesson did not take and draw at once are counted.
  async function drag(count, paced) {
    await idle();
    const ctx = test.canvas().getContext('2d');
    let draws = 0;
    test.watchDraws(() => ++draws);
    pointer('pointerdown', 0, 1, 320, 300);
    await idle();
    const us = [];
    let late = 0;
    for (let i = 0; i < count; ++i) {
      await (paced ? frame() : settle());
      const before = draws;
      const start = performance.now();
      pointer('pointermove', -1, 1, 321 + (i % 40), 300 - (i % 7));
      rasterise(ctx);
      us.push((performance.now() - start) * 1000);
      if (!test.idle() && !test.busy() || draws !== before + 1)
        ++late;
    }
    // The triangle is let go where it was picked up, for the next run.
    await settle();
    pointer('pointermove', -1, 1, 320, 300);
    await settle();
    pointer('pointerup', 0, 0, 320, 300);
    await idle();
    test.watchDraws(null);
    return { us: median(us), late: late };
  }

  // The whole picture as one display list: a repaint (as at a new pixel
  // ratio) has the lesson draw it afresh from a clear. Then the texts it names.
  async function wholeFrame() {
    await idle();
    let ops = null;
    test.watchDraws((list) => {
      if (list[0] === Op.clear)
        ops = Float64Array.from(list);
    });
    test.post(Kind.repaint, {});
    await idle();
    test.watchDraws(null);
    return { ops: ops, texts: test.texts().slice() };
  }

  // How many numbers each operation of a display list takes, by its number.
  const LENGTHS = test.contract.OpSize;

  // The naive renderer: the scene drawn on a new canvas of the same backing
  // size, one path and stroke() per line, the font set and one fillText per
  // text, placed as the page places them; nothing kept from frame to frame,
  // and the page's snapshots left out.
  function naiveFrame(scene, width, height) {
    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    const ctx = canvas.getContext('2d', { alpha: false });
    const unit = width / 640;
    ctx.setTransform(unit, 0, 0, unit, 0, 0);
    ctx.lineCap = 'round';
    const ops = scene.ops;
    const F = test.contract.OpField;
    for (let i = 0; i < ops.length; i += LENGTHS[ops[i]]) {
      const at = (field) => ops[i + field];
      if (ops[i] === Op.clear) {
        ctx.fillStyle = colour(at(F.clear.colour));
        ctx.fillRect(0, 0, 640, 640);
      } else if (ops[i] === Op.stroke) {
        ctx.beginPath();
        ctx.moveTo(at(F.stroke.x1) + 0.5, at(F.stroke.y1) + 0.5);
        ctx.lineTo(at(F.stroke.x2) + 0.5, at(F.stroke.y2) + 0.5);
        ctx.strokeStyle = colour(at(F.stroke.colour));
        ctx.lineWidth = at(F.stroke.width);
        ctx.stroke();
      } else if (ops[i] === Op.text) {
        const size = at(F.text.pixelSize);
        ctx.font = (at(F.text.bold) ? 'bold ' : '') + size + 'px "' + test.contract.face +
          '", sans-serif';
        ctx.fillStyle = colour(at(F.text.colour));
        const ascent = Math.round(test.ascentPerPixel() * size * 64) / 64;
        ctx.fillText(scene.texts[at(F.text.textId)] || '', at(F.text.x), at(F.text.top) + ascent);
      }
    }
    rasterise(ctx);
  }

  // Strokes and texts in a display list.
  function marks(ops) {
    let n = 0;
    for (let i = 0; i < ops.length; i += LENGTHS[ops[i]])
      n += ops[i] === Op.stroke || ops[i] === Op.text ? 1 : 0;
    return n;
  }

  async function naive(count, paced) {
    const scene = await wholeFrame();
    if (!scene.ops)
      throw new Error('the lesson drew no whole picture');
    const us = [];
    for (let i = 0; i < count; ++i) {
      await (paced ? frame() : null);
      const start = performance.now();
      naiveFrame(scene, test.canvas().width, test.canvas().height);
      us.push((performance.now() - start) * 1000);
    }
    return { us: median(us), marks: marks(scene.ops) };
  }

  // A pen pressed, moved (its moves merge) or lifted at plane pixels (x, y),
  // as the page's canvas posts it, with no coalesced points.
  const pen = (type, x, y) =>
    pointer(type, type === 'pointermove' ? -1 : 0, type === 'pointerup' ? 0 : 1, x, y, 'pen', []);

  // Times count moves; move(i) posts or draws the i-th and gives the context
  // read back to finish it. Latencies in microseconds; paced, also the
  // milliseconds between the animation frames of the moves.
  async function writing(count, paced, move) {
    const us = [], ms = [];
    for (let i = 1, last = null; i <= count; ++i) {
      const at = await (paced ? frame() : settle());
      if (paced && last !== null)
        ms.push(at - last);
      last = at;
      const start = performance.now();
      rasterise(move(i));
      us.push((performance.now() - start) * 1000);
    }
    return { us: median(us.slice()), worstUs: Math.max(...us), ms: paced ? median(ms.slice()) : 0,
             worstMs: Math.max(0, ...ms), over33: ms.filter((t) => t > 33).length };
  }

  // count moves of a pen writing a spiral out from the plane's centre, 3
  // plane pixels apart as a hand writes: the lesson's handler, its ink list
  // run on the active layer and that layer's rasterisation; moves the lesson
  // did not take at once are counted, and there must be ink under the last.
  // The floor: the same points, one round-capped segment per move, on a bare
  // canvas of the plane's backing size laid over the plane as the layers
  // are. The mark is left; the page is loaded afresh for the next run.
  async function ink(count, paced) {
    await idle();
    const side = test.contract.planeSide;
    const points = [];
    for (let turn = 0; points.length <= count; turn += 3 / (24 + 2 * turn))
      points.push([side / 2 + (24 + 2 * turn) * Math.cos(turn),
                   side / 2 + (24 + 2 * turn) * Math.sin(turn)]);
    const active = test.inkLayers()[1];
    const layer = active.getContext('2d');
    let late = 0;
    pen('pointerdown', ...points[0]);
    await idle();
    const lesson = await writing(count, paced, (i) => {
      pen('pointermove', ...points[i]);
      late += !test.idle() && !test.busy() ? 1 : 0;
      return layer;
    });
    const unit = active.width / side;
    const inked = layer.getImageData(...points[count].map((v) => Math.floor(v * unit)), 1, 1)
      .data[3] > 0;
    await settle();
    pen('pointerup', ...points[count]);
    await idle();
    const bare = active.cloneNode();
    active.after(bare);
    const ctx = bare.getContext('2d');
    Object.assign(ctx, { lineCap: 'round', strokeStyle: '#000000', lineWidth: 4 });
    ctx.setTransform(unit, 0, 0, unit, 0, 0);
    const floor = await writing(count, paced, (i) => {
      ctx.beginPath();
      ctx.moveTo(...points[i - 1]);
      ctx.lineTo(...points[i]);
      ctx.stroke();
      return ctx;
    });
    bare.remove();
    return { ink: lesson, floor: floor, late: late, inked: inked };
  }

  return { drag: drag, naive: naive, ink: ink };
})();
