// ESLint's settings for the collection's JavaScript, read by scripts/lint.sh, which runs
// tests/web/node_modules/.bin/eslint from here. ESLint and its rule sets are installed with the
// browser tests' modules in tests/web (npm ci from its lock file; the repository's root has no
// node_modules), so they are required from there.
import { createRequire } from 'node:module';

const require = createRequire(new URL('tests/web/package.json', import.meta.url));
const js = require('@eslint/js');
const globals = require('globals');

// Files that are templates before they are scripts: make_site.py fills in the service worker's
// {{NAME}} placeholders, and Emscripten reads a --js-library file through its preprocessor
// ({{{ macro }}}, #if lines). Each of those is blanked to something that parses, in the same
// place, so that the lines and columns ESLint reports are the file's own.
const templates = {
  meta: { name: 'templates' },
  preprocess(text) {
    const blank = (found, start) => start + found.slice(start.length).replace(/[^\n]/g, ' ');
    return [text
      .replace(/\{\{\{[^]*?\}\}\}|\{\{\w+\}\}/g, (found) => blank(found, '0'))
      .replace(/^#(?:if|ifdef|ifndef|elif|else|endif|include|error)\b/gm,
        (found) => blank(found, '//'))];
  },
  postprocess: (messages) => messages.flat(),
};

// What an Emscripten --js-library file may use of the runtime it is linked into.
const emscriptenLibrary = Object.fromEntries([
  'mergeInto', 'addToLibrary', 'autoAddDeps', 'LibraryManager', 'Module', 'wasmMemory',
  'HEAP8', 'HEAPU8', 'HEAP16', 'HEAPU16', 'HEAP32', 'HEAPU32', 'HEAPF32', 'HEAPF64',
  'UTF8ToString', 'stringToUTF8', 'stringToNewUTF8', 'lengthBytesUTF8', 'getValue', 'setValue',
  '_malloc', '_free', 'callUserCallback', 'runtimeKeepalivePush', 'runtimeKeepalivePop',
  'Asyncify', 'getWasmTableEntry',
].map((name) => [name, 'readonly']));

export default [
  { ignores: ['build/', 'build-*/', '**/node_modules/'] },
  js.configs.recommended,
  {
    linterOptions: { reportUnusedDisableDirectives: 'error' },
    rules: {
      'eqeqeq': ['error', 'always', { null: 'ignore' }],
      'no-var': 'error',
      'prefer-const': 'error',
      'no-unused-vars': ['error', { args: 'after-used', caughtErrors: 'none' }],
      'no-implied-eval': 'error',
      'no-throw-literal': 'error',
      'no-self-compare': 'error',
      'no-template-curly-in-string': 'error',
      'no-unmodified-loop-condition': 'error',
      'array-callback-return': 'error',
    },
  },
  // The page, as ES modules in the browser.
  {
    files: ['app/web/**/*.js'],
    languageOptions: { sourceType: 'module', globals: globals.browser },
  },
  // The page's calls from the program, linked in by Emscripten: scripts in its runtime, whose
  // functions are named by the table they are merged into rather than called here.
  {
    files: ['app/web/library.js', '**/*library*.js'],
    processor: templates,
    languageOptions: {
      sourceType: 'script',
      globals: { ...globals.browser, ...emscriptenLibrary },
    },
    rules: {
      'no-unused-vars': 'off',
      // A file may declare the runtime's names it uses with a /* global */ comment all the same.
      'no-redeclare': ['error', { builtinGlobals: false }],
    },
  },
  {
    files: ['app/web/site/sw.js'],
    processor: templates,
    languageOptions: { sourceType: 'script', globals: globals.serviceworker },
  },
  // The tools' scripts run in the page (page_driver.js, sim_start.js) but for the one node runs.
  {
    files: ['tools/web/*.js'],
    languageOptions: { sourceType: 'script', globals: globals.browser },
  },
  {
    files: ['tools/web/first_picture.js'],
    languageOptions: { sourceType: 'commonjs', globals: globals.node },
  },
  // Tests, benchmarks and this file run in node.
  {
    files: ['tests/**/*.{js,mjs}', 'bench/**/*.{js,mjs}', 'eslint.config.mjs'],
    languageOptions: { sourceType: 'module', globals: globals.node },
  },
];
