// The context menu, the About box and the help in headless Chromium: the
// menu stays inside the window and out of the boxes' way, and the help can
// be opened by mouse, touch and keyboard.
'use strict';

const assert = require('node:assert/strict');
const {describe, test} = require('node:test');

const {kDesktop} = require('./browser');
const {kCase, kPhone, useBrowser} = require('./page_session');

const session = useBrowser();

const menuShown = (page) => page.$eval('#menu', (menu) => !menu.hidden);
const isOpen = (page, id) => page.$eval(`#${id}`, (box) => box.open);
const rectOf = (page, selector) =>
  page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());

async function rightClick(page, x, y) {
  await page.mouse.click(x, y, {button: 'right'});
}

// Opens the About box from the board's context menu.
async function openAbout(page) {
  await rightClick(page, 150, 150);
  await page.click('#menu-about');
  assert.equal(await isOpen(page, 'about'), true);
}

describe('the context menu', () => {
  const {width, height} = kDesktop;
  const kCorners = {
    'top left': [2, 2], 'top right': [width - 2, 2],
    'bottom left': [2, height - 2], 'bottom right': [width - 2, height - 2],
  };
  for (const [corner, [x, y]] of Object.entries(kCorners)) {
    test(`opened at the ${corner} corner it lies wholly inside the window`, kCase, async () => {
      await session.withPage('', async (page) => {
        await rightClick(page, x, y);
        assert.equal(await menuShown(page), true);
        const menu = await rectOf(page, '#menu');
        assert.ok(menu.left >= 0 && menu.top >= 0 && menu.right <= width && menu.bottom <= height,
                  JSON.stringify(menu));
      });
    });
  }

  for (const [name, viewport, [x, y]] of [['760 by 100', {width: 760, height: 100}, [380, 50]],
                                          ['250 wide', {width: 250, height: 520}, [125, 260]]]) {
    test(`in a window ${name} it is kept inside the window`, kCase, async () => {
      await session.withPage('', async (page) => {
        await rightClick(page, x, y);
        const menu = await rectOf(page, '#menu');
        assert.ok(menu.left >= 0 && menu.top >= 0 && menu.right <= viewport.width &&
                  menu.bottom <= viewport.height, JSON.stringify(menu));
      }, {viewport});
    });
  }

  test('a click elsewhere closes it', kCase, async () => {
    await session.withPage('', async (page) => {
      await rightClick(page, 150, 150);
      await page.mouse.click(300, 300);
      assert.equal(await menuShown(page), false);
    });
  });

  test('scrolling closes it', kCase, async () => {
    await session.withPage('', async (page) => {
      await rightClick(page, 150, 150);
      await page.evaluate(() => new Promise((resolve) => {
        addEventListener('scroll', resolve, {once: true});
        scrollBy(0, 40);
      }));
      assert.equal(await menuShown(page), false);
    }, {viewport: {...kDesktop, height: 300}});
  });

  test('over an open box it does not open, then or after the box closes', kCase, async () => {
    await session.withPage('', async (page) => {
      await openAbout(page);
      await rightClick(page, 150, 150);
      assert.equal(await menuShown(page), false);
      await page.click('#about-ok');
      assert.equal(await isOpen(page, 'about'), false);
      assert.equal(await menuShown(page), false);
    });
  });

  test('the arrow keys move between its entries and H chooses the help', kCase, async () => {
    await session.withPage('', async (page) => {
      await page.keyboard.press('ContextMenu');
      const focused = () => page.evaluate(() => document.activeElement.id);
      await page.keyboard.press('ArrowDown');
      assert.equal(await focused(), 'menu-help');
      await page.keyboard.press('ArrowDown');
      assert.equal(await focused(), 'menu-about');
      await page.keyboard.press('ArrowUp');
      assert.equal(await focused(), 'menu-help');
      await page.keyboard.press('h');
      assert.equal(await isOpen(page, 'help'), true);
      assert.equal(await menuShown(page), false);
    });
  });
});

describe('the help', () => {
  test('the menu\'s Help entry opens it by mouse', kCase, async () => {
    await session.withPage('', async (page) => {
      await rightClick(page, 150, 150);
      await page.click('#menu-help');
      assert.equal(await isOpen(page, 'help'), true);
      await page.click('#help-ok');
      assert.equal(await isOpen(page, 'help'), false);
    });
  });

  test('a tap on Help opens it on a phone', kCase, async () => {
    await session.withPage('', async (page) => {
      const help = await rectOf(page, '#help-button');
      await page.touchscreen.tap(help.x + help.width / 2, help.y + help.height / 2);
      assert.equal(await isOpen(page, 'help'), true);
      const box = await rectOf(page, '#help');
      assert.ok(box.left >= 0 && box.right <= kPhone.width, JSON.stringify(box));
    }, {viewport: kPhone});
  });

  test('F1 over the About box leaves the help closed', kCase, async () => {
    await session.withPage('', async (page) => {
      await openAbout(page);
      await page.keyboard.press('F1');
      assert.equal(await isOpen(page, 'help'), false);
      assert.equal(await isOpen(page, 'about'), true);
    });
  });
});

describe('the boxes', () => {
  test('on a small phone the About box fits, its OK button in view', kCase, async () => {
    await session.withPage('', async (page) => {
      await page.keyboard.press('ContextMenu');
      await page.keyboard.press('a');
      const [box, ok] = [await rectOf(page, '#about'), await rectOf(page, '#about-ok')];
      const client = await page.$eval('#about .client', (c) => [c.scrollWidth, c.clientWidth]);
      assert.ok(box.left >= 0 && box.right <= 320 && client[0] <= client[1], JSON.stringify(box));
      assert.ok(ok.left >= box.left && ok.right <= box.right && ok.bottom <= box.bottom,
                JSON.stringify(ok));
    }, {viewport: {...kPhone, width: 320, height: 568}});
  });

  const kBoxes = [
    ['About box', '#about', openAbout],
    ['help', '#help', (page) => page.keyboard.press('F1')],
  ];
  for (const [name, id, open] of kBoxes) {
    test(`the ${name} opens centred over the dialog`, kCase, async () => {
      await session.withPage('', async (page) => {
        await open(page);
        const [box, dialog] = [await rectOf(page, id), await rectOf(page, '#dialog')];
        const centre = (r) => [r.left + r.width / 2, r.top + r.height / 2];
        const [[bx, by], [dx, dy]] = [centre(box), centre(dialog)];
        assert.ok(Math.abs(bx - dx) <= 1 && Math.abs(by - dy) <= 1,
                  `box centre ${bx}, ${by}; dialog centre ${dx}, ${dy}`);
      }, {viewport: {...kDesktop, height: 900}});
    });
  }
});
