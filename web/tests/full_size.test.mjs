// Full-size cases of tools/bench.sh's generator (100 test cases of n = 1000, 100 MB a file):
// the reports, the first view within 3 s, the refused cell outlined and hovered, the zoom,
// every block's fault counts as the native diagnosis gives them, and the screenshot.
import {test} from 'node:test';
import {execFileSync} from 'node:child_process';
import {readFileSync} from 'node:fs';
import {join} from 'node:path';
import {FirstViewLimitMs, browserMemory, check, finished, genCases, loadavg,
        nativeDiagnosis, outlineShare, pageDiagnosis, pick, sha256, verdictDifference,
        workDir, withViewer} from './helpers.mjs';

/** From the whole grid, the wheel zooms in to single cells, and a drag pans. */
async function testZoom(t, tab, box) {
  const scale = () => tab.evaluate(() => window.mrezovnikViewer.view.scale);
  await tab.click('#zoom-fit');
  const whole = await scale();
  await tab.mouse.move(box.x + 100, box.y + 100);
  for (let k = 0; k < 30; ++k) await tab.mouse.wheel(0, -100);
  await tab.waitForFunction(() => window.mrezovnikViewer.view.scale >= 48);
  await check(t, whole < 1 && await scale() >= 48, 'full size: the wheel zooms from the whole grid (' +
        whole.toFixed(2) + ' pixels a cell) to single cells (' + await scale() + ')');
  const before = await tab.evaluate(() => window.mrezovnikViewer.view.x);
  await tab.mouse.down();
  await tab.mouse.move(box.x + 300, box.y + 100, {steps: 5});
  await tab.mouse.up();
  const after = await tab.evaluate(() => window.mrezovnikViewer.view.x);
  await check(t, Math.abs(after - before - 200 * 720 / box.width) < 2, 'full size: a drag pans the grid');
  await tab.click('#zoom-refused');
}

/**
 * A full-size case of gen_cases's `variant`, given through the pickers: the report, its
 * download, and the first view within 3 s (tried twice, since another process may have held
 * the machine's cores). The page's state then, and the expected report.
 */
async function loadFullSize(t, tab, variant) {
  const dir = workDir(variant);
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
  await check(t, shown.report === expected, what + ': the report equals the expected one' +
        (shown.report === expected ? '' : ' (' + shown.state + ': ' + shown.status + ')'));
  await check(t, shown.downloadSha256 === sha256(expected), what + ': its download is that report');
  const firstView = Math.round(shown.timings.firstView);
  console.log('     first view after ' + firstView + ' ms from the files being given, report after ' +
              Math.round(shown.timings.report) + ' ms, every block judged after ' +
              Math.round(shown.timings.diagnosed) + ' ms; ' + wallMs +
              ' ms with the upload (load average ' + loadavg()[0].toFixed(1) + '); progress shown: ' +
              shown.timings.progressEvents + ' times');
  console.log('     in the worker (ms from the start): ' + JSON.stringify(shown.timings.worker));
  await check(t, shown.timings.firstView < FirstViewLimitMs, what + ': first view within 3 s');
  await check(t, shown.timings.progressEvents > 1, what + ': progress shown while reading and judging');
  await check(t, typeof shown.timings.worker.warmUpMs === 'number',
              what + ': the module was warmed up while the page waited for the files');
  return {shown, input, submission, expected};
}

/** The full-size case whose last block fails: the refused cell outlined, hovered, zoomed. */
async function testFullSize(t, tab, profile) {
  const {shown, expected} = await loadFullSize(t, tab, 'fail-last');
  const memory = browserMemory(profile);
  console.log('     browser memory: ' + memory.totalMb + ' MB over all its processes (PSS), ' +
              memory.largestMb + ' MB resident in the largest; the module\'s wasm memory ' +
              Math.round(shown.timings.worker.wasmBytes / 1048576) + ' MB');
  const view = await tab.evaluate(() => {
    const {view, block} = window.mrezovnikViewer;
    return {view, n: block.n, d: block.d, refused: block.faults[block.selected] ?? null,
            last: document.querySelector('#blocks li.named')?.dataset.index};
  });
  await check(t, view.refused !== null && view.last === '99', 'full size: the refused last block is shown');
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
  await check(t, topEdge > 0.4 && leftEdge > 0.4, 'full size: the neighbourhood of radius d is outlined (' +
        topEdge.toFixed(2) + ', ' + leftEdge.toFixed(2) + ' of its edge pixels)');
  await check(t, cellEdge === 1 && cellInside === 0, 'full size: the refused cell is outlined (' +
        cellEdge.toFixed(2) + ' of its edge pixels)');
  await check(t, elsewhere === 0, 'full size: no outline colour away from the refused cell');
  const box = await tab.locator('#grid').boundingBox();
  await tab.mouse.move(box.x + (x + (column + 0.5) * scale) * box.width / 720,
                       box.y + (y + (row + 0.5) * scale) * box.height / 720);
  await tab.waitForFunction(() => document.getElementById('cell').textContent !== '');
  const hover = await tab.textContent('#cell');
  await check(t, hover.startsWith((column + 1) + '. polje v ' + (row + 1) + '. vrstici'),
        'full size: hovering the refused cell names it: ' + hover.split('\n').join(' / '));
  const [, count, colour, limit] = / ima (\d+) bliznjih (crnih|belih) polj, kar je .* = (\d+)/
      .exec(expected);
  const counted = colour === 'crnih' ? ' ' + count + ' black, MORE than c = ' + limit :
      ' ' + count + ' white, FEWER than b = ' + limit;
  await check(t, hover.includes(counted), 'full size: its counts agree with the message');
  await testZoom(t, tab, box);
}

/**
 * The full-size case whose every block is refused: every block's faults as the native
 * diagnosis counts them, and the first block's first 1000 faults listed with the number left
 * out. The screenshot shows it.
 */
async function testFullSizeRefuseAll(t, tab) {
  const {input, submission} = await loadFullSize(t, tab, 'refuse-all');
  const expected = nativeDiagnosis(input, submission);
  const difference = verdictDifference((await pageDiagnosis(tab)).blocks, expected);
  await check(t, !difference, 'full size refuse-all: every block refused with the native diagnosis\'s ' +
        'fault counts' + (difference ? ': ' + difference : ''));
  const first = expected.blocks[0];
  const listed = await tab.evaluate(() => ({
    index: window.mrezovnikViewer.block.index,
    messages: window.mrezovnikViewer.block.faults.map((fault) => fault.message),
    note: document.querySelector('#faults li.more')?.textContent ?? '',
  }));
  await check(t, listed.index === 0 && listed.messages.join('\n') ===
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

test('full-size cases', async (t) => {
  await withViewer(t, async (viewer) => {
    await testFullSize(t, viewer.tab, viewer.profile);
    await testFullSizeRefuseAll(t, viewer.tab);
  });
});
