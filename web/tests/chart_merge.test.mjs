// Several submissions at a glance and at their best: the chart's points (one per submission and
// test case, at its first block's count as the native diagnosis gives it, none where that
// block is refused or the test case not answered; a click shows the block), and the download
// of their merge, which must equal mrezovnik-merge's standard output byte for byte in both
// directions, or show the input file's failure line instead; in both languages.
import {test} from 'node:test';
import {readFileSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';
import {check, checkNoErrors, finished, generate, nativeDiagnosis, nativeMerge, openViewer, pick,
        workDir} from './helpers.mjs';

/** Each test case's rows in an input file, by test case number - 1. */
function inputGrids(input) {
  const lines = readFileSync(input, 'latin1').split('\n');
  const grids = [];
  for (let k = 2; k < lines.length; ++k) {
    if (lines[k] === '') continue;
    const n = Number(lines[k + 1].split(' ')[0]);
    grids.push(lines.slice(k + 2, k + 2 + n));
    k += 1 + n;
  }
  return grids;
}

/** A submission's blocks by test case: the rows of its first block of each. */
function blocksOf(path, input) {
  const lines = readFileSync(path, 'latin1').split('\n');
  const blocks = {};
  for (const block of nativeDiagnosis(input, path).blocks) {
    const n = inputGrids(input)[block.testCase - 1].length;
    blocks[block.testCase] ??= lines.slice(block.line, block.line + n);
  }
  return blocks;
}

/**
 * Three submissions of one six-test-case input, in the order loaded: a refused one with
 * valid blocks (test case 2 answered first by a refused block, then by a valid one; test
 * case 1 answered twice, both valid; 3 not answered; 5 refused), an accepted one, and one
 * whose every block is refused. Their paths and the input's.
 */
function smallSet(dir) {
  const ok = generate(join(dir, 'ok'), 'ok', 6, 40);
  const refused = generate(join(dir, 'refuse-all'), 'refuse-all', 6, 40);
  const given = inputGrids(ok.input);
  const [good, bad] = [blocksOf(ok.submission, ok.input), blocksOf(refused.submission, ok.input)];
  const blocks = [[1, given[0]], [2, bad[2]], [2, given[1]], [4, good[4]], [5, bad[5]],
                  [6, given[5]], [1, good[1]]];
  const mixed = join(dir, 'mixed.txt');
  writeFileSync(mixed, ['000555', 'Mrezovje', ...blocks.flatMap(([t, rows]) => [String(t), ...rows])]
      .join('\n') + '\n', 'latin1');
  return {input: ok.input, submissions: [mixed, ok.submission, refused.submission]};
}

/** The points that the chart must show, from the native diagnoses: "s:testCase:count". */
function expectedPoints(input, submissions) {
  return submissions.flatMap((path, s) => {
    const first = {};
    for (const block of nativeDiagnosis(input, path).blocks) first[block.testCase] ??= block;
    return Object.values(first).filter((block) => block.verdict === 'accepted')
        .map((block) => s + ':' + block.testCase + ':' + block.nearPairs);
  }).sort();
}

/** The texts of the chart's and the merge's parts of the page. */
function words(tab) {
  return tab.evaluate(() => ['mergeLabel', 'mergeHigher', 'mergeLower', 'chartHeading']
      .map((key) => document.querySelector('[data-text="' + key + '"]').textContent)
      .concat([...document.querySelectorAll('#chart .axis-label')].map((label) => label.textContent)));
}

test('the chart of several submissions, and the download of their merge', async (t) => {
  const {input, submissions} = smallSet(workDir('chart-merge'));
  const viewer = await openViewer();
  const tab = viewer.tab;
  try {
    await finished(tab, () => pick(tab, input, submissions));
    await tab.waitForSelector('#chart circle');
    const points = await tab.$$eval('#chart [data-chart-submission]', (items) => items.map((item) =>
      [item.dataset.chartSubmission, item.dataset.chartTestCase, item.dataset.chartCount].join(':')));
    const wanted = expectedPoints(input, submissions);
    await check(t, JSON.stringify(points.sort()) === JSON.stringify(wanted) &&
                !wanted.some((point) => /^0:[235]:|^2:/.test(point)),
                'a point per first block accepted, at its native count; gaps where it is refused ' +
                'or missing: ' + points.join(' '));
    const legend = await tab.$$eval('#chart-legend span', (items) => items.map((item) => item.textContent));
    await check(t, legend.join() === '1. mixed.txt,2. submission.txt,3. submission.txt',
                'the legend names each submission by its file: ' + legend.join());
    // A click shows that block, also of a submission not shown.
    for (const [s, testCase] of [[1, 4], [0, 6]]) {
      await tab.click('#chart [data-chart-submission="' + s + '"][data-chart-test-case="' + testCase + '"]');
      await tab.waitForFunction(([s, testCase]) => window.mrezovnikViewer.block?.submission === s &&
                                window.mrezovnikViewer.block.record.testCase === testCase, [s, testCase]);
      const shown = await tab.evaluate(([s, testCase]) => ({
        current: window.mrezovnikViewer.current, index: window.mrezovnikViewer.block.index,
        first: window.mrezovnikViewer.firstBlockOf(s, testCase),
        chosen: document.querySelector('#blocks li.chosen')?.dataset.index,
      }), [s, testCase]);
      await check(t, shown.current === s && shown.index === shown.first &&
                  shown.chosen === String(shown.first), 'a click on submission ' + s + '\'s point ' +
                  'of test case ' + testCase + ' shows its first block of it: ' + JSON.stringify(shown));
    }
    for (const better of ['higher', 'lower']) {
      const expected = nativeMerge(input, submissions, better);
      const text = await tab.evaluate((b) => window.mrezovnikViewer.mergedSubmission(b), better);
      const [download] = await Promise.all([tab.waitForEvent('download'), tab.click('#merge-' + better)]);
      const downloaded = readFileSync(await download.path(), 'latin1');
      await check(t, expected.exitCode === 0 && text === expected.stdout && downloaded === expected.stdout &&
                  download.suggestedFilename() === 'merged-' + better + '.txt',
                  better + ' is better: mergedSubmission() and the download ' +
                  download.suggestedFilename() + ' give mrezovnik-merge\'s bytes (' +
                  expected.stdout.length + ')');
    }
    await tab.selectOption('#language', 'sl');
    const slovenian = await words(tab);
    await tab.selectOption('#language', 'en');
    const english = await words(tab);
    await check(t, slovenian.join('|') === 'Prenesi najboljše od teh:|večje število je boljše|' +
                'manjše število je boljše|Število bližnjih parov po testnih primerih, po prvem ' +
                'bloku vsakega:|testni primer|pari bližnjih črnih polj (logaritemska lestvica)' &&
                english.join('|') === 'Download the best of these:|higher counts are better|' +
                'lower counts are better|Near pairs by test case, from each one\'s first block:|' +
                'test case|near pairs (logarithmic scale)', 'both languages: ' + slovenian.join('|') + ' / ' +
                english.join('|'));
    await checkNoErrors(t, viewer.errors);
  } finally {
    await viewer.close();
  }
});

test('an input file at fault: its failure line instead of a download', async (t) => {
  const dir = workDir('chart-merge-fault');
  const ok = generate(join(dir, 'ok'), 'ok', 3, 20);
  const input = join(dir, 'input.txt');
  writeFileSync(input, readFileSync(ok.input, 'latin1').replace(/^Mrezovje\n3\n/, 'Mrezovje\n4\n'),
                'latin1');
  const submissions = [ok.submission, ok.submission];
  const expected = nativeMerge(input, submissions, 'higher');
  const viewer = await openViewer();
  const tab = viewer.tab;
  try {
    await finished(tab, () => pick(tab, input, submissions));
    const downloads = [];
    tab.on('download', (download) => downloads.push(download));
    const rejected = await tab.evaluate(() => window.mrezovnikViewer.mergedSubmission('higher')
        .then(() => 'resolved', (error) => error.message));
    await tab.click('#merge-higher');
    await tab.waitForSelector('#merge-note[data-state="mergeFailed"]');
    const note = await tab.textContent('#merge-note');
    await check(t, expected.exitCode === 3 && rejected === expected.stderr.trimEnd() &&
                note === 'The merge failed:\n' + rejected && downloads.length === 0,
                'mergedSubmission() rejects with mrezovnik-merge\'s failure line, and the page ' +
                'shows it instead of a download: ' + note);
    await checkNoErrors(t, viewer.errors);
  } finally {
    await viewer.close();
  }
});
