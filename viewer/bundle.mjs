// Assembles the viewer into one self-contained HTML file: the page, its script, the bundled
// examples, and the worker's source (the WebAssembly evaluator with its .wasm embedded, and
// worker.js) as a text from which the page starts a Web Worker. One file works when opened
// from disk, where a page may not fetch its scripts, and from any static server.
//
//   node bundle.mjs VIEWER_DIR EXAMPLES_DIR MODULE_JS OUTPUT_HTML
import {readFileSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';

const [viewerDir, examplesDir, modulePath, outputPath] = process.argv.slice(2);
const read = (path) => readFileSync(path, 'latin1');

/** A JavaScript literal of a text that may stand inside a <script> element. */
const literal = (text) => JSON.stringify(text).replace(/<\//g, '<\\/');

const examples = {
  input: read(join(examplesDir, 'input.txt')),
  accepted: read(join(examplesDir, 'submission-accepted.txt')),
  rejected: read(join(examplesDir, 'submission-rejected.txt')),
};
const workerSource = read(modulePath) + '\n' + read(join(viewerDir, 'worker.js'));
const scripts = [
  'const MrezovnikExamples = ' + JSON.stringify(examples).replace(/<\//g, '<\\/') + ';',
  'const MrezovnikWorkerSource = ' + literal(workerSource) + ';',
  ...['i18n.js', 'grid_canvas.js', 'block_list.js', 'fault_list.js', 'viewer.js']
      .map((name) => read(join(viewerDir, name)).replace(/<\//g, '<\\/')),
].map((script) => '<script>\n' + script + '\n</script>').join('\n');
const page = read(join(viewerDir, 'index.html')).replace('<!-- bundle:scripts -->', () => scripts);
writeFileSync(outputPath, page, 'latin1');
