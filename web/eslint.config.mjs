// ESLint's checks of the page's, the worker's, the build's and the tests' scripts, which
// tools/lint.sh runs: no name declared and left unused, no name used undeclared (an implicit
// global), strict equality only, and const wherever a name is never assigned again.
import globals from 'globals';

export default [
  {
    files: ['**/*.js', '**/*.mjs'],
    languageOptions: {ecmaVersion: 2022, sourceType: 'module'},
    linterOptions: {reportUnusedDisableDirectives: 'error'},
    rules: {
      'no-unused-vars': 'error',
      'no-undef': 'error',
      'no-implicit-globals': 'error',
      'eqeqeq': 'error',
      'prefer-const': 'error',
    },
  },
  {files: ['page/**'], languageOptions: {globals: globals.browser}},
  {files: ['worker/**'], languageOptions: {globals: globals.worker}},
  // The tests run under node, and pass functions to the page that run in the browser.
  {files: ['tests/**'], languageOptions: {globals: {...globals.node, ...globals.browser}}},
  {files: ['*.mjs'], languageOptions: {globals: globals.node}},
];
