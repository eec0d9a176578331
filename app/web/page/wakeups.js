// Waking the program. The program sleeps in MG.wait between turns; the page wakes it at the
// frame or the moment it asked for, or at once when the player does something. The page only
// records what the player does: the program's own loop, or the loop of its innermost message
// box, takes each input in turn when it wakes (mg_next_input in library.js).

/* eslint-env browser */
/* global MG, mgInputKinds */
// eslint-disable-next-line no-unused-vars
const mgWakeUps = {
  inputs: [],
  wakeUp: null,
  // When the sleeping program wants to be woken (-1: only by the player).
  dueAt: -1,
  wakeTimer: 0,
  wakeFrame: 0,
  // The kinds of input, as the program numbers them (app/web/input_kinds.h).
  kinds: mgInputKinds,

  // Resolves at the next animation frame when `wakeAt` (ms on the page's clock) is less than a
  // frame away, at `wakeAt` when it is farther, never when it is below 0; and at once when the
  // player does something. A hidden page has no frames: time goes on there with timers, which
  // the browser runs as often as it lets a hidden page.
  wait(wakeAt) {
    MG.dueAt = wakeAt;
    return new Promise((resolve) => {
      if (MG.takingInputs() && MG.inputs.length > 0) {
        resolve();
        return;
      }
      MG.wakeUp = resolve;
      if (wakeAt < 0) return;
      // A timer takes whole milliseconds and drops the rest: rounded down, it would come before
      // the tick is due, and the tick would wait a whole frame more.
      const delay = Math.ceil(wakeAt - performance.now());
      if (document.hidden) {
        // Nobody sees it: a tenth of a second at a time is soon enough.
        MG.wakeTimer = setTimeout(MG.wake, Math.max(100, delay));
      } else if (delay < 16) {
        MG.wakeFrame = requestAnimationFrame(MG.wake);
      } else {
        MG.wakeTimer = setTimeout(MG.wake, delay);
      }
    });
  },
  wake() {
    cancelAnimationFrame(MG.wakeFrame);
    clearTimeout(MG.wakeTimer);
    MG.wakeFrame = 0;
    MG.wakeTimer = 0;
    const wakeUp = MG.wakeUp;
    MG.wakeUp = null;
    if (wakeUp) wakeUp();
  },
  record(input) {
    MG.inputs.push(input);
    MG.wake();
  },
  // Inputs wait until the whole page has been read.
  takingInputs() {
    return document.readyState !== 'loading';
  },
};
