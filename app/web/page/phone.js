// The page on phones and small tablets. Where the desktop arrangement does not fit the screen,
// one window at a time, the one in front, scaled as a whole to fit (its layout unchanged inside),
// with a bar of the open windows' captions to switch between them and, where the window would
// be much smaller than on a desktop, a hint to turn the device. On a touch screen, the race's
// arrow keys are two large pads under its window, acting as the finger comes down.

/* eslint-env browser */
/* global MG */
// eslint-disable-next-line no-unused-vars
const mgPhone = {
  // The collection's largest window with its frame (the board's width, the cards' height) and
  // the desktop's margin around it: a smaller screen shows one window at a time.
  largestWindow: { width: 606, height: 447 },
  desktopMargin: 20,
  // A window's frame around its client area: the title bar and the borders.
  frameWidth: 2,
  frameHeight: 28,
  // The space kept around the window in front, and the pads' height with the gap above them,
  // in CSS pixels whatever the window's scale (style.css draws them so).
  stageGap: 8,
  padsHeight: 80,
  // Below this scale a hint suggests turning the device, if the window would be larger then.
  smallScale: 0.75,
  // The windows played with the keyboard, and the keys their pads send.
  padKeys: { Form1: [[37, '←', '左'], [39, '→', '右']] },
  coarsePointer: window.matchMedia('(pointer: coarse)'),

  // The open windows' ids, the one in front last.
  frontOrder: [],
  compact: false,
  arrangeFrame: 0,

  // --- the window in front ---
  frontForm() {
    for (let i = MG.frontOrder.length - 1; i >= 0; --i) {
      const form = MG.forms[MG.frontOrder[i]];
      if (form && !form.panel.hidden) return form;
    }
    return null;
  },
  bringToFront(form) {
    if (MG.frontOrder[MG.frontOrder.length - 1] === form.id) return;
    MG.frontOrder = MG.frontOrder.filter((id) => id !== form.id);
    MG.frontOrder.push(form.id);
    MG.arrange();
  },
  // A window shown, hidden or renamed: the bar and the arrangement follow, in the same frame.
  windowChanged(form, shownByProgram) {
    if (form.panel.hidden) {
      MG.frontOrder = MG.frontOrder.filter((id) => id !== form.id);
    } else if (shownByProgram) {
      MG.frontOrder = MG.frontOrder.filter((id) => id !== form.id);
      MG.frontOrder.push(form.id);
    }
    if (!MG.arrangeFrame) MG.arrangeFrame = requestAnimationFrame(MG.arrange);
  },
  // The player switching windows from the bar: the window comes to the front with the keyboard.
  switchTo(form) {
    MG.bringToFront(form);
    MG.focusFront(form);
  },
  // The focus to the window in front, but never to a text box on a touch screen, where it would
  // call up the keyboard: the window itself takes the keys then.
  focusFront(form) {
    const widget = form.active >= 0 ? MG.widgets[form.active] : null;
    if (!widget || widget.kind !== 'text' || !MG.coarsePointer.matches) {
      MG.focusForm(form);
      return;
    }
    MG.applying = true;
    form.panel.focus({ preventScroll: true });
    MG.applying = false;
  },

  // --- the arrangement ---
  tooSmall() {
    let width = MG.largestWindow.width;
    let height = MG.largestWindow.height;
    for (const form of MG.forms) {
      if (!form) continue;
      width = Math.max(width, form.width + MG.frameWidth);
      height = Math.max(height, form.height + MG.frameHeight +
        (form.pads && MG.coarsePointer.matches ? MG.padsHeight : 0));
    }
    const margins = 2 * MG.desktopMargin;
    return window.innerWidth < width + margins || window.innerHeight < height + margins;
  },

  arrange() {
    cancelAnimationFrame(MG.arrangeFrame);
    MG.arrangeFrame = 0;
    const compact = MG.tooSmall();
    if (compact !== MG.compact) {
      MG.compact = compact;
      document.documentElement.classList.toggle('compact', compact);
      if (!compact) {
        for (const form of MG.forms) if (form) MG.unscale(form);
      }
    }
    const front = MG.frontForm();
    for (const form of MG.forms) {
      if (form) form.panel.classList.toggle('front', form === front);
    }
    MG.fillBar(front);
    const hint = MG.hint();
    if (!compact || !front) {
      hint.hidden = true;
      return;
    }
    let scale = MG.fit(front);
    const turned = MG.fit(front, true);
    const turn = scale < MG.smallScale && turned > scale;
    const text = window.innerWidth < window.innerHeight ?
      '画面を横にすると、もっと大きく遊べます' : '画面を縦にすると、もっと大きく遊べます';
    if (turn && hint.textContent !== text) hint.textContent = text;
    if (hint.hidden === turn) {
      hint.hidden = !turn;
      scale = MG.fit(front);
    }
    MG.placeFront(front, scale);
    // The keyboard follows the window in front, unless a message box holds it.
    if (!front.panel.contains(document.activeElement) && MG.boxes.length === 0) {
      MG.focusFront(front);
    }
  },

  // The scale at which the window fits the room the page has for it, at most its own size;
  // `turned`: the room it would have with the device turned.
  fit(form, turned = false) {
    const stage = MG.desktop();
    let width = stage.clientWidth;
    let height = stage.clientHeight;
    if (turned) {
      const change = window.innerHeight - window.innerWidth;
      [width, height] = [width + change, height - change];
    }
    const pads = MG.padsShown(form) ? MG.padsHeight : 0;
    const room = (size) => Math.max(0, size - 2 * MG.stageGap);
    return Math.min(1, room(width) / (form.width + MG.frameWidth),
      (room(height) - pads) / (form.height + MG.frameHeight));
  },

  placeFront(form, scale) {
    const stage = MG.desktop();
    const pads = MG.padsShown(form) ? MG.padsHeight : 0;
    const width = (form.width + MG.frameWidth) * scale;
    const height = (form.height + MG.frameHeight) * scale + pads;
    const style = form.panel.style;
    style.setProperty('--scale', String(scale));
    style.transform = scale < 1 ? `scale(${scale})` : '';
    style.left = Math.max(0, (stage.clientWidth - width) / 2) + 'px';
    style.top = Math.max(0, (stage.clientHeight - height) / 2) + 'px';
  },
  unscale(form) {
    for (const property of ['--scale', 'transform', 'left', 'top']) {
      form.panel.style.removeProperty(property);
    }
  },

  // --- the bar of open windows ---
  bar() {
    let bar = document.getElementById('windows');
    if (!bar) {
      bar = document.createElement('nav');
      bar.id = 'windows';
      bar.setAttribute('aria-label', 'ウィンドウ');
      MG.desktop().before(bar);
    }
    return bar;
  },
  hint() {
    let hint = document.getElementById('turn');
    if (!hint) {
      hint = document.createElement('p');
      hint.id = 'turn';
      hint.hidden = true;
      MG.desktop().before(hint);
    }
    return hint;
  },
  // A button for each open window, in the order they were opened, the one in front pressed.
  fillBar(front) {
    const bar = MG.bar();
    const open = MG.forms.filter((form) => form && !form.panel.hidden)
      .sort((a, b) => Number(a.panel.style.order) - Number(b.panel.style.order));
    const buttons = open.map((form) => {
      let button = bar.querySelector(`[data-front="${form.name}"]`);
      if (!button) {
        button = document.createElement('button');
        button.type = 'button';
        button.dataset.front = form.name;
        button.addEventListener('click', () => MG.switchTo(form));
      }
      const caption = form.title.textContent;
      if (button.textContent !== caption) {
        button.textContent = caption;
        button.title = caption;
      }
      button.setAttribute('aria-pressed', String(form === front));
      return button;
    });
    const same = buttons.length === bar.children.length &&
      buttons.every((button, i) => bar.children[i] === button);
    if (!same) bar.replaceChildren(...buttons);
  },

  // --- the pads ---
  addPads(form) {
    const keys = MG.padKeys[form.name];
    if (!keys) return;
    const pads = document.createElement('div');
    pads.className = 'pads';
    for (const [code, arrow, name] of keys) {
      const pad = document.createElement('div');
      pad.className = 'pad';
      pad.dataset.key = String(code);
      pad.setAttribute('role', 'button');
      pad.setAttribute('aria-label', name);
      pad.textContent = arrow;
      const stroke = () => MG.record({ kind: 'key', form: form.id, code, shift: 0 });
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
    form.pads = pads;
    form.panel.append(pads);
  },
  padsShown(form) {
    return Boolean(form.pads) && MG.coarsePointer.matches;
  },
};

window.addEventListener('resize', () => MG.arrange());
mgPhone.coarsePointer.addEventListener('change', () => MG.arrange());
