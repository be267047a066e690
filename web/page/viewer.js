// The viewer's page: starts the worker (and with it the WebAssembly module) as the page
// opens, gives it an input file and any number of submissions, and shows each submission's
// report and blocks (block_list.js), the chosen block on the grid canvas (grid_canvas.js) with
// its faults (fault_list.js), the list of submissions (submission_list.js) and a comparison of
// two of them (compare.js), in the reader's language (i18n.js).
import Examples from 'bundled:examples';
import WorkerSource from 'bundled:worker';
import {markChosenBlock, renderBlockList} from './block_list.js';
import {bindCanvas, renderCounts} from './cell_counts.js';
import {compareAnswers, renderComparison} from './compare.js';
import {$} from './dom.js';
import {faultKey, renderFaults} from './fault_list.js';
import {CanvasSize, FaultMarks, draw, drawLegendMark, fitView, jumpToFault, zoom} from './grid_canvas.js';
import {Texts, LanguageStorageKey, chooseLanguage} from './i18n.js';
import {onWorkerMessage, renderReport} from './page_messages.js';
import {saveView} from './png.js';
import {newRun, shownSubmission} from './run_state.js';
import {chooseBlock, firstBlockOf, renderBlockTitle, showTestCase} from './shown_block.js';
import {renderStatus, setStatus} from './status.js';
import {renderSubmissionList} from './submission_list.js';

/** Sets the page's state for the tests and for styles: what has come so far. */
function updateState(viewer) {
  const run = viewer.run;
  if (!shownSubmission(run).reportIn) return;
  if (run.block || run.missingTestCase) document.body.dataset.state = 'shown';
  else if (run.diagnosisDone) document.body.dataset.state = shownSubmission(run).blocks.length ? 'report' : 'done';
  else document.body.dataset.state = 'report';
}

/** The page's state, with its worker started at once, and the run's, empty so far. */
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
    runs: 0,
    run: newRun(0, []),
  };
  Object.assign(viewer, {
    chooseBlock: (s, index) => chooseBlock(viewer, s, index),
    switchSubmission: (s) => switchSubmission(viewer, s),
    showTestCase: (testCase) => showTestCase(viewer, viewer.run.current, testCase),
    updateState: () => updateState(viewer),
  });
  viewer.worker.onmessage = (event) => onWorkerMessage(viewer, event.data);
  return viewer;
}

/** Starts a new run: the worker diagnoses and evaluates each submission against the input. */
function evaluate(viewer, input, submissions) {
  for (const submission of viewer.run.submissions) URL.revokeObjectURL(submission.reportUrl);
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
  draw(viewer);
  viewer.worker.postMessage({type: 'open', run: viewer.run.number, input, submissions});
}

/** Shows submission s: its report and blocks, and the shown test case's block in it. */
function switchSubmission(viewer, s) {
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
  if (testCase) {
    showTestCase(viewer, s, testCase);
    return;
  }
  const blocks = run.submissions[s].blocks;
  const refused = blocks.findIndex((record) => record.faultTotal > 0);
  if (blocks.length) chooseBlock(viewer, s, Math.max(0, refused));
}

/** Resolves once every submission of the run is diagnosed. */
function diagnosed(run) {
  return run.diagnosisDone ? Promise.resolve() : new Promise((resolve) => run.waiting.push(resolve));
}

/**
 * Compares submissions a and b (indices in the order in which they were picked), once both
 * are diagnosed: lists each test case's answers, and shows a's block of the shown test case.
 * Resolves to the comparison's rows and summary.
 */
async function compare(viewer, a, b) {
  const run = viewer.run;
  const count = run.submissions.length;
  if (![a, b].every((s) => Number.isInteger(s) && s >= 0 && s < count) || a === b) {
    throw new RangeError('compare needs two different submissions of the ' + count + ' loaded');
  }
  await diagnosed(run);
  if (run !== viewer.run) throw new Error('a newer run replaced the compared one');
  const started = performance.now();
  const {rows, summary} = compareAnswers(run.submissions[a].answers, run.submissions[b].answers);
  run.comparison = {pair: [a, b], rows, summary};
  run.pairBlocks = {};
  run.differences = null;
  const testCase = run.block?.record.testCase || run.missingTestCase ||
      (rows.length ? rows[0].testCase : 0);
  renderComparison(viewer);
  if (run.current !== a) switchSubmission(viewer, a);
  else if (testCase) showTestCase(viewer, a, testCase);
  run.timings.compared = performance.now() - started;
  return {pair: [a, b], rows, summary};
}

/** Ends the comparison: the block list again. */
function stopComparing(viewer) {
  const run = viewer.run;
  run.comparison = null;
  run.pairBlocks = {};
  run.differences = null;
  renderComparison(viewer);
  renderBlockTitle(viewer);
  if (run.block) markChosenBlock(run.block.index);
  draw(viewer);
}

/** Turns the marks of the cells in which the compared blocks differ on or off. */
function markDifferences(viewer, on) {
  viewer.markDifferences = on;
  $('mark-differences').checked = on;
  renderLegend(viewer);
  draw(viewer);
}

/** The input file and the submissions among dropped files: the input starts with the task name. */
async function sortDropped(files) {
  const heads = await Promise.all(files.map((file) => file.slice(0, 10).text()));
  const inputIndex = Math.max(0, heads.findIndex((head) => /^Mrezovje\r?\n/.test(head)));
  return [files[inputIndex], files.filter((file, k) => k !== inputIndex)];
}

/** The file pickers, the drop zone, the examples, the zoom, comparison and saving buttons. */
function bindControls(viewer) {
  const [input, submissions] = [$('input-file'), $('submission-file')];
  const picked = () => {
    if (input.files[0] && submissions.files.length) {
      evaluate(viewer, input.files[0], [...submissions.files]);
    }
  };
  input.addEventListener('change', picked);
  submissions.addEventListener('change', picked);
  const drop = document.body;
  drop.addEventListener('dragover', (event) => {
    event.preventDefault();
    $('drop').classList.add('over');
  });
  drop.addEventListener('dragleave', () => $('drop').classList.remove('over'));
  drop.addEventListener('drop', async (event) => {
    event.preventDefault();
    $('drop').classList.remove('over');
    const files = [...event.dataTransfer.files];
    if (files.length < 2) {
      setStatus(viewer, {evaluation: ['dropTwo'], firstView: null, diagnosis: null});
      return;
    }
    evaluate(viewer, ...await sortDropped(files));
  });
  const example = (submission) => evaluate(viewer, new File([Examples.input], 'input.txt'),
      [new File([Examples[submission]], 'submission-' + submission + '.txt')]);
  $('example-accepted').onclick = () => example('accepted');
  $('example-refused').onclick = () => example('rejected');
  $('zoom-in').onclick = () => zoom(viewer, 1.5, CanvasSize / 2, CanvasSize / 2);
  $('zoom-out').onclick = () => zoom(viewer, 1 / 1.5, CanvasSize / 2, CanvasSize / 2);
  $('zoom-fit').onclick = () => viewer.run.block && fitView(viewer);
  $('zoom-refused').onclick = () => viewer.run.block && jumpToFault(viewer);
  $('only-refused').onchange = (event) => {
    $('blocks').classList.toggle('refused-only', event.target.checked);
  };
  $('compare').onclick = () => window.mrezovnikViewer.compare(Number($('compare-a').value),
                                                              Number($('compare-b').value));
  $('stop-comparing').onclick = () => stopComparing(viewer);
  $('mark-differences').onchange = (event) => markDifferences(viewer, event.target.checked);
  $('save-png').onclick = () => saveView(viewer);
}

/** The keys: the faults' (fault_list.js), the submissions', the pair's and the marks'. */
function bindKeys(viewer) {
  document.addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    if (['INPUT', 'SELECT', 'TEXTAREA'].includes(event.target.tagName)) return;
    const run = viewer.run;
    const pair = run.comparison?.pair;
    if (faultKey(viewer, event)) {
      // A fault key.
    } else if (event.key === '[' || event.key === ']') {
      switchSubmission(viewer, run.current + (event.key === ']' ? 1 : -1));
    } else if (event.key === 'v' && pair) {
      switchSubmission(viewer, pair[0] === run.current ? pair[1] : pair[0]);
    } else if (event.key === 'm') {
      markDifferences(viewer, !viewer.markDifferences);
    } else {
      return;
    }
    event.preventDefault();
  });
}

/** The legend of the fault marks: each kind's mark as the canvas draws it, and its name. */
function renderLegend(viewer) {
  const legend = $('fault-legend');
  legend.textContent = '';
  for (const kind of Object.keys(FaultMarks)) {
    const entry = document.createElement('span');
    const mark = document.createElement('canvas');
    mark.width = mark.height = 18;
    drawLegendMark(mark, kind);
    entry.append(mark, viewer.texts.faultKinds[kind]);
    legend.appendChild(entry);
  }
  $('difference-legend').hidden = !viewer.markDifferences;
}

/** Speaks one language on the whole page: its fixed texts and everything shown so far. */
function applyLanguage(viewer, language) {
  viewer.language = language;
  viewer.texts = Texts[language];
  document.documentElement.lang = language;
  document.title = viewer.texts.title;
  $('language').value = language;
  for (const element of document.querySelectorAll('[data-text]')) {
    element.textContent = viewer.texts[element.dataset.text];
  }
  $('zoom-in').title = viewer.texts.zoomIn;
  $('zoom-out').title = viewer.texts.zoomOut;
  $('keys').textContent = viewer.texts.keys;
  renderLegend(viewer);
  renderStatus(viewer);
  renderReport(viewer);
  renderBlockList(viewer);
  renderSubmissionList(viewer);
  renderComparison(viewer);
  renderBlockTitle(viewer);
  renderFaults(viewer);
  renderCounts(viewer);
}

/** The language chosen before, if the browser lets the page remember one. */
function storedLanguage() {
  try {
    return localStorage.getItem(LanguageStorageKey);
  } catch {
    return null;
  }
}

/** Speaks the stored or preferred language, and remembers what the switch chooses. */
function bindLanguage(viewer) {
  const preferred = navigator.languages?.length ? navigator.languages : [navigator.language];
  applyLanguage(viewer, chooseLanguage(storedLanguage(), preferred));
  $('language').onchange = (event) => {
    try {
      localStorage.setItem(LanguageStorageKey, event.target.value);
    } catch {
      // Storage is off: the choice holds until the page is left.
    }
    applyLanguage(viewer, event.target.value);
  };
}

/** What the page offers its tests and other scripts: the view, the run, and compare(). */
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
    compare: (a, b) => compare(viewer, a, b),
    stopComparing: () => stopComparing(viewer),
    show: (s) => switchSubmission(viewer, s),
    showTestCase: (testCase) => showTestCase(viewer, viewer.run.current, testCase),
    firstBlockOf: (s, testCase) => firstBlockOf(viewer.run, s, testCase),
  };
}

const viewer = createViewer();
bindLanguage(viewer);
bindCanvas(viewer);
bindControls(viewer);
bindKeys(viewer);
draw(viewer);
window.mrezovnikViewer = publicView(viewer);
