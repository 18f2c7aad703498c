// The page's layout in headless Chromium: a phone and a narrow window get the
// flowing layout without sideways scrolling, and the board is crisp at every
// device pixel ratio, its canvas equal to the player's picture at the page's
// scale and laid on the screen one canvas pixel to one screen pixel: on
// screens of that ratio, and where the ratio is only emulated.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const {describe, test} = require('node:test');

const {kDesktop} = require('./browser');
const {decodePng} = require('./png');
const player = require('./player');
const {
  output, kCase, kPhone, kSpawns, useBrowser, boardPicture, assertSamePicture, spawnByClicks,
  waitForStartupTick,
} = require('./page_session');

const session = useBrowser();

// The smallest target the page may offer on a narrow screen, in CSS pixels.
const kMinimumTarget = 24;

// The board after the spawns, compared with the player's at the page's scale.
async function assertBoardIsPlayers(page) {
  await waitForStartupTick(page);
  await spawnByClicks(page);
  const scale = await page.evaluate(() => window.pastura.scale());
  assertSamePicture(await boardPicture(page),
                    player.picture(`tick ${kSpawns}`, ['--scale', String(scale)]));
}

// The grid's square of the client area, 21 cells of 20 pixels and the last
// line; the dialog's controls lie over the rest of the canvas.
const kGridSide = 421;

// The screen's pixels under the canvas's grid equal the canvas's own: no
// pixel was resampled on the way.
async function assertCanvasOnScreenAsDrawn(page, ratio, where = '') {
  const canvas = await boardPicture(page);
  const scale = await page.evaluate(() => window.pastura.scale());
  const side = Math.floor(kGridSide * scale + 0.5);
  const box = await page.$eval('#board', (board) => {
    const {left, top} = board.getBoundingClientRect();
    return {left, top};
  });
  const screen = decodePng(Buffer.from(await page.screenshot({type: 'png'})));
  const left = Math.round(box.left * ratio);
  const top = Math.round(box.top * ratio);
  let differing = 0;
  let first = null;
  for (let y = 0; y < Math.min(side, screen.height - top); ++y) {
    for (let x = 0; x < Math.min(side, screen.width - left); ++x) {
      const shown = screen.rgba.readUInt32BE(((top + y) * screen.width + left + x) * 4);
      const drawn = canvas.rgba.readUInt32BE((y * canvas.width + x) * 4);
      if (shown !== drawn) {
        ++differing;
        first ??= {x, y, shown: shown.toString(16), drawn: drawn.toString(16)};
      }
    }
  }
  assert.equal(differing, 0, `${where}: ${differing} of the grid's ${side * side} pixels differ ` +
               `on the screen, the first ${JSON.stringify(first)}`);
}

describe('the dialog\'s width', () => {
  test('no two controls overlap, and each button is a target of 24 pixels', kCase, async () => {
    await session.withPage('', async (page) => {
      const controls = await page.$$eval('#dialog > :is(button, span, ul)', (all) => all.map((e) => {
        // A caption's text may overhang its box: its extent is the text's.
        const text = document.createRange();
        text.selectNodeContents(e);
        const box = (e.tagName === 'SPAN' ? text : e).getBoundingClientRect().toJSON();
        return {name: e.textContent.slice(0, 12), button: e.tagName === 'BUTTON', box};
      }));
      const overlap = (a, b) =>
        a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
      for (const [i, a] of controls.entries()) {
        if (a.button) {
          assert.ok(a.box.width >= kMinimumTarget && a.box.height >= kMinimumTarget, a.name);
        }
        for (const b of controls.slice(i + 1)) {
          assert.ok(!overlap(a.box, b.box), `${a.name} overlaps ${b.name}`);
        }
      }
    });
  });
});

describe('narrow screens', () => {
  const kNarrow = [
    ['a phone', kPhone],
    ['a 320 pixel window', {width: 320, height: 640, deviceScaleFactor: 2}],
  ];
  for (const [name, viewport] of kNarrow) {
    test(`${name} shows the page unpanned, without sideways scrolling`, kCase, async () => {
      await session.withPage('', async (page) => {
        const view = await page.evaluate(() => {
          const frame = document.getElementById('board-frame').getBoundingClientRect();
          return {scrollX, scrollWidth: document.documentElement.scrollWidth,
                  clientWidth: document.documentElement.clientWidth,
                  frameLeft: frame.left, frameRight: frame.right};
        });
        assert.equal(view.scrollX, 0);
        assert.ok(view.scrollWidth <= view.clientWidth, JSON.stringify(view));
        assert.ok(view.frameLeft >= 0 && view.frameRight <= view.clientWidth, JSON.stringify(view));
      }, {viewport});
    });

    test(`${name} gets every button at least ${kMinimumTarget} pixels a side`, kCase, async () => {
      await session.withPage('', async (page) => {
        const small = await page.$$eval('button', (buttons, least) => buttons
            .filter((b) => b.checkVisibility())
            .map((b) => ({text: b.textContent, box: b.getBoundingClientRect()}))
            .filter(({box}) => box.width < least || box.height < least)
            .map(({text, box}) => `${text} ${box.width} x ${box.height}`), kMinimumTarget);
        assert.deepEqual(small, []);
        assert.equal(await page.$$eval('#dialog > button', (all) => all.length), 8);
      }, {viewport});
    });
  }

  test('a phone held sideways shows the whole dialog without scrolling', kCase, async () => {
    const sideways = {...kPhone, width: kPhone.height, height: kPhone.width};
    await session.withPage('', async (page) => {
      await waitForStartupTick(page);
      const view = await page.evaluate(() => ({
        dialog: document.getElementById('dialog').getBoundingClientRect().toJSON(),
        buttons: [...document.querySelectorAll('#dialog > button')].map((b) => b.offsetHeight),
      }));
      assert.ok(view.dialog.bottom <= sideways.height && view.dialog.right <= sideways.width,
                JSON.stringify(view.dialog));
      assert.ok(view.buttons.every((height) => height >= kMinimumTarget), String(view.buttons));
      await assertCanvasOnScreenAsDrawn(page, sideways.deviceScaleFactor);
    }, {viewport: sideways});
  });

  test('a phone\'s board equals the player\'s picture at the page\'s scale', kCase, async () => {
    await session.withPage('', (page) => assertBoardIsPlayers(page), {viewport: kPhone});
  });
});

// The board's canvas against the player's picture at the page's scale and
// against the screen, in a page showing at `ratio`.
async function assertCrisp(page, ratio) {
  await assertBoardIsPlayers(page);
  await assertCanvasOnScreenAsDrawn(page, ratio);
}

for (const ratio of [1.1, 1.25, 1.5, 1.75, 2.5, 3]) {
  describe(`crisp on a screen of ratio ${ratio}`, () => {
    // A headless window shows a little less than its height.
    const screen = useBrowser({width: kDesktop.width, height: 640, deviceScaleFactor: ratio});
    test('the canvas is the player\'s picture, one to one on the screen', kCase, async () => {
      await screen.withPage('', (page) => assertCrisp(page, ratio), {viewport: null});
    });
  });
}

describe('crisp at an emulated ratio', () => {
  for (const ratio of [1.25, 2.5]) {
    test(`at ${ratio} the canvas is the player's picture, one to one on the screen`, kCase,
         async () => {
           await session.withPage('', (page) => assertCrisp(page, ratio),
                                  {viewport: {...kDesktop, deviceScaleFactor: ratio}});
         });
  }

  test('on a phone the canvas is one to one on the screen', kCase, async () => {
    await session.withPage('', async (page) => {
      await waitForStartupTick(page);
      await spawnByClicks(page);
      await page.$eval('#board-frame', (frame) => (frame.style.overflow = 'visible'));
      await assertCanvasOnScreenAsDrawn(page, kPhone.deviceScaleFactor);
    }, {viewport: kPhone});
  });
});

// Windows of many widths, narrow and wide, on screens of ratios below 1,
// between the usual ones and high: the canvas one to one on the screen at
// each, as far as the grid is in view.
const kWidths = [250, 320, 360, 412, 430, 583, 620, 693, 694, 771, 883, 1023, 1024, 1100];
for (const ratio of [0.8, 1.1, 3]) {
  describe(`crisp at every width on a screen of ratio ${ratio}`, () => {
    const screen = useBrowser({width: kWidths[0], height: 400, deviceScaleFactor: ratio});
    test(`from ${kWidths[0]} to ${kWidths.at(-1)} pixels wide`, kCase, async () => {
      await screen.withPage('', async (page) => {
        await waitForStartupTick(page);
        await spawnByClicks(page);
        const cdp = await page.createCDPSession();
        const {windowId} = await cdp.send('Browser.getWindowForTarget');
        for (const width of kWidths) {
          await cdp.send('Browser.setWindowBounds', {windowId, bounds: {width}});
          // The window's width is taken to whole screen pixels: at 0.8, 583 is 585.
          await page.waitForFunction((w) => Math.abs(innerWidth - w) <= 2, {timeout: 10000}, width);
          await page.evaluate(() => new Promise((resolve) =>
            requestAnimationFrame(() => requestAnimationFrame(resolve))));
          await assertCanvasOnScreenAsDrawn(page, ratio, `${width} wide`);
        }
      }, {viewport: null});
    });
  });
}

describe('screenshots', () => {
  const kShots = [['phone', kPhone], ['1.25', {...kDesktop, deviceScaleFactor: 1.25}]];
  for (const [name, viewport] of kShots) {
    test(`of the page after a few steps, ${name}`, kCase, async () => {
      await session.withPage('', async (page) => {
        await waitForStartupTick(page);
        await page.evaluate(() => {
          const press = (text, times) => {
            const target = [...document.querySelectorAll('#dialog > button')].find(
                (b) => b.textContent === text);
            for (let i = 0; i < times; ++i) target.click();
          };
          press('Plant', 10);
          press('Herbivore', 8);
          press('Carnivore', 6);
          for (let i = 0; i < 12; ++i) window.pastura.tick();
        });
        const file = path.join(output, `screenshot-web-${name}.png`);
        await page.screenshot({path: file});
        assert.ok(fs.statSync(file).size > 0);
      }, {viewport});
    });
  }
});
