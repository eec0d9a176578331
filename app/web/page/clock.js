// The page's clock, in milliseconds: the browser's own, unless a test holds it still, when it
// moves only as far as the test moves it.

let held = null;

export function now() {
  return held ?? performance.now();
}

export function isHeld() {
  return held !== null;
}

export function hold() {
  held ??= performance.now();
}

export function moveOn(ms) {
  held += ms;
}
