// The reader's Web Worker, which the viewer's worker starts: reads slices of the chosen files
// in the background, on a thread of its own, so that the browser's reading goes on while the
// viewer's worker judges, and hands each slice over without a copy.
//
// Message in: {id, file: Blob, start, end}; out: {id, buffer: ArrayBuffer} (or {id, error}).
onmessage = async ({data: {id, file, start, end}}) => {
  try {
    const buffer = await file.slice(start, end).arrayBuffer();
    postMessage({id, buffer}, [buffer]);
  } catch (error) {
    postMessage({id, error: String(error)});
  }
};
