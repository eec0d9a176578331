// The player's page in Firefox ESR, headless, over WebDriver BiDi: opened from disk it plays
// the steps of engines_scenario.json, with clicks and keys, and with taps on a phone's screen.
//
//     node firefox_test.mjs PAGE        (puppeteer-core from tests/web/node_modules)

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const here = (name) => readFileSync(new URL(name, import.meta.url), 'utf8');
const DRIVER = here('../../tools/web/page_driver.js');
const SCENARIO = JSON.parse(here('engines_scenario.json'));
let browser;
let page;
const complaints = [];

before(async () => {
  browser = await puppeteer.launch({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
  });
  page = await browser.newPage();
  page.on('console', (message) => {
    if (['error', 'warn'].includes(message.type())) complaints.push(message.text());
  });
  page.on('pageerror', (error) => complaints.push(String(error)));
});

after(() => browser?.close());

async function play(steps) {
  await page.goto('about:blank');
  await page.goto(pathToFileURL(process.argv[2]).href);
  await page.waitForFunction(() => document.documentElement.dataset.play === 'running' &&
    document.readyState === 'complete', { timeout: 30000 });
  await page.evaluate(DRIVER);
  for (const step of steps) {
    const [what, target] = step;
    const player = {
      click: () => page.click(target),
      key: () => page.keyboard.press(target),
      tap: async () => (await page.$(target)).tap(),
    }[what];
    if (player) await player();
    await page.evaluate((pageStep) => window.mgTest.step(pageStep), player ? ['settle'] : step);
  }
  assert.deepEqual(complaints, []);
}

test('the page plays with clicks and keys', () => play(SCENARIO.plays));

test('a tap presses a button on a phone-sized screen', async () => {
  await page.setViewport({ width: 390, height: 844 });
  await play(SCENARIO.taps);
});
