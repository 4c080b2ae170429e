// The window, its controls and the picture: the C++ of the front-end calls
// these (web/Boundary.h); the page (page/app.js) does the work, handed to
// the module as Module.lessonPage.
mergeInto(LibraryManager.library, {
  web_window: function (caption, width, height, background, frameColour, frameWidth, intervalMs,
                        ended, restart) {
    Module['lessonPage'].window({
      caption: UTF8ToString(caption), width: width, height: height, background: background,
      frameColour: frameColour, frameWidth: frameWidth, intervalMs: intervalMs,
      ended: UTF8ToString(ended), restart: UTF8ToString(restart),
    });
  },
  web_add_control: function (row, kind, name, text, left, top, width, height, fontPixels, bold,
                             textColour, background, accessibleName) {
    Module['lessonPage'].addControl({
      row: row, kind: kind, name: UTF8ToString(name), text: UTF8ToString(text), left: left,
      top: top, width: width, height: height, fontPixels: fontPixels, bold: !!bold,
      textColour: textColour, background: background, accessibleName: UTF8ToString(accessibleName),
    });
  },
  web_scale: function (factor, offsetX, offsetY, planeSide) {
    Module['lessonPage'].scale(factor, offsetX, offsetY, planeSide);
  },
  web_show_control: function (row, enabled, visible, left, top, width, height, fontPixels, bold,
                              text, checked, description, selectAll) {
    Module['lessonPage'].showControl(row, {
      enabled: !!enabled, visible: !!visible, left: left, top: top, width: width, height: height,
      fontPixels: fontPixels, bold: !!bold, text: UTF8ToString(text), checked: !!checked,
      description: UTF8ToString(description), selectAll: !!selectAll,
    });
  },
  web_focus: function (row) {
    Module['lessonPage'].focus(row);
  },
  web_intern: function (id, text) {
    Module['lessonPage'].intern(id, UTF8ToString(text));
  },
  web_draw: function (ops, count) {
    Module['lessonPage'].draw(HEAPF64.subarray(ops >> 3, (ops >> 3) + count));
  },
});
