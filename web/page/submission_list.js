// The list of the run's submissions, in the order in which they were picked: each one's
// accepted and refused blocks and its near-pair count summed over its accepted blocks, the
// shown one marked; the two pickers of a comparison; and the switch to another submission.
// This module alone writes which submission the run shows.
import {renderBlockList} from './block_list.js';
import {$} from './dom.js';
import {renderReport} from './report.js';
import {chooseBlock, showTestCase} from './shown_block.js';
import {updateState} from './status.js';

/** One submission's list item. */
function submissionItem(viewer, submission, s) {
  const item = document.createElement('li');
  const accepted = submission.judged - submission.refused;
  Object.assign(item.dataset, {index: s, accepted, refused: submission.refused,
                               nearPairs: submission.acceptedNearPairs,
                               done: submission.diagnosisDone ? 'yes' : 'no'});
  if (s === viewer.run.current) item.className = 'current';
  const name = document.createElement('b');
  name.textContent = (s + 1) + '. ' + submission.name;
  item.append(name, ': ' + viewer.texts.submissionSummary(accepted, submission.refused,
                                                          submission.acceptedNearPairs) +
              (submission.diagnosisDone ? '' : viewer.texts.stillJudging));
  item.onclick = () => switchSubmission(viewer, s);
  return item;
}

/** Fills a comparison picker with the submissions, keeping its choice where it can. */
function fillPicker(picker, submissions, preferred) {
  const chosen = picker.value === '' ? preferred : Number(picker.value);
  picker.textContent = '';
  submissions.forEach((submission, s) => {
    const option = document.createElement('option');
    option.value = s;
    option.textContent = (s + 1) + '. ' + submission.name;
    picker.appendChild(option);
  });
  picker.value = String(Math.min(chosen, submissions.length - 1));
}

/** Lists the run's submissions in the page's language; the comparison needs two of them. */
export function renderSubmissionList(viewer) {
  const submissions = viewer.run.submissions;
  const list = $('submissions');
  list.textContent = '';
  submissions.forEach((submission, s) => list.appendChild(submissionItem(viewer, submission, s)));
  $('submission-panel').hidden = submissions.length < 2;
  fillPicker($('compare-a'), submissions, 0);
  fillPicker($('compare-b'), submissions, 1);
}

/**
 * Shows submission s: its report and blocks, and its kept block `index` if one is given, else
 * the shown test case's block in it.
 */
export function switchSubmission(viewer, s, index = -1) {
  const run = viewer.run;
  if (s < 0 || s >= run.submissions.length || s === run.current) return;
  const testCase = run.block?.record.testCase ?? run.missingTestCase;
  run.current = s;
  if (!run.submissions[s].reportIn) {
    viewer.worker.postMessage({type: 'report', run: run.number, submission: s});
  }
  renderReport(viewer);
  renderBlockList(viewer);
  renderSubmissionList(viewer);
  updateState(viewer);
  if (index >= 0) {
    chooseBlock(viewer, s, index);
    return;
  }
  if (testCase) {
    showTestCase(viewer, s, testCase);
    return;
  }
  const blocks = run.submissions[s].blocks;
  const refused = blocks.findIndex((record) => record.faultTotal > 0);
  if (blocks.length) chooseBlock(viewer, s, Math.max(0, refused));
}
