// Two submissions of one input side by side, test case by test case: each one's verdict and
// count by its first block answering the test case, the difference of the counts, and how
// many test cases rose, fell, stayed the same or changed verdict; and the marks of the cells
// in which the pair's blocks of the shown test case differ. This module alone writes the
// run's comparison. The page does not say which direction is better: the contest's rules
// decide that.
import {markChosenBlock} from './block_list.js';
import {renderComparison} from './comparison_list.js';
import {$} from './dom.js';
import {draw} from './grid_canvas.js';
import {renderLegend} from './legend.js';
import {whenDiagnosed} from './page_messages.js';
import {forgetPairBlocks, renderBlockTitle, showTestCase} from './shown_block.js';
import {switchSubmission} from './submission_list.js';
import {noteDuration} from './timings.js';

/** How a row's two answers compare: 'changed', 'rose', 'fell' or 'same'. */
function direction(a, b) {
  if (a.verdict !== b.verdict) return 'changed';
  if (a.verdict !== 'accepted' || a.nearPairs === b.nearPairs) return 'same';
  return b.nearPairs > a.nearPairs ? 'rose' : 'fell';
}

/**
 * The comparison of two submissions' answers per test case (module_api.js's answers()): a
 * row per test case, and the number of rows of each direction.
 */
export function compareAnswers(a, b) {
  const summary = {rose: 0, fell: 0, same: 0, changed: 0};
  const rows = a.map((answerA, t) => {
    const answerB = b[t];
    const both = answerA.verdict === 'accepted' && answerB.verdict === 'accepted';
    const row = {testCase: t + 1, a: answerA, b: answerB, direction: direction(answerA, answerB),
                 difference: both ? answerB.nearPairs - answerA.nearPairs : null};
    summary[row.direction] += 1;
    return row;
  });
  return {rows, summary};
}

/**
 * Compares submissions a and b (indices in the order in which they were picked), once both
 * are diagnosed: lists each test case's answers, and shows a's block of the shown test case.
 * Resolves to the comparison's rows and summary.
 */
export async function compare(viewer, a, b) {
  const run = viewer.run;
  const count = run.submissions.length;
  if (![a, b].every((s) => Number.isInteger(s) && s >= 0 && s < count) || a === b) {
    throw new RangeError('compare needs two different submissions of the ' + count + ' loaded');
  }
  await whenDiagnosed(run);
  if (run !== viewer.run) throw new Error('a newer run replaced the compared one');
  const started = performance.now();
  const {rows, summary} = compareAnswers(run.submissions[a].answers, run.submissions[b].answers);
  run.comparison = {pair: [a, b], rows, summary};
  forgetPairBlocks(run);
  const testCase = run.block?.record.testCase || run.missingTestCase ||
      (rows.length ? rows[0].testCase : 0);
  renderComparison(viewer);
  if (run.current !== a) switchSubmission(viewer, a);
  else if (testCase) showTestCase(viewer, a, testCase);
  noteDuration(run, 'compared', started);
  return {pair: [a, b], rows, summary};
}

/** Ends the comparison: the block list again. */
export function stopComparing(viewer) {
  const run = viewer.run;
  run.comparison = null;
  forgetPairBlocks(run);
  renderComparison(viewer);
  renderBlockTitle(viewer);
  if (run.block) markChosenBlock(run.block.index);
  draw(viewer);
}

/** Turns the marks of the cells in which the compared blocks differ on or off. */
export function markDifferences(viewer, on) {
  viewer.markDifferences = on;
  $('mark-differences').checked = on;
  renderLegend(viewer);
  draw(viewer);
}
