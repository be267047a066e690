// What the worker holds for one run: one input file and its submissions.

/**
 * A run's state in the worker, the same for the first (empty) one and every new one: its
 * number, files, sizes and timings, the module's session of each submission, whose reports
 * were made, and what to do once the page has drawn a block.
 */
export function newWorkerRun(run, input, submissions) {
  return {run, input, submissions, sizes: submissions.map((file) => file.size),
          timings: {started: performance.now()}, sessions: submissions.map(() => 0),
          evaluated: submissions.map(() => false),
          dir: '', paths: null, shownOnce: false, onDrawn: () => {}};
}
