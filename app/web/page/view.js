// The program's windows on the page: a panel for each window with an element for each widget,
// the same drawings as on the desktop, the keyboard focus and the message boxes, built and kept
// as the program describes them through library.js. What the player does here is only recorded
// (MG.record), for the program to take when it wakes.

/* eslint-env browser */
/* global MG */
// eslint-disable-next-line no-unused-vars
const mgView = {
  forms: [],
  widgets: [],
  pictures: [],
  // Pictures the program showed without defining them, each reported once.
  missingPictures: new Set(),
  boxes: [],
  // The text of each drawing, from the table the page holds, unpacked before the program starts.
  drawings: {},
  applying: false,
  shownOrder: 0,
  anyShown: false,

  // --- the desktop ---
  desktop() {
    return document.getElementById('desktop');
  },
  createForm(id, name, caption, width, height) {
    if (id === 0) performance.mark('minigames-program');
    if (MG.forms[id]) return;
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
    const closeBox = document.createElement('button');
    closeBox.className = 'close';
    closeBox.type = 'button';
    closeBox.tabIndex = -1;
    closeBox.setAttribute('aria-label', '閉じる');
    closeBox.textContent = '×';
    closeBox.addEventListener('click', () => MG.record({ kind: 'close', form: id }));
    bar.append(title, closeBox);
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    const background = document.createElement('div');
    background.className = 'background';
    client.append(background);
    panel.append(bar, client);
    const form = {
      id, name, panel, title, client, background, width, height, active: -1, picture: -1,
      pads: null,
    };
    MG.forms[id] = form;
    MG.addPads(form);
    // The window the player touches comes to the front.
    panel.addEventListener('pointerdown', () => MG.bringToFront(form), true);
    client.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || event.target.closest('button, input, label')) return;
      const box = client.getBoundingClientRect();
      const scale = box.width / client.offsetWidth || 1;
      MG.record({
        kind: 'press',
        form: id,
        x: (event.clientX - box.left) / scale,
        y: (event.clientY - box.top) / scale,
      });
    });
    // A message box of the window lies in its panel and keeps its keys and its focus.
    panel.addEventListener('keydown', (event) => {
      if (!MG.inBox(event.target)) MG.keyDown(form, event);
    });
    panel.addEventListener('keyup', (event) => {
      // A button must not press itself when Space is let go: the program had the press.
      if (event.key === ' ' && !MG.isTextBox(event.target) && !MG.inBox(event.target)) {
        event.preventDefault();
      }
    });
    panel.addEventListener('focusin', (event) => {
      if (MG.applying || MG.inBox(event.target)) return;
      const widget = MG.widgetOf(event.target);
      const control = widget && widget.control;
      MG.record({ kind: 'focus', form: id, widget: control ? widget.id : -1 });
    });
    MG.desktop().append(panel);
  },

  frame(id, caption, colour, description, visible, raise) {
    const form = MG.forms[id];
    const changed = form.panel.hidden === visible || form.title.textContent !== caption;
    form.title.textContent = caption;
    form.client.style.backgroundColor = colour;
    if (description) {
      form.client.setAttribute('aria-description', description);
    } else {
      form.client.removeAttribute('aria-description');
    }
    const opening = visible && form.panel.hidden;
    if (opening && !MG.anyShown) {
      MG.anyShown = true;
      performance.mark('minigames-first-window');
    }
    form.panel.hidden = !visible;
    if (changed || raise) MG.windowChanged(form, visible && (opening || raise));
    if (opening) {
      // A window that opens comes last on the desktop, as a new window lands on top.
      form.panel.style.order = String(++MG.shownOrder);
    }
    if (visible && (opening || raise)) {
      // After the picture it is part of: moving the focus and scrolling would have the page
      // laid out at once.
      requestAnimationFrame(() => {
        if (form.panel.hidden) return;
        // One window at a time, the page does not scroll.
        if (!MG.compact) form.panel.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        MG.focusForm(form);
      });
    }
  },

  // --- widgets ---
  isTextBox(element) {
    return element instanceof HTMLInputElement && element.type === 'text';
  },
  inBox(element) {
    return element.closest('dialog') !== null;
  },
  widgetOf(element) {
    const found = element.closest('[data-widget]');
    return found ? MG.widgets[Number(found.dataset.id)] : null;
  },

  createWidget(id, formId, kind, name, index, order, tabIndex, pressable) {
    if (MG.widgets[id]) return;
    const form = MG.forms[formId];
    let element;
    let focusable = null;
    let control = false;
    // A button or an option button is pressed by the program, not by the page.
    const pressed = (event) => {
      event.preventDefault();
      MG.record({ kind: 'click', widget: id });
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
          MG.record({ kind: 'text', widget: id, text: element.value }));
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
    MG.widgets[id] = {
      id, form: formId, kind, element, focusable, control, picture: -1, name: null,
    };
  },

  place(id, left, top, width, height, shown, enabled) {
    const widget = MG.widgets[id];
    const style = widget.element.style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
    // An attribute, which lines (SVG elements) take as well.
    widget.element.toggleAttribute('hidden', !shown);
    if (widget.focusable && widget.control) widget.focusable.disabled = !enabled;
  },

  text(id, text) {
    const widget = MG.widgets[id];
    switch (widget.kind) {
      case 'text':
        // Writing the same text again would lose the player's cursor and selection.
        if (widget.element.value !== text) widget.element.value = text;
        break;
      case 'option':
        widget.element.lastChild.textContent = text;
        break;
      default:
        widget.element.textContent = text;
    }
  },

  // What a screen reader says for an image or a text box (a text box keeps its value as typed).
  // A picture with nothing to say is hidden from it; one the player can press never is.
  name(id, name) {
    const widget = MG.widgets[id];
    // A moving picture is placed anew every frame: its name is written only when it changes.
    if (widget.name === name) return;
    widget.name = name;
    const element = widget.element;
    if (name) {
      element.setAttribute('aria-label', name);
    } else {
      element.removeAttribute('aria-label');
    }
    if (element.getAttribute('role') === 'img' && !name) {
      element.setAttribute('aria-hidden', 'true');
    } else {
      element.removeAttribute('aria-hidden');
    }
  },

  labelStyle(id, alignment, back, fore, points) {
    const style = MG.widgets[id].element.style;
    style.textAlign = ['left', 'right', 'center'][alignment] || 'left';
    // Text wider than its label overflows on the side away from its alignment, both sides when
    // centred, as on the desktop.
    style.justifyContent = ['flex-start', 'flex-end', 'center'][alignment] || 'flex-start';
    style.backgroundColor = back || 'transparent';
    style.color = fore;
    style.fontSize = points + 'pt';
  },

  option(id, value, back, fore) {
    const widget = MG.widgets[id];
    widget.focusable.checked = value;
    widget.element.style.backgroundColor = back;
    widget.element.style.color = fore;
  },

  line(id, x1, y1, x2, y2, colour) {
    const element = MG.widgets[id].element;
    const left = Math.min(x1, x2);
    const top = Math.min(y1, y2);
    const width = Math.abs(x2 - x1) + 1;
    const height = Math.abs(y2 - y1) + 1;
    Object.assign(element.style, {
      left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px',
    });
    element.setAttribute('viewBox', '0 0 ' + width + ' ' + height);
    const line = element.firstChild;
    line.setAttribute('x1', x1 - left + 0.5);
    line.setAttribute('y1', y1 - top + 0.5);
    line.setAttribute('x2', x2 - left + 0.5);
    line.setAttribute('y2', y2 - top + 0.5);
    line.setAttribute('stroke', colour);
    line.setAttribute('stroke-width', '1');
  },

  drawing(name) {
    return MG.drawings[name] || '';
  },

  // --- pictures: the same SVG as on the desktop, drawn in the page so that its text is in the
  // page's own face. Names inside a drawing get a prefix of their own in each copy, so that two
  // copies on the page never take each other's gradients.
  definePicture(id, svg) {
    if (MG.pictures[id]) return;
    const template = document.createElement('template');
    template.innerHTML = svg.replace(/^<\?xml[^>]*>\s*/, '');
    const drawing = template.content.firstElementChild;
    if (drawing) MG.pictures[id] = { template: drawing, copies: 0 };
  },
  // A copy of a picture for one place on the page, or null for a picture never defined, which
  // shows nothing.
  pictureCopy(id) {
    const picture = MG.pictures[id];
    if (!picture) {
      if (!MG.missingPictures.has(id)) {
        MG.missingPictures.add(id);
        console.error('minigames: picture ' + id + ' has no drawing; nothing is drawn for it');
      }
      return null;
    }
    const copy = picture.template.cloneNode(true);
    const prefix = 'p' + id + 'c' + ++picture.copies + '-';
    const named = copy.querySelectorAll('[id]');
    if (named.length > 0) {
      const renames = new Map();
      named.forEach((element) => {
        renames.set(element.id, prefix + element.id);
        element.id = prefix + element.id;
      });
      copy.querySelectorAll('*').forEach((element) => {
        for (const attribute of Array.from(element.attributes)) {
          const value = attribute.value.replace(/url\(#([^)]+)\)/g, (all, name) =>
            renames.has(name) ? 'url(#' + renames.get(name) + ')' : all);
          const renamed = value.startsWith('#') && renames.has(value.slice(1)) ?
            '#' + renames.get(value.slice(1)) : value;
          if (renamed !== attribute.value) attribute.value = renamed;
        }
      });
    }
    copy.setAttribute('aria-hidden', 'true');
    copy.setAttribute('focusable', 'false');
    return copy;
  },
  showPicture(element, id) {
    const copy = id >= 0 ? MG.pictureCopy(id) : null;
    if (copy) {
      element.replaceChildren(copy);
    } else {
      element.replaceChildren();
    }
  },
  picture(id, picture) {
    const widget = MG.widgets[id];
    if (widget.picture === picture) return;
    widget.picture = picture;
    MG.showPicture(widget.element, picture);
  },
  background(formId, picture) {
    const form = MG.forms[formId];
    if (form.picture === picture) return;
    form.picture = picture;
    MG.showPicture(form.background, picture);
  },

  // --- the keyboard focus ---
  // The control the program gives the focus, or the window itself (-1); moved on the page only
  // while the window has the page's focus, as a desktop moves it only in the active window.
  focus(formId, widgetId) {
    const form = MG.forms[formId];
    form.active = widgetId;
    if (form.panel.contains(document.activeElement)) MG.focusForm(form);
  },
  focusForm(form) {
    const widget = form.active >= 0 ? MG.widgets[form.active] : null;
    const shown = widget && !widget.element.hasAttribute('hidden');
    const target = shown && widget.focusable ? widget.focusable :
      form.panel;
    // A picture the player tabbed to keeps the focus while the window itself has it.
    const current = MG.widgetOf(document.activeElement);
    if (!widget && current && current.form === form.id && !current.control &&
        form.panel.contains(document.activeElement)) {
      return;
    }
    if (document.activeElement === target) return;
    MG.applying = true;
    target.focus({ preventScroll: true });
    MG.applying = false;
  },

  keyDown(form, event) {
    const target = event.target;
    if (MG.isTextBox(target) || event.key === 'Tab' || event.isComposing) return;
    const widget = MG.widgetOf(target);
    const press = event.key === ' ' || event.key === 'Enter';
    // The page's own keys: those that would scroll it or press a control behind the program's
    // back. Browser shortcuts stay the browser's.
    if (press || event.key.startsWith('Arrow')) event.preventDefault();
    if (widget && !widget.control && widget.kind === 'image' && press) {
      if (!event.repeat) MG.record({ kind: 'click', widget: widget.id });
      return;
    }
    const shift = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
    if (event.keyCode > 0) {
      MG.record({ kind: 'key', form: form.id, code: event.keyCode, shift });
    }
  },

  // --- message boxes ---
  // A box is a modal dialog in its window's panel, so that a screen reader finds it in its
  // window; shown modally, it still comes above every window.
  openBox(id, formId, title, text) {
    const dialog = document.createElement('dialog');
    dialog.className = 'box';
    dialog.dataset.box = String(id);
    const heading = document.createElement('h2');
    heading.textContent = title;
    const message = document.createElement('p');
    message.id = 'box-text-' + id;
    message.textContent = text;
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.textContent = 'OK';
    ok.addEventListener('click', () => dialog.close());
    dialog.addEventListener('close', () => {
      MG.boxes = MG.boxes.filter((box) => box !== id);
      dialog.remove();
      MG.wake();
    });
    const form = document.createElement('form');
    form.method = 'dialog';
    form.append(ok);
    dialog.append(heading, message, form);
    dialog.setAttribute('aria-labelledby', 'box-title-' + id);
    dialog.setAttribute('aria-describedby', message.id);
    heading.id = 'box-title-' + id;
    const owner = MG.forms[formId];
    (owner ? owner.panel : document.body).append(dialog);
    MG.boxes.push(id);
    // Over its own window, which comes to the front; OK takes the focus, so that no text box
    // calls up a phone's keyboard.
    if (owner) MG.bringToFront(owner);
    ok.autofocus = true;
    dialog.showModal();
    ok.focus();
  },
  closeBox(id) {
    const dialog = document.querySelector('dialog[data-box="' + id + '"]');
    if (dialog) dialog.close();
  },
};
