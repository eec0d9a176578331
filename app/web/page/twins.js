// Thumb-sized twins of controls that stand too close together for a finger at a phone's scale
// (the race's paces, and its Start beside them), shown with the window's pads on a touch screen.
// Each twin mirrors its control's caption, checked, enabled and shown state, and a tap on it acts
// as a tap on its control: one input, through the program. A screen reader meets the controls
// themselves: the twins are for fingers only.

import { captionOf, focusableOf } from './view.js';

const twins = [];
// Twins show on a touch screen only: elsewhere they are left as they are.
const coarsePointer = window.matchMedia('(pointer: coarse)');

// The control a twin stands for, on the page once the program has made it (and kept from then on:
// a control is made once).
function controlOf(twin) {
  if (!twin.control) {
    const { form, widget, index } = twin;
    const member = index >= 0 ? `[data-index="${index}"]` : ':not([data-index])';
    twin.control = form.client.querySelector(`[data-widget="${widget}"]${member}`);
  }
  return twin.control;
}

function twinFor(form, widget, index) {
  const button = document.createElement('button');
  button.type = 'button';
  button.tabIndex = -1;
  button.className = 'twin';
  button.dataset.for = `${form.name}.${widget}` + (index >= 0 ? `(${index})` : '');
  const twin = { button, form, widget, index, control: null };
  // The focus goes where a tap on the control would put it, not to the twin.
  button.addEventListener('mousedown', (event) => event.preventDefault());
  button.addEventListener('click', () => {
    const control = controlOf(twin);
    if (!control) return;
    focusableOf(control).focus({ preventScroll: true });
    control.click();
  });
  twins.push(twin);
  return button;
}

// The row of twins under a window (`wanted`: the facts' { widget, index } of each), the members
// of a widget array side by side as one segmented control; null for a window without twins.
export function rowFor(form, wanted) {
  if (wanted.length === 0) return null;
  const row = document.createElement('div');
  row.className = 'twins';
  row.setAttribute('aria-hidden', 'true');
  let segment = null;
  for (const { widget, index } of wanted) {
    if (segment?.dataset.array !== widget) {
      segment = document.createElement('div');
      segment.className = 'segment';
      segment.dataset.array = widget;
      row.append(segment);
    }
    segment.append(twinFor(form, widget, index));
    // Every twin of the row as wide as every other.
    segment.style.flexGrow = String(segment.childElementCount);
  }
  sync();
  return row;
}

// Every twin as its control is now: after every turn of the program, so only what changed is
// written.
export function sync() {
  if (!coarsePointer.matches) return;
  for (const twin of twins) {
    const control = controlOf(twin);
    const { button } = twin;
    const hidden = !control || control.hidden;
    if (button.hidden !== hidden) button.hidden = hidden;
    if (!control) continue;
    const focusable = focusableOf(control);
    const caption = captionOf(control);
    if (button.textContent !== caption) button.textContent = caption;
    if (button.disabled !== focusable.disabled) button.disabled = focusable.disabled;
    button.classList.toggle('checked', focusable.type === 'radio' && focusable.checked);
  }
}

// From now on the twins catch up with their controls when the pointer changes.
export function followPointer() {
  coarsePointer.addEventListener('change', () => sync());
}
