// What the page holds besides its own script: the text face, the drawings and a program's
// WebAssembly code, as Base64 text, gzipped where the first picture does not need it. A page on a
// web address names files beside it instead of holding the drawings and the program: the browser
// fetches and unpacks them off the page's thread.

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
export function nextTask() {
  if (globalThis.scheduler?.yield) return globalThis.scheduler.yield();
  return nextMessage();
}

// A task of its own behind whatever the browser has queued already: a message, without the wait
// a timer set inside a timer takes.
const channel = new MessageChannel();
const waiting = [];
channel.port1.onmessage = () => waiting.shift()();
export function nextMessage() {
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

// What the page holds gzipped, or the file it names, as a response.
async function content(id) {
  const element = document.getElementById(id);
  if (element.localName !== 'link') return new Response(unpack(id));
  const response = await fetch(element.href);
  if (!response.ok) throw new Error(`${element.href}: ${response.status} ${response.statusText}`);
  return response;
}

// The program's code compiled off the main thread, once whole: compiled as it streams in, each
// slice would be taken in on the main thread.
async function compiled(id) {
  return WebAssembly.compile(await (await content(id)).arrayBuffer());
}

// Runs the program's script, which makes its factory the page's: a file the page names is
// loaded as a script of the page's own; what the page holds, evaluated as one.
async function runScript(id) {
  const element = document.getElementById(id);
  if (element.localName === 'link') {
    await new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = element.href;
      script.onload = resolve;
      script.onerror = () => reject(new Error(`${element.href} could not be loaded`));
      document.body.append(script);
    });
    return;
  }
  const text = await (await content(id)).text();
  await nextTask();
  (0, eval)(text);
}

// What the program needs of the browser beyond what the page itself uses.
export function canRun() {
  return typeof DecompressionStream === 'function' && typeof fetch === 'function' &&
    typeof WebAssembly === 'object' && typeof WebAssembly.compile === 'function';
}

// A program made by its Emscripten factory (the global named `factory`) from its WebAssembly code
// (`codeId`), the drawings read before it starts, making its calls on `page`: a promise of the
// program, rejected when its code does not compile or it fails as it starts. `scriptId` names the
// program's own script when the page holds or names it too: run, it makes the factory.
export async function createProgram(factory, codeId, page, settings = {}, scriptId = '') {
  await nextTask();
  // The code compiles while the drawings and the script are read.
  const code = compiled(codeId);
  code.catch(() => {});
  pictures.setDrawings(await (await content('minigames-drawings')).json());
  if (scriptId) await runScript(scriptId);
  const module = await code;
  await nextTask();
  return new Promise((resolve, reject) => {
    window[factory]({
      ...settings,
      page,
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(module, imports).then(async (instance) => {
          await nextTask();
          receive(instance);
        }).catch(reject);
        return {};
      },
    }).then(resolve, reject);
  });
}
