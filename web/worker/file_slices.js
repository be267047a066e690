// Reads the chosen files for the judge's readers a slice at a time, as they ask for them,
// without reading both files whole first. Slices asked for ahead are read in the background
// (by the reader's worker, reader.js) while the worker judges, and handed over when the worker
// pauses; a reader that gets ahead of them reads its slice at once, synchronously. Each slice
// read ahead is given to the reader that reaches it and then let go, and each reader keeps the
// slice that it read last, so that no reader reads a byte twice and nothing is kept for long;
// the slice got last is also lent to another reader that needs it (the shown block, read
// again).

/** Bytes of a slice. The readers ask for 128 KiB at a time; each read of a File costs a
 * round trip to the browser, so larger slices are read. */
export const SliceBytes = 8 << 20;
/** How many slices beyond the one being read are read ahead. */
export const AheadSlices = 4;

/**
 * The slice reader: where a read finds its bytes, what is read ahead, and its counts. Slices
 * ahead are read by `background(file, start, end)`, which resolves to their bytes.
 */
export function sliceReader(background) {
  const reader = new FileReaderSync();
  /** Per file, its slices read ahead by index: a Uint8Array once read, a promise till then. */
  const ahead = new Map();
  /** Per file, the slices that a reader got, which are never asked for again, and the
   * furthest position that a reader read. */
  const got = new Map();
  const stats = {slices: 0, bytes: 0, ms: 0, ahead: 0};
  /** The slice that a reader got last, and its file. */
  let recent = null;
  const slicesOf = (blob) => ahead.get(blob) ?? ahead.set(blob, new Map()).get(blob);
  const gotOf = (blob) => got.get(blob) ?? got.set(blob, {indices: new Set(), position: 0}).get(blob);

  /** Asks the browser for slice `index` of a file, unless it was asked for. */
  function askFor(blob, index) {
    const slices = slicesOf(blob);
    const start = index * SliceBytes;
    if (start >= blob.size || slices.has(index) || gotOf(blob).indices.has(index)) {
      return slices.get(index);
    }
    const pending = background(blob, start, Math.min(blob.size, start + SliceBytes)).then((bytes) => {
      if (slices.get(index) === pending) slices.set(index, bytes);
      stats.ahead += 1;
    });
    slices.set(index, pending);
    return pending;
  }

  /** The slice read ahead that holds `position`, taken from the ones kept, or null. */
  function takeAhead(blob, position) {
    const slices = slicesOf(blob);
    const index = Math.floor(position / SliceBytes);
    const bytes = slices.get(index);
    if (!(bytes instanceof Uint8Array)) return null;
    slices.delete(index);
    gotOf(blob).indices.add(index);
    for (let next = index + 1; next <= index + AheadSlices; ++next) askFor(blob, next);
    return {start: index * SliceBytes, bytes};
  }

  /** The slice that holds `position` (and `length` bytes from it), read at once. */
  function readNow(blob, position, length) {
    const start = Math.floor(position / SliceBytes) * SliceBytes;
    const end = Math.min(blob.size, Math.max(start + SliceBytes, position + length));
    const started = performance.now();
    const bytes = new Uint8Array(reader.readAsArrayBuffer(blob.slice(start, end)));
    for (let index = start / SliceBytes; index * SliceBytes < end; ++index) {
      gotOf(blob).indices.add(index);
    }
    stats.ms += performance.now() - started;
    stats.slices += 1;
    stats.bytes += bytes.length;
    return {start, bytes};
  }

  return {
    stats,
    /**
     * Copies up to `length` bytes of a file from `position` to `buffer` at `offset` for the
     * reader whose state `stream` is; the number copied, 0 at the end.
     */
    read(blob, stream, buffer, offset, length, position) {
      if (position >= blob.size) return 0;
      let slice = stream.slice;
      const holds = (candidate) => candidate && position >= candidate.start &&
          position < candidate.start + candidate.bytes.length;
      if (!holds(slice)) {
        slice = stream.slice = recent?.blob === blob && holds(recent.slice) ? recent.slice :
          takeAhead(blob, position) ?? readNow(blob, position, length);
        recent = {blob, slice};
      }
      gotOf(blob).position = Math.max(gotOf(blob).position, position);
      const from = position - slice.start;
      const count = Math.min(length, slice.bytes.length - from);
      buffer.set(slice.bytes.subarray(from, from + count), offset);
      return count;
    },
    /** Reads slices of a file ahead, from the one holding `from` on; resolves once all came. */
    readAhead(blob, from, bytes) {
      const first = Math.floor(from / SliceBytes);
      const last = Math.floor((Math.min(blob.size, from + bytes) - 1) / SliceBytes);
      const pending = [];
      for (let index = first; index <= last; ++index) pending.push(askFor(blob, index));
      return Promise.all(pending);
    },
    /**
     * Resolves once the `bytes` of a file after the furthest position read are at hand, read
     * ahead or kept by a reader, so that a reader that goes on does not read them again.
     */
    ready(blob, bytes) {
      return this.readAhead(blob, gotOf(blob).position, bytes);
    },
    /** The furthest position of a file that a reader read. */
    position: (blob) => gotOf(blob).position,
    /** Lets go of every slice read ahead of a file. */
    forget(blob) {
      ahead.delete(blob);
      got.delete(blob);
      if (recent?.blob === blob) recent = null;
    },
  };
}
