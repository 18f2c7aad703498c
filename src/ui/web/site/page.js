// The page's script: builds the dialog from the program's own layout, runs
// the timers the dialog's rules ask for, shows the board, the report list and
// the label, and offers the About box and the help. Every rule (what a button
// does, which timer runs and how often) is the program's; this script only
// carries them out.
//
// window.pastura.ready resolves once the first frame is on the canvas;
// window.pastura.tick() then runs one step, as a firing of the step timer does.
'use strict';

(() => {
  const kMaxSeed = 4294967295;
  // Element ids of the controls the page's users and tests look up.
  const kElementIds = {IDC_ITERATIONS: 'iterations', IDC_REPORT: 'report'};

  const board = document.getElementById('board');
  const context = board.getContext('2d');

  // ?seed=N: the spawn generator's start, as the player's --seed.
  function seedFromAddress(defaultSeed) {
    const text = new URLSearchParams(location.search).get('seed');
    if (text === null) {
      return defaultSeed;
    }
    if (!/^[0-9]{1,10}$/.test(text) || Number(text) > kMaxSeed) {
      throw new Error(`bad seed '${text}': expected a number 0..${kMaxSeed}`);
    }
    return Number(text);
  }

  function place(element, rect) {
    element.style.left = `${rect.left}px`;
    element.style.top = `${rect.top}px`;
    element.style.width = `${rect.width}px`;
    element.style.height = `${rect.height}px`;
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

  // The report list: one <li> per line, reused from step to step.
  function showReport(list, text) {
    const lines = text === '' ? [] : text.split('\n');
    while (list.children.length > lines.length) {
      list.lastElementChild.remove();
    }
    lines.forEach((line, i) => {
      const item = list.children[i];
      if (!item) {
        const added = document.createElement('li');
        added.textContent = line;
        list.append(added);
      } else if (item.textContent !== line) {
        item.textContent = line;
      }
    });
  }

  function buildControls(layout, command) {
    const dialog = document.getElementById('dialog');
    for (const control of layout.controls) {
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
      dialog.append(element);
    }
  }

  function buildAbout(about) {
    const box = document.getElementById('about');
    document.getElementById('about-caption').textContent = about.caption;
    const client = box.querySelector('.client');
    client.style.width = `${about.size.width}px`;
    client.style.height = `${about.size.height}px`;
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
    return box;
  }

  function buildHelp(help) {
    document.getElementById('help-caption').textContent = help.title;
    document.getElementById('help-text').textContent = help.text;
    return document.getElementById('help');
  }

  // The context menu of the board and the page: the About entry, its
  // mnemonic (the letter after '&') underlined.
  function buildMenu(about, entryText) {
    const menu = document.getElementById('menu');
    const entry = document.getElementById('menu-about');
    const mark = entryText.indexOf('&');
    const mnemonic = document.createElement('u');
    mnemonic.textContent = entryText[mark + 1];
    entry.replaceChildren(entryText.slice(0, mark), mnemonic, entryText.slice(mark + 2));
    let returnFocus = null;
    const close = () => {
      if (!menu.hidden) {
        menu.hidden = true;
        returnFocus?.focus();
      }
    };
    const chooseAbout = () => {
      close();
      about.showModal();
    };
    document.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      returnFocus = document.activeElement;
      menu.style.left = `${event.clientX}px`;
      menu.style.top = `${event.clientY}px`;
      menu.hidden = false;
      entry.focus();
    });
    entry.addEventListener('click', chooseAbout);
    menu.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        event.preventDefault();
        close();
      } else if (event.key.toLowerCase() === mnemonic.textContent.toLowerCase()) {
        event.preventDefault();
        chooseAbout();
      }
    });
    entry.addEventListener('blur', () => setTimeout(close, 0));
  }

  function showError(message) {
    const error = document.getElementById('error');
    error.textContent = `Pastura: ${message}`;
    error.hidden = false;
    document.getElementById('dialog').hidden = true;
  }

  async function start() {
    const program = await createPastura();
    const seed = seedFromAddress(program.defaultSeed);
    const layout = program.mainDialog();
    document.title = layout.caption;

    let dialog = null;
    const timers = new Timers((id) => dialog.timer(id));
    const list = () => document.getElementById('report');
    const label = () => document.getElementById('iterations');
    const page = {
      startTimer: (id, period) => timers.start(id, period),
      stopTimer: (id) => timers.stop(id),
      showReport: (text) => showReport(list(), text),
      setIterationText: (text) => {
        label().textContent = text;
      },
      showBoard: (left, top, right, bottom) => {
        const width = dialog.boardWidth();
        const height = dialog.boardHeight();
        if (board.width !== width || board.height !== height) {
          board.width = width;
          board.height = height;
        }
        const bytes = dialog.boardBytes();
        const pixels = new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, bytes.length);
        context.putImageData(new ImageData(pixels, width, height), 0, 0, left, top,
                             right - left, bottom - top);
      },
    };
    dialog = new program.Dialog(page, seed, window.devicePixelRatio || 1);

    buildControls(layout, (id) => dialog.command(id));
    const aboutBox = program.aboutBox();
    buildMenu(buildAbout(aboutBox), aboutBox.entry);
    const help = buildHelp(program.help());
    document.addEventListener('keydown', (event) => {
      if (event.key === 'F1') {
        event.preventDefault();
        if (!help.open) {
          help.showModal();
        }
      }
    });

    // A new device pixel ratio (zoom, another screen) redraws the board at
    // it. Browsers tell of it by a resize, a change of the resolution's media
    // query, or both.
    let ratio = window.devicePixelRatio || 1;
    const followRatio = () => {
      const now = window.devicePixelRatio || 1;
      if (now !== ratio) {
        ratio = now;
        dialog.setScale(ratio);
      }
    };
    const watchResolution = () => {
      matchMedia(`(resolution: ${ratio}dppx)`).addEventListener('change', () => {
        followRatio();
        watchResolution();
      }, {once: true});
    };
    watchResolution();
    window.addEventListener('resize', followRatio);

    dialog.showWholeBoard();
    performance.mark('pastura-first-frame');
    document.querySelector('#dialog > button').focus();
    dialog.shown();
    window.pastura.tick = () => dialog.timer(layout.stepTimer);
  }

  window.pastura = {ready: start()};
  window.pastura.ready.catch((error) => showError(error.message));
})();
