// What the page does with each message of the worker: the module's task name and fault kinds,
// progress, each submission's report, its blocks' verdicts as they are judged, a shown block,
// a cell's counts, a merge, the timings. This module alone writes what the worker tells of each
// submission (its verdicts, counts, stop, answers and report), whether the whole run is
// diagnosed, who waits for that, and the task as the module defines it.
import {appendBlocks, renderRefusedCount, showStop} from './block_list.js';
import {showCounts} from './cell_counts.js';
import {renderChart} from './chart.js';
import {$} from './dom.js';
import {renderLegend} from './legend.js';
import {renderReport} from './report.js';
import {takeBlock} from './shown_block.js';
import {setStatus, updateState} from './status.js';
import {renderSubmissionList} from './submission_list.js';
import {countProgress, keepWorkerTimings, noteTime} from './timings.js';

/** The task before the module has told it: no name, no fault kinds yet. */
export function unknownTask() {
  return {name: '', faultKinds: [], waiting: []};
}

/** Resolves to the task (its name and fault kinds) once the module has told it. */
export function whenTaskKnown(viewer) {
  const task = viewer.task;
  return task.name ? Promise.resolve(task) : new Promise((resolve) => task.waiting.push(resolve));
}

/** Resolves once every submission of the run is diagnosed. */
export function whenDiagnosed(run) {
  return run.diagnosisDone ? Promise.resolve() : new Promise((resolve) => run.waiting.push(resolve));
}

/** Keeps the module's task name and fault kinds, in its order, and shows the marks' legend. */
function takeTask(viewer, {taskName, faultKinds}) {
  const waiting = viewer.task.waiting;
  viewer.task = {name: taskName, faultKinds, waiting: []};
  renderLegend(viewer);
  for (const resolve of waiting) resolve(viewer.task);
}

/** Shows how far the worker has judged, or that it evaluates the first submission. */
function showProgress(viewer, {submission, label, loaded, total, judged}) {
  const run = viewer.run;
  countProgress(run);
  if (label === 'evaluating') {
    // The status line times the first submission's report; the others' follow quietly.
    if (submission === 0) setStatus(viewer, {evaluation: ['evaluating']});
    return;
  }
  $('progress').value = total ? loaded / total : 1;
  if (!run.submissions[0].reportIn && run.status.evaluation?.[0] !== 'evaluating') {
    setStatus(viewer, {evaluation: null});
  }
  setStatus(viewer, {diagnosis: label === 'checkingInput' ? ['checkingInput', loaded, total] :
    ['judging', judged, loaded, total]});
}

/** Keeps a submission's report, and shows it if the submission is the shown one. */
function takeReport(viewer, message) {
  const run = viewer.run;
  const submission = run.submissions[message.submission];
  if (message.submission === 0) {
    keepWorkerTimings(run, message.timings);
    setStatus(viewer, {evaluation: ['evaluated', noteTime(run, 'report')]});
  }
  Object.assign(submission, {reportIn: true, refusedAt: message.refusedAt, report: message.report,
                             exitCode: message.exitCode,
                             reportLeftOut: message.reportBytes.length - message.report.length,
                             reportUrl: URL.createObjectURL(new Blob([message.reportBytes]))});
  if (message.submission === run.current) renderReport(viewer);
  updateState(viewer);
}

/** Lists newly judged blocks; at a submission's end, its stop; at the run's end, the time. */
function takeBlocks(viewer, message) {
  const run = viewer.run;
  const s = message.submission;
  const submission = run.submissions[s];
  const from = submission.blocks.length;
  submission.blocks.push(...message.blocks);
  Object.assign(submission, {judged: message.judged, refused: message.refused,
                             acceptedNearPairs: message.acceptedNearPairs});
  if (s === run.current) {
    appendBlocks(viewer, from);
    renderRefusedCount(viewer);
  }
  if (message.done) {
    Object.assign(submission, {diagnosisDone: true, stop: message.stop, answers: message.answers});
    if (message.stop && s === run.current) showStop(viewer);
    // Drawn from the second submission on: the first view never waits for it.
    renderChart(viewer);
  }
  renderSubmissionList(viewer);
  if (!message.done || run.submissions.some((other) => !other.diagnosisDone)) return;
  run.diagnosisDone = true;
  $('progress').hidden = true;
  const judged = run.submissions.reduce((sum, other) => sum + other.judged, 0);
  setStatus(viewer, {diagnosis: ['judged', judged, noteTime(run, 'diagnosed')]});
  document.body.dataset.diagnosis = 'done';
  for (const resolve of run.waiting.splice(0)) resolve();
  updateState(viewer);
}

/** Shows that the worker failed, and lets go of whoever waits for the run. */
function showFailure(viewer, message) {
  setStatus(viewer, {evaluation: ['failed', message.error], firstView: null, diagnosis: null});
  $('progress').hidden = true;
  document.body.dataset.state = 'failed';
  for (const resolve of viewer.run.waiting.splice(0)) resolve();
}

/** Handles each message of the worker: the module's, and those of the run under way. */
export function onWorkerMessage(viewer, message) {
  const run = viewer.run;
  if (message.type === 'module') {
    takeTask(viewer, message);
    return;
  }
  if (message.run !== run.number) return;
  if (message.type === 'progress') showProgress(viewer, message);
  else if (message.type === 'report') takeReport(viewer, message);
  else if (message.type === 'blocks') takeBlocks(viewer, message);
  else if (message.type === 'block') takeBlock(viewer, message);
  else if (message.type === 'counts') showCounts(viewer, message);
  else if (message.type === 'merged') viewer.takeMerged(message);
  else if (message.type === 'timings') keepWorkerTimings(run, message.timings);
  else if (message.type === 'failed') showFailure(viewer, message);
}
