// The player's page in Firefox ESR, headless, over WebDriver BiDi: opened from disk it plays a
// race, the board's first box and the menu's duel button from tools/web/page_steps.json, with
// clicks and keys, and with taps on a phone-sized screen.
//
//     node firefox_test.mjs PAGE        (puppeteer-core from tests/web/node_modules)

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const here = (name) => readFileSync(new URL(name, import.meta.url), 'utf8');
const DRIVER = here('../../tools/web/page_driver.js');
const STEPS = JSON.parse(here('../../tools/web/page_steps.json'));
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

// "Form4.Command1": a widget's selector.
const selector = (where) => {
  const [form, name] = where.split('.');
  return `[data-form="${form}"] [data-widget="${name}"]`;
};

async function play(steps, press) {
  await page.goto('about:blank');
  await page.goto(pathToFileURL(process.argv[2]).href);
  await page.waitForFunction(() => globalThis.document.documentElement.dataset.play === 'running' &&
    globalThis.document.readyState === 'complete', { timeout: 30000 });
  await page.evaluate(DRIVER);
  const player = {
    click: (where) => press(selector(where)),
    key: (key) => page.keyboard.press(key),
    ok: () => press('dialog[open] button'),
  };
  for (const [name, ...args] of steps) {
    if (player[name]) await player[name](...args);
    const step = player[name] ? ['settle'] : [name, ...args];
    await page.evaluate((pageStep) => globalThis.mgTest.step(pageStep), step);
  }
  assert.deepEqual(complaints, []);
}

test('the page plays with clicks and keys', () => play([
  ...STEPS.openRace, ...STEPS.strokeNearR, ...STEPS.strokeFarFromL, ...STEPS.boardsFirstBox,
], (target) => page.click(target)));

test('a tap presses a button on a phone-sized screen', async () => {
  await page.setViewport({ width: 390, height: 844 });
  await play(STEPS.menuOpensTheDuel, async (target) => (await page.$(target)).tap());
});
