// The link of the teacher's page: shown as text and as a two-dimensional
// code, drawn by the QR code library (qrcode/qrcode.js), with a note where
// the code cannot serve, and copied.
'use strict';
window.teacherLink = (function () {
  const { colour } = window.lessonPage;
  // The largest code that a pupil's camera reads from the back of a
  // classroom when it fills most of a projected screen: version 10, 57
  // modules a side.
  const MOST_MODULES = 57;
  // A code's margin of light modules, all round, that a reader needs.
  const QUIET_ZONE = 4;

  const byId = (id) => document.getElementById(id);
  const codeBox = byId('code');
  const codeNote = byId('code-note');
  const linkText = byId('link');
  const copyStatus = byId('copy-status');

  function isLocal(host) {
    return host === 'localhost' || host.endsWith('.localhost') || host === '[::1]' ||
      /^127\./.test(host);
  }

  // The link's code, dark on light with its quiet zone, as one path of
  // squares; its text alternative is the link itself.
  function codeOf(link) {
    let code = null;
    try {
      code = window.qrcode(0, 'M');  // the smallest version that holds it, level M
      code.addData(link, 'Byte');
      code.make();
    } catch (e) {
      return null;  // beyond the largest version of all
    }
    const count = code.getModuleCount();
    if (count > MOST_MODULES)
      return null;
    const svgNs = 'http://www.w3.org/2000/svg';
    const side = count + 2 * QUIET_ZONE;
    const svg = document.createElementNS(svgNs, 'svg');
    svg.setAttribute('viewBox', '0 0 ' + side + ' ' + side);
    svg.setAttribute('shape-rendering', 'crispEdges');
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', link);
    const light = document.createElementNS(svgNs, 'rect');
    light.setAttribute('width', side);
    light.setAttribute('height', side);
    light.setAttribute('fill', colour.paper);
    let squares = '';
    for (let row = 0; row < count; row += 1) {
      for (let column = 0; column < count; column += 1) {
        if (code.isDark(row, column))
          squares += 'M' + (column + QUIET_ZONE) + ' ' + (row + QUIET_ZONE) + 'h1v1h-1z';
      }
    }
    const dark = document.createElementNS(svgNs, 'path');
    dark.setAttribute('d', squares);
    dark.setAttribute('fill', colour.text);
    svg.append(light, dark);
    return svg;
  }

  function showCode(link) {
    const served = location.protocol === 'http:' || location.protocol === 'https:';
    const svg = served ? codeOf(link) : null;
    codeBox.replaceChildren(...(svg ? [svg] : []));
    codeBox.hidden = !svg;
    let note = '';
    if (!served)
      note = codeNote.dataset.noAddress;
    else if (!svg)
      note = codeNote.dataset.tooLong;
    else if (isLocal(location.hostname))
      note = codeNote.dataset.localAddress;
    codeNote.textContent = note;
  }

  function show(link) {
    linkText.href = link;
    linkText.textContent = link;
    showCode(link);
    copyStatus.textContent = '';
  }

  function copy() {
    const text = linkText.textContent;
    const said = (ok) => {
      copyStatus.textContent = ok ? copyStatus.dataset.copied : copyStatus.dataset.failed;
    };
    // Without the clipboard's interface (an address that is not https), the
    // link's text is selected and copied as a selection is.
    const bySelection = () => {
      const range = document.createRange();
      range.selectNodeContents(linkText);
      getSelection().removeAllRanges();
      getSelection().addRange(range);
      let copied = false;
      try {
        copied = document.execCommand('copy');
      } catch (e) {
        copied = false;
      }
      said(copied);
    };
    if (navigator.clipboard && window.isSecureContext)
      navigator.clipboard.writeText(text).then(() => said(true), bySelection);
    else
      bySelection();
  }

  return { show: show, copy: copy };
})();
