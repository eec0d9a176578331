// Message boxes: each a modal dialog in its window's panel, so that a screen reader finds it in
// its window; shown modally, it still comes above every window. Closed, it tells the program.

import * as inputs from './inputs.js';
import * as view from './view.js';

let opened = () => {};

// Called with the owner of each box opened: it comes to the front.
export function whenOpened(listener) {
  opened = listener;
}

export function open(id, formId, title, text) {
  const dialog = document.createElement('dialog');
  dialog.className = 'box';
  dialog.dataset.box = String(id);
  const heading = document.createElement('h2');
  heading.id = 'box-title-' + id;
  heading.textContent = title;
  const message = document.createElement('p');
  message.id = 'box-text-' + id;
  message.textContent = text;
  const ok = document.createElement('button');
  ok.type = 'button';
  ok.textContent = 'OK';
  ok.addEventListener('click', () => dialog.close());
  dialog.addEventListener('close', () => {
    dialog.remove();
    inputs.record({ kind: 'boxClosed', box: id });
  });
  const form = document.createElement('form');
  form.method = 'dialog';
  form.append(ok);
  dialog.append(heading, message, form);
  dialog.setAttribute('aria-labelledby', heading.id);
  dialog.setAttribute('aria-describedby', message.id);
  const owner = view.allForms()[formId];
  (owner ? owner.panel : document.body).append(dialog);
  // Over its own window, which comes to the front; OK takes the focus, so that no text box
  // calls up a phone's keyboard.
  if (owner) opened(owner);
  ok.autofocus = true;
  dialog.showModal();
  ok.focus();
}

export function close(id) {
  document.querySelector(`dialog[data-box="${id}"]`)?.close();
}

// Whether a box has been closed that the page has yet to hear of: a dialog tells in an event of
// its own.
export function closing() {
  return document.querySelector('dialog.box:not([open])') !== null;
}

// Whether any box is open.
export function anyOpen() {
  return document.querySelector('dialog.box[open]') !== null;
}
