// The system's Chromium, headless, with a fresh profile, and the page opened
// in it with every console error, page error and failed request collected.
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

// With `screen` ({width, height, deviceScaleFactor}), the browser's window
// is that size on a screen of that pixel ratio, as a real high-density screen
// or a zoom gives it, and pages open at the window's size (openPage's
// viewport null); without, pages emulate the viewport they are opened with.
async function launchBrowser(screen = null) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'pastura-chromium-'));
  const onScreen = screen ? [`--force-device-scale-factor=${screen.deviceScaleFactor}`,
                             `--window-size=${screen.width},${screen.height}`] : [];
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    defaultViewport: screen ? null : undefined,
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      ...onScreen,
    ],
  });
  return {
    browser,
    close: async () => {
      await browser.close();
      fs.rmSync(profile, {recursive: true, force: true});
    },
  };
}

// Opens `url` in a new tab, by default a desktop window a little larger than
// the dialog, and waits for window.pastura.ready; `problems` lists what went
// wrong on the way.
const kDesktop = {width: 760, height: 520, deviceScaleFactor: 1};

async function openPage(browser, url, {waitReady = true, viewport = kDesktop} = {}) {
  const page = await browser.newPage();
  if (viewport) {
    await page.setViewport(viewport);
  }
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('requestfailed', (request) => problems.push(`failed: ${request.url()}`));
  page.on('response', (response) => {
    if (response.status() >= 400) problems.push(`HTTP ${response.status()}: ${response.url()}`);
  });
  await page.goto(url);
  if (waitReady) {
    await page.evaluate(() => window.pastura.ready);
  }
  return {page, problems};
}

module.exports = {kDesktop, launchBrowser, openPage};
