// The fault kinds as the module gives them, each with a word in both languages and a mark;
// the marks on the canvas, one shape per kind; and the fault list with its keys.
import {test} from 'node:test';
import {join} from 'node:path';
import {EveryKind, check, colourMask, finished, nativeDiagnosis, outlineShare, pageFaultKinds,
        pick, withViewer} from './helpers.mjs';

/**
 * The case that breaks every rule: one mark per fault kind on its cell, told apart by shape;
 * the fault list with the native messages; a click and the keys selecting faults.
 */
async function testFaultMarksAndList(t, tab) {
  const input = join(EveryKind, 'input.txt');
  const submission = join(EveryKind, 'submission.txt');
  await finished(tab, () => pick(tab, input, submission));
  const cells = nativeDiagnosis(input, submission).blocks[0].cells;
  const kinds = await pageFaultKinds(tab);
  const lacking = kinds.filter(({words, mark}) => !words.sl || !words.en || !mark)
      .map(({kind}) => kind);
  await check(t, lacking.length === 0, 'every fault kind of the module has a Slovenian and an ' +
        'English word and a mark' + (lacking.length ? '; these lack one: ' + lacking.join(', ') : ''));
  const diagnosed = [...new Set(cells.map((fault) => fault.fault))];
  await check(t, kinds.map(({kind}) => kind).sort().join() === diagnosed.sort().join(),
        'the page has the kinds of the native diagnosis, which this case breaks each of: ' +
        kinds.map(({kind}) => kind).join(', '));
  const items = await tab.$$eval('#faults li.fault', (list) => list.map((item) => item.textContent));
  await check(t, items.length === cells.length && cells.every((cell, f) => items[f].endsWith(cell.message)),
        'the fault list gives every fault with its message, in order');
  await tab.click('#zoom-fit');
  const {scale, x, y} = await tab.evaluate(() => window.mrezovnikViewer.view);
  const masks = {};
  for (const {kind, rgb} of kinds.filter((entry) => entry.rgb)) {
    const cell = cells.find((fault) => fault.fault === kind);
    masks[kind] = await colourMask(tab, [x + (cell.column - 1) * scale, y + (cell.row - 1) * scale,
                                         scale, scale], rgb);
  }
  const drawn = Object.entries(masks).map(([kind, mask]) => kind + ' ' +
                                          mask.reduce((sum, bit) => sum + bit, 0));
  await check(t, Object.values(masks).every((mask) => mask.reduce((sum, bit) => sum + bit, 0) >= 20),
        'every fault kind is marked on its cell: ' + drawn.join(', '));
  const marked = Object.keys(masks);
  const overlaps = [];
  for (let a = 0; a < marked.length; ++a) {
    for (let b = a + 1; b < marked.length; ++b) {
      const both = masks[marked[a]].filter((bit, k) => bit && masks[marked[b]][k]).length;
      const either = masks[marked[a]].filter((bit, k) => bit || masks[marked[b]][k]).length;
      overlaps.push(both / either);
    }
  }
  await check(t, Math.max(...overlaps) < 0.5, 'the marks differ in shape, not in hue alone (largest ' +
        'overlap of two kinds\' shapes ' + Math.max(...overlaps).toFixed(2) + ')');
  await tab.click('#faults li.fault >> nth=3');
  const selected = () => tab.evaluate(() => window.mrezovnikViewer.block.selected);
  const view = await tab.evaluate(() => window.mrezovnikViewer.view);
  const cell = cells[3];
  const centre = [view.x + (cell.column - 0.5) * view.scale, view.y + (cell.row - 0.5) * view.scale];
  const edge = await outlineShare(tab, view.x + (cell.column - 1) * view.scale - 3,
                                  view.y + (cell.row - 1) * view.scale + 2, 3, view.scale - 4);
  await check(t, await selected() === 3 && Math.abs(centre[0] - 360) <= 1 && Math.abs(centre[1] - 360) <= 1 &&
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
  await check(t, steps.join() === '4,5,4,5,4,3,4,3,2,0', 'n, j and p, k step through the faults, and the ' +
        'arrows in the list, stopping at the first: ' + steps.join());
  await check(t, /\bn\b.*\bj\b.*\bp\b.*\bk\b/.test(await tab.textContent('#keys')),
        'the page shows the keys');
}

test('fault marks and the fault list', async (t) => {
  await withViewer(t, async (viewer) => {
    await testFaultMarksAndList(t, viewer.tab);
  });
});
