// Prints, as JSON, the calls the page's program makes on the page as it is made and starts to
// play, until it first waits: the windows it makes and the menu it shows. The page plays them back as soon as it has
// read its own script, so that the menu is on the screen while the program is still being read
// and compiled; the program then makes the same calls on what is already there.
//
//     node first_picture.js PLAY_PROGRAM_JS DRAWINGS_JSON
//
// The program runs here against a stand-in for the page's calls that only writes down what it
// is asked to do. It never waits: the calls stop where it would.

'use strict';

const fs = require('fs');
const path = require('path');

const [programPath, drawingsPath] = process.argv.slice(2);
const drawings = JSON.parse(fs.readFileSync(drawingsPath, 'utf8'));
const calls = [];

function print() {
  if (!calls.some(([name]) => name === 'frame')) {
    console.error('first_picture.js: the program showed no window as it started');
    process.exit(1);
  }
  process.stdout.write(JSON.stringify(calls));
  process.exit(0);
}

// The calls that answer: these are not played back.
const answers = {
  // The drawings are read from the page's own table when a picture is defined.
  drawing: (name) => drawings[name] || '',
  now: () => 0,
  nextInput: () => null,
  // Waiting for its first frame, the program has shown all it shows at first.
  wait: () => {
    print();
    return new Promise(() => {});
  },
};
const page = new Proxy({}, {
  get(target, name) {
    if (name in answers) return answers[name];
    return (...args) => {
      calls.push([name, ...args]);
    };
  },
});

const create = require(path.resolve(programPath));
const code = fs.readFileSync(path.resolve(programPath).replace(/\.js$/, '.wasm'));
create({
  page,
  instantiateWasm(imports, receive) {
    WebAssembly.instantiate(code, imports).then((result) => receive(result.instance));
    return {};
  },
}).then((program) => program.ccall('mg_play', null, [], [], { async: true })).then(() => {
  console.error('first_picture.js: the program ended without waiting');
  process.exit(1);
}, (error) => {
  console.error('first_picture.js:', error);
  process.exit(1);
});
