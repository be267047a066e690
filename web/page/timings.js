// The run's timings (window.mrezovnikViewer.timings), which the browser tests and the notes on
// the viewer's speed read; this module alone writes them. Each is in ms from the moment the
// run's files were given, unless its function says otherwise.

/** Notes the time from the run's start to now as `name`, unless it was noted; the time noted. */
export function noteTime(run, name) {
  run.timings[name] ??= performance.now() - run.started;
  return run.timings[name];
}

/** Notes how long something took that began at `started` (a performance.now()), as `name`. */
export function noteDuration(run, name, started) {
  run.timings[name] = performance.now() - started;
}

/** Counts one more progress message of the worker. */
export function countProgress(run) {
  run.timings.progressEvents = (run.timings.progressEvents ?? 0) + 1;
}

/** Keeps the worker's own timings (worker.js), as `worker`. */
export function keepWorkerTimings(run, timings) {
  run.timings.worker = timings;
}
