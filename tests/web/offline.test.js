// The site as an installable web app, offline, and the page while its
// program loads or when it cannot: in headless Chromium.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const {describe, test} = require('node:test');

const {openPage} = require('./browser');
const {decodePng} = require('./png');
const {site, kCase, kPhone, useBrowser, waitForStartupTick} = require('./page_session');
const {serveSite} = require('./site_server');

const session = useBrowser();

// Waits until the service worker controls the page.
async function waitForServiceWorker(page) {
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, {timeout: 10000});
}

describe('installable and offline', () => {
  test('the manifest names the app and its icons are PNGs of their sizes', kCase, async () => {
    await session.withPage('', async (page) => {
      const manifest = await page.evaluate(async () => {
        const link = document.querySelector('link[rel=manifest]');
        return (await fetch(link.href)).json();
      });
      assert.equal(manifest.name, 'Pastura');
      assert.equal(manifest.display, 'standalone');
      const pngs = manifest.icons.filter((icon) => icon.type === 'image/png');
      assert.deepEqual(pngs.map((icon) => icon.sizes), ['192x192', '512x512']);
      for (const icon of pngs) {
        const bytes = await page.evaluate(async (src) => {
          const response = await fetch(src);
          return [...new Uint8Array(await response.arrayBuffer())];
        }, icon.src);
        const picture = decodePng(Buffer.from(bytes));
        assert.equal(`${picture.width}x${picture.height}`, icon.sizes);
      }
    });
  });

  test('the browser finds nothing that keeps it from installing the page', kCase, async () => {
    await session.withPage('', async (page) => {
      await waitForServiceWorker(page);
      const cdp = await page.createCDPSession();
      const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, []);
    });
  });

  test('once loaded, the page starts again with the network off', kCase, async () => {
    await session.withPage('?seed=7', async (page) => {
      await waitForServiceWorker(page);
      await page.setOfflineMode(true);
      await page.reload();
      await page.evaluate(() => window.pastura.ready);
      await waitForStartupTick(page);
      assert.equal(await page.$eval('#error', (error) => error.hidden), true);
    });
  });
});

describe('a new build', () => {
  test('reaches a returning user of a site whose files are a month old', kCase, async () => {
    const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'pastura-site-'));
    const server = await (fs.cpSync(site, copy, {recursive: true}), serveSite(copy));
    const dated = (name, when) => fs.utimesSync(path.join(copy, name), when, when);
    const monthAgo = new Date(Date.now() - 30 * 24 * 3600 * 1000);
    try {
      fs.readdirSync(copy).forEach((name) => dated(name, monthAgo));
      const {page} = await openPage(session.chromium.browser, server.url);
      await waitForServiceWorker(page);
      fs.appendFileSync(path.join(copy, 'page.js'), '\nwindow.pasturaBuild = 2;\n');
      dated('page.js', new Date());
      await page.goto(server.url);
      await page.evaluate(() => window.pastura.ready);
      assert.equal(await page.evaluate(() => window.pasturaBuild), 2);
      await page.close();
    } finally {
      await server.close();
      fs.rmSync(copy, {recursive: true, force: true});
    }
  });
});

describe('loading and failing', () => {
  // A fresh page, past any service worker, whose pastura.wasm.gz request is
  // handled by `answer(request)`.
  async function withModuleRequest(answer, body, viewport = null) {
    const page = await session.chromium.browser.newPage();
    try {
      if (viewport) {
        await page.setViewport(viewport);
      }
      await page.setBypassServiceWorker(true);
      await page.setRequestInterception(true);
      page.on('request', (request) => {
        if (request.url().endsWith('/pastura.wasm.gz')) {
          answer(request);
        } else {
          request.continue();
        }
      });
      await page.goto(session.server.url);
      await body(page);
    } finally {
      await page.close();
    }
  }

  test('"Loading…" shows in the board\'s place until the module is in', kCase, async () => {
    let release;
    const held = new Promise((resolve) => {
      release = resolve;
    });
    await withModuleRequest((request) => held.then(() => request.continue()), async (page) => {
      const loading =
          await page.$eval('#loading', (note) => note.checkVisibility() && note.textContent);
      assert.equal(loading, 'Loading…');
      release();
      await page.evaluate(() => window.pastura.ready);
      assert.equal(await page.$('#loading'), null);
    });
  });

  test('Help opens at once while the module loads, and its text comes with it', kCase, async () => {
    let release;
    const held = new Promise((resolve) => {
      release = resolve;
    });
    await withModuleRequest((request) => held.then(() => request.continue()), async (page) => {
      await page.click('#help-button');
      assert.equal(await page.$eval('#help', (help) => help.open), true);
      release();
      await page.evaluate(() => window.pastura.ready);
      const text = await page.$eval('#help-text', (p) => p.textContent);
      assert.ok(text.startsWith('Plant, Herbivore, Carnivore'), text);
    }, kPhone);
  });

  test('a module the server sends as Content-Encoding: gzip loads as well', kCase, async () => {
    const server = await serveSite(site, {gzipEncoded: true});
    try {
      const {page, problems} = await openPage(session.chromium.browser, server.url);
      assert.deepEqual(problems, []);
      await page.close();
    } finally {
      await server.close();
    }
  });

  test('a module that cannot be fetched gives one plain sentence', kCase, async () => {
    await withModuleRequest((request) => request.respond({status: 404, body: ''}), async (page) => {
      await page.evaluate(() => window.pastura.ready.catch(() => {}));
      const shown = await page.$eval('#error', (error) => error.textContent);
      assert.equal(shown, 'Pastura: the program could not be loaded; check the connection and ' +
                          'reload the page.');
      assert.equal(await page.$eval('#dialog', (dialog) => dialog.hidden), true);
    });
  });

  test('without JavaScript the page says it needs it', kCase, async () => {
    const page = await session.chromium.browser.newPage();
    try {
      await page.setJavaScriptEnabled(false);
      await page.goto(session.server.url);
      const shown = await page.evaluate(() => [...document.querySelectorAll('p')]
          .filter((p) => p.checkVisibility()).map((p) => p.textContent));
      assert.deepEqual(shown, [
        'Pastura runs in JavaScript: turn it on for this page to see the ecosystem.']);
    } finally {
      await page.close();
    }
  });
});
