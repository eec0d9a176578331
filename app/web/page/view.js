// The program's windows on the page: a panel for each window with an element for each widget,
// built and kept as the program describes them, and the keyboard focus. What the player does
// here is only recorded (inputs.js), for the program to take when it wakes.

import * as inputs from './inputs.js';
import * as pictures from './pictures.js';

const forms = [];
const widgets = [];
// While the page itself moves the focus, which the player did not.
let applying = false;
let shownOrder = 0;
let anyShown = false;
// Told of windows made (created), shown, hidden or renamed (changed, with whether the program
// showed or raised it) and touched by the player (touched).
let listener = { created() {}, changed() {}, touched() {} };

export function listen(windowListener) {
  listener = windowListener;
}

// The windows made so far, by their numbers (with gaps for those not yet made).
export function allForms() {
  return forms;
}

export function desktop() {
  return document.getElementById('desktop');
}

function isTextBox(element) {
  return element instanceof HTMLInputElement && element.type === 'text';
}

function inBox(element) {
  return element.closest('dialog') !== null;
}

function widgetOf(element) {
  const found = element?.closest('[data-widget]');
  return found ? widgets[Number(found.dataset.id)] : null;
}

// What of a control's element takes the focus and holds its checked state (an option button's
// radio), and the caption it shows.
export function focusableOf(element) {
  return element.matches('label') ? element.querySelector('input') : element;
}

export function captionOf(element) {
  return (element.matches('label') ? element.lastChild : element).textContent;
}

// --- windows ---
// A close box: a button the Tab key passes over.
export function closeButton(className, close) {
  const button = document.createElement('button');
  button.className = className;
  button.type = 'button';
  button.tabIndex = -1;
  button.textContent = '×';
  button.addEventListener('click', close);
  return button;
}

export function createForm(id, name, caption, width, height) {
  if (id === 0) performance.mark('minigames-program');
  if (forms[id]) return;
  const panel = document.createElement('section');
  panel.className = 'window';
  panel.dataset.form = name;
  panel.hidden = true;
  panel.tabIndex = -1;
  const bar = document.createElement('header');
  bar.className = 'title';
  const title = document.createElement('h2');
  title.id = 'title-' + name;
  // The figures time the window's first paint.
  title.setAttribute('elementtiming', name);
  title.textContent = caption;
  panel.setAttribute('aria-labelledby', title.id);
  const closeBox = closeButton('close', () => inputs.record({ kind: 'close', form: id }));
  closeBox.setAttribute('aria-label', '閉じる');
  bar.append(title, closeBox);
  const client = document.createElement('div');
  client.className = 'client';
  client.style.width = width + 'px';
  client.style.height = height + 'px';
  const background = document.createElement('div');
  background.className = 'background';
  client.append(background);
  panel.append(bar, client);
  const form = { id, name, panel, title, client, background, width, height, active: -1, picture: -1 };
  forms[id] = form;
  // The window the player touches comes to the front.
  panel.addEventListener('pointerdown', () => listener.touched(form), true);
  client.addEventListener('pointerdown', (event) => {
    if (event.button !== 0 || event.target.closest('button, input, label')) return;
    const box = client.getBoundingClientRect();
    const scale = box.width / client.offsetWidth || 1;
    inputs.record({
      kind: 'press',
      form: id,
      x: (event.clientX - box.left) / scale,
      y: (event.clientY - box.top) / scale,
    });
  });
  // A message box of the window lies in its panel and keeps its keys and its focus.
  panel.addEventListener('keydown', (event) => {
    if (!inBox(event.target)) keyDown(form, event);
  });
  panel.addEventListener('keyup', (event) => {
    // A button must not press itself when Space is let go: the program had the press.
    if (event.key === ' ' && !isTextBox(event.target) && !inBox(event.target)) {
      event.preventDefault();
    }
  });
  panel.addEventListener('focusin', (event) => {
    if (applying || inBox(event.target)) return;
    const control = widgetOf(event.target);
    inputs.record({ kind: 'focus', form: id, widget: control?.control ? control.id : -1 });
  });
  desktop().append(panel);
  listener.created(form);
}

export function frame(id, caption, colour, picture, description, visible, raise) {
  const form = forms[id];
  const changed = form.panel.hidden === visible || form.title.textContent !== caption;
  if (form.title.textContent !== caption) form.title.textContent = caption;
  form.client.style.backgroundColor = colour;
  if (description) {
    form.client.setAttribute('aria-description', description);
  } else {
    form.client.removeAttribute('aria-description');
  }
  if (form.picture !== picture) {
    form.picture = picture;
    pictures.show(form.background, picture);
  }
  const opening = visible && form.panel.hidden;
  if (opening && !anyShown) {
    anyShown = true;
    performance.mark('minigames-first-window');
  }
  form.panel.hidden = !visible;
  // A window that opens comes last on the desktop, as a new window lands on top.
  if (opening) form.panel.style.order = String(++shownOrder);
  if (changed || raise) listener.changed(form, visible && (opening || raise));
}

// --- widgets ---
export function createWidget(id, formId, kind, name, index, order, tabIndex, pressable) {
  if (widgets[id]) return;
  const form = forms[formId];
  let element;
  let focusable = null;
  let control = false;
  // A button or an option button is pressed by the program, not by the page.
  const pressed = (event) => {
    event.preventDefault();
    inputs.record({ kind: 'click', widget: id });
  };
  switch (kind) {
    case 'button':
      element = document.createElement('button');
      element.type = 'button';
      element.addEventListener('click', pressed);
      focusable = element;
      control = true;
      break;
    case 'option': {
      element = document.createElement('label');
      const radio = document.createElement('input');
      radio.type = 'radio';
      radio.name = 'options-' + form.name;
      const caption = document.createElement('span');
      element.append(radio, caption);
      element.addEventListener('click', pressed);
      focusable = radio;
      control = true;
      break;
    }
    case 'text':
      element = document.createElement('input');
      element.type = 'text';
      element.spellcheck = false;
      element.addEventListener('input', () =>
        inputs.record({ kind: 'text', widget: id, text: element.value }));
      focusable = element;
      control = true;
      break;
    case 'line':
      element = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
      element.setAttribute('aria-hidden', 'true');
      element.append(document.createElementNS('http://www.w3.org/2000/svg', 'line'));
      break;
    case 'image':
      element = document.createElement('div');
      if (pressable) {
        element.setAttribute('role', 'button');
        element.tabIndex = 0;
        focusable = element;
      } else {
        element.setAttribute('role', 'img');
      }
      break;
    default:
      element = document.createElement('div');
  }
  element.classList.add('widget', kind);
  element.dataset.widget = name;
  if (index >= 0) element.dataset.index = String(index);
  element.dataset.id = String(id);
  element.style.zIndex = String(order);
  if (focusable && control) focusable.tabIndex = tabIndex >= 0 ? 0 : -1;
  element.setAttribute('hidden', '');
  form.client.append(element);
  widgets[id] = { id, form: formId, kind, element, focusable, control, picture: -1, name: null };
}

export function place(id, left, top, width, height, shown, enabled) {
  const { element, focusable, control } = widgets[id];
  const style = element.style;
  style.left = left + 'px';
  style.top = top + 'px';
  style.width = width + 'px';
  style.height = height + 'px';
  // An attribute, which lines (SVG elements) take as well.
  element.toggleAttribute('hidden', !shown);
  if (focusable && control) focusable.disabled = !enabled;
}

export function text(id, value) {
  const { kind, element } = widgets[id];
  if (kind === 'text') {
    // Writing the same text again would lose the player's cursor and selection.
    if (element.value !== value) element.value = value;
    return;
  }
  // The same text written again would still be laid out and drawn anew: the program writes
  // every caption of the menu the page has already played back as it starts.
  const shown = kind === 'option' ? element.lastChild : element;
  if (shown.textContent !== value) shown.textContent = value;
}

// What a screen reader says for an image or a text box (a text box keeps its value as typed).
// A picture with nothing to say is hidden from it; one the player can press never is.
export function name(id, said) {
  const widgetNamed = widgets[id];
  // A moving picture is placed anew every frame: its name is written only when it changes.
  if (widgetNamed.name === said) return;
  widgetNamed.name = said;
  const element = widgetNamed.element;
  if (said) {
    element.setAttribute('aria-label', said);
  } else {
    element.removeAttribute('aria-label');
  }
  if (element.getAttribute('role') === 'img' && !said) {
    element.setAttribute('aria-hidden', 'true');
  } else {
    element.removeAttribute('aria-hidden');
  }
}

export function labelStyle(id, alignment, back, fore, points) {
  const style = widgets[id].element.style;
  style.textAlign = ['left', 'right', 'center'][alignment] || 'left';
  // Text wider than its label overflows on the side away from its alignment, both sides when
  // centred, as on the desktop.
  style.justifyContent = ['flex-start', 'flex-end', 'center'][alignment] || 'flex-start';
  style.backgroundColor = back || 'transparent';
  style.color = fore;
  style.fontSize = points + 'pt';
}

export function option(id, value, back, fore) {
  const { element, focusable } = widgets[id];
  focusable.checked = value;
  element.style.backgroundColor = back;
  element.style.color = fore;
}

export function line(id, x1, y1, x2, y2, colour) {
  const element = widgets[id].element;
  const left = Math.min(x1, x2);
  const top = Math.min(y1, y2);
  const width = Math.abs(x2 - x1) + 1;
  const height = Math.abs(y2 - y1) + 1;
  Object.assign(element.style, {
    left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px',
  });
  element.setAttribute('viewBox', '0 0 ' + width + ' ' + height);
  const drawn = element.firstChild;
  drawn.setAttribute('x1', x1 - left + 0.5);
  drawn.setAttribute('y1', y1 - top + 0.5);
  drawn.setAttribute('x2', x2 - left + 0.5);
  drawn.setAttribute('y2', y2 - top + 0.5);
  drawn.setAttribute('stroke', colour);
  drawn.setAttribute('stroke-width', '1');
}

export function picture(id, pictureId) {
  const shown = widgets[id];
  if (shown.picture === pictureId) return;
  shown.picture = pictureId;
  pictures.show(shown.element, pictureId);
}

// --- the keyboard focus ---
// The control the program gives the focus, or the window itself (-1); moved on the page only
// while the window has the page's focus, as a desktop moves it only in the active window.
export function focus(formId, widgetId) {
  const form = forms[formId];
  form.active = widgetId;
  if (form.panel.contains(document.activeElement)) focusForm(form);
}

// The focus to the window's control, or to the window itself. Without `textBox`, never to a
// text box (on a touch screen it would call up the keyboard): the window itself takes the keys.
export function focusForm(form, textBox = true) {
  const active = form.active >= 0 ? widgets[form.active] : null;
  const shown = active && !active.element.hasAttribute('hidden');
  let target = shown && active.focusable ? active.focusable : form.panel;
  if (!textBox && active?.kind === 'text') target = form.panel;
  // A picture the player tabbed to keeps the focus while the window itself has it.
  const current = widgetOf(document.activeElement);
  if (!active && current && current.form === form.id && !current.control &&
      form.panel.contains(document.activeElement)) {
    return;
  }
  if (document.activeElement === target) return;
  applying = true;
  target.focus({ preventScroll: true });
  applying = false;
}

function keyDown(form, event) {
  const target = event.target;
  if (isTextBox(target) || event.key === 'Tab' || event.isComposing) return;
  const pressedWidget = widgetOf(target);
  const press = event.key === ' ' || event.key === 'Enter';
  // The page's own keys: those that would scroll it or press a control behind the program's
  // back. Browser shortcuts stay the browser's.
  if (press || event.key.startsWith('Arrow')) event.preventDefault();
  if (pressedWidget && !pressedWidget.control && pressedWidget.kind === 'image' && press) {
    if (!event.repeat) inputs.record({ kind: 'click', widget: pressedWidget.id });
    return;
  }
  const shift = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
  if (event.keyCode > 0) inputs.record({ kind: 'key', form: form.id, code: event.keyCode, shift });
}
