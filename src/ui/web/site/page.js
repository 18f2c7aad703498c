// The page's script: builds the dialog from the program's own layout, runs
// the timers the dialog's rules ask for, shows the board, the report list and
// the label, and offers the About box and the help. Every rule (what a button
// does, which timer runs and how often) is the program's; this script only
// carries them out.
//
// window.pastura.ready resolves once the first frame is on the canvas;
// window.pastura.tick() then runs one step, as a firing of the step timer does,
// and window.pastura.scale() is the display scale the board is drawn at.
'use strict';

(() => {
  const kMaxSeed = 4294967295;
  // The smallest button, in CSS pixels, that is easy to hit.
  const kMinimumTarget = 24;
  // A bad seed is echoed up to this many characters.
  const kSeedEcho = 20;
  const kLoadFailure = 'the program could not be loaded; check the connection and reload the page.';
  // Element ids of the controls the page's users and tests look up.
  const kElementIds = {IDC_ITERATIONS: 'iterations', IDC_REPORT: 'report'};

  const board = document.getElementById('board');
  const context = board.getContext('2d');
  const dialogBox = document.getElementById('dialog');

  // ?seed=N: the spawn generator's start, read as the player's --seed reads
  // it: digits only, leading zeros allowed, at most kMaxSeed; given twice,
  // the last one counts.
  function seedFromAddress(defaultSeed) {
    const text = new URLSearchParams(location.search).getAll('seed').at(-1);
    if (text === undefined) {
      return defaultSeed;
    }
    const digits = /^[0-9]+$/.test(text) ? text.replace(/^0+(?=.)/, '') : '';
    if (digits === '' || digits.length > 10 || Number(digits) > kMaxSeed) {
      const shown = text.length > kSeedEcho ? `${text.slice(0, kSeedEcho)}…` : text;
      throw new Error(`bad seed '${shown}': expected a number 0..${kMaxSeed}`);
    }
    return Number(digits);
  }

  // The dialog's rectangle for an element, as custom properties: the wide
  // layout places the element by them, the narrow one lets it flow.
  function place(element, rect) {
    for (const side of ['left', 'top', 'width', 'height']) {
      element.style.setProperty(`--${side}`, `${rect[side]}px`);
    }
  }

  // Timers by id. Starting one that runs restarts it; while the page is
  // hidden none fires, and showing it again restarts the running ones.
  class Timers {
    constructor(fire) {
      this.fire = fire;
      this.running = new Map();  // id -> {period, handle}
      document.addEventListener('visibilitychange', () => this.follow());
    }

    start(id, period) {
      this.stop(id);
      const timer = {period, handle: null};
      this.running.set(id, timer);
      this.arm(id, timer);
    }

    stop(id) {
      const timer = this.running.get(id);
      if (timer) {
        clearInterval(timer.handle);
        this.running.delete(id);
      }
    }

    arm(id, timer) {
      if (!document.hidden) {
        timer.handle = setInterval(() => this.fire(id), timer.period);
      }
    }

    follow() {
      for (const [id, timer] of this.running) {
        clearInterval(timer.handle);
        timer.handle = null;
        this.arm(id, timer);
      }
    }
  }

  // The report list: one <li> per line, kept from step to step; a step sets
  // only the texts that differ from the last step's. Each entity's line
  // carries the kind heading above it (data-kind), which a screen reader
  // reads before the line and the screen does not show.
  class ReportList {
    constructor(list) {
      this.list = list;
      this.lines = [];
      this.kinds = [];
    }

    show(text) {
      const lines = text === '' ? [] : text.split('\n');
      const items = this.list.children;
      while (items.length > lines.length) {
        this.list.lastElementChild.remove();
      }
      const added = document.createDocumentFragment();
      let heading = '';
      lines.forEach((line, i) => {
        const isEntity = /^[0-9]+:/.test(line);
        heading = isEntity ? heading : line;
        const kind = isEntity ? heading : '';
        let item = items[i];
        if (i >= items.length) {
          item = document.createElement('li');
          item.textContent = line;
          added.append(item);
        } else if (this.lines[i] !== line) {
          item.firstChild.data = line;
        }
        if (this.kinds[i] !== kind || item.parentNode === added) {
          item.dataset.kind = kind;
          this.kinds[i] = kind;
        }
      });
      this.list.append(added);
      this.lines = lines;
      this.kinds.length = lines.length;
    }
  }

  // The dialog's buttons as targets anyone can hit: at least kMinimumTarget
  // pixels high, each one that would then overlap a button above it moved
  // down below that one. The dialog's shortest buttons are a pixel short,
  // stacked a few pixels closer than that.
  function asTargets(controls) {
    const placed = [];
    return controls.map((control) => {
      if (control.kind !== 'button') {
        return control;
      }
      const rect = {...control.rect, height: Math.max(control.rect.height, kMinimumTarget)};
      for (const above of placed) {
        const sideBySide =
            rect.left >= above.left + above.width || above.left >= rect.left + rect.width;
        if (!sideBySide && rect.top < above.top + above.height && rect.top >= above.top) {
          rect.top = above.top + above.height;
        }
      }
      placed.push(rect);
      return {...control, rect};
    });
  }

  function buildControls(layout, command) {
    for (const control of asTargets(layout.controls)) {
      let element;
      if (control.kind === 'button') {
        element = document.createElement('button');
        element.type = 'button';
        element.addEventListener('click', () => command(control.id));
      } else if (control.kind === 'list') {
        element = document.createElement('ul');
        element.tabIndex = 0;
        element.setAttribute('aria-label', 'Report');
      } else {
        element = document.createElement('span');
        if (!control.name) {
          element.className = 'caption-label';
        }
      }
      element.textContent = control.text;
      element.dataset.control = control.name;
      if (kElementIds[control.name]) {
        element.id = kElementIds[control.name];
      }
      place(element, control.rect);
      dialogBox.append(element);
    }
    readCaptionFirst(document.getElementById(kElementIds.IDC_ITERATIONS));
  }

  // The count's caption follows it in the dialog's order but stands before
  // it on the screen ("iterations 1"): a screen reader is given the caption
  // first, unseen, and the shown one is hidden from it.
  function readCaptionFirst(count) {
    const caption = count.nextElementSibling;
    const spoken = document.createElement('div');
    spoken.className = 'unseen';
    spoken.textContent = caption.textContent;
    caption.setAttribute('aria-hidden', 'true');
    count.before(spoken);
  }

  function buildAbout(about) {
    const box = document.getElementById('about');
    document.getElementById('about-caption').textContent = about.caption;
    place(box.querySelector('.client'), {left: 0, top: 0, ...about.size});
    place(document.getElementById('about-icon'), about.icon);
    const name = document.getElementById('about-name');
    name.textContent = about.name.text;
    place(name, about.name.rect);
    const line = document.getElementById('about-line');
    line.textContent = about.line.text;
    place(line, about.line.rect);
    const ok = document.getElementById('about-ok');
    ok.textContent = about.ok.text;
    place(ok, about.ok.rect);
  }

  // The help's text, which comes with the program: until then the box says
  // it is loading.
  function fillHelp(help, boxes) {
    document.getElementById('help-caption').textContent = help.title;
    document.getElementById('help-text').textContent = help.text;
    if (boxes.help.open) {
      boxes.place(boxes.help);
    }
  }

  // The modal boxes, the About box and the help: one at a time, each centred
  // over the dialog and kept inside the window.
  class Boxes {
    constructor() {
      this.about = document.getElementById('about');
      this.help = document.getElementById('help');
      window.addEventListener('resize', () => {
        const box = this.open();
        if (box) {
          this.place(box);
        }
      });
    }

    open() {
      return [this.about, this.help].find((box) => box.open) ?? null;
    }

    show(box) {
      if (this.open()) {
        return;
      }
      box.showModal();
      this.place(box);
    }

    place(box) {
      const over = dialogBox.getBoundingClientRect();
      const size = box.getBoundingClientRect();
      // Centred on the dialog along one axis, but not past the window's edges.
      const centred = (start, room, length, windowLength) =>
        Math.max(0, Math.min(start + (room - length) / 2, windowLength - length));
      box.style.left = `${centred(over.left, over.width, size.width, innerWidth)}px`;
      box.style.top = `${centred(over.top, over.height, size.height, innerHeight)}px`;
    }
  }

  // Writes a menu entry's text, its mnemonic (the letter after '&') underlined
  // and taken as the entry's key, and the key that chooses it anywhere.
  function labelEntry(entry, text, shortcut = null) {
    const mark = text.indexOf('&');
    const mnemonic = document.createElement('u');
    mnemonic.textContent = text[mark + 1];
    entry.firstElementChild.replaceChildren(text.slice(0, mark), mnemonic, text.slice(mark + 2));
    entry.dataset.key = mnemonic.textContent.toLowerCase();
    if (shortcut) {
      entry.lastElementChild.textContent = shortcut;
      entry.setAttribute('aria-keyshortcuts', shortcut);
    }
  }

  // The context menu of the board and the page: "About Pastura..." and
  // "Help", then "Populations", "Step" and "Copy link to this run", each
  // group one the arrow keys go round. It opens inside the window, never
  // over a modal box, and closes on a choice, Esc, Tab, a click or tap
  // elsewhere, a scroll or a resize.
  function buildMenu(choices, boxes) {
    const menu = document.getElementById('menu');
    const entries = [...menu.querySelectorAll('[role=menuitem]')];
    let returnFocus = null;
    const close = () => {
      if (!menu.hidden) {
        menu.hidden = true;
        returnFocus?.focus({preventScroll: true});
      }
    };
    const choose = (entry) => {
      close();
      choices[entry.id]();
    };
    const open = (x, y) => {
      returnFocus = document.activeElement;
      menu.hidden = false;
      const {width, height} = menu.getBoundingClientRect();
      // Flipped to the other side of the pointer where it would overhang.
      const flip = (at, length, room) => (at + length <= room ? at : Math.max(0, at - length));
      menu.style.left = `${flip(x, width, document.documentElement.clientWidth)}px`;
      menu.style.top = `${flip(y, height, document.documentElement.clientHeight)}px`;
      entries[0].focus({preventScroll: true});
    };
    document.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      if (!boxes.open()) {
        open(event.clientX, event.clientY);
      }
    });
    for (const entry of entries) {
      entry.addEventListener('click', () => choose(entry));
    }
    menu.addEventListener('keydown', (event) => {
      const at = entries.indexOf(document.activeElement);
      const chosen = entries.find((entry) => entry.dataset.key === event.key.toLowerCase());
      if (event.key === 'Escape' || event.key === 'Tab') {
        event.preventDefault();
        close();
      } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        event.preventDefault();
        const group = entries.filter((entry) => entry.parentNode === entries[at]?.parentNode);
        const step = event.key === 'ArrowDown' ? 1 : group.length - 1;
        group[(group.indexOf(entries[at]) + step) % group.length]?.focus();
      } else if (chosen) {
        event.preventDefault();
        choose(chosen);
      }
    });
    document.addEventListener('pointerdown', (event) => {
      if (!menu.contains(event.target)) {
        close();
      }
    }, true);
    document.addEventListener('scroll', close, true);
    window.addEventListener('resize', close);
  }

  // The display scale at which the board's surface is exactly `device`
  // pixels: `nominal` where it fits, else one inside both edges' rounding,
  // else the one that fits the width (the canvas then has a row more or
  // less than the surface, in the dialog's background below the grid).
  function fittingScale(program, logical, device, nominal) {
    const fits = (scale) => {
      const size = program.boardSize(scale);
      return size.width === device.width && size.height === device.height;
    };
    const low = Math.max((device.width - 0.5) / logical.width,
                         (device.height - 0.5) / logical.height);
    const high = Math.min((device.width + 0.5) / logical.width,
                          (device.height + 0.5) / logical.height);
    return [nominal, (low + high) / 2].find(fits) ?? device.width / logical.width;
  }

  // Keeps the canvas one to one with the screen: tells `follow(scale,
  // device)` the display scale at which the board fits the canvas's layout
  // box (the dialog's client area, or on a narrow screen the room there is)
  // and the canvas's size in pixels, on each change: a zoom, another screen,
  // a narrower window.
  //
  // Where the browser tells the box's size in screen pixels, the canvas
  // takes just that many, and the browser lays each canvas pixel on one
  // screen pixel. Where it does not (an emulated ratio, some browsers), the
  // canvas takes the board's size at the box's nominal scale, the device
  // pixel ratio times the box's share of the client area, and is stretched
  // and moved by under a pixel to that size, starting on a screen pixel.
  function fitBoard(program, logical, follow) {
    let box = null;  // the observer's last sizes: {css, device}
    let shift = {x: 0, y: 0};  // the canvas's move, in CSS pixels
    const root = document.documentElement.style;
    root.setProperty('--least-scale', program.leastScale);
    root.setProperty('--most-scale', program.mostScale);
    const fit = () => {
      if (!box) {
        return;
      }
      const ratio = window.devicePixelRatio || 1;
      root.setProperty('--ratio', ratio);
      const {css, device} = box;
      const nominal = ratio * css.width / logical.width;
      const near = (pixels, length) => Math.abs(pixels - length * ratio) < 1;
      if (device && near(device.width, css.width) && near(device.height, css.height)) {
        board.style.transform = '';
        follow(fittingScale(program, logical, device, nominal), device);
        return;
      }
      const size = program.boardSize(nominal);
      const at = board.getBoundingClientRect();
      const onPixel = (start) => Math.round(start * ratio) / ratio - start;
      shift = {x: onPixel(at.left + scrollX - shift.x), y: onPixel(at.top + scrollY - shift.y)};
      board.style.transform = `translate(${shift.x}px, ${shift.y}px) ` +
          `scale(${size.width / (css.width * ratio)}, ${size.height / (css.height * ratio)})`;
      follow(nominal, size);
    };
    const observer = new ResizeObserver(([entry]) => {
      const css = entry.contentBoxSize[0];
      const device = entry.devicePixelContentBoxSize?.[0];
      box = {css: {width: css.inlineSize, height: css.blockSize},
             device: device && {width: device.inlineSize, height: device.blockSize}};
      fit();
    });
    try {
      observer.observe(board, {box: 'device-pixel-content-box'});
    } catch {
      observer.observe(board);
    }
    // A new ratio alone need not resize the box, and a wider window moves
    // it: browsers tell of both by a resize, of a new ratio also by a change
    // of the resolution's media query.
    const watchResolution = () => {
      const resolution = matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
      resolution.addEventListener('change', () => {
        fit();
        watchResolution();
      }, {once: true});
    };
    watchResolution();
    window.addEventListener('resize', fit);
  }

  // The part [left, top, right, bottom] of a surface's image on its canvas.
  function putPart(canvasContext, image, [left, top, right, bottom]) {
    canvasContext.putImageData(image, 0, 0, left, top, right - left, bottom - top);
  }

  function showError(message) {
    const error = document.getElementById('error');
    error.textContent = `Pastura: ${message}`;
    error.hidden = false;
    dialogBox.hidden = true;
  }

  // The program's module, pastura.wasm.gz: unpacked as it arrives (a static
  // server sends it as it is; one that unpacks it itself says so) and
  // compiled as it is unpacked.
  async function programModule() {
    const response = await fetch('pastura.wasm.gz');
    if (!response.ok) {
      throw new Error(response.statusText);
    }
    const unpacked = response.headers.get('Content-Encoding')?.includes('gzip');
    const body = unpacked ? response.body : response.body.pipeThrough(new DecompressionStream('gzip'));
    return new Response(body, {headers: {'Content-Type': 'application/wasm'}});
  }

  function loadProgram() {
    return new Promise((resolve, reject) => {
      const instantiateWasm = (imports, receive) => {
        programModule().then((module) => WebAssembly.instantiateStreaming(module, imports))
            .then(({instance, module}) => receive(instance, module), reject);
        return {};
      };
      createPastura({instantiateWasm}).then(resolve, reject);
    }).catch(() => {
      throw new Error(kLoadFailure);
    });
  }

  // The section below the dialog: the population chart at the screen's pixel
  // ratio, the counts as text, a polite live region that says them when
  // asked (say()) and on Stop, never on a step, and a Step button for touch
  // screens. `page.showPopulations` draws them after every tick and spawn.
  function showPopulations(entries, dialogOf, page) {
    const section = document.getElementById('populations');
    const chart = document.getElementById('chart');
    const context = chart.getContext('2d');
    const counts = document.getElementById('counts');
    const spoken = document.getElementById('counts-spoken');
    let scale = 1;
    const shown = () => {
      const now = dialogOf().counts();
      return `plants ${now.plants}, herbivores ${now.herbivores}, carnivores ${now.carnivores}`;
    };
    // Only the parts the chart drew on go to its canvas.
    page.showPopulations = () => {
      const parts = dialogOf().chart(scale);
      const image = dialogOf().chartImage();
      if (chart.width !== image.width || chart.height !== image.height) {
        chart.width = image.width;
        chart.height = image.height;
      }
      for (const part of parts) {
        putPart(context, image, part);
      }
      // A new text only when a count changed, so a step leaves the
      // section's layout alone.
      const text = shown();
      if (counts.textContent !== text) {
        counts.textContent = text;
      }
    };
    new ResizeObserver(([entry]) => {
      const device = entry.devicePixelContentBoxSize?.[0].inlineSize ??
          entry.contentBoxSize[0].inlineSize * (window.devicePixelRatio || 1);
      scale = device / entries.chartWidth;
      if (dialogOf()) {
        page.showPopulations();
      }
    }).observe(chart);
    const title = entries.populations.replace('&', '');
    document.getElementById('populations-title').textContent = title;
    const stepButton = document.getElementById('step-button');
    stepButton.textContent = entries.step.replace('&', '');
    const say = () => {
      // The same words again are still a change the screen reader tells.
      const text = shown();
      spoken.textContent = spoken.textContent === text ? `${text}.` : text;
    };
    const step = () => dialogOf().step();
    document.getElementById('read-counts').addEventListener('click', say);
    stepButton.addEventListener('click', step);
    labelEntry(document.getElementById('menu-populations'), entries.populations,
               entries.populationsKey);
    labelEntry(document.getElementById('menu-step'), entries.step, entries.stepKey);
    section.hidden = false;
    return {say, step, keys: {[entries.populationsKey.toLowerCase()]: say,
                              [entries.stepKey.toLowerCase()]: step}};
  }

  // P says the counts and S takes a step wherever the focus is, but not
  // under a box or the menu.
  function offerKeys(populations, boxes) {
    document.addEventListener('keydown', (event) => {
      const chosen = populations.keys[event.key.toLowerCase()];
      if (chosen && !event.defaultPrevented && !boxes.open() && !event.ctrlKey &&
          !event.altKey && !event.metaKey && document.getElementById('menu').hidden) {
        event.preventDefault();
        chosen();
      }
    });
  }

  // ?run=RUN (with ?seed=N): the session a link holds, played before the
  // dialog is shown, so that it opens on the session's end, stopped.
  function playLinkedRun(dialog) {
    const run = new URLSearchParams(location.search).getAll('run').at(-1);
    const fault = run === undefined ? '' : dialog.playRun(run);
    if (fault) {
      throw new Error(`bad link: ${fault}`);
    }
  }

  // Puts a link to this run on the clipboard: the page's address with the
  // seed and the session so far. Without a clipboard (a page not served
  // over HTTPS) the link is shown selected, to copy by hand.
  async function copyLink(seed, dialog) {
    const link = `${location.origin}${location.pathname}?seed=${seed}&run=${dialog.run()}`;
    const box = document.getElementById('link-box');
    const text = document.getElementById('link-text');
    try {
      await navigator.clipboard.writeText(link);
      box.hidden = true;
    } catch {
      text.value = link;
      box.hidden = false;
      text.focus();
      text.select();
    }
  }

  // The help opens at once, also while the program loads.
  function offerHelp(boxes) {
    const showHelp = () => boxes.show(boxes.help);
    document.getElementById('help-button').addEventListener('click', showHelp);
    document.addEventListener('keydown', (event) => {
      if (event.key === 'F1') {
        event.preventDefault();
        showHelp();
      }
    });
    return showHelp;
  }

  async function start(boxes, showHelp) {
    const program = await loadProgram();
    const seed = seedFromAddress(program.defaultSeed);
    const layout = program.mainDialog;
    document.title = layout.caption;

    let dialog = null;
    let scale = null;
    let canvasSize = null;  // the canvas's layout box in screen pixels
    let stopId = null;
    let sayCounts = null;
    buildControls(layout, (id) => {
      dialog.command(id);
      if (id === stopId) {
        sayCounts();
      }
    });
    const timers = new Timers((id) => dialog.timer(id));
    const report = new ReportList(document.getElementById('report'));
    const label = () => document.getElementById('iterations');
    const page = {
      startTimer: (id, period) => timers.start(id, period),
      stopTimer: (id) => timers.stop(id),
      showReport: (text) => report.show(text),
      setIterationText: (text) => {
        label().textContent = text;
      },
      // The canvas is as large as its box; a surface a row or a column
      // larger is cut there, one smaller leaves the page's background.
      showBoard: () => {
        if (board.width !== canvasSize.width || board.height !== canvasSize.height) {
          board.width = canvasSize.width;
          board.height = canvasSize.height;
        }
        context.putImageData(dialog.boardImage(), 0, 0);
      },
      showPart: (...part) => putPart(context, dialog.boardImage(), part),
    };

    const populations = showPopulations(program.entries, () => dialog, page);
    stopId = layout.controls.find((control) => control.name === 'IDC_STOP').id;
    sayCounts = populations.say;

    const aboutBox = program.aboutBox;
    labelEntry(document.getElementById('menu-about'), aboutBox.entry);
    buildAbout(aboutBox);
    fillHelp(program.help, boxes);
    buildMenu({'menu-about': () => boxes.show(boxes.about), 'menu-help': showHelp,
               'menu-populations': populations.say, 'menu-step': populations.step,
               'menu-link': () => copyLink(seed, dialog)}, boxes);
    document.getElementById('copy-link').addEventListener('click', () => copyLink(seed, dialog));
    offerKeys(populations, boxes);

    // The first box the canvas is laid out in sets the first scale; each new
    // one draws the board again at the scale that fits it.
    await new Promise((resolve) => {
      fitBoard(program, layout.size, (fitting, device) => {
        const drawn = Math.min(Math.max(fitting, program.leastScale), program.mostScale);
        const resized = device.width !== canvasSize?.width || device.height !== canvasSize?.height;
        canvasSize = device;
        if (drawn !== scale) {
          scale = drawn;
          dialog?.setScale(scale);
        } else if (resized) {
          dialog?.showWholeBoard();
        }
        resolve();
      });
    });
    dialog = program.openDialog(page, seed, scale);
    playLinkedRun(dialog);

    dialog.showWholeBoard();
    document.getElementById('loading').remove();
    performance.mark('pastura-first-frame');
    document.querySelector('#dialog > button').focus({preventScroll: true});
    dialog.shown();
    window.pastura.tick = () => dialog.timer(layout.stepTimer);
    window.pastura.scale = () => scale;
    navigator.serviceWorker?.register('service-worker.js').catch(() => {});
  }

  const boxes = new Boxes();
  window.pastura = {ready: start(boxes, offerHelp(boxes))};
  window.pastura.ready.catch((error) => showError(error.message));
})();
