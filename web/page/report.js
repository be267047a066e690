// The report of the shown submission as the evaluator wrote it, its exit code, the link that
// downloads it whole, and a note where the page shows only its start.
import {markNamedBlock} from './block_list.js';
import {$} from './dom.js';
import {say} from './status.js';

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
