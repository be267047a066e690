// The canvas under the pointer: the wheel zooms, a drag pans, and the hovered cell is named
// with its white and black counts against b and c, which the worker computes. This module
// alone writes the hovered cell and the run's counts of it.
import {$} from './dom.js';
import {CanvasSize, cellAt, pan, zoom} from './grid_canvas.js';
import {say} from './status.js';

/** The name of a cell character in the page's language. */
function colourName(viewer, code) {
  const colours = viewer.texts.colours;
  const codes = viewer.run.block.cellCodes;
  return code === codes.black ? colours.black : code === codes.red ? colours.red :
      code === codes.white ? colours.white : colours.byte(code);
}

/** Names the hovered cell as the messages do, with its white and black counts against b, c. */
export function renderCounts(viewer) {
  const block = viewer.run.block;
  const counts = viewer.run.counts;
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

/** Lets go of the hovered cell's counts, as another block (or none) is shown. */
export function forgetCounts(viewer) {
  viewer.run.counts = null;
  renderCounts(viewer);
}

/** Keeps the counts of the hovered cell that the worker computed, and shows them. */
export function showCounts(viewer, counts) {
  const hovered = viewer.hovered;
  const block = viewer.run.block;
  if (!block || block.submission !== counts.submission || !hovered ||
      hovered.row !== counts.row || hovered.column !== counts.column) {
    return;
  }
  viewer.run.counts = counts;
  renderCounts(viewer);
}

/** Asks the worker for the counts of the cell under the pointer. */
function hover(viewer, cell) {
  const same = cell && viewer.hovered && cell.row === viewer.hovered.row &&
      cell.column === viewer.hovered.column;
  if (same) return;
  viewer.hovered = cell;
  viewer.run.counts = null;
  if (!cell || !viewer.run.block) {
    $('cell').textContent = '';
    return;
  }
  viewer.worker.postMessage({type: 'counts', run: viewer.run.number,
                             submission: viewer.run.block.submission, ...cell});
}

/** The canvas point of a pointer event. */
function canvasPoint(viewer, event) {
  const box = viewer.canvas.getBoundingClientRect();
  return [(event.clientX - box.left) * CanvasSize / box.width,
          (event.clientY - box.top) * CanvasSize / box.height];
}

/** Wheel zoom, drag to pan, hover for the counts. */
export function bindCanvas(viewer) {
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
    if (drag && viewer.run.block) {
      pan(viewer, px - drag[0], py - drag[1]);
      drag = [px, py];
    }
    hover(viewer, cellAt(viewer, px, py));
  });
}
