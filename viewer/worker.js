// The viewer's Web Worker: reads the two chosen files, runs the WebAssembly evaluator on
// them, and hands the page the report and the grids of the blocks it asks for. The
// neighbourhood counts come from the judge's code in the same module.
//
// Messages from the page:
//   {type: 'evaluate', run, input: File, submission: File}   a newer run abandons an older one
//   {type: 'block', index}            the grids of block `index` of the block list
//   {type: 'counts', row, column}     the counts of one cell of the shown block (from 0)
// Messages to the page: 'progress', 'report', 'block', 'counts', 'failed', each with the run
// that it belongs to.
'use strict';

/* global createMrezovnik */

const InputPath = '/input.txt';
const SubmissionPath = '/submission.txt';
const ReportPath = '/report.txt';
const LineFeed = 10;
const CarriageReturn = 13;
/** The most blocks that the page lists (and the last one besides). */
const MaxListedBlocks = 10000;
/** The most bytes of a report that the page shows as text. */
const ReportShown = 1 << 20;

/** What the worker holds between messages: the run's files and the shown block. */
const session = {module: null, input: null, submission: null, blocks: [], testCases: [],
                 shown: 0, run: 0};

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

/** A walk over the lines of a file's bytes; a line ends at a line feed, less a CR before it. */
class LineCursor {
  constructor(bytes) {
    this.bytes = bytes;
    this.next = 0;
    this.begin = 0;
    this.end = 0;
    this.lineNo = 0;
  }

  /** Moves to the next line; false at the end of the file. */
  advance() {
    const bytes = this.bytes;
    if (this.next >= bytes.length) return false;
    const lineFeed = bytes.indexOf(LineFeed, this.next);
    this.begin = this.next;
    this.end = lineFeed < 0 ? bytes.length : lineFeed;
    if (lineFeed >= 0 && this.end > this.begin && bytes[this.end - 1] === CarriageReturn) {
      this.end -= 1;
    }
    this.next = lineFeed < 0 ? bytes.length : lineFeed + 1;
    this.lineNo += 1;
    return true;
  }

  /** Moves to the next line, expected to be a grid row of n cells; its start. */
  nextRow(n) {
    const bytes = this.bytes;
    const begin = this.next;
    const after = bytes[begin + n] === LineFeed ? 1 :
        bytes[begin + n] === CarriageReturn && bytes[begin + n + 1] === LineFeed ? 2 : 0;
    if (after === 0) {
      this.advance();
      return this.begin;
    }
    this.begin = begin;
    this.end = begin + n;
    this.next = begin + n + after;
    this.lineNo += 1;
    return begin;
  }

  /** The current line as text, of its first 64 bytes (the short lines of numbers). */
  text() {
    const end = Math.min(this.end, this.begin + 64);
    return String.fromCharCode.apply(null, this.bytes.subarray(this.begin, end));
  }
}

/**
 * The test cases of an input file that the evaluator accepted: number, n, d, b, c and the
 * offset of each grid row. Only for showing grids; the evaluator has judged the file.
 */
function indexInput(bytes) {
  const lines = new LineCursor(bytes);
  lines.advance();
  lines.advance();
  const count = parseInt(lines.text(), 10);
  const testCases = [];
  for (let k = 0; k < count; ++k) {
    lines.advance();
    lines.advance();
    const number = parseInt(lines.text(), 10);
    lines.advance();
    const [n, d, b, c] = lines.text().trim().split(/ +/).map(Number);
    const rows = new Float64Array(n);
    for (let i = 0; i < n; ++i) rows[i] = lines.nextRow(n);
    testCases.push({number, n, d, b, c, rows});
  }
  return testCases;
}

/**
 * The blocks of the submission up to the one headed at line `lastHeader` (all of them when
 * it is Infinity): position from 1, test case number, header line and row offsets. The
 * blocks up to it passed the evaluator's reading checks, so their rows are whole. Only the
 * first MaxListedBlocks and the last block are kept; `leftOut` counts the others.
 */
function indexSubmission(bytes, testCases, lastHeader) {
  const lines = new LineCursor(bytes);
  lines.advance();
  lines.advance();
  const blocks = [];
  let position = 0;
  let last = null;
  while (lines.lineNo < lastHeader && lines.advance()) {
    if (lines.end === lines.begin) continue;
    const number = parseInt(lines.text(), 10);
    const testCase = testCases[number - 1];
    if (!testCase) break;
    const block = {position: ++position, number, headerLine: lines.lineNo,
                   rows: new Float64Array(testCase.n)};
    for (let i = 0; i < testCase.n; ++i) block.rows[i] = lines.nextRow(testCase.n);
    if (blocks.length < MaxListedBlocks) blocks.push(block); else last = block;
  }
  if (last) blocks.push(last);
  return {blocks, leftOut: position - blocks.length};
}

/** The n by n cells of a grid whose rows start at `rows`, row after row. */
function cellsOf(bytes, rows, n) {
  const cells = new Uint8Array(n * n);
  for (let i = 0; i < n; ++i) {
    const begin = rows[i];
    cells.set(bytes.subarray(begin, begin + n), i * n);
  }
  return cells;
}

/** Writes a file into the module's memory file system without copying it. */
function place(FS, path, bytes) {
  FS.writeFile(path, bytes, {canOwn: true});
}

/** The header line of the block that check 221 refused, or 0 for any other report. */
function refusal(report) {
  const match = /^Napaka \[Mrezovnik:221\]: \[napaka v resitvi, ki se zacne v (\d+)\. vrstici/
      .exec(report);
  return match ? Number(match[1]) : 0;
}

/** Runs the evaluator on the two files and posts the report and the block list. */
async function evaluate(inputFile, submissionFile, run) {
  session.run = run;
  session.module = session.input = session.submission = null;
  session.blocks = [];
  session.testCases = [];
  session.shown = 0;
  const total = inputFile.size + submissionFile.size;
  const timings = {started: performance.now()};
  const stdout = [];
  const starting = createMrezovnik({print: (line) => stdout.push(line),
                                    printErr: (line) => stdout.push(line)});
  const [input, submission] = await readBoth([inputFile, submissionFile], run);
  stillCurrent(run);
  timings.read = performance.now() - timings.started;
  postMessage({type: 'progress', run, label: 'evaluating', loaded: total, total});
  const module = await starting;
  stillCurrent(run);
  place(module.FS, InputPath, input);
  place(module.FS, SubmissionPath, submission);
  timings.module = performance.now() - timings.started;
  const exitCode = module.callMain(['eval', InputPath, SubmissionPath, ReportPath]);
  timings.evaluated = performance.now() - timings.started;
  timings.wasmBytes = module.HEAPU8.length;
  const reportBytes = module.FS.analyzePath(ReportPath).exists ?
      module.FS.readFile(ReportPath) : new Uint8Array(0);
  // A report may quote a line of any length; the page shows its start and offers it whole.
  const report = latin1(reportBytes.subarray(0, ReportShown));
  session.module = module;
  session.input = input;
  session.submission = submission;
  const accepted = report.startsWith('OK\n');
  const refusedAt = refusal(report);
  session.testCases = accepted || refusedAt ? indexInput(input) : [];
  const {blocks: indexed, leftOut} = accepted || refusedAt ?
      indexSubmission(submission, session.testCases, refusedAt || Infinity) :
      {blocks: [], leftOut: 0};
  session.blocks = indexed;
  timings.indexed = performance.now() - timings.started;
  const blocks = indexed.map(({position, number, headerLine}) => ({position, number, headerLine}));
  postMessage({type: 'report', run, exitCode, report, reportBytes, stdout: stdout.join('\n'),
               blocks, leftOut, refusedAt, timings}, [reportBytes.buffer]);
  // The first view comes without a round trip: the refused block, else the first one.
  if (indexed.length) showBlock(refusedAt ? indexed.length - 1 : 0);
}

/** Each byte as the character of the same code, so that the text shows every byte. */
function latin1(bytes) {
  let out = '';
  for (let k = 0; k < bytes.length; k += 8192) {
    out += String.fromCharCode.apply(null, bytes.subarray(k, k + 8192));
  }
  return out;
}

/** Posts the grids of one block and prepares its counts in the judge's code. */
function showBlock(index) {
  const block = session.blocks[index];
  const testCase = session.testCases[block.number - 1];
  const {n, d, b, c} = testCase;
  const inputCells = cellsOf(session.input, testCase.rows, n);
  const cells = cellsOf(session.submission, block.rows, n);
  const module = session.module;
  if (session.shown) module._viewerCountsRelease(session.shown);
  const address = module._malloc(n * n);
  module.HEAPU8.set(cells, address);
  session.shown = module._viewerCountsCreate(address, n, d);
  module._free(address);
  postMessage({type: 'block', run: session.run, index, number: block.number,
               headerLine: block.headerLine,
               n, d, b, c, inputCells, cells}, [inputCells.buffer, cells.buffer]);
}

/** Posts the white and black counts of one cell of the shown block. */
function showCounts(row, column) {
  const module = session.module;
  if (!session.shown) return;
  postMessage({type: 'counts', run: session.run, row, column,
               white: module._viewerWhiteCount(session.shown, row, column),
               black: module._viewerBlackCount(session.shown, row, column)});
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
    }
  } catch (error) {
    if (error === Superseded) return;
    postMessage({type: 'failed', run: session.run, error: String(error && error.stack || error)});
  }
};
