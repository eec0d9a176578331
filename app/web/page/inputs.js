// What the player does on the page, queued in order for the program to take when it wakes: a
// click, a key, a press on a window's surface, a window or message box closed, the focus moved,
// text typed. The program's own loop, or the loop of its innermost message box, takes them.

const queue = [];
let recorded = () => {};

// `input.kind` names the kind of input (the page's facts number them for the program).
export function record(input) {
  queue.push(input);
  recorded();
}

// Called after each input recorded: the program is woken for it.
export function whenRecorded(listener) {
  recorded = listener;
}

// The inputs the program has yet to take.
export function waiting() {
  return queue.length;
}

export function take() {
  return waiting() > 0 ? queue.shift() : null;
}
