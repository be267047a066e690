// The status line above the lists: the first view, the evaluation and the diagnosis, each a
// text key with its arguments, spoken in the page's language.
import {$} from './dom.js';

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
