// The page's controls: the file pickers, the drop zone, the examples, the zoom, comparison,
// merging and saving buttons, and the keys. Each calls the feature's module, and a new run the viewer's
// open().
import Examples from 'bundled:examples';
import {markDifferences, stopComparing} from './compare.js';
import {$} from './dom.js';
import {faultStep} from './fault_list.js';
import {CanvasSize, fitView, jumpToFault, zoom} from './grid_canvas.js';
import {downloadMerge} from './merge_download.js';
import {whenTaskKnown} from './page_messages.js';
import {saveView} from './png.js';
import {stepFault} from './shown_block.js';
import {setStatus} from './status.js';
import {switchSubmission} from './submission_list.js';

/**
 * The input file and the submissions among dropped files: the input file is the one that
 * begins with the module's task name (else the first).
 */
async function sortDropped(viewer, files) {
  const {name} = await whenTaskKnown(viewer);
  const heads = await Promise.all(files.map((file) => file.slice(0, name.length + 2).text()));
  const inputIndex = Math.max(0, heads.findIndex((head) => head.startsWith(name + '\n') ||
                                                           head.startsWith(name + '\r\n')));
  return [files[inputIndex], files.filter((file, k) => k !== inputIndex)];
}

/**
 * The file pickers, the drop zone, the examples, the zoom, comparison, merging and saving
 * buttons.
 */
export function bindControls(viewer) {
  const [input, submissions] = [$('input-file'), $('submission-file')];
  const picked = () => {
    if (input.files[0] && submissions.files.length) {
      viewer.open(input.files[0], [...submissions.files]);
    }
  };
  input.addEventListener('change', picked);
  submissions.addEventListener('change', picked);
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
    if (files.length < 2) {
      setStatus(viewer, {evaluation: ['dropTwo'], firstView: null, diagnosis: null});
      return;
    }
    viewer.open(...await sortDropped(viewer, files));
  });
  const example = (submission) => viewer.open(new File([Examples.input], 'input.txt'),
      [new File([Examples[submission]], 'submission-' + submission + '.txt')]);
  $('example-accepted').onclick = () => example('accepted');
  $('example-refused').onclick = () => example('rejected');
  $('zoom-in').onclick = () => zoom(viewer, 1.5, CanvasSize / 2, CanvasSize / 2);
  $('zoom-out').onclick = () => zoom(viewer, 1 / 1.5, CanvasSize / 2, CanvasSize / 2);
  $('zoom-fit').onclick = () => viewer.run.block && fitView(viewer);
  $('zoom-refused').onclick = () => viewer.run.block && jumpToFault(viewer);
  $('only-refused').onchange = (event) => {
    $('blocks').classList.toggle('refused-only', event.target.checked);
  };
  $('compare').onclick = () => window.mrezovnikViewer.compare(Number($('compare-a').value),
                                                              Number($('compare-b').value));
  $('stop-comparing').onclick = () => stopComparing(viewer);
  $('mark-differences').onchange = (event) => markDifferences(viewer, event.target.checked);
  $('save-png').onclick = () => saveView(viewer);
  $('merge-higher').onclick = () => downloadMerge(viewer, 'higher');
  $('merge-lower').onclick = () => downloadMerge(viewer, 'lower');
}

/** The keys: the faults' (fault_list.js), the submissions', the pair's and the marks'. */
export function bindKeys(viewer) {
  document.addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    if (['INPUT', 'SELECT', 'TEXTAREA'].includes(event.target.tagName)) return;
    const run = viewer.run;
    const pair = run.comparison?.pair;
    const step = faultStep(event);
    if (step !== undefined) {
      stepFault(viewer, step);
    } else if (event.key === '[' || event.key === ']') {
      switchSubmission(viewer, run.current + (event.key === ']' ? 1 : -1));
    } else if (event.key === 'v' && pair) {
      switchSubmission(viewer, pair[0] === run.current ? pair[1] : pair[0]);
    } else if (event.key === 'm') {
      markDifferences(viewer, !viewer.markDifferences);
    } else {
      return;
    }
    event.preventDefault();
  });
}
