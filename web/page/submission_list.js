// The list of the run's submissions, in the order in which they were picked: each one's
// accepted and refused blocks and its near-pair count summed over its accepted blocks, the
// shown one marked; and the two pickers of a comparison.
import {$} from './dom.js';

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
  item.onclick = () => viewer.switchSubmission(s);
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
