// Measures the page with many full-size submissions of one input loaded at once: the memory
// of every browser process, the module's wasm memory, how long the page takes to answer and to
// switch submissions while they are loaded, the time of a comparison, of drawing the chart of
// the counts and of downloading the merge of all of them. Not a test: its figures go into the
// notes on the viewer.
//
//   node tests/measure_workbench.mjs INPUT SUBMISSION... [--copies N]
// Each SUBMISSION is given N times (default 1) under names of its own (hard links in scratch).
import {linkSync, mkdtempSync, rmSync, statSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {basename, join, resolve} from 'node:path';
import {browserMemory, finished, launch, pageUrl} from './helpers.mjs';

const args = process.argv.slice(2);
const copiesAt = args.indexOf('--copies');
const copies = copiesAt >= 0 ? Number(args.splice(copiesAt, 2)[1]) : 1;
const [input, ...given] = args.map((path) => resolve(path));
const scratch = mkdtempSync(join(tmpdir(), 'viewer-workbench-'));
const submissions = [];
for (let copy = 0; copy < copies; ++copy) {
  given.forEach((path, k) => {
    const link = join(scratch, copy + '-' + k + '-' + basename(path));
    linkSync(path, link);
    submissions.push(link);
  });
}

const profile = mkdtempSync(join(tmpdir(), 'viewer-measure-'));
const browser = await launch(profile);
try {
  const tab = browser.pages()[0] ?? await browser.newPage();
  await tab.goto(pageUrl);
  const before = browserMemory(profile);
  const started = Date.now();
  await finished(tab, async () => {
    await tab.setInputFiles('#input-file', input);
    await tab.setInputFiles('#submission-file', submissions);
  }, 600000);
  const loadedMs = Date.now() - started;
  // The other submissions' reports follow the diagnoses.
  await tab.waitForFunction(() => window.mrezovnikViewer.timings.worker?.wasmBytes, null,
                            {timeout: 600000});
  const loaded = browserMemory(profile);
  const timings = await tab.evaluate(() => window.mrezovnikViewer.timings);
  let answer = 0;
  for (let k = 0; k < 10; ++k) {
    const at = Date.now();
    await tab.evaluate(() => 0);
    answer = Math.max(answer, Date.now() - at);
  }
  const switches = [];
  for (let k = 0; k < submissions.length - 1; ++k) {
    const at = Date.now();
    await tab.keyboard.press(']');
    await tab.waitForFunction((s) => window.mrezovnikViewer.block?.submission === s, k + 1);
    switches.push(Date.now() - at);
  }
  const compared = await tab.evaluate(async () => {
    const at = performance.now();
    await window.mrezovnikViewer.compare(0, 1);
    return performance.now() - at;
  });
  const after = browserMemory(profile);
  const mergeStarted = Date.now();
  const [download] = await Promise.all([tab.waitForEvent('download', {timeout: 600000}),
                                        tab.click('#merge-higher')]);
  const mergeMs = Date.now() - mergeStarted;
  const merged = statSync(await download.path()).size;
  const merging = await tab.evaluate(() => window.mrezovnikViewer.timings);
  const afterMerge = browserMemory(profile);
  console.log(submissions.length + ' submissions of ' + basename(input) + ' loaded (every block ' +
              'diagnosed) after ' + loadedMs + ' ms');
  console.log('browser memory (PSS over all its processes; resident in the largest): ' +
              before.totalMb + ' MB; ' + before.largestMb + ' MB with the page open, ' +
              loaded.totalMb + ' MB; ' + loaded.largestMb + ' MB with all loaded, ' + after.totalMb +
              ' MB; ' + after.largestMb + ' MB after switching through them and comparing two');
  console.log('the module\'s wasm memory: ' + Math.round(timings.worker.wasmBytes / 1048576) + ' MB');
  console.log('the page answers within ' + answer + ' ms; a switch to the next submission on the ' +
              'same test case takes ' + Math.min(...switches) + '..' + Math.max(...switches) +
              ' ms; compare(0, 1) took ' + compared.toFixed(1) + ' ms');
  console.log('the chart of ' + (await tab.$$eval('#chart circle', (points) => points.length)) +
              ' points was drawn in ' + timings.chart.toFixed(1) + ' ms (the last time)');
  console.log('the merge of all (higher is better) was downloaded ' + mergeMs + ' ms after the ' +
              'click (' + Math.round(merging.merged) + ' ms from the request to its bytes in the ' +
              'page), ' + merged + ' bytes; browser memory then ' + afterMerge.totalMb + ' MB; ' +
              afterMerge.largestMb + ' MB');
} finally {
  await browser.close();
  rmSync(profile, {recursive: true, force: true});
  rmSync(scratch, {recursive: true, force: true});
}
