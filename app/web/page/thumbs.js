// A finger's reach on a touch screen: a tap that lands outside every control but within the
// 44 × 44 CSS px square centred on one (or its own box, if larger) works that control, the nearest
// where such squares overlap. The windows look as they are; with a mouse nothing changes.

import { focusableOf } from './view.js';

// Apple asks 44 × 44 pt of a touch target.
const REACH = 44;
const CONTROLS = '.window [data-widget]:is(button, label), .window [data-widget][role="button"], ' +
  '.window .close, dialog[open] button, #windows button, .pad, .twin';
// Those that act as the finger comes down rather than on the click after it.
const ACTS_ON_DOWN = '.pad, [role="button"][data-widget]';
const coarsePointer = window.matchMedia('(pointer: coarse)');

// The control a tap went to, till the click that ends it.
let redirected = null;

// A control's box on the screen, less what a scrolling container around it hides (a tab of a
// full bar); null when nothing of it shows.
function shownBox(control) {
  let { left, top, right, bottom } = control.getBoundingClientRect();
  for (let around = control.parentElement; around; around = around.parentElement) {
    if (getComputedStyle(around).overflowX === 'visible') continue;
    const clip = around.getBoundingClientRect();
    [left, top] = [Math.max(left, clip.left), Math.max(top, clip.top)];
    [right, bottom] = [Math.min(right, clip.right), Math.min(bottom, clip.bottom)];
  }
  return right > left && bottom > top ?
    { left, top, right, bottom, width: right - left, height: bottom - top } : null;
}

function usable(control) {
  if (control.getClientRects().length === 0) return false;
  return !focusableOf(control)?.disabled;
}

// The square a control answers in, on the screen: its box, at least REACH each way about its
// middle, kept within the screen.
function reachOf(box) {
  const side = (start, length, room) => {
    const size = Math.max(length, REACH);
    const from = Math.min(Math.max(0, start + length / 2 - size / 2), Math.max(0, room - size));
    return [from, from + size];
  };
  const [left, right] = side(box.left, box.width, window.innerWidth);
  const [top, bottom] = side(box.top, box.height, window.innerHeight);
  return { left, right, top, bottom };
}

// How far a point lies from a box (0 within it).
function distance(box, x, y) {
  return Math.hypot(Math.max(box.left - x, 0, x - box.right), Math.max(box.top - y, 0, y - box.bottom));
}

// The control nearest to a point that lies within its reach; null for none.
function nearest(x, y) {
  const scope = document.querySelector('dialog[open]') ?? document;
  let found = null;
  let nearestSoFar = Infinity;
  for (const control of scope.querySelectorAll(CONTROLS)) {
    const box = usable(control) && shownBox(control);
    if (!box) continue;
    const square = reachOf(box);
    if (x < square.left || x > square.right || y < square.top || y > square.bottom) continue;
    const away = distance(box, x, y);
    if (away < nearestSoFar) {
      found = control;
      nearestSoFar = away;
    }
  }
  return found;
}

function fingerDown(event) {
  redirected = null;
  if (event.pointerType === 'mouse' || !event.isTrusted || !coarsePointer.matches) return;
  // A tap on a control, or in a text box, is the control's own.
  if (event.target.closest(`${CONTROLS}, input`)) return;
  const control = nearest(event.clientX, event.clientY);
  if (!control) return;
  event.stopPropagation();
  if (!control.matches(ACTS_ON_DOWN)) {
    redirected = control;
    return;
  }
  const box = control.getBoundingClientRect();
  control.dispatchEvent(new PointerEvent('pointerdown', {
    bubbles: true, cancelable: true, pointerType: event.pointerType, isPrimary: true,
    clientX: box.left + box.width / 2, clientY: box.top + box.height / 2,
  }));
}

function clicked(event) {
  const control = redirected;
  redirected = null;
  if (!control || !event.isTrusted) return;
  event.stopPropagation();
  event.preventDefault();
  control.click();
}

// From now on, taps near a control work it.
export function follow() {
  document.addEventListener('pointerdown', fingerDown, true);
  document.addEventListener('click', clicked, true);
}
