// What the page holds besides its own script: the text face, the drawings and a program's
// WebAssembly code, as Base64 text, gzipped where the first picture does not need it.

/* eslint-env browser */
/* global MG */
// eslint-disable-next-line no-unused-vars
const mgContents = {
  // What the page holds as Base64 text, as bytes.
  bytes(id) {
    const text = document.getElementById(id).textContent;
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
    const bytes = atob(text);
    const code = new Uint8Array(bytes.length);
    for (let i = 0; i < bytes.length; ++i) code[i] = bytes.charCodeAt(i);
    return code;
  },
  // The text face, handed to the browser before it lays anything out: read from bytes, it is
  // ready for the first picture of the page.
  addFace() {
    document.fonts.add(new FontFace('SoruneGothic', MG.bytes('minigames-face')));
  },
  // What the page holds gzipped, as a stream of the bytes unpacked.
  unpack(id) {
    return new Blob([MG.bytes(id)]).stream().pipeThrough(new DecompressionStream('gzip'));
  },
  // A program made by its Emscripten factory (the global named `factory`) from its gzipped
  // WebAssembly code, the drawings unpacked before it starts: a promise of the program,
  // rejected when its code does not compile or it fails as it starts. `scriptId` names the
  // program's own script when the page holds it gzipped too: run, it makes the factory.
  createProgram(factory, codeId, settings = {}, scriptId = '') {
    return Promise.resolve().then(() => Promise.all([
      new Response(MG.unpack(codeId)).arrayBuffer(),
      new Response(MG.unpack('minigames-drawings')).json(),
      scriptId ? new Response(MG.unpack(scriptId)).text() : '',
    ])).then(([code, drawings, script]) => new Promise((resolve, reject) => {
      MG.drawings = drawings;
      // As a script of the page's own: its factory becomes the page's.
      if (script) (0, eval)(script);
      window[factory]({
        ...settings,
        instantiateWasm(imports, receive) {
          const response = new Response(code, { headers: { 'Content-Type': 'application/wasm' } });
          WebAssembly.instantiateStreaming(response, imports)
            .then((result) => receive(result.instance)).catch(reject);
          return {};
        },
      }).then(resolve, reject);
    }));
  },
};
