// The module's code warmed while the page waits for files. The browser first runs each
// WebAssembly function as its quick baseline compiler made it, when it is first called, and
// optimises the busy ones in the background only after they have run a while. Without a
// warm-up, the first files judged would run on that slower code, and the first block and its
// faults, whose code the input's check does not run, would also wait for its compiling. So
// the worker first judges a small made-up pair of files, in the module's memory file system,
// a step at a time, and stops as soon as the page gives it real files.

/** The side of the made-up grids: large enough that their loops run long enough to be
 * optimised. */
const Side = 300;

/** A made-up grid's rows, in the module's cell characters `codes`: a fixed pattern of black,
 * red and white cells in which every black cell has a white neighbour; `paint` also paints
 * some white cells black, `whiten` turns every red cell white. */
function rows(codes, {paint = false, whiten = false} = {}) {
  const bytes = new Uint8Array(Side * (Side + 1));
  for (let i = 0, k = 0; i < Side; ++i, ++k) {
    for (let j = 0; j < Side; ++j, ++k) {
      const kind = (i * 7 + j * 3) % 10;
      bytes[k] = kind === 0 || (paint && kind === 2) ? codes.black :
          kind === 5 && !whiten ? codes.red : codes.white;
    }
    bytes[k] = 10;
  }
  return bytes;
}

/** The bytes of texts and byte arrays one after another. */
function concat(...parts) {
  const encoded = parts.map((part) => typeof part === 'string' ?
    Uint8Array.from(part, (c) => c.charCodeAt(0)) : part);
  const out = new Uint8Array(encoded.reduce((sum, part) => sum + part.length, 0));
  encoded.reduce((at, part) => (out.set(part, at), at + part.length), 0);
  return out;
}

/** A made-up input file of two test cases, one with a small radius and one with a large, so
 * that both layouts of the grid check run; and a submission whose first block is accepted and
 * whose second is refused, so that the code of both verdicts runs. In the module's cell
 * characters `codes` and its task name. */
export function warmUpFiles(codes, taskName) {
  const grid = rows(codes);
  const full = (2 * 40 + 1) ** 2 - 1;
  return {
    input: concat(taskName + '\n2\n\n1\n' + Side + ' 1 1 8\n', grid,
                  '\n2\n' + Side + ' 40 1 ' + full + '\n', grid),
    submission: concat('warm-up\n' + taskName + '\n\n1\n', rows(codes, {paint: true}),
                       '\n2\n', rows(codes, {whiten: true})),
  };
}

/**
 * Judges the made-up files a step at a time, pausing between steps with `pause()`, while
 * `idle()` holds; then shows the refused block, and lets everything go.
 */
export async function warmUp(api, pause, idle) {
  const {input, submission} = warmUpFiles(api.cellCodes, api.taskName);
  const paths = {input: '/warm-up-input.txt', submission: '/warm-up-submission.txt'};
  api.writeFile(paths.input, input);
  api.writeFile(paths.submission, submission);
  const session = api.startSession(paths.input, paths.submission, 0);
  try {
    for (let more = true; more && idle(); await pause()) more = api.diagnose(session, 1);
    if (idle()) api.showBlock(session, 1);
  } finally {
    api.endSession(session);
    api.removeFile(paths.input);
    api.removeFile(paths.submission);
  }
}
