// Several submissions of one input: the list with each one's accepted and refused blocks and
// near-pair total, the keys that switch between them on the same test case, and the
// comparison of two, whose rows must give the native diagnosis's verdicts and counts of
// each, on small cases and on full-size ones, with the time that the comparison took.
import {test} from 'node:test';
import {readFileSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';
import {check, checkNoErrors, finished, generate, nativeDiagnosis, openViewer, root,
        workDir} from './helpers.mjs';

/** A submission's text cut into its first two lines and its blocks, by the native diagnosis. */
function cutBlocks(text, diagnosis) {
  const lines = text.split('\n');
  const starts = diagnosis.blocks.map((block) => block.line - 1);
  const blocks = starts.map((start, k) => lines.slice(start, starts[k + 1] ?? lines.length - 1));
  return {head: lines.slice(0, starts[0]), blocks};
}

/**
 * A submission made of another's blocks: without its second block (a test case left out),
 * with its fourth block's first row changed in `changed` cells (another count or verdict),
 * and with its third block once more at the end (a test case answered twice). Its path, and
 * the number of cells changed.
 */
function variedSubmission(dir, input, submission) {
  const text = readFileSync(submission, 'latin1');
  const {head, blocks} = cutBlocks(text, nativeDiagnosis(input, submission));
  const fourth = [...blocks[3]];
  const row = fourth[1].split('');
  let changed = 0;
  for (let j = 0; j < row.length && changed < 5; j += 7) {
    if (row[j] === '.') {
      row[j] = '#';
      changed += 1;
    }
  }
  fourth[1] = row.join('');
  const varied = [blocks[0], blocks[2], fourth, ...blocks.slice(4), blocks[2]];
  const path = join(dir, 'varied.txt');
  writeFileSync(path, [...head, ...varied.flat()].join('\n') + '\n', 'latin1');
  return {path, changed, testCase: nativeDiagnosis(input, submission).blocks[3].testCase};
}

/** Per test case, a submission's first answer and its number of blocks, as the native diagnosis gives them. */
function nativeAnswers(diagnosis, testCases) {
  const answers = Array.from({length: testCases}, () => ({blocks: 0, verdict: '', count: ''}));
  for (const block of diagnosis.blocks) {
    const answer = answers[block.testCase - 1];
    if (answer.blocks++ === 0) {
      answer.verdict = block.verdict;
      answer.count = block.verdict === 'accepted' ? String(block.nearPairs) : '';
    }
  }
  return answers;
}

/** Gives the page an input file and submissions through its pickers, both emptied first. */
async function pickMany(tab, input, submissions) {
  await tab.setInputFiles('#submission-file', []);
  await tab.setInputFiles('#input-file', input);
  await tab.setInputFiles('#submission-file', submissions);
}

/** The comparison's rows as the page lists them, from their data attributes. */
async function listedRows(tab) {
  return tab.$$eval('#comparison li', (items) => items.map((item) => ({...item.dataset})));
}

/** Checks the listed comparison of a and b against the native diagnoses of each. */
async function checkComparison(t, tab, what, [a, b], testCases) {
  const rows = await listedRows(tab);
  const [expectedA, expectedB] = [nativeAnswers(a, testCases), nativeAnswers(b, testCases)];
  const wrong = [];
  const summary = {rose: 0, fell: 0, same: 0, changed: 0};
  for (let k = 0; k < testCases; ++k) {
    const [x, y] = [expectedA[k], expectedB[k]];
    const row = rows[k] ?? {};
    const difference = x.count !== '' && y.count !== '' ? String(Number(y.count) - Number(x.count)) : '';
    const same = row.testCase === String(k + 1) && row.verdictA === x.verdict &&
        row.countA === x.count && row.verdictB === y.verdict && row.countB === y.count &&
        row.blocksA === String(x.blocks) && row.blocksB === String(y.blocks) &&
        row.difference === difference;
    if (!same) wrong.push('test case ' + (k + 1) + ': ' + JSON.stringify(row));
    summary[x.verdict !== y.verdict ? 'changed' : difference === '' || difference === '0' ? 'same' :
      Number(difference) > 0 ? 'rose' : 'fell'] += 1;
  }
  await check(t, rows.length === testCases && wrong.length === 0, what + ': every test case\'s row ' +
              'gives both native verdicts, counts, numbers of blocks and the difference' +
              (wrong.length ? ': ' + wrong.slice(0, 3).join('; ') : ''));
  const line = await tab.textContent('#comparison-summary');
  await check(t, line.startsWith('count rose: ' + summary.rose + ', fell: ' + summary.fell +
                                 ', stayed the same: ' + summary.same + ', verdict changed: ' +
                                 summary.changed), what + ': the summary line: ' + line);
  return summary;
}

/** The page's list of submissions against the native diagnoses. */
async function checkList(t, tab, diagnoses) {
  const listed = await tab.$$eval('#submissions li', (items) => items.map((item) => ({...item.dataset})));
  const expected = diagnoses.map((diagnosis) => {
    const accepted = diagnosis.blocks.filter((block) => block.verdict === 'accepted');
    return {accepted: String(accepted.length), refused: String(diagnosis.blocks.length - accepted.length),
            nearPairs: String(accepted.reduce((sum, block) => sum + block.nearPairs, 0))};
  });
  await check(t, listed.length === diagnoses.length && expected.every((wanted, s) =>
    listed[s].accepted === wanted.accepted && listed[s].refused === wanted.refused &&
    listed[s].nearPairs === wanted.nearPairs), 'the list gives each submission\'s accepted and ' +
    'refused blocks and its near pairs over accepted blocks: ' + JSON.stringify(listed));
}

test('several small submissions: the list, the keys, the comparison', async (t) => {
  const dir = workDir('submissions');
  const ok = generate(join(dir, 'ok'), 'ok', 6, 60);
  const refused = generate(join(dir, 'refuse-all'), 'refuse-all', 6, 60);
  const varied = variedSubmission(dir, ok.input, ok.submission);
  const files = [ok.submission, refused.submission, varied.path];
  const diagnoses = files.map((file) => nativeDiagnosis(ok.input, file));
  const viewer = await openViewer();
  const tab = viewer.tab;
  try {
    await finished(tab, () => pickMany(tab, ok.input, files));
    await checkList(t, tab, diagnoses);
    // The keys switch between submissions on the shown test case.
    const shownTestCase = () => tab.evaluate(() => ({current: window.mrezovnikViewer.current,
                                                      testCase: window.mrezovnikViewer.block?.record.testCase}));
    await tab.evaluate((testCase) => window.mrezovnikViewer.showTestCase(testCase), varied.testCase);
    await tab.waitForFunction((testCase) => window.mrezovnikViewer.block?.record.testCase === testCase,
                              varied.testCase);
    const steps = [];
    for (const key of [']', ']', ']', '[']) {
      await tab.keyboard.press(key);
      await tab.waitForFunction(() => document.querySelector('#submissions li.current') &&
                                window.mrezovnikViewer.block?.submission === window.mrezovnikViewer.current);
      steps.push(await shownTestCase());
    }
    await check(t, steps.map((step) => step.current).join() === '1,2,2,1' &&
                steps.every((step) => step.testCase === varied.testCase),
                '] and [ switch to the next and previous submission on the same test case: ' +
                JSON.stringify(steps));
    // The comparison of the first and the third.
    const result = await tab.evaluate(() => window.mrezovnikViewer.compare(0, 2));
    const summary = await checkComparison(t, tab, 'small', [diagnoses[0], diagnoses[2]], 6);
    await check(t, JSON.stringify(result.summary) === JSON.stringify(summary),
                'compare() gives the same summary: ' + JSON.stringify(result.summary));
    const missing = await tab.$$eval('#comparison li[data-blocks-b="0"], #comparison li[data-blocks-b="2"]',
                                     (items) => items.map((item) => item.textContent));
    await check(t, missing.length === 2 && missing.some((text) => text.includes('not answered')) &&
                missing.some((text) => text.includes('answered by 2 blocks')),
                'the rows say which test case B left out and which it answered twice: ' + missing.join(' / '));
    // The pair on the same cell and zoom, and the cells in which they differ.
    await tab.click('#comparison li[data-test-case="' + varied.testCase + '"]');
    await tab.waitForFunction((testCase) => window.mrezovnikViewer.block?.record.testCase === testCase &&
                              document.getElementById('differing-cells').textContent !== '',
                              varied.testCase);
    await tab.click('#zoom-in');
    const before = await tab.evaluate(() => ({view: window.mrezovnikViewer.view,
                                               current: window.mrezovnikViewer.current}));
    await tab.keyboard.press('v');
    await tab.waitForFunction(() => window.mrezovnikViewer.block?.submission === 2);
    const after = await tab.evaluate(() => ({view: window.mrezovnikViewer.view,
                                              current: window.mrezovnikViewer.current,
                                              testCase: window.mrezovnikViewer.block.record.testCase}));
    await check(t, before.current === 0 && after.current === 2 && after.testCase === varied.testCase &&
                JSON.stringify(before.view) === JSON.stringify(after.view),
                'v shows the pair\'s other submission on the same cell and zoom');
    await tab.keyboard.press('m');
    const marked = await tab.evaluate(() => document.getElementById('differing-cells').textContent);
    await check(t, marked === varied.changed + ' cells differ' &&
                await tab.isChecked('#mark-differences'),
                'm marks the cells that differ, and the page counts them: ' + marked);
    await tab.click('#stop-comparing');
    await check(t, await tab.isVisible('#blocks') && !await tab.isVisible('#comparison'),
                'back to the block list');
    await checkNoErrors(t, viewer.errors);
  } finally {
    await viewer.close();
  }
});

test('the input file and two submissions dropped together, in any order', async (t) => {
  const read = (name) => readFileSync(join(root, 'examples', name), 'latin1');
  const files = [['submission-rejected.txt', read('submission-rejected.txt')],
                 ['input.txt', read('input.txt')],
                 ['submission-accepted.txt', read('submission-accepted.txt')]];
  const viewer = await openViewer();
  const tab = viewer.tab;
  try {
    await finished(tab, () => tab.evaluate((dropped) => {
      const transfer = new DataTransfer();
      for (const [name, text] of dropped) transfer.items.add(new File([text], name));
      document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true,
                                                         cancelable: true}));
    }, files));
    const listed = await tab.$$eval('#submissions li b', (items) => items.map((item) => item.textContent));
    await check(t, listed.join() === '1. submission-rejected.txt,2. submission-accepted.txt',
                'the input is told from the submissions, which keep their order: ' + listed.join(', '));
    await checkNoErrors(t, viewer.errors);
  } finally {
    await viewer.close();
  }
});

test('two full-size submissions compared as the native diagnosis of each gives them', async (t) => {
  const dir = workDir('submissions-full');
  const ok = generate(join(dir, 'ok'), 'ok');
  const varied = variedSubmission(dir, ok.input, ok.submission);
  const diagnoses = [ok.submission, varied.path].map((file) => nativeDiagnosis(ok.input, file));
  const viewer = await openViewer();
  const tab = viewer.tab;
  try {
    const alone = [];
    for (const file of [ok.submission, varied.path]) {
      const shown = await finished(tab, () => pickMany(tab, ok.input, [file]), 120000);
      alone.push(shown.timings.diagnosed);
    }
    await finished(tab, () => pickMany(tab, ok.input, [ok.submission, varied.path]), 120000);
    await tab.evaluate(() => window.mrezovnikViewer.compare(0, 1));
    await checkList(t, tab, diagnoses);
    await checkComparison(t, tab, 'full size', diagnoses, 100);
    const timings = await tab.evaluate(() => window.mrezovnikViewer.timings);
    const took = timings.diagnosed + timings.compared;
    const limit = 1.1 * (alone[0] + alone[1]);
    console.log('     each diagnosed alone after ' + alone.map(Math.round).join(' and ') +
                ' ms; both diagnosed and compared after ' + Math.round(took) +
                ' ms (the comparison itself ' + timings.compared.toFixed(1) + ' ms)');
    await check(t, took <= limit, 'the comparison of two takes at most the time to diagnose ' +
                'each plus 10% (' + Math.round(took) + ' ms, at most ' + Math.round(limit) + ')');
    await checkNoErrors(t, viewer.errors);
  } finally {
    await viewer.close();
  }
});
