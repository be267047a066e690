// The viewer's page: picks the two files, has the worker evaluate them, shows the report
// and the blocks, and shows the chosen block on the grid canvas (grid_canvas.js) with the
// counts of the cell under the pointer.
'use strict';

/* global MrezovnikWorkerSource, MrezovnikExamples, CanvasSize, gridImage, fitView, jumpToRefused,
   zoom, draw, cellAt */

const $ = (id) => document.getElementById(id);

/** Everything the page shows; one object, passed around, not global state of the module. */
function createViewer() {
  const source = new Blob([MrezovnikWorkerSource], {type: 'text/javascript'});
  const viewer = {
    worker: new Worker(URL.createObjectURL(source)),
    canvas: $('grid'),
    block: null,      // {n, d, b, c, inputCells, cells, refused: {row, column} | null}
    image: null,      // the block's grid at one pixel a cell
    view: {scale: 1, x: 0, y: 0},
    started: 0,
    timings: {},
    blocks: [],
    run: 0,           // the latest evaluation; messages of older ones are dropped
  };
  viewer.context = viewer.canvas.getContext('2d', {willReadFrequently: true});
  viewer.worker.onmessage = (event) => onWorkerMessage(viewer, event.data);
  return viewer;
}

/** Sends a pair of files to the worker. */
function evaluate(viewer, input, submission) {
  viewer.started = performance.now();
  viewer.timings = {};
  viewer.block = null;
  viewer.image = null;
  $('report').textContent = '';
  $('report-note').textContent = '';
  $('blocks').textContent = '';
  $('exit-code').textContent = '';
  $('block-title').textContent = '';
  $('cell').textContent = '';
  $('status').textContent = 'reading ' + input.name + ' and ' + submission.name;
  $('progress').hidden = false;
  $('progress').value = 0;
  document.body.dataset.state = 'working';
  draw(viewer);
  viewer.run += 1;
  viewer.worker.postMessage({type: 'evaluate', run: viewer.run, input, submission});
}

/** Handles each message of the worker. */
function onWorkerMessage(viewer, message) {
  if (message.run !== viewer.run) return;
  if (message.type === 'progress') showProgress(viewer, message);
  else if (message.type === 'report') showReport(viewer, message);
  else if (message.type === 'block') showBlock(viewer, message);
  else if (message.type === 'counts') showCounts(viewer, message);
  else if (message.type === 'failed') {
    $('status').textContent = 'The viewer failed: ' + message.error;
    $('progress').hidden = true;
    document.body.dataset.state = 'failed';
  }
}

/** Shows how far the worker has read. */
function showProgress(viewer, {label, loaded, total}) {
  viewer.timings.progressEvents = (viewer.timings.progressEvents ?? 0) + 1;
  $('progress').value = total ? loaded / total : 1;
  const megabytes = (bytes) => (bytes / 1e6).toFixed(1);
  $('status').textContent = label === 'evaluating' ? 'evaluating ' + megabytes(total) + ' MB' :
      'reading the files: ' + megabytes(loaded) + ' of ' + megabytes(total) + ' MB';
}

/** The refused cell that a check 221 message names, from 0, or null. */
function refusedCell(report) {
  const match = /vrstici oddane datoteke\] (\d+)\. polje v (\d+)\. vrstici/.exec(report);
  return match ? {row: Number(match[2]) - 1, column: Number(match[1]) - 1} : null;
}

/** Shows the report as written and one line per block. */
function showReport(viewer, message) {
  viewer.timings.report = performance.now() - viewer.started;
  viewer.timings.worker = message.timings;
  $('progress').hidden = true;
  $('status').textContent = 'evaluated in ' + (viewer.timings.report / 1000).toFixed(2) + ' s';
  const hidden = message.reportBytes.length - message.report.length;
  $('report').textContent = message.report;
  $('report-note').textContent = hidden > 0 ?
      'The report goes on for ' + hidden + ' more bytes: download it to see them all.' : '';
  $('exit-code').textContent = String(message.exitCode);
  const download = $('download');
  URL.revokeObjectURL(download.href);
  download.href = URL.createObjectURL(new Blob([message.reportBytes]));
  const resultLines = message.report.startsWith('OK\n') ? message.report.split('\n').slice(2) : [];
  const refused = refusedCell(message.report);
  viewer.blocks = message.blocks.map((block) => ({
    ...block,
    refused: message.refusedAt === block.headerLine ? refused : null,
    text: blockText(block, resultLines[block.position - 1], message),
  }));
  listBlocks(viewer, message.leftOut);
  document.body.dataset.state = viewer.blocks.length ? 'report' : 'done';
  // The worker sends the refused block, else the first one, right after the report.
  const chosen = viewer.blocks.findIndex((block) => block.refused);
  if (viewer.blocks.length) markChosen(chosen >= 0 ? chosen : 0);
}

/** The line that the block list shows for one block. */
function blockText(block, resultLine, message) {
  const head = 'block ' + block.position + ', line ' + block.headerLine + ': test case ' +
      block.number;
  if (resultLine) return head + ', ' + resultLine.split(' ')[1] + ' near pairs';
  if (message.refusedAt === block.headerLine) {
    return head + ', refused: ' + message.report.split('\n')[0].replace(/^.*?datoteke\] /, '');
  }
  return head + ', passed';
}

/** Fills the block list; `leftOut` blocks before the last one are not listed. */
function listBlocks(viewer, leftOut) {
  const list = $('blocks');
  viewer.blocks.forEach((block, index) => {
    if (leftOut > 0 && index === viewer.blocks.length - 1) {
      const gap = document.createElement('li');
      gap.textContent = '(' + leftOut + ' more blocks, not listed)';
      list.appendChild(gap);
    }
    const item = document.createElement('li');
    item.textContent = block.text;
    item.className = block.refused ? 'refused' : 'accepted';
    item.onclick = () => chooseBlock(viewer, index);
    list.appendChild(item);
  });
}

/** Marks one block of the list as the one shown. */
function markChosen(index) {
  const items = [...$('blocks').querySelectorAll('li.accepted, li.refused')];
  items.forEach((item, k) => item.classList.toggle('chosen', k === index));
  items[index].scrollIntoView({block: 'nearest'});
}

/** Asks the worker for the grids of one block. */
function chooseBlock(viewer, index) {
  markChosen(index);
  viewer.worker.postMessage({type: 'block', run: viewer.run, index});
}

/** Draws a block that the worker sent and, for a refused one, jumps to its faulty cell. */
function showBlock(viewer, message) {
  viewer.timings.blockArrived ??= performance.now() - viewer.started;
  const {n, d, b, c, inputCells, cells} = message;
  viewer.block = {n, d, b, c, inputCells, cells, refused: viewer.blocks[message.index].refused};
  viewer.image = gridImage(n, inputCells, cells);
  $('block-title').textContent = 'test case ' + message.number + ': n = ' + n + ', d = ' + d +
      ', b = ' + b + ', c = ' + c;
  if (viewer.block.refused) jumpToRefused(viewer); else fitView(viewer);
  if (viewer.timings.firstView === undefined) {
    viewer.timings.firstView = performance.now() - viewer.started;
    $('status').textContent += ', first view after ' +
        (viewer.timings.firstView / 1000).toFixed(2) + ' s';
  }
  document.body.dataset.state = 'shown';
}

/** The name of a cell character. */
function colourName(code) {
  return code === 0x23 ? 'black' : code === 0x52 ? 'red' : code === 0x2e ? 'white' : 'byte ' + code;
}

/** Shows the counts of the hovered cell that the worker computed. */
function showCounts(viewer, {row, column, white, black}) {
  const block = viewer.block;
  if (!block || !viewer.hovered || viewer.hovered.row !== row ||
      viewer.hovered.column !== column) {
    return;
  }
  const k = row * block.n + column;
  const submitted = colourName(block.cells[k]);
  const painted = block.cells[k] === 0x23 && block.inputCells[k] !== 0x23 ? ' (painted)' : '';
  const whiteVerdict = white >= block.b ? 'at least' : 'FEWER than';
  const blackVerdict = black <= block.c ? 'at most' : 'MORE than';
  $('cell').textContent = (column + 1) + '. polje v ' + (row + 1) + '. vrstici (column ' +
      (column + 1) + ', row ' + (row + 1) + '): ' + submitted + painted + '\nwithin d = ' +
      block.d + ': ' + white + ' white, ' + whiteVerdict + ' b = ' + block.b + '; ' + black +
      ' black, ' + blackVerdict + ' c = ' + block.c;
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
      $('status').textContent = 'Drop the input file and the submission together.';
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
  $('zoom-refused').onclick = () => viewer.block && jumpToRefused(viewer);
}

(() => {
  const viewer = createViewer();
  bindCanvas(viewer);
  bindControls(viewer);
  draw(viewer);
  // The browser tests read the view and the timings from here.
  window.mrezovnikViewer = viewer;
})();
