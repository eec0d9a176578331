// Waking the program. It sleeps between turns; the page wakes it at the frame or the moment it
// asked for, or at once when the player does something.

import * as clock from './clock.js';
import * as inputs from './inputs.js';

let wakeUp = null;
// When the sleeping program wants to be woken (-1: only by the player).
let dueAt = -1;
let timer = 0;
let frame = 0;
const watchers = new Set();

// How to wake the program for `wakeAt` (ms on the page's clock) at `now`: at the next frame when
// it is less than a frame away, by a timer when it is farther (a hidden page has no frames, and
// there a tenth of a second at a time is soon enough), never when it is below 0.
export function plan(wakeAt, now, hidden) {
  if (wakeAt < 0) return null;
  // A timer takes whole milliseconds and drops the rest: rounded down, it would come before the
  // tick is due, and the tick would wait a whole frame more.
  const delay = Math.ceil(wakeAt - now);
  if (hidden) return { timeout: Math.max(100, delay) };
  return delay < 16 ? { frame: true } : { timeout: delay };
}

// Resolves when the program is woken: at once when the player has done something meanwhile.
export function wait(wakeAt) {
  dueAt = wakeAt;
  return new Promise((resolve) => {
    if (inputs.waiting() > 0) {
      resolve();
      return;
    }
    wakeUp = resolve;
    for (const watcher of watchers) watcher('asleep');
    const now = clock.now();
    // A held clock wakes the program as it moves, but for what is due already.
    if (clock.isHeld() && !(wakeAt >= 0 && wakeAt <= now)) return;
    const how = plan(wakeAt, now, document.hidden);
    if (how?.frame) {
      frame = requestAnimationFrame(wake);
    } else if (how) {
      timer = setTimeout(wake, how.timeout);
    }
  });
}

export function wake() {
  cancelAnimationFrame(frame);
  clearTimeout(timer);
  frame = 0;
  timer = 0;
  const woken = wakeUp;
  wakeUp = null;
  if (!woken) return;
  for (const watcher of watchers) watcher('woken');
  woken();
}

export function asleep() {
  return wakeUp !== null;
}

export function due() {
  return dueAt;
}

// `watcher('woken' | 'asleep')` at each turn of the program; returns what stops it.
export function watch(watcher) {
  watchers.add(watcher);
  return () => watchers.delete(watcher);
}
