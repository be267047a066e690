// The best of the loaded submissions in one file: for each test case, the best block among
// them that is valid on its own, merged by the module's copy of mrezovnik-merge (worker.js)
// into the same bytes as `mrezovnik-merge INPUT SUBMISSION... --better higher|lower` writes,
// the submissions taken in the order loaded. The reader says which counts are better: the page
// never assumes it. This module alone writes the run's merges asked for and the note on the
// last one.
import {$} from './dom.js';
import {whenDiagnosed} from './page_messages.js';
import {saveFile} from './save_file.js';
import {say} from './status.js';
import {noteDuration} from './timings.js';

/** The directions of --better, as its words. */
export const Directions = ['higher', 'lower'];

/** The name of the downloaded file of a direction. */
export const mergedFileName = (better) => 'merged-' + better + '.txt';

/**
 * Resolves, once every submission is diagnosed, to their merge as the worker makes it: its
 * bytes (as 'bytes') or a text of one character a byte (as 'text'); rejects with what stopped
 * the merge.
 */
export async function askMerge(viewer, better, as) {
  if (!Directions.includes(better)) {
    throw new RangeError('better is \'higher\' or \'lower\', not ' + JSON.stringify(better));
  }
  const run = viewer.run;
  if (run.submissions.length === 0) throw new RangeError('no submissions are loaded');
  await whenDiagnosed(run);
  if (run !== viewer.run) throw new Error('a newer run replaced the merged one');
  return new Promise((resolve, reject) => {
    const id = ++run.merges.asked;
    run.merges.waiting.set(id, {resolve, reject, started: performance.now()});
    viewer.worker.postMessage({type: 'merge', run: run.number, id, better, as});
  });
}

/** Hands a merge that the worker made to whoever asked for it, and notes how long it took. */
export function takeMerged(viewer, message) {
  const run = viewer.run;
  const asker = run.merges.waiting.get(message.id);
  if (!asker) return;
  run.merges.waiting.delete(message.id);
  noteDuration(run, 'merged', asker.started);
  if (message.problem !== undefined) asker.reject(new Error(message.problem));
  else asker.resolve(message.text ?? message.bytes);
}

/** Lets whoever waits for a merge of a run know that none will come, and why. */
export function abandonMerges(run, why) {
  for (const {reject} of run.merges.waiting.values()) reject(new Error(why));
  run.merges.waiting.clear();
}

/** Shows the note on the run's last merge in the page's language. */
export function renderMergeNote(viewer) {
  const note = viewer.run.mergeNote;
  $('merge-note').textContent = note ? say(viewer, ...note) : '';
  $('merge-note').dataset.state = note ? note[0] : '';
}

/** Sets the note on a run's last merge, and shows it if the run is still on the page. */
function setMergeNote(viewer, run, note) {
  run.mergeNote = note;
  if (run === viewer.run) renderMergeNote(viewer);
}

/**
 * Downloads the merge of the run's submissions as merged-<better>.txt; where the input file
 * has a fault or the merge stops, its message shows instead.
 */
export async function downloadMerge(viewer, better) {
  const run = viewer.run;
  setMergeNote(viewer, run, ['merging']);
  try {
    const bytes = await askMerge(viewer, better, 'bytes');
    saveFile(new Blob([bytes], {type: 'text/plain'}), mergedFileName(better));
    setMergeNote(viewer, run, ['merged', mergedFileName(better)]);
  } catch (error) {
    setMergeNote(viewer, run, ['mergeFailed', error.message]);
  }
}
