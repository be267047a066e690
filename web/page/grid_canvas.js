// The viewer's grid canvas: one block's grid at one pixel a cell, drawn scaled with zoom and
// pan, with patterns once cells are large enough, a mark on every listed fault, and the
// outline of the selected fault and its neighbourhood. Each function takes the page's viewer
// object (see viewer.js); none keeps state of its own. This module alone writes the view
// (the scale and where the grid lies on the canvas).
import {FaultMarks} from './fault_kinds.js';

/** The canvas's width and height in pixels. */
export const CanvasSize = 720;
/** The largest zoom, in pixels a cell. */
const MaxCellPixels = 48;
/** From this many pixels a cell on, cells carry their patterns. */
const PatternCellPixels = 6;
/** The cell colours (red, green, blue) and the selected fault's outline. */
export const Colours = {
  white: [255, 255, 255],
  black: [0, 0, 0],
  painted: [85, 85, 85],
  red: [213, 94, 0],
  outline: '#00c8ff',
  difference: [255, 0, 255],
};

/** The least size of a fault mark in canvas pixels, so that marks show on a whole grid. */
const MinMarkPixels = 10;

/** A colour as one pixel of an ImageData seen as 32-bit words (little-endian RGBA). */
function pixelWord([red, green, blue]) {
  return (255 << 24 | blue << 16 | green << 8 | red) >>> 0;
}

/** The grid at one pixel a cell, on a canvas of its own. Cells that the submission painted
 * black are set apart from the input's own black cells. */
export function gridImage({n, inputCells, cells, cellCodes}) {
  const image = new ImageData(n, n);
  const pixels = new Uint32Array(image.data.buffer);
  const white = pixelWord(Colours.white);
  const black = pixelWord(Colours.black);
  const painted = pixelWord(Colours.painted);
  const red = pixelWord(Colours.red);
  for (let k = 0; k < n * n; ++k) {
    const cell = cells[k];
    pixels[k] = cell === cellCodes.black ?
        (inputCells[k] === cellCodes.black ? black : painted) :
        cell === cellCodes.red ? red : white;
  }
  const canvas = document.createElement('canvas');
  canvas.width = canvas.height = n;
  canvas.getContext('2d').putImageData(image, 0, 0);
  return canvas;
}

/**
 * The cells in which two blocks of one test case differ, at one pixel a cell on a canvas of
 * their own, drawn in the difference colour over a clear ground; and how many there are.
 */
export function differenceImage(a, b) {
  const n = a.n;
  const image = new ImageData(n, n);
  const pixels = new Uint32Array(image.data.buffer);
  const colour = pixelWord(Colours.difference);
  let count = 0;
  for (let k = 0; k < n * n; ++k) {
    if (a.cells[k] !== b.cells[k]) {
      pixels[k] = colour;
      count += 1;
    }
  }
  const canvas = document.createElement('canvas');
  canvas.width = canvas.height = n;
  canvas.getContext('2d').putImageData(image, 0, 0);
  return {canvas, count};
}

/** The scale at which the whole grid fills the canvas. */
function fitScale(n) {
  return Math.min(MaxCellPixels, CanvasSize / n);
}

/** Shows the whole grid. */
export function fitView(viewer) {
  const scale = fitScale(viewer.run.block.n);
  const side = scale * viewer.run.block.n;
  const margin = Math.round((CanvasSize - side) / 2);
  viewer.view = {scale, x: margin, y: margin};
  draw(viewer);
}

/** The selected fault's cell, or null. */
function selectedCell(viewer) {
  const block = viewer.run.block;
  return block && block.selected >= 0 ? block.faults[block.selected] : null;
}

/** Centres the selected fault's cell, with its neighbourhood filling most of the canvas. */
export function jumpToFault(viewer) {
  const cell = selectedCell(viewer);
  if (!cell) return;
  const {n, d} = viewer.run.block;
  const span = Math.min(n, 2 * d + 1) + 2;
  const scale = Math.max(fitScale(n), Math.min(MaxCellPixels, Math.floor(CanvasSize / span)));
  viewer.view = {scale, x: Math.round(CanvasSize / 2 - (cell.column + 0.5) * scale),
                 y: Math.round(CanvasSize / 2 - (cell.row + 0.5) * scale)};
  draw(viewer);
}

/** Moves the grid by (dx, dy) canvas pixels. */
export function pan(viewer, dx, dy) {
  viewer.view = {...viewer.view, x: viewer.view.x + dx, y: viewer.view.y + dy};
  draw(viewer);
}

/** Zooms by `factor` around the canvas point (px, py). */
export function zoom(viewer, factor, px, py) {
  if (!viewer.run.block) return;
  const view = viewer.view;
  const scale = Math.max(fitScale(viewer.run.block.n) / 2, Math.min(MaxCellPixels,
                                                                  view.scale * factor));
  viewer.view = {scale, x: px - (px - view.x) * scale / view.scale,
                 y: py - (py - view.y) * scale / view.scale};
  draw(viewer);
}

/** Draws the grid, the patterns once cells are large enough, and the outlines. */
export function draw(viewer) {
  const context = viewer.context;
  context.fillStyle = '#cccccc';
  context.fillRect(0, 0, CanvasSize, CanvasSize);
  if (!viewer.run.block) return;
  const {scale, x, y} = viewer.view;
  const n = viewer.run.block.n;
  context.imageSmoothingEnabled = false;
  context.drawImage(viewer.run.image, x, y, n * scale, n * scale);
  if (scale >= PatternCellPixels) drawPatterns(viewer);
  if (viewer.markDifferences && viewer.run.differences) drawDifferences(viewer);
  drawFaultMarks(viewer);
  if (selectedCell(viewer)) drawSelected(viewer);
}

/** Covers the cells in which the compared blocks differ, half see-through. */
function drawDifferences(viewer) {
  const context = viewer.context;
  const {scale, x, y} = viewer.view;
  const n = viewer.run.block.n;
  if (viewer.run.differences.canvas.width !== n) return;
  context.save();
  context.globalAlpha = 0.7;
  context.drawImage(viewer.run.differences.canvas, x, y, n * scale, n * scale);
  context.restore();
}

/** Adds a fault kind's shape, centred on (cx, cy) and `size` wide, to the context's path. */
function traceMark(context, shape, cx, cy, size) {
  const h = size / 2;
  if (shape === 'cross') {
    context.moveTo(cx - h, cy - h);
    context.lineTo(cx + h, cy + h);
    context.moveTo(cx + h, cy - h);
    context.lineTo(cx - h, cy + h);
  } else if (shape === 'circle') {
    context.moveTo(cx + h, cy);
    context.arc(cx, cy, h, 0, 2 * Math.PI);
  } else if (shape === 'star') {
    for (let k = 0; k < 10; ++k) {
      const angle = Math.PI * (k / 5 - 0.5);
      const radius = k % 2 ? h * 0.45 : h;
      context[k ? 'lineTo' : 'moveTo'](cx + radius * Math.cos(angle), cy + radius * Math.sin(angle));
    }
    context.closePath();
  } else if (shape === 'diamond') {
    context.moveTo(cx, cy - h);
    context.lineTo(cx + h, cy);
    context.lineTo(cx, cy + h);
    context.lineTo(cx - h, cy);
    context.closePath();
  } else {
    const tip = shape === 'triangleUp' ? -h : h;
    context.moveTo(cx, cy + tip);
    context.lineTo(cx + h, cy - tip);
    context.lineTo(cx - h, cy - tip);
    context.closePath();
  }
}

/** Draws the marks of one fault kind at the given centres, `size` wide. */
function drawMarks(context, kind, centres, size) {
  const {shape, colour} = FaultMarks[kind];
  const width = Math.max(2, size / 9);
  context.save();
  context.lineJoin = 'round';
  context.beginPath();
  for (const [cx, cy] of centres) traceMark(context, shape, cx, cy, size);
  context.strokeStyle = '#000000';
  context.lineWidth = width + 2;
  context.stroke();
  context.strokeStyle = colour;
  context.lineWidth = width;
  context.stroke();
  context.restore();
}

/** Marks every listed fault of the shown block that is in view, one path per kind. */
function drawFaultMarks(viewer) {
  const {scale, x, y} = viewer.view;
  const size = Math.max(MinMarkPixels, scale * 0.7);
  const reach = size / 2 + 4;
  const byKind = {};
  for (const fault of viewer.run.block.faults) {
    const cx = x + (fault.column + 0.5) * scale;
    const cy = y + (fault.row + 0.5) * scale;
    if (cx < -reach || cy < -reach || cx > CanvasSize + reach || cy > CanvasSize + reach) continue;
    (byKind[fault.kind] ??= []).push([cx, cy]);
  }
  for (const kind of viewer.task.faultKinds) {
    if (byKind[kind]) drawMarks(viewer.context, kind, byKind[kind], size);
  }
}

/** Draws one fault kind's mark alone on a small canvas, as the legend shows it. */
export function drawLegendMark(canvas, kind) {
  const context = canvas.getContext('2d');
  context.clearRect(0, 0, canvas.width, canvas.height);
  drawMarks(context, kind, [[canvas.width / 2, canvas.height / 2]], canvas.width - 6);
}

/** The cells in view, as [first row, last row) and [first column, last column). */
function visibleCells(viewer) {
  const {scale, x, y} = viewer.view;
  const n = viewer.run.block.n;
  const clamp = (value) => Math.max(0, Math.min(n, value));
  return {top: clamp(Math.floor(-y / scale)), bottom: clamp(Math.ceil((CanvasSize - y) / scale)),
          left: clamp(Math.floor(-x / scale)), right: clamp(Math.ceil((CanvasSize - x) / scale))};
}

/** Hatches red cells and marks painted cells with a white square, so hue is not alone. */
function drawPatterns(viewer) {
  const context = viewer.context;
  const {scale, x, y} = viewer.view;
  const {n, inputCells, cells, cellCodes} = viewer.run.block;
  const {top, bottom, left, right} = visibleCells(viewer);
  context.strokeStyle = '#ffffff';
  context.lineWidth = Math.max(1, scale / 8);
  context.beginPath();
  for (let i = top; i < bottom; ++i) {
    for (let j = left; j < right; ++j) {
      const k = i * n + j;
      const cx = x + j * scale;
      const cy = y + i * scale;
      if (cells[k] === cellCodes.red) {
        context.moveTo(cx, cy + scale);
        context.lineTo(cx + scale, cy);
      } else if (cells[k] === cellCodes.black && inputCells[k] !== cellCodes.black) {
        context.rect(cx + scale * 0.3, cy + scale * 0.3, scale * 0.4, scale * 0.4);
      }
    }
  }
  context.stroke();
  if (scale >= 12) {
    context.strokeStyle = '#999999';
    context.lineWidth = 1;
    context.beginPath();
    for (let i = top; i <= bottom; ++i) {
      context.moveTo(x + left * scale, y + i * scale);
      context.lineTo(x + right * scale, y + i * scale);
    }
    for (let j = left; j <= right; ++j) {
      context.moveTo(x + j * scale, y + top * scale);
      context.lineTo(x + j * scale, y + bottom * scale);
    }
    context.stroke();
  }
}

/** Outlines the selected fault's cell and, dashed, its neighbourhood of radius d. */
function drawSelected(viewer) {
  const context = viewer.context;
  const {scale, x, y} = viewer.view;
  const {n, d} = viewer.run.block;
  const cell = selectedCell(viewer);
  const top = Math.max(0, cell.row - d);
  const left = Math.max(0, cell.column - d);
  const bottom = Math.min(n, cell.row + d + 1);
  const right = Math.min(n, cell.column + d + 1);
  context.save();
  context.lineWidth = 4;
  context.strokeStyle = '#000000';
  context.strokeRect(x + left * scale - 2, y + top * scale - 2, (right - left) * scale + 4,
                     (bottom - top) * scale + 4);
  context.strokeStyle = Colours.outline;
  context.setLineDash([10, 4]);
  context.strokeRect(x + left * scale - 2, y + top * scale - 2, (right - left) * scale + 4,
                     (bottom - top) * scale + 4);
  context.setLineDash([]);
  context.strokeRect(x + cell.column * scale - 2, y + cell.row * scale - 2, scale + 4,
                     scale + 4);
  context.restore();
}

/** The cell under a canvas point, from 0, or null outside the grid. */
export function cellAt(viewer, px, py) {
  if (!viewer.run.block) return null;
  const {scale, x, y} = viewer.view;
  const row = Math.floor((py - y) / scale);
  const column = Math.floor((px - x) / scale);
  const n = viewer.run.block.n;
  return row >= 0 && row < n && column >= 0 && column < n ? {row, column} : null;
}
