// What every web test file shares: the built site served on 127.0.0.1, one
// headless Chromium for the file, a fresh tab per case, and the page's
// controls, list, label and canvas as the tests read them.
'use strict';

const assert = require('node:assert/strict');
const os = require('node:os');
const path = require('node:path');
const {after, before} = require('node:test');

const {launchBrowser, openPage} = require('./browser');
const {decodePng} = require('./png');
const {serveSite} = require('./site_server');

const site = path.resolve(process.env.PASTURA_SITE || path.join(__dirname, '../../build-web/site'));
const output = process.env.PASTURA_WEB_OUT || os.tmpdir();
const kCase = {timeout: 120000};
// The phone the page is tried on, in CSS pixels at its device pixel ratio.
const kPhone = {width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true};

// Serves the site and starts the browser (launchBrowser's `screen`) for the
// calling test file or suite; the returned object's server and browser are
// set once its cases run.
function useBrowser(screen = null) {
  const session = {server: null, chromium: null};
  before(async () => {
    session.server = await serveSite(site);
    session.chromium = await launchBrowser(screen);
  });
  after(async () => {
    await session.chromium?.close();
    await session.server?.close();
  });
  // A fresh page at `query`, closed when `body` is done.
  session.withPage = async (query, body, options) => {
    const {page, problems} =
        await openPage(session.chromium.browser, session.server.url + query, options);
    try {
      await body(page, problems);
    } finally {
      await page.close();
    }
  };
  return session;
}

function button(page, caption) {
  return page.evaluateHandle(
      (text) => [...document.querySelectorAll('button')].find((b) => b.textContent === text),
      caption);
}

async function click(page, caption, times = 1) {
  await page.evaluate((text, count) => {
    const target = [...document.querySelectorAll('#dialog > button')].find(
        (b) => b.textContent === text);
    for (let i = 0; i < count; ++i) target.click();
  }, caption, times);
}

const reportLines = (page) =>
  page.$$eval('#report li', (items) => items.map((item) => item.textContent));
const iterations = (page) => page.$eval('#iterations', (label) => label.textContent);

async function waitForStartupTick(page) {
  await page.waitForFunction(() => document.getElementById('report').children.length > 0,
                             {timeout: 10000});
}

// Waits until the label reads at least `count`.
async function waitForIterations(page, count) {
  await page.waitForFunction(
      (n) => Number(document.getElementById('iterations').textContent) >= n, {timeout: 10000},
      count);
}

// The canvas's pixels: {width, height, rgba}.
async function boardPicture(page) {
  const url = await page.$eval('#board', (canvas) => canvas.toDataURL('image/png'));
  return decodePng(Buffer.from(url.slice(url.indexOf(',') + 1), 'base64'));
}

function assertSamePicture(actual, expected) {
  assert.deepEqual([actual.width, actual.height], [expected.width, expected.height]);
  let differing = 0;
  let first = null;
  for (let i = 0; i < actual.rgba.length; i += 4) {
    if (actual.rgba.readUInt32BE(i) !== expected.rgba.readUInt32BE(i)) {
      ++differing;
      first ??= {x: (i / 4) % actual.width, y: Math.floor(i / 4 / actual.width),
                 page: actual.rgba.readUInt32BE(i).toString(16),
                 player: expected.rgba.readUInt32BE(i).toString(16)};
    }
  }
  assert.equal(differing, 0, `${differing} pixels differ, the first ${JSON.stringify(first)}`);
}

const kSpawns = 'plant plant plant plant plant herbivore herbivore herbivore carnivore carnivore';

async function spawnByClicks(page) {
  await click(page, 'Plant', 5);
  await click(page, 'Herbivore', 3);
  await click(page, 'Carnivore', 2);
}

module.exports = {
  site, output, kCase, kPhone, kSpawns, useBrowser, button, click, reportLines, iterations,
  waitForStartupTick, waitForIterations, boardPicture, assertSamePicture, spawnByClicks,
};
