// The viewer's Web Worker: reads the two chosen files, diagnoses every block of the
// submission with the WebAssembly module, runs the evaluator in the same module for the
// report, and hands the page the blocks' verdicts and the grids and faults of the block that
// it shows. Both files are read by the judge's own readers in the module (wasm_exports.cpp);
// the worker reads neither format.
//
// Messages from the page:
//   {type: 'evaluate', run, input: File, submission: File}   a newer run abandons an older one
//   {type: 'block', index}            the grids and faults of kept block `index`
//   {type: 'counts', row, column}     the counts of one cell of the shown block (from 0)
//   {type: 'drawn'}                   the block last posted is on the screen
// Messages to the page, each with the run that it belongs to: 'progress', 'report',
// 'blocks' (verdicts as they are judged, then the stop), 'block', 'counts', 'timings',
// 'failed'.
'use strict';

/* global createMrezovnik */

const InputPath = '/input.txt';
const SubmissionPath = '/submission.txt';
const ReportPath = '/report.txt';
/** The most bytes of a report that the page shows as text. */
const ReportShown = 1 << 20;
/** How often, in ms, the diagnosis posts the verdicts judged meanwhile. */
const PostInterval = 150;
/** About how long, in ms, the diagnosis runs between two pauses for the page's requests. */
const SliceMs = 40;
/** The longest wait, in ms, for the page to draw the first view. */
const DrawnWaitMs = 1000;

/**
 * What the worker holds between messages: the run, its module and diagnosis (a session in
 * the module's memory), the fault kinds' names and the cell characters' codes, where the
 * evaluator's output goes, the first refused block's index (-1 before one is judged), whether
 * a block was shown, and what to do when the page has drawn one.
 */
const session = {run: 0, module: null, diagnosis: 0, kindNames: [], cellCodes: null,
                 print: () => {}, firstRefused: -1, shownOnce: false, onDrawn: () => {}};

/** Thrown where a newer evaluation has replaced the one under way. */
const Superseded = Symbol('superseded');

/** Stops an evaluation that a newer one has replaced. */
function stillCurrent(run) {
  if (run !== session.run) throw Superseded;
}

/**
 * Reads two Files whole, both at once, posting the bytes read so far as they arrive. One
 * FileReader a file gives one buffer without copies, and its progress events as it reads.
 */
function readBoth(files, run) {
  const total = files.reduce((sum, file) => sum + file.size, 0);
  const loaded = files.map(() => 0);
  return Promise.all(files.map((file, k) => new Promise((resolve, reject) => {
    const reader = new FileReader();
    reader.onprogress = (event) => {
      loaded[k] = event.loaded;
      postMessage({type: 'progress', run, label: 'files',
                   loaded: loaded.reduce((sum, bytes) => sum + bytes, 0), total});
    };
    reader.onload = () => resolve(new Uint8Array(reader.result));
    reader.onerror = () => reject(reader.error);
    reader.readAsArrayBuffer(file);
  })));
}

/** Writes a file into the module's memory file system without copying it. */
function place(FS, path, bytes) {
  FS.writeFile(path, bytes, {canOwn: true});
}

/** Each byte as the character of the same code, so that the text shows every byte. */
function latin1(bytes) {
  let out = '';
  for (let k = 0; k < bytes.length; k += 8192) {
    out += String.fromCharCode.apply(null, bytes.subarray(k, k + 8192));
  }
  return out;
}

/** The text of `length` bytes at `address` of the module's memory, one character a byte. */
function textAt(module, address, length) {
  return latin1(module.HEAPU8.subarray(address, address + length));
}

/** The text that a module function returned, with its length from viewerTextLength. */
function keptText(module, address) {
  return textAt(module, address, module._viewerTextLength(session.diagnosis));
}

/** A NUL-terminated copy of an ASCII path in the module's memory; freed by the caller. */
function pathIn(module, path) {
  const address = module._malloc(path.length + 1);
  for (let k = 0; k < path.length; ++k) module.HEAPU8[address + k] = path.charCodeAt(k);
  module.HEAPU8[address + path.length] = 0;
  return address;
}

/** The codes of the cell characters, as the module spells them. */
function cellCodes(module) {
  const [red, black, white] = module.HEAPU8.subarray(module._viewerCellCharacters()).slice(0, 3);
  return {red, black, white};
}

/** The names of the fault kinds, indexed by kind, as the diagnosis writes them. */
function faultKindNames(module) {
  const names = [];
  for (let kind = 0; kind < module._viewerFaultKindCount(); ++kind) {
    const address = module._viewerFaultKindName(kind);
    names.push(textAt(module, address, module.HEAPU8.indexOf(0, address) - address));
  }
  return names;
}

/** Kept block k's verdict as the page lists it. */
function blockRecord(module, k) {
  const diagnosis = session.diagnosis;
  const faults = {};
  let total = 0;
  session.kindNames.forEach((name, kind) => {
    faults[name] = module._viewerBlockFaults(diagnosis, k, kind);
    total += faults[name];
  });
  return {index: k, position: module._viewerBlockPosition(diagnosis, k),
          headerLine: module._viewerBlockHeaderLine(diagnosis, k),
          testCase: module._viewerBlockTestCase(diagnosis, k),
          nearPairs: module._viewerBlockNearPairs(diagnosis, k), faults, faultTotal: total};
}

/** The stop that ended the reading, or null. */
function stopRecord(module) {
  const diagnosis = session.diagnosis;
  const check = module._viewerStopCheck(diagnosis);
  if (check < 0) return null;
  const message = keptText(module, module._viewerStopMessage(diagnosis));
  return {check, message, line: module._viewerStopLine(diagnosis)};
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
function drawn() {
  return new Promise((resolve) => {
    const timer = setTimeout(resolve, DrawnWaitMs);
    session.onDrawn = () => {
      clearTimeout(timer);
      resolve();
    };
  });
}

/** Runs the evaluator on the two placed files and posts its report. */
function runEvaluator(module, run, timings) {
  postMessage({type: 'progress', run, label: 'evaluating', loaded: 0, total: 0});
  const stdout = [];
  session.print = (line) => stdout.push(line);
  const exitCode = module.callMain(['eval', InputPath, SubmissionPath, ReportPath]);
  timings.evaluated = performance.now() - timings.started;
  const reportBytes = module.FS.analyzePath(ReportPath).exists ?
      module.FS.readFile(ReportPath) : new Uint8Array(0);
  // A report may quote a line of any length; the page shows its start and offers it whole.
  const report = latin1(reportBytes.subarray(0, ReportShown));
  const reportPath = pathIn(module, ReportPath);
  const refusedAt = module._viewerRefusedHeaderLine(reportPath);
  module._free(reportPath);
  postMessage({type: 'report', run, exitCode, report, reportBytes, stdout: stdout.join('\n'),
               refusedAt, timings}, [reportBytes.buffer]);
}

/**
 * Diagnoses every block a slice of about SliceMs at a time, pausing between slices for the
 * page's requests, and posts the verdicts as they come. The first view is the first refused
 * block, else, once all are judged, the first block; the evaluator runs right after it, so
 * that its report follows the first view.
 */
async function diagnoseThenEvaluate(module, run, submissionSize, timings) {
  const diagnosis = session.diagnosis;
  const pending = [];
  let lastPost = performance.now();
  let evaluated = false;
  let blocksASlice = 1;
  const postBlocks = (done) => {
    postMessage({type: 'blocks', run, blocks: pending.splice(0), done,
                 judged: module._viewerBlocksJudged(diagnosis),
                 refused: module._viewerBlocksRefused(diagnosis),
                 stop: done ? stopRecord(module) : null, timings});
    lastPost = performance.now();
  };
  for (let kept = 0, more = true; more;) {
    const sliceStart = performance.now();
    const status = module._viewerDiagnose(diagnosis, blocksASlice);
    if (status < 0) throw new Error('out of memory in the diagnosis');
    more = status === 1;
    const elapsed = performance.now() - sliceStart;
    if (elapsed < SliceMs / 2) blocksASlice *= 2;
    else if (elapsed > SliceMs * 2) blocksASlice = Math.max(1, blocksASlice >> 1);
    for (const count = module._viewerBlockCount(diagnosis); kept < count; ++kept) {
      const record = blockRecord(module, kept);
      pending.push(record);
      if (record.faultTotal > 0 && session.firstRefused < 0) session.firstRefused = kept;
    }
    const firstView = !session.shownOnce && (session.firstRefused >= 0 || (!more && kept > 0));
    if (firstView || !more || performance.now() - lastPost >= PostInterval) postBlocks(!more);
    if (firstView) {
      timings.firstBlock = performance.now() - timings.started;
      if (showBlock(Math.max(0, session.firstRefused))) await drawn();
      stillCurrent(run);
    }
    if (!evaluated && (session.firstRefused >= 0 || !more)) {
      runEvaluator(module, run, timings);
      evaluated = true;
    }
    if (!more) break;
    postMessage({type: 'progress', run, label: 'judging',
                 judged: module._viewerBlocksJudged(diagnosis),
                 loaded: module._viewerLastRowsOffset(diagnosis), total: submissionSize});
    await pause();
    stillCurrent(run);
  }
  timings.diagnosed = performance.now() - timings.started;
  timings.wasmBytes = module.HEAPU8.length;
  postMessage({type: 'timings', run, timings});
}

/** Reads the two files, then diagnoses them and runs the evaluator, posting what they find. */
async function evaluate(inputFile, submissionFile, run) {
  Object.assign(session, {run, module: null, diagnosis: 0, firstRefused: -1, shownOnce: false});
  const total = inputFile.size + submissionFile.size;
  const timings = {started: performance.now()};
  const starting = createMrezovnik({print: (line) => session.print(line),
                                    printErr: (line) => session.print(line)});
  const [input, submission] = await readBoth([inputFile, submissionFile], run);
  stillCurrent(run);
  timings.read = performance.now() - timings.started;
  postMessage({type: 'progress', run, label: 'judging', judged: 0, loaded: 0,
               total: submission.length});
  const module = await starting;
  stillCurrent(run);
  place(module.FS, InputPath, input);
  place(module.FS, SubmissionPath, submission);
  timings.module = performance.now() - timings.started;
  session.module = module;
  session.kindNames = faultKindNames(module);
  session.cellCodes = cellCodes(module);
  session.diagnosis = module._viewerSessionCreate();
  const inputPath = pathIn(module, InputPath);
  const submissionPath = pathIn(module, SubmissionPath);
  const started = session.diagnosis && module._viewerStart(session.diagnosis, inputPath,
                                                           submissionPath);
  module._free(inputPath);
  module._free(submissionPath);
  if (!started) throw new Error('out of memory in the diagnosis');
  timings.inputRead = performance.now() - timings.started;
  await diagnoseThenEvaluate(module, run, submission.length, timings);
}

/**
 * Posts the grids and faults of kept block `index`, read again by the judge's code; false
 * when that failed.
 */
function showBlock(index) {
  const module = session.module;
  const diagnosis = session.diagnosis;
  if (!module._viewerShowBlock(diagnosis, index)) {
    postMessage({type: 'failed', run: session.run, error: 'block ' + index + ' cannot be read'});
    return false;
  }
  session.shownOnce = true;
  const record = blockRecord(module, index);
  const testCase = record.testCase - 1;
  const n = module._viewerTestCaseN(diagnosis, testCase);
  const address = module._malloc(n * n);
  module._viewerTestCaseCells(diagnosis, testCase, address);
  const inputCells = module.HEAPU8.slice(address, address + n * n);
  module._free(address);
  const cells = new Uint8Array(n * n);
  for (let i = 0; i < n; ++i) {
    const row = module._viewerShownRow(diagnosis, i);
    cells.set(module.HEAPU8.subarray(row, row + n), i * n);
  }
  const faults = [];
  for (let f = 0, count = module._viewerShownFaultCount(diagnosis); f < count; ++f) {
    faults.push({row: module._viewerShownFaultRow(diagnosis, f),
                 column: module._viewerShownFaultColumn(diagnosis, f),
                 kind: session.kindNames[module._viewerShownFaultKind(diagnosis, f)],
                 message: keptText(module, module._viewerShownFaultMessage(diagnosis, f))});
  }
  postMessage({type: 'block', run: session.run, index, record,
               message: keptText(module, module._viewerShownMessage(diagnosis)),
               n, d: module._viewerTestCaseD(diagnosis, testCase),
               b: module._viewerTestCaseB(diagnosis, testCase),
               c: module._viewerTestCaseC(diagnosis, testCase),
               cellCodes: session.cellCodes, inputCells, cells, faults},
              [inputCells.buffer, cells.buffer]);
  return true;
}

/** Posts the white and black counts of one cell of the shown block. */
function showCounts(row, column) {
  const module = session.module;
  if (!session.diagnosis) return;
  const white = module._viewerWhiteCount(session.diagnosis, row, column);
  const black = module._viewerBlackCount(session.diagnosis, row, column);
  if (white >= 0) postMessage({type: 'counts', run: session.run, row, column, white, black});
}

onmessage = async (event) => {
  const message = event.data;
  try {
    if (message.type === 'evaluate') {
      await evaluate(message.input, message.submission, message.run);
    } else if (message.run !== session.run) {
      // A request about an evaluation that a newer one replaced.
    } else if (message.type === 'block') {
      showBlock(message.index);
    } else if (message.type === 'counts') {
      showCounts(message.row, message.column);
    } else if (message.type === 'drawn') {
      session.onDrawn();
    }
  } catch (error) {
    if (error === Superseded) return;
    postMessage({type: 'failed', run: session.run, error: String(error && error.stack || error)});
  }
};
