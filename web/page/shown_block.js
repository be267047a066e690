// The block on the screen: which block of which submission the page asks the worker for, and
// how a block that came is shown, with its selected fault; with a comparison, the pair's two
// blocks of one test case, either of which the grid shows on the same cell and zoom, and the
// cells in which they differ. This module alone writes the run's shown block, its image, its
// selected fault, the test case that the shown submission does not answer, and the pair's
// blocks and their differences.
import {markChosenBlock} from './block_list.js';
import {forgetCounts} from './cell_counts.js';
import {markComparedTestCase} from './comparison_list.js';
import {$} from './dom.js';
import {markSelectedFault, renderFaults} from './fault_list.js';
import {differenceImage, draw, fitView, gridImage, jumpToFault} from './grid_canvas.js';
import {shownSubmission} from './run_state.js';
import {say, setStatus, updateState} from './status.js';
import {noteTime} from './timings.js';

/** The other submission of the compared pair, or -1. */
function partner(run, s) {
  const pair = run.comparison?.pair;
  return !pair ? -1 : pair[0] === s ? pair[1] : pair[1] === s ? pair[0] : -1;
}

/** Asks the worker for kept block `index` of submission s; `keepView` keeps cell and zoom. */
export function chooseBlock(viewer, s, index, keepView = false) {
  const run = viewer.run;
  run.keepView = keepView;
  if (s === run.current) markChosenBlock(index);
  viewer.worker.postMessage({type: 'block', run: run.number, submission: s, index,
                             keep: partner(run, s)});
}

/** The index of submission s's first kept block that answers a test case, or -1. */
export function firstBlockOf(run, s, testCase) {
  return run.submissions[s].blocks.findIndex((record) => record.testCase === testCase);
}

/** Lets go of the compared pair's blocks and their differences, as a comparison starts or ends. */
export function forgetPairBlocks(run) {
  run.pairBlocks = {};
  run.differences = null;
}

/** The shown block's test case and parameters. */
export function renderBlockTitle(viewer) {
  const block = viewer.run.block;
  const run = viewer.run;
  const pair = run.comparison?.pair;
  const showing = block && pair ? ' \u2014 ' + say(viewer, 'showing', pair[0] === run.current ?
    'A' : 'B', shownSubmission(run).name) : '';
  $('block-title').textContent = block ?
      say(viewer, 'blockTitle', block.record.testCase, block.n, block.d, block.b, block.c) +
      showing : run.missingTestCase ? say(viewer, 'notAnswered', run.missingTestCase) : '';
  $('differing-cells').textContent = run.differences && block ?
      say(viewer, 'differingCells', run.differences.count) : '';
}

/** Draws a block on the canvas with its faults, on the same view if asked to keep it. */
function displayBlock(viewer, block, keepView) {
  const run = viewer.run;
  run.block = block;
  run.missingTestCase = 0;
  run.image = gridImage(block);
  const pair = run.comparison?.pair;
  const other = pair && run.pairBlocks[partner(run, block.submission)];
  run.differences = other && other.record.testCase === block.record.testCase &&
      other.n === block.n ? differenceImage(block, other) : null;
  renderBlockTitle(viewer);
  $('block-message').textContent = block.message;
  forgetCounts(viewer);
  markChosenBlock(block.index);
  markComparedTestCase(viewer);
  renderFaults(viewer);
  if (keepView) draw(viewer);
  else if (block.selected >= 0) jumpToFault(viewer);
  else fitView(viewer);
}

/** Shows a block that the worker sent: on the canvas if its submission is the shown one. */
export function takeBlock(viewer, message) {
  const run = viewer.run;
  noteTime(run, 'blockArrived');
  const keepView = message.submission === run.current && run.keepView && run.block !== null;
  const block = {...message, selected: message.faults.length && !keepView ? 0 : -1};
  if (run.comparison) run.pairBlocks[message.submission] = block;
  if (message.submission === run.current) {
    displayBlock(viewer, block, keepView);
  } else if (run.block && partner(run, run.block.submission) === message.submission) {
    displayBlock(viewer, run.block, true);
  }
  if (run.timings.firstView === undefined && run.block) {
    setStatus(viewer, {firstView: ['firstView', noteTime(run, 'firstView')]});
  }
  updateState(viewer);
  viewer.worker.postMessage({type: 'drawn', run: run.number});
}

/**
 * Shows test case `testCase` of submission s on the same cell and zoom: its first block, with
 * a comparison also the partner's, for the cells in which they differ; a note where s does
 * not answer it.
 */
export function showTestCase(viewer, s, testCase) {
  const run = viewer.run;
  const other = partner(run, s);
  if (other >= 0) {
    const cached = run.pairBlocks[s];
    const otherIndex = firstBlockOf(run, other, testCase);
    if (otherIndex >= 0 && run.pairBlocks[other]?.record.testCase !== testCase) {
      chooseBlock(viewer, other, otherIndex, true);
    }
    if (cached && cached.record.testCase === testCase) {
      displayBlock(viewer, cached, run.block !== null);
      updateState(viewer);
      return;
    }
  }
  const index = firstBlockOf(run, s, testCase);
  if (index >= 0) {
    chooseBlock(viewer, s, index, run.block !== null);
    return;
  }
  run.block = null;
  run.image = null;
  run.differences = null;
  run.missingTestCase = testCase;
  renderBlockTitle(viewer);
  $('block-message').textContent = '';
  renderFaults(viewer);
  forgetCounts(viewer);
  draw(viewer);
}

/** Selects fault f of the shown block and centres the canvas on its cell. */
export function selectFault(viewer, f) {
  const block = viewer.run.block;
  if (!block || f < 0 || f >= block.faults.length) return;
  block.selected = f;
  markSelectedFault(viewer);
  jumpToFault(viewer);
}

/** Selects the next fault (step 1) or the previous one (step -1), stopping at either end. */
export function stepFault(viewer, step) {
  const block = viewer.run.block;
  if (!block || block.faults.length === 0) return;
  selectFault(viewer, Math.max(0, Math.min(block.faults.length - 1, block.selected + step)));
}
