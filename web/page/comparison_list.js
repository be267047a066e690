// The comparison's list: one row per test case with each submission's answer and the
// difference of their counts, the summary above it, and the row of the shown test case
// marked. A click on a row calls the viewer's showTestCase.
import {$} from './dom.js';

/** A count with its sign. */
const signed = (number) => (number > 0 ? '+' : number < 0 ? '\u2212' : '\u00b1') + Math.abs(number);

/** One row's list item, with its numbers in data attributes for tests and tools. */
function rowItem(viewer, row) {
  const item = document.createElement('li');
  item.className = row.direction;
  const count = (answer) => (answer.verdict === 'accepted' ? String(answer.nearPairs) : '');
  Object.assign(item.dataset, {
    testCase: row.testCase, verdictA: row.a.verdict, countA: count(row.a), blocksA: row.a.blocks,
    verdictB: row.b.verdict, countB: count(row.b), blocksB: row.b.blocks,
    difference: row.difference === null ? '' : row.difference,
  });
  const texts = viewer.texts;
  const answer = (side) => texts.answer(side.verdict, side.nearPairs, side.blocks);
  item.textContent = texts.comparisonRow(row.testCase, answer(row.a), answer(row.b),
                                         row.difference === null ? null : signed(row.difference));
  item.onclick = () => viewer.showTestCase(row.testCase);
  return item;
}

/** Lists the run's comparison, if any, in the page's language; else shows the block list. */
export function renderComparison(viewer) {
  const comparison = viewer.run.comparison;
  document.body.dataset.comparing = comparison ? 'yes' : 'no';
  $('comparison').textContent = '';
  $('comparison-summary').textContent = '';
  $('comparison-heading').textContent = '';
  if (!comparison) return;
  const texts = viewer.texts;
  const names = comparison.pair.map((s) => viewer.run.submissions[s].name);
  $('comparison-heading').textContent = texts.comparisonHeading(...names);
  const {rose, fell, same, changed} = comparison.summary;
  $('comparison-summary').textContent = texts.comparisonSummary(rose, fell, same, changed) +
      '. ' + texts.comparisonNote;
  const fragment = document.createDocumentFragment();
  for (const row of comparison.rows) fragment.appendChild(rowItem(viewer, row));
  $('comparison').appendChild(fragment);
  markComparedTestCase(viewer);
}

/** Marks the row of the shown block's test case. */
export function markComparedTestCase(viewer) {
  for (const item of $('comparison').querySelectorAll('li.chosen')) item.classList.remove('chosen');
  const block = viewer.run.block;
  const item = block && $('comparison').querySelector('li[data-test-case="' + block.record.testCase + '"]');
  if (!item) return;
  item.classList.add('chosen');
  item.scrollIntoView({block: 'nearest'});
}
