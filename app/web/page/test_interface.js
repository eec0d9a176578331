// The page's test interface, window.minigamesTest: all that tests and the bench do with the page
// beyond what a player does.
//
//   holdClock()        the page's clock stands still from now on; only advance() moves it
//   advance(ms)        a promise: the held clock moved on by `ms`, a frame at a time (or straight
//                      to the program's next wake-up, when that is farther), the program caught
//                      up after each step
//   settle()           a promise: the program has caught up: every input taken, every tick due by
//                      now delivered, every box closed heard of and the windows arranged; or the
//                      program has ended
//   watchTurns(f)      f('woken' | 'asleep') as the program wakes and sleeps; returns what stops it
//   failNextInput(e)   the program stops with `e` as it takes its next input

import * as boxes from './boxes.js';
import * as clock from './clock.js';
import { nextMessage } from './contents.js';
import * as inputs from './inputs.js';
import * as phone from './phone.js';
import { failNextInput } from './program_calls.js';
import * as wakeups from './wakeups.js';

// A frame at 60 Hz.
const STEP_MS = 16;
const MOST_TURNS = 1000;

function aFrame() {
  return new Promise((resolve) => requestAnimationFrame(resolve));
}

// `ended()`: whether the program has ended.
export function install(ended) {
  const caughtUp = () => ended() ||
    (wakeups.asleep() && inputs.waiting() === 0 && !boxes.closing() && !phone.arranging() &&
     (wakeups.due() < 0 || wakeups.due() > clock.now()));
  async function settle() {
    for (let turns = 0; !caughtUp(); ++turns) {
      if (turns > MOST_TURNS) throw new Error(`the program has not caught up at ${clock.now()} ms`);
      // Not scheduler.yield, which would come before the events the program waits for.
      await (phone.arranging() ? aFrame() : nextMessage());
    }
  }
  window.minigamesTest = Object.freeze({
    holdClock: clock.hold,
    async advance(ms) {
      if (!clock.isHeld()) throw new Error('advance() moves a held clock: holdClock() first');
      for (let left = ms; left > 0;) {
        const due = wakeups.due() < 0 ? Infinity : wakeups.due() - clock.now();
        const step = Math.min(left, Math.max(STEP_MS, due));
        clock.moveOn(step);
        left -= step;
        wakeups.wake();
        await settle();
      }
    },
    settle,
    watchTurns: wakeups.watch,
    failNextInput,
  });
}
