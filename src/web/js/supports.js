// The reading supports (each record of the schema read by its fields'
// names): kept for the device in its storage, the readings over the kanji of
// the page's texts (ふりがな), the page's colours in the dark scheme (白黒反転:
// the canvas's come mapped from the lesson already), and the lesson read
// aloud in Japanese (読み上げ) by the browser's speech synthesis. Nothing
// here may stop the lesson: a storage that refuses (private browsing), a
// browser without speech, or a device without a Japanese voice each leave the
// lesson as it is.
mergeInto(LibraryManager.library, {
  $LessonSupports__deps: ['$LessonQueue', '$LessonCanvas', '$LessonContract'],
  $LessonSupports: {
    // The language the lesson is read aloud in.
    lang: 'ja-JP',
    // How long the page waits for the browser's voices to load, and how long
    // the note that there is no Japanese voice stays.
    voiceWaitMs: 2000,
    noteMs: 8000,

    shown: null,      // the supports as the page shows them
    kept: null,       // as the device keeps them
    captions: [],     // texts with readings: {text (its node), runs, ruby (the node with them)}
    painted: [],      // controls with colours of their own: {element, swatch, light, dark}
    voicesKnown: false,
    pending: null,    // sentences waiting for the voices to load
    unlocked: false,  // speech was asked for in a tap
    toldNoVoice: false,
    note: null,

    // The supports the device keeps, as bits in the order of their names, or
    // -1 where it keeps none; a device that asks for more contrast and keeps
    // none starts with the dark scheme.
    stored: function () {
      const S = LessonContract.Supports;
      let text = null;
      try {
        text = window.localStorage.getItem(S.key);
      } catch (e) {
        text = null;
      }
      if (text !== null) {
        const kept = new URLSearchParams(text);
        const bits = S.names.reduce((b, name, i) => b | (kept.get(name) === S.on ? 1 << i : 0), 0);
        LessonSupports.kept = text;
        return bits;
      }
      try {
        if (window.matchMedia && window.matchMedia('(prefers-contrast: more)').matches)
          return 1 << S.names.indexOf('dark');
      } catch (e) {
        return -1;
      }
      return -1;
    },

    // Each change is kept; what the lesson starts with was kept already, or
    // is the device's own default. The teacher's preview (an inert page,
    // page/app.js) keeps nothing: its link's supports are the pupils'.
    keep: function (s) {
      const S = LessonContract.Supports;
      const text = S.names.map((name) => name + '=' + (s[name] ? S.on : S.off)).join('&');
      if (LessonSupports.shown === null)
        LessonSupports.kept = LessonSupports.kept || text;
      if (LessonSupports.kept === text || document.documentElement.inert)
        return;
      LessonSupports.kept = text;
      try {
        window.localStorage.setItem(S.key, text);
      } catch (e) {
        // The device keeps nothing (private browsing, storage full): the
        // supports hold for this visit.
      }
    },

    show: function (s) {
      LessonSupports.keep(s);
      LessonSupports.shown = s;
      const root = document.documentElement.classList;
      root.toggle('ruby', s.ruby);
      root.toggle('dark', s.dark);
      for (const c of LessonSupports.captions)
        LessonSupports.showCaption(c, s.ruby);
      for (const p of LessonSupports.painted)
        LessonSupports.paint(p, s.dark);
      if (!s.voice && window.speechSynthesis) {
        LessonSupports.pending = null;
        try {
          window.speechSynthesis.cancel();
        } catch (e) {
          // Nothing was being said.
        }
      }
    },

    // --- ふりがな -------------------------------------------------------------
    // A text's runs from a text field: [{base, reading}, ...].
    runs: function (text) {
      const parts = text.split(LessonContract.Supports.runEnd);
      const runs = [];
      while (parts.length > 1)
        runs.push({ base: parts.shift(), reading: parts.shift() });
      return runs;
    },

    // The text with each reading over its base: the base stays where it
    // stood, the reading, first, stands above it (page.css). A screen reader
    // reads the base alone.
    ruby: function (runs) {
      const span = document.createElement('span');
      span.className = 'readings';
      for (const run of runs) {
        if (!run.reading) {
          span.append(run.base);
          continue;
        }
        const ruby = document.createElement('ruby');
        const rt = document.createElement('rt');
        rt.textContent = run.reading;
        rt.setAttribute('aria-hidden', 'true');
        ruby.append(rt, run.base);
        span.append(ruby);
      }
      return span;
    },

    // A text node of the page that shows its readings while ふりがな is on.
    caption: function (node, runsText) {
      if (!runsText)
        return;
      const c = { text: node, runs: LessonSupports.runs(runsText), ruby: null };
      LessonSupports.captions.push(c);
      if (LessonSupports.shown)
        LessonSupports.showCaption(c, LessonSupports.shown.ruby);
    },

    showCaption: function (c, on) {
      if (on && !c.ruby) {
        c.ruby = LessonSupports.ruby(c.runs);
        c.text.replaceWith(c.ruby);
      } else if (!on && c.ruby) {
        c.ruby.replaceWith(c.text);
        c.ruby = null;
      }
    },

    // --- 白黒反転 -------------------------------------------------------------
    // A control's own colours from the control table, in both schemes.
    colours: function (element, swatch, c) {
      const p = {
        element: element, swatch: swatch,
        light: [c.textColour, c.background, c.swatch],
        dark: [c.darkTextColour, c.darkBackground, c.darkSwatch],
      };
      LessonSupports.painted.push(p);
      LessonSupports.paint(p, LessonSupports.shown !== null && LessonSupports.shown.dark);
    },

    paint: function (p, dark) {
      const [text, background, swatch] = dark ? p.dark : p.light;
      const colour = LessonCanvas.colour;
      if (text !== null)
        p.element.style.color = colour(text);
      if (background !== null)
        p.element.style.backgroundColor = colour(background);
      if (swatch !== null && p.swatch)
        p.swatch.style.backgroundColor = colour(swatch);
    },

    // --- 読み上げ -------------------------------------------------------------
    // The Japanese voice among those the browser lists as it speaks (a
    // device may gain or lose voices while the page is open).
    chooseVoice: function () {
      let voices = [];
      try {
        voices = window.speechSynthesis.getVoices() || [];
      } catch (e) {
        voices = [];
      }
      if (voices.length)
        LessonSupports.voicesKnown = true;
      const tag = (v) => String(v.lang || '').replace('_', '-').toLowerCase();
      const lang = LessonSupports.lang.toLowerCase();
      return voices.find((v) => tag(v) === lang) ||
        voices.find((v) => tag(v).split('-').shift() === lang.split('-').shift()) || null;
    },

    listen: function () {
      const synth = window.speechSynthesis;
      if (!synth || !synth.addEventListener)
        return;
      synth.addEventListener('voiceschanged', () => {
        LessonSupports.voicesKnown = true;
        const pending = LessonSupports.pending;
        LessonSupports.pending = null;
        if (pending)
          LessonSupports.speak(...pending);
      });
      LessonSupports.chooseVoice();
    },

    // Each sentence its own utterance, after whatever was still being said
    // has been cut short. Until the voices have loaded the sentences wait;
    // without a Japanese voice nothing is said and the lesson is told.
    speak: function (sentences, rate) {
      const synth = window.speechSynthesis;
      const Utterance = window.SpeechSynthesisUtterance;
      if (!synth || typeof Utterance !== 'function') {
        LessonSupports.noVoice();
        return;
      }
      const voice = LessonSupports.chooseVoice();
      if (!voice && !LessonSupports.voicesKnown && !LessonSupports.pending) {
        LessonSupports.pending = [sentences, rate];
        setTimeout(() => {
          if (!LessonSupports.pending)
            return;
          LessonSupports.voicesKnown = true;
          const waiting = LessonSupports.pending;
          LessonSupports.pending = null;
          LessonSupports.speak(...waiting);
        }, LessonSupports.voiceWaitMs);
        return;
      }
      if (!voice) {
        if (LessonSupports.pending)
          LessonSupports.pending = [sentences, rate];
        else
          LessonSupports.noVoice();
        return;
      }
      synth.cancel();
      for (const sentence of sentences) {
        const u = new Utterance(sentence);
        u.lang = LessonSupports.lang;
        u.rate = rate;
        try {
          u.voice = voice;
        } catch (e) {
          // The language alone chooses the voice.
        }
        synth.speak(u);
      }
    },

    // iPad's Safari speaks only what a tap asked for: the tap on 読み上げ
    // says nothing aloud at once, which lets the lesson's own speech follow
    // later (an animation running may take the tap only once it waits).
    unlock: function (button) {
      button.addEventListener('click', () => {
        const synth = window.speechSynthesis;
        if (LessonSupports.unlocked || !synth || typeof window.SpeechSynthesisUtterance !== 'function')
          return;
        LessonSupports.unlocked = true;
        try {
          const u = new window.SpeechSynthesisUtterance('');
          u.lang = LessonSupports.lang;
          synth.speak(u);
        } catch (e) {
          // Speech is told later, or not at all.
        }
      });
    },

    // No Japanese voice: the lesson is told (its 読み上げ describes it), and
    // the page says so once, beside the control, until the next tap.
    noVoice: function () {
      if (LessonSupports.toldNoVoice)
        return;
      LessonSupports.toldNoVoice = true;
      LessonQueue.post(LessonContract.Event.noVoice, {});
      const note = LessonSupports.note;
      const control = document.querySelector('[data-row="' + LessonContract.Supports.readAloud + '"]');
      if (!note || !control)
        return;
      const r = control.getBoundingClientRect();
      note.style.left = Math.max(0, Math.min(r.left, window.innerWidth - note.offsetWidth)) + 'px';
      note.style.bottom = Math.max(0, window.innerHeight - r.top + 4) + 'px';
      note.textContent = LessonContract.Supports.noVoice;
      note.hidden = false;
      const hide = () => {
        note.hidden = true;
        note.textContent = '';
      };
      setTimeout(hide, LessonSupports.noteMs);
      document.addEventListener('pointerdown', hide, { once: true, capture: true });
    },

    // The note's live region, there from the start so that its text is read.
    create: function () {
      const note = document.createElement('div');
      note.id = 'voice-note';
      note.setAttribute('role', 'status');
      note.hidden = true;
      document.getElementById('lesson').append(note);
      LessonSupports.note = note;
      LessonSupports.listen();
    },
  },

  web_supports__deps: ['$LessonSupports', '$LessonQueue', '$LessonContract'],
  web_supports: function (supports) {
    LessonQueue.guard('supports', () => {
      if (!LessonSupports.note)
        LessonSupports.create();
      LessonSupports.show(LessonContract.read(LessonContract.Record.supports, supports >> 3));
    });
  },

  web_speak__deps: ['$LessonSupports', '$LessonQueue', '$LessonContract'],
  web_speak: function (speech) {
    LessonQueue.guard('speak', () => {
      const s = LessonContract.read(LessonContract.Record.speech, speech >> 3);
      const sentences = (s.sentences || '').split(LessonContract.Supports.sentenceEnd)
        .filter((sentence) => sentence);
      LessonSupports.speak(sentences, s.rate);
    });
  },
});
