// The page's side of the web host. It builds and updates the windows the program describes, and
// only records what the player does: the program's own loop, or the loop of its innermost
// message box, takes each input in turn when it wakes. The program calls in through library.js.
//
// The page holds two programs: the collection on the real clock, which it starts, and the same
// collection with the scenario runner on a virtual clock, which it starts instead when opened as
// minigames.html#sim.

/* eslint-env browser */
performance.mark('minigames-script');
var MG = {
  forms: [],
  widgets: [],
  pictures: [],
  inputs: [],
  boxes: [],
  wakeUp: null,
  // When the sleeping program wants to be woken (-1: only by the player).
  dueAt: -1,
  wakeTimer: 0,
  wakeFrame: 0,
  applying: false,
  shownOrder: 0,
  // For the figures: how often the program has been woken, and, once a list is put here, how
  // long it ran each time.
  wakeUps: 0,
  wokenAt: -1,
  scriptTimes: null,

  // --- waking the program ---
  // Resolves at the next animation frame when `wakeAt` (ms on the page's clock) is less than a
  // frame away, at `wakeAt` when it is farther, never when it is below 0; and at once when the
  // player does something. A hidden page has no frames: time goes on there with timers, which
  // the browser runs as often as it lets a hidden page.
  wait(wakeAt) {
    if (MG.wokenAt >= 0) {
      // The program goes back to sleep: how long it ran since it was woken.
      if (MG.scriptTimes) MG.scriptTimes.push(performance.now() - MG.wokenAt);
      MG.wokenAt = -1;
    }
    MG.dueAt = wakeAt;
    return new Promise((resolve) => {
      if (MG.takingInputs() && MG.inputs.length > 0) {
        resolve();
        return;
      }
      MG.wakeUp = resolve;
      if (wakeAt < 0) return;
      const delay = wakeAt - performance.now();
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
    if (MG.wakeUp) {
      ++MG.wakeUps;
      MG.wokenAt = performance.now();
    }
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
  // The kinds of input, as the program numbers them.
  kinds: { click: 1, key: 2, close: 3, focus: 4, text: 5, press: 6 },

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
    const form = { id, name, panel, title, client, background, active: -1 };
    MG.forms[id] = form;
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
    panel.addEventListener('keydown', (event) => MG.keyDown(form, event));
    panel.addEventListener('keyup', (event) => {
      // A button must not press itself when Space is let go: the program had the press.
      if (event.key === ' ' && !MG.isTextBox(event.target)) event.preventDefault();
    });
    panel.addEventListener('focusin', (event) => {
      if (MG.applying) return;
      const widget = MG.widgetOf(event.target);
      const control = widget && widget.control;
      MG.record({ kind: 'focus', form: id, widget: control ? widget.id : -1 });
    });
    MG.desktop().append(panel);
  },

  frame(id, caption, colour, description, visible, raise) {
    const form = MG.forms[id];
    form.title.textContent = caption;
    form.client.style.backgroundColor = colour;
    if (description) {
      form.client.setAttribute('aria-description', description);
    } else {
      form.client.removeAttribute('aria-description');
    }
    const opening = visible && form.panel.hidden;
    if (opening && !form.tabsInOrder) MG.orderTabs(form);
    if (opening && !MG.anyShown) {
      MG.anyShown = true;
      performance.mark('minigames-first-window');
    }
    form.panel.hidden = !visible;
    if (opening) {
      // A window that opens comes last on the desktop, as a new window lands on top.
      form.panel.style.order = String(++MG.shownOrder);
    }
    if (visible && (opening || raise)) {
      // After the picture it is part of: moving the focus and scrolling would have the page
      // laid out at once.
      requestAnimationFrame(() => {
        if (form.panel.hidden) return;
        form.panel.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        MG.focusForm(form);
      });
    }
  },

  // --- widgets ---
  isTextBox(element) {
    return element instanceof HTMLInputElement && element.type === 'text';
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
      id, form: formId, kind, element, focusable, control, tabIndex, picture: -1,
    };
  },

  // Tab goes from control to control in the order of their TabIndex: the page's order of the
  // elements, which their stacking does not depend on.
  orderTabs(form) {
    form.tabsInOrder = true;
    MG.widgets.filter((widget) => widget && widget.form === form.id && widget.control)
      .sort((a, b) => a.tabIndex - b.tabIndex)
      .forEach((widget) => form.client.append(widget.element));
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

  // What a screen reader says for an image or a text box: an image with nothing to say is
  // passed over, unless the player can press it.
  name(id, name) {
    const widget = MG.widgets[id];
    if (name) {
      widget.element.setAttribute('aria-label', name);
    } else {
      widget.element.removeAttribute('aria-label');
    }
    if (widget.kind === 'image' && !widget.focusable) {
      if (name) {
        widget.element.removeAttribute('aria-hidden');
      } else {
        widget.element.setAttribute('aria-hidden', 'true');
      }
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

  // The text of a drawing, from the table the page holds, unpacked before the program starts.
  drawings: {},
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
    MG.pictures[id] = { template: template.content.firstElementChild, copies: 0 };
  },
  pictureCopy(id) {
    const picture = MG.pictures[id];
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
    element.replaceChildren();
    if (id >= 0) element.append(MG.pictureCopy(id));
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
  openBox(id, formId, title, text) {
    const dialog = document.createElement('dialog');
    dialog.className = 'box';
    dialog.dataset.box = String(id);
    const heading = document.createElement('h2');
    heading.textContent = title;
    const message = document.createElement('p');
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
    heading.id = 'box-title-' + id;
    document.body.append(dialog);
    MG.boxes.push(id);
    dialog.showModal();
    ok.focus();
  },
  closeBox(id) {
    const dialog = document.querySelector('dialog[data-box="' + id + '"]');
    if (dialog) dialog.close();
  },

  ended() {
    document.getElementById('ended').hidden = false;
    document.getElementById('again').focus();
  },
};

// On a virtual clock (minigames.html#sim), tests and tools drive the page with scenarios:
// window.minigamesSim(lines) carries them out and gives what the runner printed.
// What the page holds as Base64 text, as bytes.
MG.bytes = (id) => {
  const text = document.getElementById(id).textContent;
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  const bytes = atob(text);
  const code = new Uint8Array(bytes.length);
  for (let i = 0; i < bytes.length; ++i) code[i] = bytes.charCodeAt(i);
  return code;
};
// The text face, handed to the browser before it lays anything out: read from bytes, it is ready
// for the first picture of the page.
document.fonts.add(new FontFace('SoruneGothic', MG.bytes('minigames-face')));

// What it holds gzipped, as a stream of the bytes unpacked.
MG.unpack = (id) => new Blob([MG.bytes(id)]).stream().pipeThrough(
  new DecompressionStream('gzip'));

// Compiles a program's WebAssembly code for its runtime (as its instantiateWasm).
MG.instantiate = (code) => (imports, receive) => {
  const response = new Response(code, { headers: { 'Content-Type': 'application/wasm' } });
  WebAssembly.instantiateStreaming(response, imports).then((result) => receive(result.instance));
  return {};
};

// The calls the program makes as it starts, written down when the page was put together: played
// back as soon as the page has its desktop, they show the menu while the program is still being
// read. The program then makes the same calls, which find their windows already there.
MG.playBack = (calls) => {
  if (location.hash === '#sim') return;
  for (const [name, ...args] of calls) MG[name](...args);
};

// The drawings, before a program starts.
MG.unpackDrawings = () => new Response(MG.unpack('minigames-drawings')).json().then((table) => {
  MG.drawings = table;
});

MG.start = () => {
  performance.mark('minigames-start');
  if (location.hash !== '#sim') {
    Promise.resolve().then(() => Promise.all([
      new Response(MG.unpack('minigames-play-code')).arrayBuffer(), MG.unpackDrawings(),
    ])).then(([code]) => createMinigames({
      instantiateWasm: MG.instantiate(code),
      onRuntimeInitialized: () => performance.mark('minigames-compiled'),
    })).then((program) => {
      document.documentElement.dataset.play = 'running';
      program.ccall('mg_play', null, [], [], { async: true });
    }).catch((error) => {
      // A browser too old for the program: the menu it shows would not answer, so say so.
      document.getElementById('failed').hidden = false;
      throw error;
    });
    return;
  }
  MG.simulated = new Promise((resolve) => {
    // Kept out of the way after everything else, read only when wanted.
    document.addEventListener('DOMContentLoaded', resolve);
  }).then(() => Promise.all([
    new Response(MG.unpack('minigames-sim-program')).text(), MG.unpackDrawings(),
  ])).then(([script]) => {
    (0, eval)(script);
    return createMinigamesSim({ instantiateWasm: MG.instantiate(MG.unpack('minigames-sim-code')) });
  }).then((program) => {
    program.ccall('mg_sim_start', null, [], []);
    document.documentElement.dataset.sim = 'ready';
    return program;
  });
};
window.minigamesSim = (lines) => MG.simulated.then((program) =>
  program.ccall('mg_sim_run', 'string', ['string'], [lines]));

// Hidden or shown again, the program plans its next wake-up anew: frames come only to a page
// that is shown.
document.addEventListener('visibilitychange', () => MG.wake());

document.addEventListener('DOMContentLoaded', () => {
  if (MG.inputs.length > 0) MG.wake();
  const again = document.getElementById('again');
  if (again) again.addEventListener('click', () => location.reload());
});
