// The viewer's page: picks the two files, has the worker diagnose and evaluate them, shows
// the report, the block list (block_list.js) and the chosen block on the grid canvas
// (grid_canvas.js) with its faults (fault_list.js) and the counts of the cell under the
// pointer, in the reader's language (i18n.js).
'use strict';

/* global MrezovnikWorkerSource, MrezovnikExamples, CanvasSize, gridImage, fitView, jumpToFault,
   zoom, draw, cellAt, FaultMarks, drawLegendMark, Texts, chooseLanguage, LanguageStorageKey,
   appendBlocks, renderBlockList, showStop, renderRefusedCount, markNamedBlock,
   markChosenBlock, renderFaults, bindFaultKeys */

const $ = (id) => document.getElementById(id);

/** Everything the page shows; one object, passed around, not global state of the module. */
function createViewer() {
  const source = new Blob([MrezovnikWorkerSource], {type: 'text/javascript'});
  const viewer = {
    worker: new Worker(URL.createObjectURL(source)),
    canvas: $('grid'),
    language: 'en',
    texts: Texts.en,
    // The shown block: {index, record, message, n, d, b, c, cellCodes, inputCells, cells,
    // faults, selected}, `selected` being the index of the selected fault or -1, and
    // `cellCodes` the codes of the red, black and white cell characters, from the module.
    block: null,
    image: null,      // the block's grid at one pixel a cell
    view: {scale: 1, x: 0, y: 0},
    started: 0,
    timings: {},
    blocks: [],       // the kept blocks' verdicts, in submission order
    stop: null,       // {check, message, line} when a fault stopped the reading
    judged: 0,
    refused: 0,
    refusedAt: 0,     // the header line of the block that the report names, or 0
    reportIn: false,
    diagnosisDone: false,
    status: {},       // the status line's parts, each [text key, ...arguments]
    reportLeftOut: 0, // the report's bytes not shown
    hovered: null,
    counts: null,     // the hovered cell's counts from the worker
    run: 0,           // the latest evaluation; messages of older ones are dropped
  };
  viewer.context = viewer.canvas.getContext('2d', {willReadFrequently: true});
  viewer.worker.onmessage = (event) => onWorkerMessage(viewer, event.data);
  return viewer;
}

/** A text of the page's language: a fixed one, or one made of `args`. */
function say(viewer, key, ...args) {
  const text = viewer.texts[key];
  return typeof text === 'function' ? text(...args) : text;
}

/** Shows the status line from its parts: the first view, the evaluation, the diagnosis. */
function renderStatus(viewer) {
  const {evaluation, firstView, diagnosis} = viewer.status;
  $('status').textContent = [firstView, evaluation, diagnosis].filter(Boolean)
      .map((part) => say(viewer, ...part)).join(', ');
}

/** Sets parts of the status line and shows it. */
function setStatus(viewer, parts) {
  Object.assign(viewer.status, parts);
  renderStatus(viewer);
}

/** Sends a pair of files to the worker. */
function evaluate(viewer, input, submission) {
  Object.assign(viewer, {started: performance.now(), timings: {}, block: null, image: null,
                         blocks: [], stop: null, judged: 0, refused: 0, refusedAt: 0,
                         reportIn: false, diagnosisDone: false, status: {}, reportLeftOut: 0,
                         counts: null});
  for (const id of ['report', 'report-note', 'blocks', 'exit-code', 'block-title',
                    'block-message', 'cell', 'faults', 'refused-count']) {
    $(id).textContent = '';
  }
  setStatus(viewer, {evaluation: ['reading', input.name, submission.name]});
  $('progress').hidden = false;
  $('progress').value = 0;
  document.body.dataset.state = 'working';
  document.body.dataset.diagnosis = 'running';
  draw(viewer);
  viewer.run += 1;
  viewer.worker.postMessage({type: 'evaluate', run: viewer.run, input, submission});
}

/** Handles each message of the worker. */
function onWorkerMessage(viewer, message) {
  if (message.run !== viewer.run) return;
  if (message.type === 'progress') showProgress(viewer, message);
  else if (message.type === 'report') showReport(viewer, message);
  else if (message.type === 'blocks') takeBlocks(viewer, message);
  else if (message.type === 'block') showBlock(viewer, message);
  else if (message.type === 'counts') showCounts(viewer, message);
  else if (message.type === 'timings') viewer.timings.worker = message.timings;
  else if (message.type === 'failed') {
    setStatus(viewer, {evaluation: ['failed', message.error], firstView: null, diagnosis: null});
    $('progress').hidden = true;
    document.body.dataset.state = 'failed';
  }
}

/** Shows how far the worker has read, judged or evaluated. */
function showProgress(viewer, {label, loaded, total, judged}) {
  viewer.timings.progressEvents = (viewer.timings.progressEvents ?? 0) + 1;
  if (label === 'files') {
    $('progress').value = total ? loaded / total : 1;
    setStatus(viewer, {evaluation: ['readingFiles', loaded, total]});
  } else if (label === 'evaluating') {
    setStatus(viewer, {evaluation: ['evaluating']});
  } else {
    $('progress').value = total ? loaded / total : 1;
    if (!viewer.reportIn && viewer.status.evaluation?.[0] !== 'evaluating') {
      setStatus(viewer, {evaluation: null});
    }
    setStatus(viewer, {diagnosis: ['judging', judged, loaded, total]});
  }
}

/** Sets the page's state for the tests and for styles: what has come so far. */
function updateState(viewer) {
  if (!viewer.reportIn) return;
  if (viewer.block) document.body.dataset.state = 'shown';
  else if (viewer.diagnosisDone) document.body.dataset.state = viewer.blocks.length ? 'report' : 'done';
  else document.body.dataset.state = 'report';
}

/** Shows the report as written, and marks the block that it names. */
function showReport(viewer, message) {
  viewer.timings.report = performance.now() - viewer.started;
  viewer.timings.worker = message.timings;
  viewer.reportIn = true;
  viewer.refusedAt = message.refusedAt;
  setStatus(viewer, {evaluation: ['evaluated', viewer.timings.report]});
  viewer.reportLeftOut = message.reportBytes.length - message.report.length;
  $('report').textContent = message.report;
  renderReportNote(viewer);
  $('exit-code').textContent = String(message.exitCode);
  const download = $('download');
  URL.revokeObjectURL(download.href);
  download.href = URL.createObjectURL(new Blob([message.reportBytes]));
  markNamedBlock(viewer);
  updateState(viewer);
}

/** Tells how much of the report is not shown, if any. */
function renderReportNote(viewer) {
  $('report-note').textContent = viewer.reportLeftOut > 0 ?
      say(viewer, 'reportGoesOn', viewer.reportLeftOut) : '';
}

/** Lists newly judged blocks; at the end, the stop and the time of the whole diagnosis. */
function takeBlocks(viewer, message) {
  appendBlocks(viewer, message.blocks);
  viewer.judged = message.judged;
  viewer.refused = message.refused;
  renderRefusedCount(viewer);
  if (!message.done) return;
  viewer.diagnosisDone = true;
  viewer.timings.diagnosed = performance.now() - viewer.started;
  if (message.stop) showStop(viewer, message.stop);
  $('progress').hidden = true;
  setStatus(viewer, {diagnosis: ['judged', message.judged, viewer.timings.diagnosed]});
  document.body.dataset.diagnosis = 'done';
  updateState(viewer);
}

/** Asks the worker for the grids and faults of one block. */
function chooseBlock(viewer, index) {
  markChosenBlock(index);
  viewer.worker.postMessage({type: 'block', run: viewer.run, index});
}

/** Draws a block that the worker sent, lists its faults and selects the first of them. */
function showBlock(viewer, message) {
  viewer.timings.blockArrived ??= performance.now() - viewer.started;
  viewer.block = {...message, selected: message.faults.length ? 0 : -1};
  viewer.image = gridImage(message);
  viewer.counts = null;
  renderBlockTitle(viewer);
  $('block-message').textContent = message.message;
  $('cell').textContent = '';
  markChosenBlock(message.index);
  renderFaults(viewer);
  if (viewer.block.selected >= 0) jumpToFault(viewer); else fitView(viewer);
  if (viewer.timings.firstView === undefined) {
    viewer.timings.firstView = performance.now() - viewer.started;
    setStatus(viewer, {firstView: ['firstView', viewer.timings.firstView]});
  }
  updateState(viewer);
  viewer.worker.postMessage({type: 'drawn', run: viewer.run});
}

/** The shown block's test case and parameters. */
function renderBlockTitle(viewer) {
  const block = viewer.block;
  $('block-title').textContent = block ?
      say(viewer, 'blockTitle', block.record.testCase, block.n, block.d, block.b, block.c) : '';
}

/** The name of a cell character in the page's language. */
function colourName(viewer, code) {
  const colours = viewer.texts.colours;
  const codes = viewer.block.cellCodes;
  return code === codes.black ? colours.black : code === codes.red ? colours.red :
      code === codes.white ? colours.white : colours.byte(code);
}

/** Keeps the counts of the hovered cell that the worker computed, and shows them. */
function showCounts(viewer, counts) {
  const hovered = viewer.hovered;
  if (!viewer.block || !hovered || hovered.row !== counts.row ||
      hovered.column !== counts.column) {
    return;
  }
  viewer.counts = counts;
  renderCounts(viewer);
}

/** Names the hovered cell as the messages do, with its white and black counts against b, c. */
function renderCounts(viewer) {
  const block = viewer.block;
  const counts = viewer.counts;
  if (!block || !counts) {
    $('cell').textContent = '';
    return;
  }
  const {row, column, white, black} = counts;
  const k = row * block.n + column;
  const blackCode = block.cellCodes.black;
  const painted = block.cells[k] === blackCode && block.inputCells[k] !== blackCode ?
      viewer.texts.painted : '';
  $('cell').textContent = say(viewer, 'cellPlace', column + 1, row + 1) + ': ' +
      colourName(viewer, block.cells[k]) + painted + '\n' +
      say(viewer, 'cellCounts', block.d, white, block.b, black, block.c);
}

/** The canvas point of a pointer event. */
function canvasPoint(viewer, event) {
  const box = viewer.canvas.getBoundingClientRect();
  return [(event.clientX - box.left) * CanvasSize / box.width,
          (event.clientY - box.top) * CanvasSize / box.height];
}

/** Wheel zoom, drag to pan, hover for the counts. */
function bindCanvas(viewer) {
  const canvas = viewer.canvas;
  let drag = null;
  canvas.addEventListener('wheel', (event) => {
    event.preventDefault();
    zoom(viewer, event.deltaY < 0 ? 1.25 : 0.8, ...canvasPoint(viewer, event));
  }, {passive: false});
  canvas.addEventListener('pointerdown', (event) => {
    drag = canvasPoint(viewer, event);
    canvas.setPointerCapture(event.pointerId);
  });
  canvas.addEventListener('pointerup', () => { drag = null; });
  canvas.addEventListener('pointermove', (event) => {
    const [px, py] = canvasPoint(viewer, event);
    if (drag && viewer.block) {
      viewer.view = {...viewer.view, x: viewer.view.x + px - drag[0],
                     y: viewer.view.y + py - drag[1]};
      drag = [px, py];
      draw(viewer);
    }
    hover(viewer, cellAt(viewer, px, py));
  });
}

/** Asks the worker for the counts of the cell under the pointer. */
function hover(viewer, cell) {
  const same = cell && viewer.hovered && cell.row === viewer.hovered.row &&
      cell.column === viewer.hovered.column;
  if (same) return;
  viewer.hovered = cell;
  viewer.counts = null;
  if (!cell) {
    $('cell').textContent = '';
    return;
  }
  viewer.worker.postMessage({type: 'counts', run: viewer.run, row: cell.row, column: cell.column});
}

/** The input file and the submission among dropped files: the input starts with the task name. */
async function sortDropped(files) {
  const heads = await Promise.all(files.map((file) => file.slice(0, 10).text()));
  const inputIndex = heads.findIndex((head) => /^Mrezovje\r?\n/.test(head));
  return inputIndex === 1 ? [files[1], files[0]] : [files[0], files[1]];
}

/** The file pickers, the drop zone, the examples and the zoom buttons. */
function bindControls(viewer) {
  const pickers = [$('input-file'), $('submission-file')];
  const picked = () => {
    if (pickers[0].files[0] && pickers[1].files[0]) {
      evaluate(viewer, pickers[0].files[0], pickers[1].files[0]);
    }
  };
  pickers.forEach((picker) => picker.addEventListener('change', picked));
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
    if (files.length !== 2) {
      setStatus(viewer, {evaluation: ['dropTwo'], firstView: null, diagnosis: null});
      return;
    }
    evaluate(viewer, ...await sortDropped(files));
  });
  const example = (submission) => evaluate(viewer,
      new File([MrezovnikExamples.input], 'input.txt'),
      new File([MrezovnikExamples[submission]], 'submission-' + submission + '.txt'));
  $('example-accepted').onclick = () => example('accepted');
  $('example-refused').onclick = () => example('rejected');
  $('zoom-in').onclick = () => zoom(viewer, 1.5, CanvasSize / 2, CanvasSize / 2);
  $('zoom-out').onclick = () => zoom(viewer, 1 / 1.5, CanvasSize / 2, CanvasSize / 2);
  $('zoom-fit').onclick = () => viewer.block && fitView(viewer);
  $('zoom-refused').onclick = () => viewer.block && jumpToFault(viewer);
  $('only-refused').onchange = (event) => {
    $('blocks').classList.toggle('refused-only', event.target.checked);
  };
}

/** The legend of the fault marks: each kind's mark as the canvas draws it, and its name. */
function renderFaultLegend(viewer) {
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
  renderFaultLegend(viewer);
  renderStatus(viewer);
  renderReportNote(viewer);
  renderBlockList(viewer);
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

(() => {
  const viewer = createViewer();
  bindLanguage(viewer);
  bindCanvas(viewer);
  bindControls(viewer);
  bindFaultKeys(viewer);
  draw(viewer);
  // The browser tests read the view and the timings from here.
  window.mrezovnikViewer = viewer;
})();
