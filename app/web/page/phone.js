// The arrangement of the windows, and the page on phones and small tablets. Where the desktop
// arrangement does not fit the screen, one window at a time, the one in front, scaled as a whole
// to fit (its layout unchanged inside), with a bar of the open windows' captions to switch
// between them and, where the window would be much smaller than on a desktop, a hint to turn the
// device. On a touch screen, the keys a window is played with are large pads under it, acting as
// the finger comes down, with thumb-sized twins of its crowded controls above them (twins.js).

import facts from 'facts.json';
import * as boxes from './boxes.js';
import * as inputs from './inputs.js';
import * as twins from './twins.js';
import * as view from './view.js';

// The desktop's margin around the windows: a screen smaller than the largest window with it
// shows one window at a time.
const DESKTOP_MARGIN = 20;
// The space kept around the window in front.
const STAGE_GAP = 8;
// Below this scale a hint suggests turning the device, if the window would be larger then.
const SMALL_SCALE = 0.75;
const coarsePointer = window.matchMedia('(pointer: coarse)');

// The open windows' ids, the one in front last.
let frontOrder = [];
let compact = false;
let arrangeFrame = 0;
// A window's frame around its client area (title bar and borders), measured on the page.
let frame = null;
// What a touch screen shows under a window (its twins and pads), by the window's id.
const touchOf = new Map();

// --- the window in front ---
function frontForm() {
  const forms = view.allForms();
  for (let i = frontOrder.length - 1; i >= 0; --i) {
    const form = forms[frontOrder[i]];
    if (form && !form.panel.hidden) return form;
  }
  return null;
}

export function bringToFront(form) {
  if (frontOrder[frontOrder.length - 1] === form.id) return;
  frontOrder = frontOrder.filter((id) => id !== form.id);
  frontOrder.push(form.id);
  arrange();
}

// Whether the page has an arrangement still to make (in the next frame).
export function arranging() {
  return arrangeFrame !== 0;
}

// What view.js tells of its windows.
export const windowListener = {
  created: addTouchRow,
  touched: bringToFront,
  // A window shown, hidden or renamed: the bar and the arrangement follow, in the same frame. A
  // window the program shows or raises comes into view with the keyboard, after the picture it
  // is part of (moving the focus and scrolling would have the page laid out at once).
  changed(form, shownByProgram) {
    if (form.panel.hidden || shownByProgram) frontOrder = frontOrder.filter((id) => id !== form.id);
    if (shownByProgram) {
      frontOrder.push(form.id);
      requestAnimationFrame(() => {
        if (form.panel.hidden) return;
        // One window at a time, the page does not scroll.
        if (!compact) form.panel.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        view.focusForm(form);
      });
    }
    if (!arrangeFrame) arrangeFrame = requestAnimationFrame(arrange);
  },
};

// The player switching windows from the bar: the window comes to the front with the keyboard,
// but never into a text box on a touch screen, where it would call up the keyboard.
function switchTo(form) {
  bringToFront(form);
  view.focusForm(form, !coarsePointer.matches);
}

// --- measures ---
function frameSize() {
  if (!frame) {
    const shown = view.allForms().find((form) => form && form.panel.offsetWidth > 0);
    if (!shown) return { width: 0, height: 0 };
    frame = {
      width: shown.panel.offsetWidth - shown.client.offsetWidth,
      height: shown.panel.offsetHeight - shown.client.offsetHeight -
        (touchShown(shown) ? touchOf.get(shown.id).offsetHeight : 0),
    };
  }
  return frame;
}

// The room the pads and twins take under a window, with the gaps above them, in CSS pixels
// whatever the window's scale (the style sheet's --pads-room and --twins-room).
// Fixed in the sheet: read once.
let rooms = null;
function touchRoom({ keys, twins: twinned }) {
  if (!coarsePointer.matches) return 0;
  const room = (name) => parseFloat(getComputedStyle(document.documentElement).getPropertyValue(name));
  rooms ??= { pads: room('--pads-room'), twins: room('--twins-room') };
  return (keys.length > 0 ? rooms.pads : 0) + (twinned.length > 0 ? rooms.twins : 0);
}

function touchShown(form) {
  return touchOf.has(form.id) && coarsePointer.matches;
}

function touchFacts(form) {
  return facts.windows[form.name] ?? { keys: [], twins: [] };
}

// --- the arrangement ---
function tooSmall() {
  const { width: frameWidth, height: frameHeight } = frameSize();
  let width = 0;
  let height = 0;
  for (const size of Object.values(facts.windows)) {
    width = Math.max(width, size.width + frameWidth);
    height = Math.max(height, size.height + frameHeight + touchRoom(size));
  }
  const margins = 2 * DESKTOP_MARGIN;
  return window.innerWidth < width + margins || window.innerHeight < height + margins;
}

function arrange() {
  cancelAnimationFrame(arrangeFrame);
  arrangeFrame = 0;
  const forms = view.allForms();
  const nowCompact = tooSmall();
  if (nowCompact !== compact) {
    compact = nowCompact;
    document.documentElement.classList.toggle('compact', compact);
    if (!compact) {
      for (const form of forms) if (form) unscale(form);
    }
  }
  const front = frontForm();
  for (const form of forms) {
    if (form) form.panel.classList.toggle('front', form === front);
  }
  fillBar(front);
  const hint = hintElement();
  if (!compact || !front) {
    hint.hidden = true;
    return;
  }
  let scale = fit(front);
  const turned = fit(front, true);
  const turn = scale < SMALL_SCALE && turned > scale;
  const text = window.innerWidth < window.innerHeight ?
    '画面を横にすると、もっと大きく遊べます' : '画面を縦にすると、もっと大きく遊べます';
  if (turn && hint.textContent !== text) hint.textContent = text;
  if (hint.hidden === turn) {
    hint.hidden = !turn;
    scale = fit(front);
  }
  placeFront(front, scale);
  // The keyboard follows the window in front, unless a message box holds it.
  if (!front.panel.contains(document.activeElement) && !boxes.anyOpen()) {
    view.focusForm(front, !coarsePointer.matches);
  }
}

// The scale at which the window fits the room the page has for it, at most its own size;
// `turned`: the room it would have with the device turned.
function fit(form, turned = false) {
  const stage = view.desktop();
  let width = stage.clientWidth;
  let height = stage.clientHeight;
  if (turned) {
    const change = window.innerHeight - window.innerWidth;
    [width, height] = [width + change, height - change];
  }
  const { width: frameWidth, height: frameHeight } = frameSize();
  const room = (size) => Math.max(0, size - 2 * STAGE_GAP);
  return Math.min(1, room(width) / (form.width + frameWidth),
    (room(height) - touchRoom(touchFacts(form))) / (form.height + frameHeight));
}

function placeFront(form, scale) {
  const stage = view.desktop();
  const { width: frameWidth, height: frameHeight } = frameSize();
  const width = (form.width + frameWidth) * scale;
  const height = (form.height + frameHeight) * scale + touchRoom(touchFacts(form));
  const style = form.panel.style;
  style.setProperty('--scale', String(scale));
  style.transform = scale < 1 ? `scale(${scale})` : '';
  style.left = Math.max(0, (stage.clientWidth - width) / 2) + 'px';
  style.top = Math.max(0, (stage.clientHeight - height) / 2) + 'px';
}

function unscale(form) {
  for (const property of ['--scale', 'transform', 'left', 'top']) {
    form.panel.style.removeProperty(property);
  }
}

// --- the bar of open windows ---
// The bar: a button for each open window (its tabs, which scroll sideways when they must), and a
// thumb-sized twin of the close box of the window in front, which stands too near the bar and
// the window's own controls for a finger.
let bar = null;

function barElement() {
  if (!bar) {
    const nav = document.createElement('nav');
    nav.id = 'windows';
    nav.setAttribute('aria-label', 'ウィンドウ');
    const tabs = document.createElement('div');
    tabs.className = 'tabs';
    const closer = view.closeButton('closer',
      () => frontForm()?.panel.querySelector('.close').click());
    closer.setAttribute('aria-hidden', 'true');
    closer.addEventListener('mousedown', (event) => event.preventDefault());
    nav.append(tabs, closer);
    view.desktop().before(nav);
    bar = { tabs, closer };
  }
  return bar;
}

function hintElement() {
  let hint = document.getElementById('turn');
  if (!hint) {
    hint = document.createElement('p');
    hint.id = 'turn';
    hint.setAttribute('role', 'status');
    hint.hidden = true;
    view.desktop().before(hint);
  }
  return hint;
}

// A button for each open window, in the order they were opened, the one in front pressed.
function fillBar(front) {
  const { tabs, closer } = barElement();
  closer.hidden = !front;
  if (front) closer.dataset.for = front.name;
  const open = view.allForms().filter((form) => form && !form.panel.hidden)
    .sort((a, b) => Number(a.panel.style.order) - Number(b.panel.style.order));
  const buttons = open.map((form) => {
    let button = tabs.querySelector(`[data-front="${form.name}"]`);
    if (!button) {
      button = document.createElement('button');
      button.type = 'button';
      button.dataset.front = form.name;
      button.addEventListener('click', () => switchTo(form));
    }
    const caption = form.title.textContent;
    if (button.textContent !== caption) {
      button.textContent = caption;
      button.title = caption;
    }
    button.setAttribute('aria-pressed', String(form === front));
    return button;
  });
  const same = buttons.length === tabs.children.length &&
    buttons.every((button, i) => tabs.children[i] === button);
  if (!same) tabs.replaceChildren(...buttons);
  // Tabs wider than the screen scroll sideways: the window in front keeps its tab in view.
  const pressed = buttons[open.indexOf(front)];
  if (compact && pressed && tabs.scrollWidth > tabs.clientWidth) {
    const [left, right] = [pressed.offsetLeft, pressed.offsetLeft + pressed.offsetWidth];
    if (left < tabs.scrollLeft) tabs.scrollLeft = left;
    if (right > tabs.scrollLeft + tabs.clientWidth) tabs.scrollLeft = right - tabs.clientWidth;
  }
}

// --- the pads and twins ---
function addTouchRow(form) {
  const { keys, twins: twinned } = touchFacts(form);
  const twinRow = twins.rowFor(form, twinned);
  if (keys.length === 0 && !twinRow) return;
  const touch = document.createElement('div');
  touch.className = 'touch';
  if (twinRow) touch.append(twinRow);
  if (keys.length > 0) touch.append(padRow(form, keys));
  touchOf.set(form.id, touch);
  form.panel.append(touch);
}

function padRow(form, keys) {
  const pads = document.createElement('div');
  pads.className = 'pads';
  for (const { code, symbol, name } of keys) {
    const pad = document.createElement('div');
    pad.className = 'pad';
    pad.dataset.key = String(code);
    pad.setAttribute('role', 'button');
    pad.setAttribute('aria-label', name);
    pad.textContent = symbol;
    const stroke = () => inputs.record({ kind: 'key', form: form.id, code, shift: 0 });
    // The stroke is judged where the marker is as the finger comes down, not as it lifts.
    pad.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      event.preventDefault();
      stroke();
    });
    // No focus taken from the window's control, no click, callout or zoom after a touch.
    pad.addEventListener('touchstart', (event) => event.preventDefault(), { passive: false });
    pad.addEventListener('mousedown', (event) => event.preventDefault());
    // A press from a screen reader comes as a click alone.
    pad.addEventListener('click', (event) => {
      if (event.detail === 0) stroke();
    });
    pads.append(pad);
  }
  return pads;
}

// The arrangement follows the screen as it is resized or turned, and the pointer as it changes.
export function followScreen() {
  window.addEventListener('resize', () => arrange());
  coarsePointer.addEventListener('change', () => arrange());
}
