// ESLint's settings for the collection's JavaScript, read by scripts/lint.sh, which runs
// tests/web/node_modules/.bin/eslint from here. ESLint and its rule sets are installed with the
// browser tests' modules in tests/web (npm ci from its lock file; the repository's root has no
// node_modules), so they are required from there.
import { createRequire } from 'node:module';

const require = createRequire(new URL('tests/web/package.json', import.meta.url));
const js = require('@eslint/js');
const globals = require('globals');

// The service worker is a template before it is a script: make_site.py fills in its {{NAME}}
// placeholders. Each is blanked to something that parses, in the same place, so that the lines
// and columns ESLint reports are the file's own.
const template = {
  meta: { name: 'template' },
  preprocess: (text) => [text.replace(/\{\{\w+\}\}/g, (found) => '0' + ' '.repeat(found.length - 1))],
  postprocess: (messages) => messages.flat(),
};

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
  {
    files: ['app/web/site/sw.js'],
    processor: template,
    languageOptions: { sourceType: 'script', globals: globals.serviceworker },
  },
  // The tools' scripts run in the page: the scenario runner's page's entry module, and the steps
  // tests install in the player's page (page_driver.js); node runs first_picture.js.
  {
    files: ['tools/web/*.js'],
    languageOptions: { sourceType: 'module', globals: globals.browser },
  },
  {
    files: ['tools/web/page_driver.js'],
    languageOptions: { sourceType: 'script' },
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
