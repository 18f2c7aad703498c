// The page under axe-core's WCAG 2.2 AA and best-practice rules in headless
// Chromium: as it opens, with the menu open, with each box open, and on a
// phone.
'use strict';

const assert = require('node:assert/strict');
const {describe, test} = require('node:test');

const {kCase, kPhone, useBrowser, waitForStartupTick} = require('./page_session');

const session = useBrowser();

const kRules = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'];

// axe's violations on the page as it stands, one line each.
async function violations(page) {
  await page.addScriptTag({path: require.resolve('axe-core/axe.min.js')});
  const found = await page.evaluate(
      (tags) => axe.run(document, {runOnly: {type: 'tag', values: tags}}).then((result) =>
        result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`)),
      kRules);
  return found;
}

const kStates = {
  'the page as it opens': async () => {},
  'the page with the menu open': (page) => page.keyboard.press('ContextMenu'),
  'the page with the About box open': async (page) => {
    await page.keyboard.press('ContextMenu');
    await page.keyboard.press('a');
  },
  'the page with the help open': (page) => page.keyboard.press('F1'),
};

describe('accessibility', () => {
  for (const [state, reach] of Object.entries(kStates)) {
    test(`${state} breaks no rule`, kCase, async () => {
      await session.withPage('', async (page) => {
        await waitForStartupTick(page);
        await reach(page);
        assert.deepEqual(await violations(page), []);
      });
    });
  }

  test('a screen reader hears the count after its caption, each line after its kind', kCase,
       async () => {
         await session.withPage('', async (page) => {
           await waitForStartupTick(page);
           await page.click('#dialog > button');
           await page.evaluate(() => window.pastura.tick());
           // The texts read, in order, under `selector`.
           const heard = async (selector) => {
             const texts = [];
             const walk = (node) => {
               if (node.role === 'StaticText' && node.name) texts.push(node.name);
               (node.children ?? []).forEach(walk);
             };
             walk(await page.accessibility.snapshot({root: await page.$(selector),
                                                      interestingOnly: false}));
             return texts;
           };
           const dialog = await heard('#dialog');
           const caption = dialog.indexOf('iterations');
           assert.deepEqual(dialog.slice(caption, caption + 2), ['iterations', '1']);
           assert.equal(dialog.lastIndexOf('iterations'), caption);
           assert.deepEqual(await heard('#report'),
                            ['plants', 'plants', '0: 22', 'Herbivore', 'Carnivore']);
         });
       });

  test('the phone layout breaks no rule', kCase, async () => {
    await session.withPage('', async (page) => {
      await waitForStartupTick(page);
      assert.deepEqual(await violations(page), []);
    }, {viewport: kPhone});
  });
});
