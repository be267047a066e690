// What the page does with each message of the worker: progress, each submission's report,
// its blocks' verdicts as they are judged, a shown block, a cell's counts, the timings.
import {appendBlocks, markNamedBlock, renderRefusedCount, showStop} from './block_list.js';
import {showCounts} from './cell_counts.js';
import {$} from './dom.js';
import {takeBlock} from './shown_block.js';
import {setStatus, say} from './status.js';
import {renderSubmissionList} from './submission_list.js';

/** Shows how far the worker has judged, or that it evaluates the first submission. */
function showProgress(viewer, {submission, label, loaded, total, judged}) {
  const run = viewer.run;
  run.timings.progressEvents = (run.timings.progressEvents ?? 0) + 1;
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

/** Shows the shown submission's report as written, and marks the block that it names. */
export function renderReport(viewer) {
  const submission = viewer.run.submissions[viewer.run.current];
  $('report').textContent = submission?.report ?? '';
  $('report-note').textContent = submission?.reportLeftOut > 0 ?
      say(viewer, 'reportGoesOn', submission.reportLeftOut) : '';
  $('exit-code').textContent = submission?.reportIn ? String(submission.exitCode) : '';
  $('download').href = submission?.reportUrl || '#';
  $('download').download = submission ? 'report-' + submission.name : 'report.txt';
  if (submission?.reportIn) markNamedBlock(viewer);
}

/** Keeps a submission's report, and shows it if the submission is the shown one. */
function takeReport(viewer, message) {
  const run = viewer.run;
  const submission = run.submissions[message.submission];
  if (message.submission === 0) {
    run.timings.report = performance.now() - run.started;
    run.timings.worker = message.timings;
    setStatus(viewer, {evaluation: ['evaluated', run.timings.report]});
  }
  Object.assign(submission, {reportIn: true, refusedAt: message.refusedAt, report: message.report,
                             exitCode: message.exitCode,
                             reportLeftOut: message.reportBytes.length - message.report.length,
                             reportUrl: URL.createObjectURL(new Blob([message.reportBytes]))});
  if (message.submission === run.current) renderReport(viewer);
  viewer.updateState();
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
  }
  renderSubmissionList(viewer);
  if (!message.done || run.submissions.some((other) => !other.diagnosisDone)) return;
  run.diagnosisDone = true;
  run.timings.diagnosed = performance.now() - run.started;
  $('progress').hidden = true;
  const judged = run.submissions.reduce((sum, other) => sum + other.judged, 0);
  setStatus(viewer, {diagnosis: ['judged', judged, run.timings.diagnosed]});
  document.body.dataset.diagnosis = 'done';
  for (const resolve of run.waiting.splice(0)) resolve();
  viewer.updateState();
}

/** Handles each message of the worker that belongs to the run under way. */
export function onWorkerMessage(viewer, message) {
  const run = viewer.run;
  if (message.run !== run.number) return;
  if (message.type === 'progress') showProgress(viewer, message);
  else if (message.type === 'report') takeReport(viewer, message);
  else if (message.type === 'blocks') takeBlocks(viewer, message);
  else if (message.type === 'block') takeBlock(viewer, message);
  else if (message.type === 'counts') showCounts(viewer, message);
  else if (message.type === 'timings') run.timings.worker = message.timings;
  else if (message.type === 'failed') {
    setStatus(viewer, {evaluation: ['failed', message.error], firstView: null, diagnosis: null});
    $('progress').hidden = true;
    document.body.dataset.state = 'failed';
    for (const resolve of run.waiting.splice(0)) resolve();
  }
}
