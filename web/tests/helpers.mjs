// What the viewer's browser tests share: where the page and the native programs are, the
// native runs to compare with, the browser with a fresh profile, the page's files and its
// canvas read back. Each test file (*.test.mjs, run by `node --test`) checks one feature.
//
// Environment: VIEWER_PAGE (the assembled index.html), MREZOVNIK (the native program),
// MREZOVNIK_DIAGNOSE (the native diagnosis program), MREZOVNIK_MERGE (the native merge
// program), GEN_CASES (the case generator),
// WORK_DIR (scratch), SCREENSHOT (where the screenshot of a refused block and its faults
// goes; none when unset), CHROMIUM (default /usr/bin/chromium).
import assert from 'node:assert/strict';
import {execFileSync, spawnSync} from 'node:child_process';
import {createHash} from 'node:crypto';
import {createServer} from 'node:http';
import {mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync} from 'node:fs';
import {loadavg, tmpdir} from 'node:os';
import {join, resolve} from 'node:path';
import {pathToFileURL} from 'node:url';
import {chromium} from 'playwright-core';

export const root = resolve(import.meta.dirname, '..', '..');
export const page = resolve(process.env.VIEWER_PAGE ?? join(root, 'build/wasm/viewer/index.html'));
export const pageUrl = pathToFileURL(page).href;
const native = resolve(process.env.MREZOVNIK ?? join(root, 'build/release/driver/mrezovnik'));
const nativeDiagnose = resolve(process.env.MREZOVNIK_DIAGNOSE ??
                               join(root, 'build/release/driver/mrezovnik-diagnose'));
const nativeMergeProgram = resolve(process.env.MREZOVNIK_MERGE ??
                                   join(root, 'build/release/merge/mrezovnik-merge'));
export const genCases = resolve(process.env.GEN_CASES ?? join(root, 'build/release/tools/gen_cases'));
const workRoot = resolve(process.env.WORK_DIR ?? join(root, 'build/viewer-tests'));
export const FirstViewLimitMs = 3000;
export const ShownReportBytes = 1 << 20;
export const OutlineColour = [0x00, 0xc8, 0xff];
/** The case whose first block breaks every rule, and whose second block is accepted. */
export const EveryKind = join(root, 'tests/diagnose/every-fault-kind-then-an-accepted-block');
export const BrowserArgs = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
                            '--no-first-run', '--disable-background-networking',
                            '--disable-component-update', '--disable-sync'];

/**
 * The fault kinds of the page's module, in its order, each with the page's words for it in
 * each language and its mark (null where the page has none), once the module has started;
 * each mark's colour also as [red, green, blue].
 */
export async function pageFaultKinds(tab) {
  await tab.waitForFunction(() => window.mrezovnikViewer.faultKinds.length > 0);
  const kinds = await tab.evaluate(() => window.mrezovnikViewer.faultKinds);
  return kinds.map((entry) => ({...entry, rgb: entry.mark &&
    [1, 3, 5].map((at) => parseInt(entry.mark.colour.slice(at, at + 2), 16))}));
}

/** Records one check as a subtest of `t`, named by what it checks. */
export function check(t, condition, what) {
  return t.test(what, () => assert.ok(condition, what));
}

/** A fresh scratch folder of a test file's own. */
export function workDir(name) {
  const dir = join(workRoot, name);
  rmSync(dir, {recursive: true, force: true});
  mkdirSync(dir, {recursive: true});
  return dir;
}

/** The system's chromium with a fresh profile, and a tab on the page that records its errors. */
export async function openViewer() {
  const profile = mkdtempSync(join(tmpdir(), 'viewer-profile-'));
  const browser = await launch(profile);
  const tab = browser.pages()[0] ?? await browser.newPage();
  const errors = watchErrors(tab);
  await tab.goto(pageUrl);
  return {browser, profile, tab, errors,
          close: async () => {
            await browser.close();
            rmSync(profile, {recursive: true, force: true});
          }};
}

/** Runs `body` on a freshly opened viewer, then checks that the page raised no error. */
export async function withViewer(t, body) {
  const viewer = await openViewer();
  try {
    await body(viewer);
    await checkNoErrors(t, viewer.errors);
  } finally {
    await viewer.close();
  }
}

/** The page errors of a tab, as they come. */
export function watchErrors(tab) {
  const errors = [];
  tab.on('pageerror', (error) => errors.push(error.message));
  return errors;
}

/** The check that a page raised no error. */
export function checkNoErrors(t, errors) {
  return check(t, errors.length === 0, 'no page errors' + (errors.length ? ': ' + errors.join(' / ') : ''));
}

/** Generates a case of gen_cases's `variant` into a folder (full size unless asked). */
export function generate(dir, variant, tests = 100, n = 1000) {
  execFileSync(genCases, ['--out', dir, '--tests', String(tests), '--n', String(n),
                          '--variant', variant]);
  return {input: join(dir, 'input.txt'), submission: join(dir, 'submission.txt'),
          expectedReport: join(dir, 'expected-report.txt')};
}

export {loadavg};
/** The native program's report, standard output and exit code for two files. */
export function nativeRun(input, submission) {
  const scratch = mkdtempSync(join(tmpdir(), 'viewer-native-'));
  const reportPath = join(scratch, 'report.txt');
  let exitCode = 0;
  let stdout = '';
  try {
    stdout = execFileSync(native, ['eval', input, submission, reportPath], {encoding: 'latin1'});
  } catch (error) {
    exitCode = error.status;
  }
  let report = '';
  try {
    report = readFileSync(reportPath, 'latin1');
  } catch {
    report = '';
  }
  rmSync(scratch, {recursive: true, force: true});
  return {report, stdout, exitCode};
}

/** The native diagnosis of two files, parsed. */
export function nativeDiagnosis(input, submission) {
  return JSON.parse(execFileSync(nativeDiagnose, [input, submission], {encoding: 'utf8',
                                                                       maxBuffer: 1 << 30}));
}

/**
 * The native merge of submissions, in the order given: its standard output and error, one
 * character a byte, and its exit code.
 */
export function nativeMerge(input, submissions, better) {
  const run = spawnSync(nativeMergeProgram, [input, ...submissions, '--better', better],
                        {encoding: 'latin1', maxBuffer: 1 << 30});
  return {stdout: run.stdout, stderr: run.stderr, exitCode: run.status};
}

/** The SHA-256 of a text's bytes (one a character), in hex. */
export function sha256(text) {
  return createHash('sha256').update(Buffer.from(text, 'latin1')).digest('hex');
}

/** Launches the system's chromium with a fresh profile. */
export async function launch(profile) {
  return chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    viewport: {width: 1200, height: 920},
    locale: 'en-GB',
    args: BrowserArgs,
  });
}

/**
 * Waits until the page has finished the evaluation and the diagnosis that `start` began; the
 * state then.
 */
export async function finished(tab, start, timeout = 60000) {
  await tab.evaluate(() => { document.body.dataset.state = 'working'; });
  await start();
  await tab.waitForFunction(() => document.body.dataset.state === 'failed' ||
                            ['shown', 'done'].includes(document.body.dataset.state) &&
                            document.body.dataset.diagnosis === 'done', null, {timeout});
  return tab.evaluate(async () => ({
    downloadSha256: await fetch(document.getElementById('download').href)
        .then((response) => response.arrayBuffer())
        .then((bytes) => crypto.subtle.digest('SHA-256', bytes))
        .then((digest) => [...new Uint8Array(digest)].map((b) => b.toString(16).padStart(2, '0'))
            .join('')),
    state: document.body.dataset.state,
    report: document.getElementById('report').textContent,
    note: document.getElementById('report-note').textContent,
    listed: document.getElementById('blocks').children.length,
    exitCode: document.getElementById('exit-code').textContent,
    timings: window.mrezovnikViewer.timings,
    status: document.getElementById('status').textContent,
  }));
}

/** Gives the page two files through its pickers. */
export async function pick(tab, input, submission) {
  await tab.setInputFiles('#input-file', []);
  await tab.setInputFiles('#submission-file', []);
  await tab.setInputFiles('#input-file', input);
  await tab.setInputFiles('#submission-file', submission);
}

/** The fraction of pixels in a canvas region that have the outline colour. */
export async function outlineShare(tab, x, y, width, height) {
  return tab.evaluate(([x, y, width, height, colour]) => {
    const context = document.getElementById('grid').getContext('2d');
    const {data} = context.getImageData(Math.round(x), Math.round(y), Math.max(1, Math.round(width)),
                                        Math.max(1, Math.round(height)));
    let hits = 0;
    for (let k = 0; k < data.length; k += 4) {
      hits += data[k] === colour[0] && data[k + 1] === colour[1] && data[k + 2] === colour[2];
    }
    return hits / (data.length / 4);
  }, [x, y, width, height, OutlineColour]);
}

/**
 * The memory of every process of the browser with this profile, in MB: the proportional
 * set sizes (shared pages split between their sharers), and the largest resident one.
 */
export function browserMemory(profile) {
  let total = 0;
  let largest = 0;
  for (const pid of readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const commandLine = readFileSync(join('/proc', pid, 'cmdline'), 'latin1');
      if (!commandLine.includes(profile)) continue;
      const rollup = readFileSync(join('/proc', pid, 'smaps_rollup'), 'latin1');
      total += Number(/^Pss:\s+(\d+)/m.exec(rollup)[1]);
      largest = Math.max(largest, Number(/^Rss:\s+(\d+)/m.exec(rollup)[1]));
    } catch {
      // The process ended meanwhile.
    }
  }
  return {totalMb: Math.round(total / 1024), largestMb: Math.round(largest / 1024)};
}

/** The page's verdicts of the kept blocks, and its stop. */
export async function pageDiagnosis(tab) {
  return tab.evaluate(() => {
    const {blocks, stop} = window.mrezovnikViewer;
    return {blocks, stop};
  });
}

/** The first difference between the page's block verdicts and the native diagnosis's, or ''. */
export function verdictDifference(blocks, expected) {
  if (blocks.length !== expected.blocks.length) {
    return blocks.length + ' blocks listed, ' + expected.blocks.length + ' diagnosed';
  }
  for (let k = 0; k < blocks.length; ++k) {
    const listed = blocks[k];
    const wanted = expected.blocks[k];
    const same = listed.position === k + 1 && listed.headerLine === wanted.line &&
        listed.testCase === wanted.testCase && (wanted.verdict === 'accepted' ?
          listed.faultTotal === 0 && listed.nearPairs === wanted.nearPairs :
          JSON.stringify(listed.faults) === JSON.stringify(wanted.faults));
    if (!same) return 'block ' + (k + 1) + ': ' + JSON.stringify(listed) + ', not ' + JSON.stringify(wanted);
  }
  return '';
}

/** The share of pixels in a canvas region that have exactly the given colour, as a mask. */
export async function colourMask(tab, [x, y, width, height], colour) {
  return tab.evaluate(([x, y, width, height, colour]) => {
    const context = document.getElementById('grid').getContext('2d');
    const {data} = context.getImageData(Math.round(x), Math.round(y), Math.round(width),
                                        Math.round(height));
    const mask = [];
    for (let k = 0; k < data.length; k += 4) {
      mask.push(data[k] === colour[0] && data[k + 1] === colour[1] && data[k + 2] === colour[2] ? 1 : 0);
    }
    return mask;
  }, [x, y, width, height, colour]);
}

/** A static server of the assembled page on a free local port; its address. */
export async function serveStatic() {
  const server = createServer((request, response) => {
    response.writeHead(200, {'Content-Type': 'text/html'});
    response.end(readFileSync(page));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {server, url: 'http://127.0.0.1:' + server.address().port + '/index.html'};
}

