// Bundles the viewer into one self-contained HTML file with esbuild: the page's modules
// (page/viewer.js and what it imports) into page/index.html, the bundled examples, and the
// worker's bundle (worker/worker.js with the WebAssembly evaluator, its .wasm embedded, and the
// reader's worker, worker/reader.js, as a text) as a text from which the page starts a Web
// Worker. One file works when opened from disk, where a page may not fetch its scripts, and
// from any static server.
//
//   node build.mjs WEB_DIR EXAMPLES_DIR MODULE_JS OUTPUT_HTML NPM_DIR
// NPM_DIR holds the node_modules into which `npm ci` installed package-lock.json's esbuild.
import {readFileSync, writeFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {join, resolve} from 'node:path';

const [webDir, examplesDir, modulePath, outputPath, npmDir] = process.argv.slice(2);
const esbuild = createRequire(join(resolve(npmDir), 'package.json'))('esbuild');

/** An esbuild plugin that gives the modules named `prefix:name` from `contents[name]`. */
function provided(prefix, contents) {
  const filter = new RegExp('^' + prefix + ':');
  return {
    name: prefix,
    setup(build) {
      build.onResolve({filter}, (args) => ({path: args.path.slice(prefix.length + 1),
                                            namespace: prefix}));
      build.onLoad({filter: /.*/, namespace: prefix}, (args) => contents[args.path]);
    },
  };
}

/**
 * An esbuild plugin that gives the module's name the emscripten build's file, under a name of
 * its own, so that the bundle does not depend on where the build folder is.
 */
const wasmModule = {
  name: 'mrezovnik-module',
  setup(build) {
    build.onResolve({filter: /^mrezovnik-module$/}, () => ({path: 'mrezovnik_web.js',
                                                             namespace: 'mrezovnik-module'}));
    build.onLoad({filter: /.*/, namespace: 'mrezovnik-module'},
                 () => ({contents: readFileSync(modulePath, 'utf8'), loader: 'js'}));
  },
};

/**
 * One bundle's code: an immediately run script, not minified, so that it reads as written;
 * its comments name the modules relative to WEB_DIR.
 */
async function bundle(entry, plugins) {
  const result = await esbuild.build({
    entryPoints: [entry], absWorkingDir: resolve(webDir), bundle: true, write: false,
    format: 'iife',
    target: 'es2022', charset: 'utf8', legalComments: 'none', logLevel: 'warning', plugins,
  });
  return result.outputFiles[0].text;
}

const read = (path) => readFileSync(path, 'latin1');
const examples = {
  input: read(join(examplesDir, 'input.txt')),
  accepted: read(join(examplesDir, 'submission-accepted.txt')),
  rejected: read(join(examplesDir, 'submission-rejected.txt')),
};
const worker = await bundle('worker/worker.js', [wasmModule, provided('bundled', {
  reader: {contents: await bundle('worker/reader.js', []), loader: 'text'},
})]);
const page = await bundle('page/viewer.js', [provided('bundled', {
  examples: {contents: JSON.stringify(examples), loader: 'json'},
  worker: {contents: worker, loader: 'text'},
})]);
// Inside a <script> element, no text may close it.
const script = '<script>\n' + page.replace(/<\/(script)/gi, '<\\/$1') + '\n</script>';
const html = readFileSync(join(webDir, 'page', 'index.html'), 'utf8')
    .replace('<!-- bundle:scripts -->', () => script);
writeFileSync(outputPath, html, 'utf8');
