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

// What the page holds gzipped, as a stream of the bytes unpacked.
function unpack(id) {
  return new Blob([bytes(id)]).stream().pipeThrough(new DecompressionStream('gzip'));
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
export function createProgram(factory, codeId, page, settings = {}, scriptId = '') {
  return Promise.resolve().then(() => Promise.all([
    new Response(unpack(codeId)).arrayBuffer(),
    new Response(unpack('minigames-drawings')).json(),
    scriptId ? new Response(unpack(scriptId)).text() : '',
  ])).then(([code, drawings, script]) => new Promise((resolve, reject) => {
    pictures.setDrawings(drawings);
    // As a script of the page's own: its factory becomes the page's.
    if (script) (0, eval)(script);
    window[factory]({
      ...settings,
      page,
      instantiateWasm(imports, receive) {
        const response = new Response(code, { headers: { 'Content-Type': 'application/wasm' } });
        WebAssembly.instantiateStreaming(response, imports)
          .then((result) => receive(result.instance)).catch(reject);
        return {};
      },
    }).then(resolve, reject);
  }));
}
