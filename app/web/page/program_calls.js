// The calls the program makes on the page (Module.page on the program's side, where each is
// declared with EM_JS): every one forwards to the module that owns what it changes.

import facts from 'facts.json';
import * as boxes from './boxes.js';
import * as clock from './clock.js';
import * as inputs from './inputs.js';
import * as pictures from './pictures.js';
import * as view from './view.js';
import * as wakeups from './wakeups.js';

let fault = null;

// The next input the program takes throws `error` instead: a program that stops, for tests.
export function failNextInput(error) {
  fault = error;
}

// The oldest input the player made, for the program: its kind numbered as the program numbers
// it, the fields it lacks at their defaults; null when there is none.
function nextInput() {
  if (fault) {
    const error = fault;
    fault = null;
    throw error;
  }
  const input = inputs.take();
  if (!input) return null;
  const kind = facts.inputKinds[input.kind];
  if (kind === undefined) throw new Error('minigames: the program takes no input ' + input.kind);
  return {
    kind,
    form: input.form ?? -1,
    widget: input.widget ?? -1,
    code: input.code ?? 0,
    shift: input.shift ?? 0,
    box: input.box ?? 0,
    x: input.x ?? 0,
    y: input.y ?? 0,
    text: input.text ?? null,
  };
}

// The calls, with `ended` for the program having ended.
export function programCalls(ended) {
  return {
    createForm: view.createForm,
    frame: view.frame,
    createWidget: view.createWidget,
    place: view.place,
    text: view.text,
    name: view.name,
    labelStyle: view.labelStyle,
    option: view.option,
    line: view.line,
    picture: view.picture,
    focus: view.focus,
    drawing: pictures.drawing,
    definePicture: pictures.define,
    openBox: boxes.open,
    closeBox: boxes.close,
    now: clock.now,
    wait: wakeups.wait,
    nextInput,
    ended,
  };
}
