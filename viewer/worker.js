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

/** The lines of `bytes` from `start`, as [begin, end) offsets without the line end. */
function* lines(bytes, start) {
  let begin = start;
  while (begin < bytes.length) {
    const lineFeed = bytes.indexOf(LineFeed, begin);
    let end = lineFeed < 0 ? bytes.length : lineFeed;
    if (lineFeed >= 0 && end > begin && bytes[end - 1] === CarriageReturn) end -= 1;
    yield [begin, end];
    begin = lineFeed < 0 ? bytes.length : lineFeed + 1;
  }
}

/** The text of a line of plain ASCII. */
function text(bytes, [begin, end]) {
  return String.fromCharCode.apply(null, bytes.subarray(begin, Math.min(end, begin + 64)));
}

/**
 * The test cases of an input file that the evaluator accepted: number, n, d, b, c and the
 * offset of each grid row. Only for showing grids; the evaluator has judged the file.
 */
function indexInput(bytes) {
  const it = lines(bytes, 0);
  it.next();
  const count = parseInt(text(bytes, it.next().value), 10);
  const testCases = [];
  for (let k = 0; k < count; ++k) {
    it.next();
    const number = parseInt(text(bytes, it.next().value), 10);
    const [n, d, b, c] = text(bytes, it.next().value).trim().split(/ +/).map(Number);
    const rows = new Float64Array(n);
    for (let i = 0; i < n; ++i) rows[i] = it.next().value[0];
    testCases.push({number, n, d, b, c, rows});
  }
  return testCases;
}

/**
 * The blocks of the submission up to line `lastHeader` (all of them when it is Infinity):
 * test case number, header line and row offsets. The blocks before it passed the
 * evaluator's checks, so their rows are whole.
 */
function indexSubmission(bytes, testCases, lastHeader) {
  const it = lines(bytes, 0);
  it.next();
  it.next();
  let lineNo = 2;
  const blocks = [];
  for (let line = it.next(); !line.done && lineNo < lastHeader; line = it.next()) {
    ++lineNo;
    if (line.value[1] === line.value[0]) continue;
    const number = parseInt(text(bytes, line.value), 10);
    const testCase = testCases[number - 1];
    if (!testCase) break;
    const rows = new Float64Array(testCase.n);
    const headerLine = lineNo;
    for (let i = 0; i < testCase.n; ++i) {
      const row = it.next();
      if (row.done) break;
      ++lineNo;
      rows[i] = row.value[0];
    }
    blocks.push({number, headerLine, rows});
  }
  return blocks;
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

/** The failure's check number and the line of the refused block, when the report has one. */
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
  const reportBytes = module.FS.analyzePath(ReportPath).exists ?
      module.FS.readFile(ReportPath) : new Uint8Array(0);
  const report = latin1(reportBytes);
  session.module = module;
  session.input = input;
  session.submission = submission;
  const accepted = report.startsWith('OK\n');
  const refusedAt = refusal(report);
  session.testCases = accepted || refusedAt ? indexInput(input) : [];
  session.blocks = accepted || refusedAt ?
      indexSubmission(submission, session.testCases, refusedAt || Infinity) : [];
  timings.indexed = performance.now() - timings.started;
  const blocks = session.blocks.map(({number, headerLine}) => ({number, headerLine}));
  postMessage({type: 'report', run, exitCode, report, reportBytes, stdout: stdout.join('\n'),
               blocks, refusedAt, timings});
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
