// The one module that calls the WebAssembly module (wasm_exports.cpp and the evaluator's main):
// it starts the module, mounts the chosen files where the judge's readers open them, and turns
// each export's numbers and memory into plain values. Nothing else in the viewer touches the
// module.
import createMrezovnik from 'mrezovnik-module';
import {sliceReader} from './file_slices.js';
import ReaderSource from 'bundled:reader';

/** Where the evaluator writes its report, in the module's memory file system. */
const ReportPath = '/report.txt';
/** The most bytes of a report that the page shows as text. */
const ReportShown = 1 << 20;
/** The most bytes of a stop's message that the page shows: one may quote a line of any length,
 * which the page could not lay out in reasonable time; the report holds it whole. */
const StopMessageShown = 4096;
/** Each byte as the character of the same code, so that the text shows every byte. */
export function latin1(bytes) {
  let out = '';
  for (let k = 0; k < bytes.length; k += 8192) {
    out += String.fromCharCode.apply(null, bytes.subarray(k, k + 8192));
  }
  return out;
}

/**
 * Starts the reader's worker (reader.js); a function that has it read [start, end) of a file
 * and resolves to the bytes.
 */
function backgroundReader() {
  const reader = new Worker(URL.createObjectURL(new Blob([ReaderSource], {type: 'text/javascript'})));
  const waiting = new Map();
  let next = 0;
  reader.onmessage = ({data: {id, buffer, error}}) => {
    const {resolve, reject} = waiting.get(id);
    waiting.delete(id);
    if (error) reject(new Error(error)); else resolve(new Uint8Array(buffer));
  };
  return (file, start, end) => new Promise((resolve, reject) => {
    waiting.set(++next, {resolve, reject});
    reader.postMessage({id: next, file, start, end});
  });
}

/** A NUL-terminated copy of an ASCII text in the module's memory; freed by the caller. */
function cString(module, text) {
  const address = module._malloc(text.length + 1);
  for (let k = 0; k < text.length; ++k) module.HEAPU8[address + k] = text.charCodeAt(k);
  module.HEAPU8[address + text.length] = 0;
  return address;
}

/** The text of `length` bytes at `address` of the module's memory, one character a byte. */
function textAt(module, address, length) {
  return latin1(module.HEAPU8.subarray(address, address + length));
}

/** The NUL-terminated text at `address` of the module's memory. */
function cText(module, address) {
  return textAt(module, address, module.HEAPU8.indexOf(0, address) - address);
}

/** Calls `fill(address)` with `count` doubles of the module's memory; a copy of them. */
function doubles(module, count, fill) {
  const address = module._malloc(Math.max(1, count) * 8);
  try {
    fill(address);
    return Float64Array.from(module.HEAPF64.subarray(address / 8, address / 8 + count));
  } finally {
    module._free(address);
  }
}

/**
 * Starts the module; the evaluator's standard output and errors go to `print`. Resolves to
 * the calls that the worker makes.
 */
export async function startModule(print) {
  const module = await createMrezovnik({print: (line) => print(line),
                                        printErr: (line) => print(line)});
  const FS = module.FS;
  // The mounted files are read a slice at a time (file_slices.js), slices ahead by the reader's
  // worker.
  const slices = sliceReader(backgroundReader());
  FS.filesystems.WORKERFS.stream_ops.read = (stream, buffer, offset, length, position) =>
    slices.read(stream.node.contents, stream.viewerState ??= {}, buffer, offset, length, position);
  const kindNames = [];
  for (let kind = 0; kind < module._viewerFaultKindCount(); ++kind) {
    kindNames.push(cText(module, module._viewerFaultKindName(kind)));
  }
  const [red, black, white] = module.HEAPU8.subarray(module._viewerCellCharacters()).slice(0, 3);
  const cellCodes = {red, black, white};
  const recordSize = module._viewerBlockRecordSize();
  /** The text that the session's last call kept. */
  const keptText = (session, address) =>
    textAt(module, address, module._viewerTextLength(session));

  return {
    /** The fault kinds' names, in the module's order (FaultKind's values). */
    kindNames,
    /** The codes of the cell characters: {red, black, white}. */
    cellCodes,
    /** The task's name, with which an input file and a submission's second line begin. */
    taskName: cText(module, module._viewerTaskName()),
    readStats: slices.stats,
    /** Reads `bytes` of a chosen file from `from` on ahead; resolves once they came. */
    readAhead: (file, from, bytes) => slices.readAhead(file, from, bytes),
    /** Resolves once the next `bytes` of a chosen file, after where it was read, are at hand. */
    ready: (file, bytes) => slices.ready(file, bytes),
    /** How far the readers have read a chosen file, in bytes. */
    readTo: (file) => slices.position(file),
    /** The bytes of wasm memory. */
    memoryBytes: () => module.HEAPU8.length,

    /** Writes a file of the module's own memory (the warm-up's made-up files). */
    writeFile: (path, bytes) => FS.writeFile(path, bytes),
    /** Removes a file that writeFile wrote. */
    removeFile: (path) => FS.unlink(path),
    /** Mounts Files at `/dir/name` for each {name, data}, read in slices as the readers ask. */
    mount(dir, blobs) {
      FS.mkdir(dir);
      FS.mount(FS.filesystems.WORKERFS, {blobs}, dir);
    },
    /** Unmounts a folder that mount() made, letting go of its files' slices read ahead. */
    unmount(dir, files) {
      for (const file of files) slices.forget(file);
      FS.unmount(dir);
      FS.rmdir(dir);
    },

    /**
     * A session reading the input at `inputPath` (or taking the test cases of `sameInput`, a
     * session of the same input) and opening the submission; throws when out of memory.
     */
    startSession(inputPath, submissionPath, sameInput) {
      const session = module._viewerSessionCreate();
      if (!session) throw new Error('out of memory in the diagnosis');
      const input = cString(module, inputPath);
      const submission = cString(module, submissionPath);
      const started = module._viewerStart(session, input, submission, sameInput || 0);
      module._free(input);
      module._free(submission);
      if (!started) {
        module._viewerSessionDestroy(session);
        throw new Error('out of memory in the diagnosis');
      }
      return session;
    },
    /** Ends a session. */
    endSession(session) {
      module._viewerSessionDestroy(session);
    },
    /**
     * Takes up to `steps` more steps of the diagnosis, each a test case of the input file
     * while it is read, then a block: true while steps remain.
     */
    diagnose(session, steps) {
      const status = module._viewerDiagnose(session, steps);
      if (status < 0) throw new Error('out of memory in the diagnosis');
      return status === 1;
    },
    /** Whether a session is still reading its input file. */
    readingInput: (session) => module._viewerReadingInput(session) === 1,
    /** The counts of the diagnosis so far. */
    progress(session) {
      return {judged: module._viewerBlocksJudged(session),
              refused: module._viewerBlocksRefused(session),
              kept: module._viewerBlockCount(session),
              offset: module._viewerLastRowsOffset(session),
              acceptedNearPairs: module._viewerAcceptedNearPairs(session)};
    },
    /** Kept block k's verdict as the page lists it. */
    blockRecord(session, k) {
      const numbers = doubles(module, recordSize,
                              (address) => module._viewerBlockRecord(session, k, address));
      const faults = {};
      let faultTotal = 0;
      kindNames.forEach((name, kind) => {
        faults[name] = numbers[4 + kind];
        faultTotal += numbers[4 + kind];
      });
      return {index: k, position: numbers[0], headerLine: numbers[1], testCase: numbers[2],
              nearPairs: numbers[3], faults, faultTotal};
    },
    /**
     * How the submission answered each test case: per test case (from 0) the number of
     * blocks, and the first one's verdict ('accepted' or 'refused', '' for none) and count.
     */
    answers(session) {
      const count = module._viewerTestCaseCount(session);
      const numbers = doubles(module, count * 3, (address) => module._viewerAnswers(session, address));
      const answers = [];
      for (let t = 0; t < count; ++t) {
        const blocks = numbers[3 * t];
        answers.push({blocks, verdict: blocks === 0 ? '' : numbers[3 * t + 1] ? 'accepted' : 'refused',
                      nearPairs: numbers[3 * t + 2]});
      }
      return answers;
    },
    /**
     * The stop that ended the reading, or null: its check, line, and its message's start with
     * the number of bytes left out of it.
     */
    stop(session) {
      const check = module._viewerStopCheck(session);
      if (check < 0) return null;
      const address = module._viewerStopMessage(session);
      const length = module._viewerTextLength(session);
      return {check, message: textAt(module, address, Math.min(length, StopMessageShown)),
              messageLeftOut: Math.max(0, length - StopMessageShown),
              line: module._viewerStopLine(session)};
    },
    /**
     * Kept block k read again and diagnosed: its record, grids and faults, as the page draws
     * them; null when it cannot be read.
     */
    showBlock(session, k) {
      if (!module._viewerShowBlock(session, k)) return null;
      const record = this.blockRecord(session, k);
      const testCase = record.testCase - 1;
      const n = module._viewerTestCaseN(session, testCase);
      const address = module._malloc(n * n);
      module._viewerTestCaseCells(session, testCase, address);
      const inputCells = module.HEAPU8.slice(address, address + n * n);
      module._free(address);
      const cells = new Uint8Array(n * n);
      for (let i = 0; i < n; ++i) {
        const row = module._viewerShownRow(session, i);
        cells.set(module.HEAPU8.subarray(row, row + n), i * n);
      }
      const faults = [];
      for (let f = 0, count = module._viewerShownFaultCount(session); f < count; ++f) {
        faults.push({row: module._viewerShownFaultRow(session, f),
                     column: module._viewerShownFaultColumn(session, f),
                     kind: kindNames[module._viewerShownFaultKind(session, f)],
                     message: keptText(session, module._viewerShownFaultMessage(session, f))});
      }
      return {index: k, record, message: keptText(session, module._viewerShownMessage(session)),
              n, d: module._viewerTestCaseD(session, testCase),
              b: module._viewerTestCaseB(session, testCase),
              c: module._viewerTestCaseC(session, testCase), cellCodes, inputCells, cells, faults};
    },
    /** Lets a session's shown block go. */
    hideBlock(session) {
      module._viewerHideBlock(session);
    },
    /** The white and black counts of a cell of the shown block, or null when none is shown. */
    counts(session, row, column) {
      const white = module._viewerWhiteCount(session, row, column);
      return white < 0 ? null : {white, black: module._viewerBlackCount(session, row, column)};
    },
    /**
     * Merges mounted submissions, in the order given, as mrezovnik-merge INPUT SUBMISSION...
     * --better `better` ('higher' or 'lower') does: {bytes} of the merged submission as it
     * writes them to standard output, or {problem}: what it tells instead (the input file's
     * failure line, or what else stopped the merge).
     */
    merge(inputPath, submissionPaths, better) {
      const texts = [inputPath, submissionPaths.join('\n'), better].map((text) => cString(module, text));
      const merge = module._viewerMerge(...texts);
      texts.forEach((text) => module._free(text));
      if (!merge) throw new Error('out of memory in the merge, or no direction ' + better);
      try {
        const address = module._viewerMergeText(merge);
        const bytes = module.HEAPU8.slice(address, address + module._viewerMergeLength(merge));
        return module._viewerMergeFailed(merge) ? {problem: latin1(bytes)} : {bytes};
      } finally {
        module._viewerMergeDestroy(merge);
      }
    },
    /**
     * Evaluates two mounted files as the evaluator does, for a session: the exit code, the
     * report's bytes and the start shown as text, all written from the evaluation's outcome,
     * and the header line of the block that it refused (or 0).
     */
    evaluate(session, inputPath, submissionPath) {
      if (FS.analyzePath(ReportPath).exists) FS.unlink(ReportPath);
      const paths = [inputPath, submissionPath, ReportPath].map((path) => cString(module, path));
      const exitCode = module._viewerEvaluate(session, ...paths);
      paths.forEach((path) => module._free(path));
      if (exitCode < 0) throw new Error('out of memory in the evaluation');
      const reportBytes = FS.analyzePath(ReportPath).exists ? FS.readFile(ReportPath) :
        new Uint8Array(0);
      if (FS.analyzePath(ReportPath).exists) FS.unlink(ReportPath);
      // A report may quote a line of any length; the page shows its start and offers it whole.
      return {exitCode, reportBytes, report: latin1(reportBytes.subarray(0, ReportShown)),
              refusedAt: module._viewerRefusedBlockLine(session)};
    },
  };
}
