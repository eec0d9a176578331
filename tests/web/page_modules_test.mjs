// Rules of the page's modules that need no browser, in node.
//
//     node --test tests/web/page_modules_test.mjs

import assert from 'node:assert/strict';
import { test } from 'node:test';
import { show } from '../../app/web/page/pictures.js';
import { plan } from '../../app/web/page/wakeups.js';

test('a wake-up is never planned before the moment asked for', () => {
  const now = 1000.25;
  // [wanted in, hidden, planned]: a timer drops fractions, so its delay is rounded up; a tick
  // less than a frame away is woken for at the next frame; a hidden page has no frames.
  const table = [
    [20.4, false, { timeout: 21 }],
    [14.5, false, { frame: true }],
    [16, false, { timeout: 16 }],
    [700.9, false, { timeout: 701 }],
    [0, false, { frame: true }],
    [14.5, true, { timeout: 100 }],
    [700.9, true, { timeout: 701 }],
  ];
  for (const [wantedIn, hidden, planned] of table) {
    assert.deepEqual(plan(now + wantedIn, now, hidden), planned, `${wantedIn} ms, hidden ${hidden}`);
    if (planned.timeout) assert.ok(now + planned.timeout >= now + wantedIn);
  }
  assert.equal(plan(-1, now, false), null, 'only the player wakes it');
});

test('a picture never defined draws nothing, and is reported once', (context) => {
  const reported = context.mock.method(console, 'error', () => {});
  const element = { replaceChildren: context.mock.fn() };
  show(element, 9999);
  show(element, 9999);
  assert.equal(reported.mock.callCount(), 1);
  assert.match(reported.mock.calls[0].arguments[0], /picture 9999 has no drawing/);
  assert.deepEqual(element.replaceChildren.mock.calls.map((call) => call.arguments), [[], []]);
});
