// The status line above the lists: the first view, the evaluation and the diagnosis, each a
// text key with its arguments, spoken in the page's language; this module alone writes the
// run's status. And the page's state, which the tests wait on and styles may use.
import {$} from './dom.js';
import {shownSubmission} from './run_state.js';

/** A text of the page's language: a fixed one, or one made of `args`. */
export function say(viewer, key, ...args) {
  const text = viewer.texts[key];
  return typeof text === 'function' ? text(...args) : text;
}

/** Shows the status line from its parts: the first view, the evaluation, the diagnosis. */
export function renderStatus(viewer) {
  const {evaluation, firstView, diagnosis} = viewer.run.status;
  $('status').textContent = [firstView, evaluation, diagnosis].filter(Boolean)
      .map((part) => say(viewer, ...part)).join(', ');
}

/** Sets parts of the status line and shows it. */
export function setStatus(viewer, parts) {
  Object.assign(viewer.run.status, parts);
  renderStatus(viewer);
}

/** Sets the page's state for the tests and for styles: what has come so far. */
export function updateState(viewer) {
  const run = viewer.run;
  if (!shownSubmission(run).reportIn) return;
  if (run.block || run.missingTestCase) document.body.dataset.state = 'shown';
  else if (run.diagnosisDone) document.body.dataset.state = shownSubmission(run).blocks.length ? 'report' : 'done';
  else document.body.dataset.state = 'report';
}
