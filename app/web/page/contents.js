// What the page holds besides its own script: the text face, the drawings and a program's
// WebAssembly code, as Base64 text, gzipped where the first picture does not need it.

import * as pictures from './pictures.js';

// What the page holds as Base64 text, as bytes.
function bytes(id) {
  const text = document.getElementById(id).textContent;
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  const decoded = atob(text);
  const code = new Uint8Array(decoded.length);
  for (let i = 0; i < decoded.length; ++i) code[i] = decoded.charCodeAt(i);
  return code;
}

// The text face, handed to the browser before it lays anything out: read from bytes, it is ready
// for the first picture of the page.
export function addFace() {
  document.fonts.add(new FontFace('SoruneGothic', bytes('minigames-face')));
}

// Starting the program is cut into steps, each a task of its own, so that a slow phone's main
// thread is never held long and a tap during start-up is heard at once: the next task, as soon as
// the browser has nothing more pressing (scheduler.yield where there is one).
const channel = new MessageChannel();
const waiting = [];
channel.port1.onmessage = () => waiting.shift()();
export function nextTask() {
  if (globalThis.scheduler?.yield) return globalThis.scheduler.yield();
  return new Promise((resolve) => {
    waiting.push(resolve);
    channel.port2.postMessage(0);
  });
}

// Gzip unpacked a slice at a time: the browser inflates what it is handed at once.
const SLICE = 4096;

// What the page holds gzipped, as a stream of the bytes unpacked, fed a slice a task.
function unpack(id) {
  const packed = bytes(id);
  const inflate = new DecompressionStream('gzip');
  const writer = inflate.writable.getWriter();
  (async () => {
    for (let at = 0; at < packed.length; at += SLICE) {
      await nextTask();
      await writer.write(packed.subarray(at, at + SLICE));
    }
    await writer.close();
  })().catch((error) => writer.abort(error).catch(() => {}));
  return inflate.readable;
}

// What the program needs of the browser beyond what the page itself uses.
export function canRun() {
  return typeof DecompressionStream === 'function' && typeof WebAssembly === 'object' &&
    typeof WebAssembly.instantiateStreaming === 'function';
}

// A program made by its Emscripten factory (the global named `factory`) from its gzipped
// WebAssembly code, the drawings unpacked before it starts, making its calls on `page`: a promise
// of the program, rejected when its code does not compile or it fails as it starts. `scriptId`
// names the program's own script when the page holds it gzipped too: run, it makes the factory.
export async function createProgram(factory, codeId, page, settings = {}, scriptId = '') {
  await nextTask();
  const drawings = await new Response(unpack('minigames-drawings')).json();
  pictures.setDrawings(drawings);
  if (scriptId) {
    const script = await new Response(unpack(scriptId)).text();
    await nextTask();
    // As a script of the page's own: its factory becomes the page's.
    (0, eval)(script);
  }
  await nextTask();
  // Compiled off the main thread once whole: compiled as it streams in, each slice would be
  // taken in on the main thread.
  const compiled = await WebAssembly.compile(await new Response(unpack(codeId)).arrayBuffer());
  await nextTask();
  return new Promise((resolve, reject) => {
    window[factory]({
      ...settings,
      page,
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(compiled, imports).then(async (instance) => {
          await nextTask();
          receive(instance);
        }).catch(reject);
        return {};
      },
    }).then(resolve, reject);
  });
}
