// The viewer's Web Worker: starts the WebAssembly module as soon as the page opens, mounts the
// chosen files so that the judge's readers read them a slice at a time, diagnoses every block
// of each submission, runs the evaluator for each report, and hands the page the blocks'
// verdicts and the grids and faults of the blocks that it shows. The worker reads neither file
// format: module_api.js calls the module for everything.
//
// Messages from the page, each with the run that it belongs to:
//   {type: 'open', run, input: File, submissions: [File]}  a newer run abandons an older one
//   {type: 'block', submission, index, keep}  the grids and faults of a kept block of a
//                                    submission; the submission `keep` keeps its shown block
//   {type: 'counts', submission, row, column}  the counts of one cell of a shown block
//   {type: 'report', submission}     the report of a submission, if it has not come yet
//   {type: 'merge', id, better, as}  the merge of the submissions, as mrezovnik-merge makes it,
//                                    as its bytes (as: 'bytes') or a text of one character a byte
//   {type: 'drawn'}                  the block last posted is on the screen
// Messages to the page: 'module' (the module's task name and fault kinds, once it has started),
// 'progress', 'report', 'blocks' (verdicts as they are judged, then the stop and the answers
// per test case), 'block', 'counts', 'merged' (the merged submission, or the problem that
// stopped the merge), 'timings', 'failed'; all but 'module', 'merged', 'timings' and
// 'failed' name their submission, and all but 'module' their run.
import {latin1, startModule} from './module_api.js';
import {AheadSlices, SliceBytes} from './file_slices.js';
import {newWorkerRun} from './worker_run.js';
import {warmUp} from './warm_up.js';

/** How often, in ms, the diagnosis posts the verdicts judged meanwhile. */
const PostInterval = 150;
/** About how long, in ms, the diagnosis runs between two pauses for the page's requests. */
const SliceMs = 40;
/** The bytes that one step of the diagnosis may read: a test case or a block of the largest
 * grid, 1000 rows of 1001 bytes, with its lines before. */
const StepBytes = 1 << 20;
/** The bytes that the judge's readers ask for at a time, ahead of the line that they read. */
const ReadAheadBytes = 128 << 10;
/** The longest wait, in ms, for the page to draw the first view. */
const DrawnWaitMs = 1000;

/** Thrown where a newer run has replaced the one under way. */
const Superseded = Symbol('superseded');

/** Stops a run that a newer one has replaced. */
function stillCurrent(worker, run) {
  if (run !== worker.run.run) throw Superseded;
}

/** A pause in which the worker answers the page's messages, without a timer's delay. */
function pause() {
  return new Promise((resolve) => {
    const channel = new MessageChannel();
    channel.port1.onmessage = () => resolve();
    channel.port2.postMessage(0);
  });
}

/**
 * Waits until the page has drawn the block just posted, or DrawnWaitMs at most: the
 * evaluator holds the worker for a while, and the page draws sooner without it on the cores.
 */
function drawn(worker) {
  return new Promise((resolve) => {
    const timer = setTimeout(resolve, DrawnWaitMs);
    worker.run.onDrawn = () => {
      clearTimeout(timer);
      resolve();
    };
  });
}

/** Runs the evaluator on the input and submission s, unless it ran, and posts its report. */
function evaluate(worker, s) {
  const {api, run} = worker;
  if (run.evaluated[s] || !run.sessions[s]) return;
  run.evaluated[s] = true;
  postMessage({type: 'progress', run: run.run, submission: s, label: 'evaluating'});
  const stdout = [];
  worker.print = (line) => stdout.push(line);
  const result = api.evaluate(run.sessions[s], run.paths.input, run.paths.submissions[s]);
  run.timings.evaluated ??= performance.now() - run.timings.started;
  postMessage({type: 'report', run: run.run, submission: s, ...result, stdout: stdout.join('\n'),
               timings: run.timings}, [result.reportBytes.buffer]);
}

/**
 * Diagnoses submission s a slice of about SliceMs at a time, pausing between slices for the
 * page's requests, and posts the verdicts as they come. The first submission's first view is
 * its first refused block, else, once all are judged, its first block; its evaluator runs
 * once a block is refused (or, when it is alone, once all are judged), so that its report
 * follows the first view. The other reports wait until every submission is diagnosed, or the
 * page asks.
 */
async function diagnose(worker, s) {
  const {api, run} = worker;
  const sameInput = run.sessions.find((session) => session) ?? 0;
  if (s > 0) await api.readAhead(run.submissions[s], 0, AheadSlices * SliceBytes);
  stillCurrent(worker, run.run);
  const session = api.startSession(run.paths.input, run.paths.submissions[s], sameInput);
  run.sessions[s] = session;
  const pending = [];
  let lastPost = performance.now();
  let blocksASlice = 1;
  let firstRefused = -1;
  const postBlocks = (done) => {
    postMessage({type: 'blocks', run: run.run, submission: s, blocks: pending.splice(0), done,
                 ...api.progress(session), stop: done ? api.stop(session) : null,
                 answers: done ? api.answers(session) : null});
    lastPost = performance.now();
  };
  for (let kept = 0, more = true; more;) {
    // The bytes that the next steps read are awaited here, read ahead on the reader's worker,
    // so that the steps do not read them again.
    const reading = api.readingInput(session);
    await api.ready(reading ? run.input : run.submissions[s],
                    Math.min(blocksASlice, AheadSlices) * StepBytes + ReadAheadBytes);
    stillCurrent(worker, run.run);
    const sliceStart = performance.now();
    more = api.diagnose(session, blocksASlice);
    const elapsed = performance.now() - sliceStart;
    if (elapsed < SliceMs / 2) blocksASlice *= 2;
    else if (elapsed > SliceMs * 2) blocksASlice = Math.max(1, blocksASlice >> 1);
    if (reading && !api.readingInput(session)) {
      // The blocks take steps of their own size, and the first is judged alone.
      blocksASlice = 1;
      run.timings.inputRead ??= performance.now() - run.timings.started;
      run.timings.readMsAtInput ??= api.readStats.ms - run.readBefore.ms;
      run.timings.slicesAtInput ??= api.readStats.slices - run.readBefore.slices;
    }
    for (const {kept: count} = api.progress(session); kept < count; ++kept) {
      const record = api.blockRecord(session, kept);
      pending.push(record);
      if (record.faultTotal > 0 && firstRefused < 0) firstRefused = kept;
    }
    const firstView = s === 0 && !run.shownOnce && (firstRefused >= 0 || (!more && kept > 0));
    if (firstView || !more || performance.now() - lastPost >= PostInterval) postBlocks(!more);
    if (firstView) {
      run.timings.firstBlock = performance.now() - run.timings.started;
      if (showBlock(worker, s, Math.max(0, firstRefused), -1)) await drawn(worker);
      stillCurrent(worker, run.run);
    }
    const alone = run.submissions.length === 1;
    if (s === 0 && (firstRefused >= 0 || (!more && alone))) evaluate(worker, s);
    if (!more) break;
    const {judged, offset} = api.progress(session);
    postMessage(api.readingInput(session) ?
      {type: 'progress', run: run.run, submission: s, label: 'checkingInput',
       loaded: api.readTo(run.input), total: run.input.size} :
      {type: 'progress', run: run.run, submission: s, label: 'judging', judged, loaded: offset,
       total: run.sizes[s]});
    await pause();
    stillCurrent(worker, run.run);
  }
}

/** Ends the run under way: its sessions, and the files mounted for it. */
function endRun(worker) {
  const {api, run} = worker;
  for (const session of run.sessions) if (session) api.endSession(session);
  if (run.dir) api.unmount(run.dir, [run.input, ...run.submissions]);
}

/** Opens a run: mounts its files, then diagnoses and evaluates each submission in turn. */
async function open(worker, {run: number, input, submissions}) {
  // The module started when the page opened; it is usually ready by now.
  worker.api ??= await worker.starting;
  endRun(worker);
  const run = newWorkerRun(number, input, submissions);
  worker.run = run;
  run.timings.module = performance.now() - run.timings.started;
  // How long the warm-up took, or null where files came before it had ended.
  run.timings.warmUpMs = worker.warmUpMs;
  run.readBefore = {...worker.api.readStats};
  run.dir = '/run' + number;
  worker.api.mount(run.dir, [{name: 'input', data: input},
                             ...submissions.map((file, s) => ({name: 'submission' + s, data: file}))]);
  run.paths = {input: run.dir + '/input',
               submissions: submissions.map((file, s) => run.dir + '/submission' + s)};
  postMessage({type: 'progress', run: number, submission: 0, label: 'checkingInput', loaded: 0,
               total: input.size});
  // Both files are read a few slices ahead of their readers on the reader's worker, while the
  // worker checks the input test case by test case, then judges the blocks. The input's first
  // slice is read alone, which is quickest; then the submission's first, so that its first
  // block need not wait. Each slice that a reader takes asks for the next few.
  await worker.api.ready(input, ReadAheadBytes);
  stillCurrent(worker, number);
  if (submissions.length) worker.api.readAhead(submissions[0], 0, SliceBytes);
  for (let s = 0; s < submissions.length; ++s) {
    await diagnose(worker, s);
    stillCurrent(worker, number);
  }
  run.timings.diagnosed = performance.now() - run.timings.started;
  for (let s = 0; s < submissions.length; ++s) {
    await pause();
    stillCurrent(worker, number);
    evaluate(worker, s);
  }
  run.timings.wasmBytes = worker.api.memoryBytes();
  run.timings.slicesRead = worker.api.readStats.slices - run.readBefore.slices;
  run.timings.slicesReadAhead = worker.api.readStats.ahead - run.readBefore.ahead;
  run.timings.bytesRead = worker.api.readStats.bytes - run.readBefore.bytes;
  postMessage({type: 'timings', run: number, timings: run.timings});
}

/**
 * Posts the grids and faults of kept block `index` of submission s, read again by the judge's
 * code; every other submission but `keep` lets its shown block go. False when that failed.
 */
function showBlock(worker, s, index, keep) {
  const {api, run} = worker;
  const session = run.sessions[s];
  if (!session) return false;
  run.sessions.forEach((other, k) => {
    if (other && k !== s && k !== keep) api.hideBlock(other);
  });
  const block = api.showBlock(session, index);
  if (!block) {
    postMessage({type: 'failed', run: run.run, error: 'block ' + index + ' cannot be read'});
    return false;
  }
  run.shownOnce = true;
  postMessage({type: 'block', run: run.run, submission: s, ...block},
              [block.inputCells.buffer, block.cells.buffer]);
  return true;
}

/** Posts the white and black counts of one cell of submission s's shown block. */
function showCounts(worker, s, row, column) {
  const session = worker.run.sessions[s];
  const counts = session && worker.api.counts(session, row, column);
  if (counts) postMessage({type: 'counts', run: worker.run.run, submission: s, row, column, ...counts});
}

/**
 * Merges the run's submissions, in the order loaded, as mrezovnik-merge does, and posts the
 * merged submission as its bytes or as a text, or what stopped the merge (a file that the
 * browser can no longer read, too).
 */
function merge(worker, {id, better, as}) {
  const {api, run} = worker;
  const started = performance.now();
  let merged;
  try {
    merged = api.merge(run.paths.input, run.paths.submissions, better);
  } catch (error) {
    merged = {problem: error instanceof Error ? error.message : String(error)};
  }
  if (merged.bytes && as === 'text') merged = {text: latin1(merged.bytes)};
  postMessage({type: 'merged', run: run.run, id, ...merged, ms: performance.now() - started},
              merged.bytes ? [merged.bytes.buffer] : []);
}

/** Handles each message of the page. */
async function onMessage(worker, message) {
  try {
    if (message.type === 'open') {
      await open(worker, message);
    } else if (message.run !== worker.run.run) {
      // A request about a run that a newer one replaced.
    } else if (message.type === 'block') {
      showBlock(worker, message.submission, message.index, message.keep);
    } else if (message.type === 'report') {
      evaluate(worker, message.submission);
    } else if (message.type === 'merge') {
      merge(worker, message);
    } else if (message.type === 'counts') {
      showCounts(worker, message.submission, message.row, message.column);
    } else if (message.type === 'drawn') {
      worker.run.onDrawn();
    }
  } catch (error) {
    if (error === Superseded) return;
    postMessage({type: 'failed', run: worker.run.run, error: describe(error)});
  }
}

/** An error as the page shows it. */
function describe(error) {
  return String(error && error.stack || error);
}

/** Warms the module's code up until files come (warm_up.js), and notes how long it took. */
async function warmUpWhileIdle(worker, api) {
  const started = performance.now();
  try {
    await warmUp(api, pause, () => worker.run.run === 0);
    if (worker.run.run === 0) worker.warmUpMs = performance.now() - started;
  } catch (error) {
    console.error('The warm-up failed: ' + describe(error));
  }
}

/**
 * The worker: the module, started at once and warmed until files come, and the run under way.
 * Once the module has started, the page learns the module's task name and fault kinds; if it
 * cannot start, the page learns why.
 */
function createWorker() {
  const worker = {api: null, run: newWorkerRun(0, null, []), print: () => {}, warmUpMs: null};
  worker.starting = startModule((line) => worker.print(line));
  worker.starting.then((api) => {
    postMessage({type: 'module', taskName: api.taskName, faultKinds: api.kindNames});
    return warmUpWhileIdle(worker, api);
  }, (error) => postMessage({type: 'failed', run: worker.run.run, error: describe(error)}));
  return worker;
}

const worker = createWorker();
onmessage = (event) => onMessage(worker, event.data);
