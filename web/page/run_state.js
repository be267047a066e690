// What the page holds for one run (one input file and its submissions), made by one function
// for the page's start and for every new run alike (viewer.js's startRun replaces it). Each
// piece has one module that writes it:
//   submissions' verdicts, counts, stops, answers and reports; diagnosisDone, waiting
//                                                     page_messages.js
//   current (the shown submission)                    submission_list.js
//   block (with its selected fault), image, keepView, missingTestCase, pairBlocks, differences
//                                                     shown_block.js
//   counts (the hovered cell's)                       cell_counts.js
//   comparison                                        compare.js
//   merges (those asked of the worker), mergeNote     merge_download.js
//   status                                            status.js
//   timings                                           timings.js

/**
 * One submission's state: its name, the kept blocks' verdicts in submission order, the stop,
 * the counts, the report, and once diagnosed, how it answered each test case. Its grids are
 * not kept: the worker reads a shown block again.
 */
export function newSubmission(name) {
  return {name, blocks: [], stop: null, judged: 0, refused: 0, acceptedNearPairs: 0,
          refusedAt: 0, reportIn: false, report: '', reportUrl: '', exitCode: '',
          reportLeftOut: 0, diagnosisDone: false, answers: null};
}

/**
 * A run's state: its number, when its files were given, its timings, its submissions, the one
 * shown, the shown block (`block`: {submission, index, record, message, n, d, b, c, cellCodes,
 * inputCells, cells, faults, selected}) and its image at one pixel a cell, the hovered
 * cell's counts, the status line's parts, who waits for the whole diagnosis, the
 * comparison, if any, with the pair's blocks of the shown test case and where they differ, and
 * the merges asked for ({asked, waiting: id -> {resolve, reject, started}}) with the note on
 * the last one.
 */
export function newRun(number, names) {
  return {number, started: performance.now(), timings: {}, submissions: names.map(newSubmission),
          current: 0, block: null, image: null, counts: null, status: {},
          diagnosisDone: names.length === 0, waiting: [], comparison: null, pairBlocks: {},
          differences: null, keepView: false, missingTestCase: 0,
          merges: {asked: 0, waiting: new Map()}, mergeNote: null};
}

/** The submission that the page shows. */
export function shownSubmission(run) {
  return run.submissions[run.current] ?? newSubmission('');
}
