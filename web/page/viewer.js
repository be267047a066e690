// The viewer's page: starts the worker (and with it the WebAssembly module) as the page
// opens, gives it an input file and any number of submissions, and shows each submission's
// report (report.js) and blocks (block_list.js), the chosen block on the grid canvas
// (shown_block.js, grid_canvas.js) with its faults (fault_list.js), the list of submissions
// (submission_list.js), a comparison of two of them (compare.js), a chart of their counts
// (chart.js) and their merge (merge_download.js), in the reader's language (language.js),
// driven by the controls and keys (controls.js) and the worker's messages (page_messages.js). Each piece of a run's state has one module that writes it (run_state.js
// lists them); this one makes the viewer and starts each run.
import WorkerSource from 'bundled:worker';
import {bindCanvas} from './cell_counts.js';
import {bindChart, renderChart} from './chart.js';
import {compare, stopComparing} from './compare.js';
import {renderComparison} from './comparison_list.js';
import {bindControls, bindKeys} from './controls.js';
import {$} from './dom.js';
import {kindVocabulary} from './fault_kinds.js';
import {draw} from './grid_canvas.js';
import {Texts} from './i18n.js';
import {bindLanguage} from './language.js';
import {abandonMerges, askMerge, renderMergeNote, takeMerged} from './merge_download.js';
import {onWorkerMessage, unknownTask} from './page_messages.js';
import {newRun, shownSubmission} from './run_state.js';
import {chooseBlock, firstBlockOf, selectFault, showTestCase} from './shown_block.js';
import {setStatus} from './status.js';
import {renderSubmissionList, switchSubmission} from './submission_list.js';

/**
 * Starts a new run: the worker diagnoses and evaluates each submission against the input.
 * This function alone replaces the viewer's run.
 */
function startRun(viewer, input, submissions) {
  for (const submission of viewer.run.submissions) URL.revokeObjectURL(submission.reportUrl);
  abandonMerges(viewer.run, 'a newer run replaced the merged one');
  viewer.runs += 1;
  viewer.run = newRun(viewer.runs, submissions.map((file) => file.name));
  for (const id of ['report', 'report-note', 'blocks', 'exit-code', 'block-title',
                    'block-message', 'cell', 'faults', 'refused-count', 'differing-cells']) {
    $(id).textContent = '';
  }
  setStatus(viewer, {evaluation: ['reading', input.name,
                                  submissions.map((file) => file.name).join(', ')]});
  $('progress').hidden = false;
  $('progress').value = 0;
  document.body.dataset.state = 'working';
  document.body.dataset.diagnosis = 'running';
  renderSubmissionList(viewer);
  renderComparison(viewer);
  renderChart(viewer);
  renderMergeNote(viewer);
  draw(viewer);
  viewer.worker.postMessage({type: 'open', run: viewer.run.number, input, submissions});
}

/**
 * The viewer: its worker, started at once, the canvas, the language, the view, the task as
 * the module defines it (unknown until the module has started) and the run, empty so far;
 * and what the lists call back.
 */
function createViewer() {
  const source = new Blob([WorkerSource], {type: 'text/javascript'});
  const canvas = $('grid');
  const viewer = {
    worker: new Worker(URL.createObjectURL(source)),
    canvas,
    context: canvas.getContext('2d', {willReadFrequently: true}),
    language: 'en',
    texts: Texts.en,
    view: {scale: 1, x: 0, y: 0},
    hovered: null,
    markDifferences: false,
    task: unknownTask(),
    runs: 0,
    run: newRun(0, []),
  };
  Object.assign(viewer, {
    open: (input, submissions) => startRun(viewer, input, submissions),
    chooseBlock: (s, index) => chooseBlock(viewer, s, index),
    selectFault: (f) => selectFault(viewer, f),
    showTestCase: (testCase) => showTestCase(viewer, viewer.run.current, testCase),
    takeMerged: (message) => takeMerged(viewer, message),
  });
  viewer.worker.onmessage = (event) => onWorkerMessage(viewer, event.data);
  return viewer;
}

/**
 * What the page offers its tests and other scripts: the view, the run, the fault kinds with
 * the page's words and marks for them, compare(), and mergedSubmission(better), which
 * resolves to the merged submission's text ('higher' or 'lower' counts better), one character
 * a byte, as `mrezovnik-merge INPUT SUBMISSION... --better` writes it for the loaded files in
 * their order, and rejects with the input file's failure line or what else stopped the merge.
 */
function publicView(viewer) {
  return {
    get view() { return viewer.view; },
    get block() { return viewer.run.block; },
    get blocks() { return shownSubmission(viewer.run).blocks; },
    get stop() { return shownSubmission(viewer.run).stop; },
    get timings() { return viewer.run.timings; },
    get current() { return viewer.run.current; },
    get submissions() {
      return viewer.run.submissions.map(({name, judged, refused, acceptedNearPairs, diagnosisDone}) =>
        ({name, accepted: judged - refused, refused, acceptedNearPairs, diagnosisDone}));
    },
    get faultKinds() { return kindVocabulary(viewer.task.faultKinds); },
    compare: (a, b) => compare(viewer, a, b),
    stopComparing: () => stopComparing(viewer),
    show: (s) => switchSubmission(viewer, s),
    showTestCase: (testCase) => showTestCase(viewer, viewer.run.current, testCase),
    firstBlockOf: (s, testCase) => firstBlockOf(viewer.run, s, testCase),
    mergedSubmission: (better) => askMerge(viewer, better, 'text'),
  };
}

const viewer = createViewer();
bindLanguage(viewer);
bindCanvas(viewer);
bindChart(viewer);
bindControls(viewer);
bindKeys(viewer);
draw(viewer);
window.mrezovnikViewer = publicView(viewer);
