// Browser tests of the viewer: Playwright drives the system's headless chromium over the
// assembled page, opened from disk. Each report on the page must equal the native
// program's, and each block's verdict and faults the native diagnosis's; full-size refused
// cases must show their first view within 3 s, with the refused cell's neighbourhood
// outlined on the canvas; fault marks, the fault list, its keys, the refused filter, the
// stop and the two languages are checked on small cases.
//
//   node tests/browser_test.mjs
// Environment: VIEWER_PAGE (the assembled index.html), MREZOVNIK (the native program),
// MREZOVNIK_DIAGNOSE (the native diagnosis program), GEN_CASES (the case generator),
// WORK_DIR (scratch), SCREENSHOT (where the screenshot of a refused block and its faults
// goes; none when unset), CHROMIUM (default /usr/bin/chromium).
import {execFileSync} from 'node:child_process';
import {createHash} from 'node:crypto';
import {createServer} from 'node:http';
import {mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync} from 'node:fs';
import {loadavg, tmpdir} from 'node:os';
import {join, resolve} from 'node:path';
import {pathToFileURL} from 'node:url';
import {chromium} from 'playwright-core';

const root = resolve(import.meta.dirname, '..', '..');
const page = resolve(process.env.VIEWER_PAGE ?? join(root, 'build/wasm/viewer/index.html'));
const native = resolve(process.env.MREZOVNIK ?? join(root, 'build/release/driver/mrezovnik'));
const nativeDiagnose = resolve(process.env.MREZOVNIK_DIAGNOSE ??
                               join(root, 'build/release/driver/mrezovnik-diagnose'));
const genCases = resolve(process.env.GEN_CASES ?? join(root, 'build/release/tools/gen_cases'));
const work = resolve(process.env.WORK_DIR ?? join(root, 'build/viewer-tests'));
const FirstViewLimitMs = 3000;
const ShownReportBytes = 1 << 20;
const OutlineColour = [0x00, 0xc8, 0xff];
/** The colour of each fault kind's mark on the canvas (grid_canvas.js). */
const MarkColours = {
  invalidCell: [0xcc, 0x79, 0xa7], redChanged: [0xf0, 0xe4, 0x42], blackChanged: [0x56, 0xb4, 0xe9],
  whiteToRed: [0x00, 0x9e, 0x73], tooFewWhite: [0x00, 0x72, 0xb2], tooManyBlack: [0xe6, 0x9f, 0x00],
};
/** The case whose first block breaks every rule, and whose second block is accepted. */
const EveryKind = join(root, 'tests/diagnose/every-fault-kind-then-an-accepted-block');
const BrowserArgs = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
                     '--no-first-run', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync'];

let failures = 0;

/** Records one check. */
function check(condition, what) {
  console.log((condition ? 'ok   ' : 'FAIL ') + what);
  if (!condition) failures += 1;
}

/** The native program's report, standard output and exit code for two files. */
function nativeRun(input, submission) {
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
function nativeDiagnosis(input, submission) {
  return JSON.parse(execFileSync(nativeDiagnose, [input, submission], {encoding: 'utf8',
                                                                       maxBuffer: 1 << 30}));
}

/** The SHA-256 of a text's bytes (one a character), in hex. */
function sha256(text) {
  return createHash('sha256').update(Buffer.from(text, 'latin1')).digest('hex');
}

/** Launches the system's chromium with a fresh profile. */
async function launch(profile) {
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
async function finished(tab, start, timeout = 60000) {
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
async function pick(tab, input, submission) {
  await tab.setInputFiles('#input-file', []);
  await tab.setInputFiles('#submission-file', []);
  await tab.setInputFiles('#input-file', input);
  await tab.setInputFiles('#submission-file', submission);
}

/** The bundled examples, through the page's example buttons. */
async function testExamples(tab) {
  for (const [button, file] of [['accepted', 'submission-accepted.txt'],
                                ['refused', 'submission-rejected.txt']]) {
    const shown = await finished(tab, () => tab.click('#example-' + button));
    const expected = nativeRun(join(root, 'examples/input.txt'), join(root, 'examples', file));
    check(shown.report === expected.report, 'example ' + button + ': the report equals the native one');
    check(shown.exitCode === String(expected.exitCode), 'example ' + button + ': the exit code');
  }
}

/** Files that are not a valid task: the same report as native, and the page does not hang. */
async function testBadInput(tab) {
  const dir = join(work, 'bad');
  mkdirSync(dir, {recursive: true});
  const binary = Buffer.alloc(1 << 20);
  for (let k = 0; k < binary.length; ++k) binary[k] = (k * 2654435761 >>> 13) & 255;
  writeFileSync(join(dir, 'binary.txt'), binary);
  writeFileSync(join(dir, 'empty.txt'), '');
  writeFileSync(join(dir, 'huge-line.txt'), '000001\nMrezovje\n1\n' + '#'.repeat(30 << 20) + '\n');
  writeFileSync(join(dir, 'huge-header.txt'), '000001\nMrezovje\n' + 'x'.repeat(30 << 20) + '\n');
  writeFileSync(join(dir, 'many-blocks.txt'), '000001\nMrezovje\n' + '2\n#.\n.R\n'.repeat(300000));
  const input = join(root, 'examples/input.txt');
  const pairs = [['binary input', join(dir, 'binary.txt'), input],
                 ['binary submission', input, join(dir, 'binary.txt')],
                 ['empty input', join(dir, 'empty.txt'), input],
                 ['empty submission', input, join(dir, 'empty.txt')],
                 ['a 30 MB row', input, join(dir, 'huge-line.txt')],
                 ['a 30 MB header quoted in the report', input, join(dir, 'huge-header.txt')],
                 ['300000 accepted blocks', input, join(dir, 'many-blocks.txt')]];
  for (const [what, inputPath, submissionPath] of pairs) {
    const shown = await finished(tab, () => pick(tab, inputPath, submissionPath));
    const expected = nativeRun(inputPath, submissionPath);
    const whole = expected.report.length <= ShownReportBytes;
    check(shown.state !== 'failed' && shown.report === expected.report.slice(0, ShownReportBytes),
          what + ': the report equals the native one' + (whole ? '' : ' (its first MB shown)'));
    if (!whole) check(/download it/.test(shown.note), what + ': the page offers the whole report');
    check(shown.listed <= 10002, what + ': the block list stays short (' + shown.listed + ' lines)');
    check(shown.downloadSha256 === sha256(expected.report), what + ': its download is the native report');
  }
}

/** The fraction of pixels in a canvas region that have the outline colour. */
async function outlineShare(tab, x, y, width, height) {
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
function browserMemory(profile) {
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

/** From the whole grid, the wheel zooms in to single cells, and a drag pans. */
async function testZoom(tab, box) {
  const scale = () => tab.evaluate(() => window.mrezovnikViewer.view.scale);
  await tab.click('#zoom-fit');
  const whole = await scale();
  await tab.mouse.move(box.x + 100, box.y + 100);
  for (let k = 0; k < 30; ++k) await tab.mouse.wheel(0, -100);
  await tab.waitForFunction(() => window.mrezovnikViewer.view.scale >= 48);
  check(whole < 1 && await scale() >= 48, 'full size: the wheel zooms from the whole grid (' +
        whole.toFixed(2) + ' pixels a cell) to single cells (' + await scale() + ')');
  const before = await tab.evaluate(() => window.mrezovnikViewer.view.x);
  await tab.mouse.down();
  await tab.mouse.move(box.x + 300, box.y + 100, {steps: 5});
  await tab.mouse.up();
  const after = await tab.evaluate(() => window.mrezovnikViewer.view.x);
  check(Math.abs(after - before - 200 * 720 / box.width) < 2, 'full size: a drag pans the grid');
  await tab.click('#zoom-refused');
}

/**
 * A full-size case of gen_cases's `variant`, given through the pickers: the report, its
 * download, and the first view within 3 s (tried twice, since another process may have held
 * the machine's cores). The page's state then, and the expected report.
 */
async function loadFullSize(tab, variant) {
  const dir = join(work, variant);
  execFileSync(genCases, ['--out', dir, '--tests', '100', '--n', '1000', '--variant', variant]);
  const input = join(dir, 'input.txt');
  const submission = join(dir, 'submission.txt');
  let shown;
  let wallMs;
  for (let attempt = 1; ; ++attempt) {
    const started = Date.now();
    shown = await finished(tab, () => pick(tab, input, submission), 120000);
    wallMs = Date.now() - started;
    if (shown.timings.firstView < FirstViewLimitMs || attempt === 2) break;
    console.log('     first view after ' + Math.round(shown.timings.firstView) + ' ms (load average ' +
                loadavg()[0].toFixed(1) + '): once more');
  }
  const what = 'full size ' + variant;
  const expected = readFileSync(join(dir, 'expected-report.txt'), 'latin1');
  check(shown.report === expected, what + ': the report equals the expected one' +
        (shown.report === expected ? '' : ' (' + shown.state + ': ' + shown.status + ')'));
  check(shown.downloadSha256 === sha256(expected), what + ': its download is that report');
  const firstView = Math.round(shown.timings.firstView);
  console.log('     first view after ' + firstView + ' ms from the files being given, report after ' +
              Math.round(shown.timings.report) + ' ms, every block judged after ' +
              Math.round(shown.timings.diagnosed) + ' ms; ' + wallMs +
              ' ms with the upload (load average ' + loadavg()[0].toFixed(1) + '); progress shown: ' +
              shown.timings.progressEvents + ' times');
  console.log('     in the worker (ms from the start): ' + JSON.stringify(shown.timings.worker));
  check(shown.timings.firstView < FirstViewLimitMs, what + ': first view within 3 s');
  check(shown.timings.progressEvents > 1, what + ': progress shown while reading and judging');
  return {shown, input, submission, expected};
}

/** The full-size case whose last block fails: the refused cell outlined, hovered, zoomed. */
async function testFullSize(tab, profile) {
  const {shown, expected} = await loadFullSize(tab, 'fail-last');
  const memory = browserMemory(profile);
  console.log('     browser memory: ' + memory.totalMb + ' MB over all its processes (PSS), ' +
              memory.largestMb + ' MB resident in the largest; the module\'s wasm memory ' +
              Math.round(shown.timings.worker.wasmBytes / 1048576) + ' MB');
  const view = await tab.evaluate(() => {
    const {view, block} = window.mrezovnikViewer;
    return {view, n: block.n, d: block.d, refused: block.faults[block.selected] ?? null,
            last: document.querySelector('#blocks li.named')?.dataset.index};
  });
  check(view.refused !== null && view.last === '99', 'full size: the refused last block is shown');
  if (!view.refused) return;
  const {scale, x, y} = view.view;
  const {row, column} = view.refused;
  const top = y + Math.max(0, row - view.d) * scale - 2;
  const left = x + Math.max(0, column - view.d) * scale - 2;
  const bottom = y + Math.min(view.n, row + view.d + 1) * scale + 2;
  const right = x + Math.min(view.n, column + view.d + 1) * scale + 2;
  const inside = left + 4;
  const span = right - left - 8;
  const topEdge = await outlineShare(tab, inside, top - 1, span, 3);
  const leftEdge = await outlineShare(tab, left - 1, top + 4, 3, bottom - top - 8);
  const cellEdge = await outlineShare(tab, x + column * scale - 3, y + row * scale + 2, 3,
                                      scale - 4);
  const cellInside = await outlineShare(tab, x + column * scale + 3, y + row * scale + 3, scale - 6,
                                        scale - 6);
  const elsewhere = await outlineShare(tab, 0, 0, 720, Math.max(1, top - 8));
  check(topEdge > 0.4 && leftEdge > 0.4, 'full size: the neighbourhood of radius d is outlined (' +
        topEdge.toFixed(2) + ', ' + leftEdge.toFixed(2) + ' of its edge pixels)');
  check(cellEdge === 1 && cellInside === 0, 'full size: the refused cell is outlined (' +
        cellEdge.toFixed(2) + ' of its edge pixels)');
  check(elsewhere === 0, 'full size: no outline colour away from the refused cell');
  const box = await tab.locator('#grid').boundingBox();
  await tab.mouse.move(box.x + (x + (column + 0.5) * scale) * box.width / 720,
                       box.y + (y + (row + 0.5) * scale) * box.height / 720);
  await tab.waitForFunction(() => document.getElementById('cell').textContent !== '');
  const hover = await tab.textContent('#cell');
  check(hover.startsWith((column + 1) + '. polje v ' + (row + 1) + '. vrstici'),
        'full size: hovering the refused cell names it: ' + hover.split('\n').join(' / '));
  const [, count, colour, limit] = / ima (\d+) bliznjih (crnih|belih) polj, kar je .* = (\d+)/
      .exec(expected);
  const counted = colour === 'crnih' ? ' ' + count + ' black, MORE than c = ' + limit :
      ' ' + count + ' white, FEWER than b = ' + limit;
  check(hover.includes(counted), 'full size: its counts agree with the message');
  await testZoom(tab, box);
}

/**
 * The full-size case whose every block is refused: every block's faults as the native
 * diagnosis counts them, and the first block's first 1000 faults listed with the number left
 * out. The screenshot shows it.
 */
async function testFullSizeRefuseAll(tab) {
  const {input, submission} = await loadFullSize(tab, 'refuse-all');
  const expected = nativeDiagnosis(input, submission);
  const difference = verdictDifference((await pageDiagnosis(tab)).blocks, expected);
  check(!difference, 'full size refuse-all: every block refused with the native diagnosis\'s ' +
        'fault counts' + (difference ? ': ' + difference : ''));
  const first = expected.blocks[0];
  const listed = await tab.evaluate(() => ({
    index: window.mrezovnikViewer.block.index,
    messages: window.mrezovnikViewer.block.faults.map((fault) => fault.message),
    note: document.querySelector('#faults li.more')?.textContent ?? '',
  }));
  check(listed.index === 0 && listed.messages.join('\n') ===
        first.cells.map((cell) => cell.message).join('\n') &&
        listed.note.startsWith(first.cellsLeftOut + ' more faults left out'),
        'full size refuse-all: the first block lists its first ' + first.cells.length +
        ' faults and tells how many more were left out: ' + listed.note);
  if (process.env.SCREENSHOT) {
    // A fault some rows down, so that the grid fills the canvas around it; the whole page.
    await tab.click('#faults li.fault >> nth=500');
    const box = await tab.locator('#layout').boundingBox();
    await tab.screenshot({path: process.env.SCREENSHOT, fullPage: true,
                          clip: {x: 0, y: 0, width: box.x + box.width + 8,
                                 height: box.y + box.height + 8}});
  }
}

/** The page's verdicts of the kept blocks, and its stop. */
async function pageDiagnosis(tab) {
  return tab.evaluate(() => {
    const {blocks, stop} = window.mrezovnikViewer;
    return {blocks, stop};
  });
}

/** The first difference between the page's block verdicts and the native diagnosis's, or ''. */
function verdictDifference(blocks, expected) {
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

/**
 * A submission of refused blocks, then accepted ones, then a row too short: every block
 * judged with its own verdict, the refused filter, the stop after the blocks before it, and a
 * block whose faults pass the 1000 listed.
 */
async function testEveryBlockJudged(tab) {
  const dir = join(work, 'mixed');
  for (const variant of ['refuse-all', 'ok']) {
    execFileSync(genCases, ['--out', join(dir, variant), '--tests', '6', '--n', '60',
                            '--variant', variant]);
  }
  const input = join(dir, 'ok', 'input.txt');
  const accepted = readFileSync(join(dir, 'ok', 'submission.txt'), 'latin1');
  const text = readFileSync(join(dir, 'refuse-all', 'submission.txt'), 'latin1') +
      accepted.split('\n').slice(2).join('\n') + '1\n' + '.'.repeat(59) + '\n';
  const submission = join(dir, 'mixed.txt');
  writeFileSync(submission, text, 'latin1');
  const shown = await finished(tab, () => pick(tab, input, submission));
  const expected = nativeDiagnosis(input, submission);
  const {blocks, stop} = await pageDiagnosis(tab);
  const difference = verdictDifference(blocks, expected);
  check(!difference, 'all ' + expected.blocks.length + ' blocks judged, each with the native ' +
        'diagnosis\'s verdict' + (difference ? ': ' + difference : ''));
  const named = await tab.$$eval('#blocks li.named', (items) => items.map((item) => item.dataset.index));
  check(named.join() === '0' && shown.report.includes('zacne v ' + expected.blocks[0].line + '. vrstici'),
        'the block that the report names is marked, and it alone');
  const stopLine = text.split('\n').length - 1;
  const stopText = await tab.textContent('#blocks li:last-child');
  check(stop?.check === expected.stop.check && stopText.includes(expected.stop.message) &&
        stopText.includes('line ' + stopLine + ' of the submission') &&
        stopText.includes('does not read the rest'), 'the stop follows the blocks before it, with ' +
        'its line, check and message: ' + stopText.split('\n').join(' / '));
  const visible = () => tab.$$eval('#blocks li', (items) => items.filter((item) => item.offsetParent)
      .map((item) => item.className.split(' ')[0]));
  await tab.check('#only-refused');
  const filtered = await visible();
  const refused = expected.blocks.filter((block) => block.verdict === 'refused').length;
  check(filtered.filter((kind) => kind === 'refused').length === refused &&
        !filtered.includes('accepted'), 'the filter lists the ' + refused + ' refused blocks alone');
  await tab.uncheck('#only-refused');
  check((await visible()).length === expected.blocks.length + 1, 'without it, every block again');
  const many = expected.blocks.findIndex((block) => block.cellsLeftOut > 0);
  await tab.click('#blocks li[data-index="' + many + '"]');
  await tab.waitForFunction((index) => window.mrezovnikViewer.block.index === index, many);
  const note = await tab.textContent('#faults li.more');
  check(await tab.locator('#faults li.fault').count() === 1000 &&
        note.startsWith(expected.blocks[many].cellsLeftOut + ' more faults left out'),
        'a chosen block lists its first 1000 faults: ' + note);
}

/** The share of pixels in a canvas region that have exactly the given colour, as a mask. */
async function colourMask(tab, [x, y, width, height], colour) {
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

/**
 * The case that breaks every rule: one mark per fault kind on its cell, told apart by shape;
 * the fault list with the native messages; a click and the keys selecting faults.
 */
async function testFaultMarksAndList(tab) {
  const input = join(EveryKind, 'input.txt');
  const submission = join(EveryKind, 'submission.txt');
  await finished(tab, () => pick(tab, input, submission));
  const cells = nativeDiagnosis(input, submission).blocks[0].cells;
  const items = await tab.$$eval('#faults li.fault', (list) => list.map((item) => item.textContent));
  check(items.length === cells.length && cells.every((cell, f) => items[f].endsWith(cell.message)),
        'the fault list gives every fault with its message, in order');
  await tab.click('#zoom-fit');
  const {scale, x, y} = await tab.evaluate(() => window.mrezovnikViewer.view);
  const masks = {};
  for (const [kind, colour] of Object.entries(MarkColours)) {
    const cell = cells.find((fault) => fault.fault === kind);
    masks[kind] = await colourMask(tab, [x + (cell.column - 1) * scale, y + (cell.row - 1) * scale,
                                         scale, scale], colour);
  }
  const drawn = Object.entries(masks).map(([kind, mask]) => kind + ' ' +
                                          mask.reduce((sum, bit) => sum + bit, 0));
  check(Object.values(masks).every((mask) => mask.reduce((sum, bit) => sum + bit, 0) >= 20),
        'every fault kind is marked on its cell: ' + drawn.join(', '));
  const kinds = Object.keys(masks);
  const overlaps = [];
  for (let a = 0; a < kinds.length; ++a) {
    for (let b = a + 1; b < kinds.length; ++b) {
      const both = masks[kinds[a]].filter((bit, k) => bit && masks[kinds[b]][k]).length;
      const either = masks[kinds[a]].filter((bit, k) => bit || masks[kinds[b]][k]).length;
      overlaps.push(both / either);
    }
  }
  check(Math.max(...overlaps) < 0.5, 'the marks differ in shape, not in hue alone (largest ' +
        'overlap of two kinds\' shapes ' + Math.max(...overlaps).toFixed(2) + ')');
  await tab.click('#faults li.fault >> nth=3');
  const selected = () => tab.evaluate(() => window.mrezovnikViewer.block.selected);
  const view = await tab.evaluate(() => window.mrezovnikViewer.view);
  const cell = cells[3];
  const centre = [view.x + (cell.column - 0.5) * view.scale, view.y + (cell.row - 0.5) * view.scale];
  const edge = await outlineShare(tab, view.x + (cell.column - 1) * view.scale - 3,
                                  view.y + (cell.row - 1) * view.scale + 2, 3, view.scale - 4);
  check(await selected() === 3 && Math.abs(centre[0] - 360) <= 1 && Math.abs(centre[1] - 360) <= 1 &&
        edge === 1, 'a click on a fault centres its cell and outlines it');
  const steps = [];
  for (const key of ['n', 'n', 'p', 'j', 'k', 'k']) {
    await tab.keyboard.press(key);
    steps.push(await selected());
  }
  await tab.focus('#faults');
  for (const key of ['ArrowDown', 'ArrowUp', 'ArrowUp']) {
    await tab.keyboard.press(key);
    steps.push(await selected());
  }
  for (let k = 0; k < 5; ++k) await tab.keyboard.press('p');
  steps.push(await selected());
  check(steps.join() === '4,5,4,5,4,3,4,3,2,0', 'n, j and p, k step through the faults, and the ' +
        'arrows in the list, stopping at the first: ' + steps.join());
  check(/\bn\b.*\bj\b.*\bp\b.*\bk\b/.test(await tab.textContent('#keys')),
        'the page shows the keys');
}

/** The page's language: its <html lang>, title and the block list's heading. */
async function spoken(tab) {
  return tab.evaluate(() => ({
    lang: document.documentElement.lang,
    heading: document.querySelector('[data-text="blocksHeading"]').textContent,
  }));
}

/** A page of a fresh context whose browser prefers `languages` (or the locale's language). */
async function pageFor(browser, locale, languages) {
  const context = await browser.newContext({locale});
  if (languages) {
    await context.addInitScript((list) => {
      Object.defineProperty(navigator, 'languages', {get: () => list});
    }, languages);
  }
  const tab = await context.newPage();
  tab.on('pageerror', (error) => check(false, 'page error: ' + error.message));
  await tab.goto(pathToFileURL(page).href);
  return tab;
}

/**
 * The language: Slovenian where the browser prefers it, English otherwise; fault kinds and
 * the page's texts translated, the evaluator's messages not; the switch, remembered.
 */
async function testLanguages() {
  const browser = await chromium.launch({executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
                                         headless: true, args: BrowserArgs});
  try {
    const chosen = [];
    for (const [locale, languages] of [['sl-SI', null], ['de-DE', null],
                                       ['de-DE', ['de-DE', 'sl', 'en-GB']],
                                       ['de-DE', ['de', 'en-US', 'sl']]]) {
      const tab = await pageFor(browser, locale, languages);
      chosen.push((await spoken(tab)).lang);
      await tab.context().close();
    }
    check(chosen.join() === 'sl,en,sl,en', 'the language is the first preferred one that the ' +
          'page speaks, else English: ' + chosen.join());
    const tab = await pageFor(browser, 'sl-SI', null);
    const input = join(EveryKind, 'input.txt');
    const submission = join(EveryKind, 'submission.txt');
    await finished(tab, () => pick(tab, input, submission));
    const texts = () => tab.evaluate(() => ({
      block: document.querySelector('#blocks li.named').firstChild.textContent,
      kind: document.querySelector('#faults li.fault .kind').textContent,
      message: document.querySelector('#faults li.fault').lastChild.textContent,
      legend: document.getElementById('fault-legend').textContent,
    }));
    const slovenian = await texts();
    const heading = (await spoken(tab)).heading;
    check(heading === 'Bloki oddane rešitve:' &&
          slovenian.block === 'blok 1, vrstica 4: testni primer 1, zavrnjen, 7 napak' &&
          slovenian.kind === 'rdeče polje spremenjeno:' && slovenian.legend.includes('neveljaven znak'),
          'Slovenian: ' + heading + ' / ' + slovenian.block + ' / ' + slovenian.kind);
    check(slovenian.message === '1. polje v 1. vrstici je v vhodni mrezi rdece, v izhodni pa belo',
          'the evaluator\'s messages stay as they are');
    await tab.selectOption('#language', 'en');
    const english = await texts();
    check((await spoken(tab)).lang === 'en' && english.kind === 'red cell changed:' &&
          english.block === 'block 1, line 4: test case 1, refused, 7 faults',
          'the switch turns the page and what it shows into English: ' + english.block);
    await tab.reload();
    check((await spoken(tab)).lang === 'en', 'the choice holds across a reload');
    await tab.selectOption('#language', 'sl');
    await tab.reload();
    check((await spoken(tab)).lang === 'sl', 'and so does a choice back to Slovenian');
  } finally {
    await browser.close();
  }
}

/** A static server of the assembled page on a free local port; its address. */
async function serveStatic() {
  const server = createServer((request, response) => {
    response.writeHead(200, {'Content-Type': 'text/html'});
    response.end(readFileSync(page));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {server, url: 'http://127.0.0.1:' + server.address().port + '/index.html'};
}

/** The same page from a static server: the examples give the native reports there too. */
async function testServed(browser) {
  const {server, url} = await serveStatic();
  const tab = await browser.newPage();
  try {
    await tab.goto(url);
    const shown = await finished(tab, () => tab.click('#example-refused'));
    const expected = nativeRun(join(root, 'examples/input.txt'),
                               join(root, 'examples/submission-rejected.txt'));
    check(shown.report === expected.report, 'served over http: the report equals the native one');
  } finally {
    await tab.close();
    server.close();
  }
}

async function main() {
  rmSync(work, {recursive: true, force: true});
  mkdirSync(work, {recursive: true});
  const profile = mkdtempSync(join(tmpdir(), 'viewer-profile-'));
  const browser = await launch(profile);
  try {
    const tab = browser.pages()[0] ?? await browser.newPage();
    tab.on('pageerror', (error) => check(false, 'page error: ' + error.message));
    await tab.goto(pathToFileURL(page).href);
    await testExamples(tab);
    await testBadInput(tab);
    await testEveryBlockJudged(tab);
    await testFaultMarksAndList(tab);
    await tab.close();
    // A fresh page, so that the memory measured is this case's alone.
    const fresh = await browser.newPage();
    fresh.on('pageerror', (error) => check(false, 'page error: ' + error.message));
    await fresh.goto(pathToFileURL(page).href);
    await testFullSize(fresh, profile);
    await testFullSizeRefuseAll(fresh);
    await testServed(browser);
    await testLanguages();
  } finally {
    await browser.close();
    rmSync(profile, {recursive: true, force: true});
  }
  console.log(failures ? failures + ' browser checks failed' : 'all browser checks passed');
  process.exitCode = failures ? 1 : 0;
}

await main();
