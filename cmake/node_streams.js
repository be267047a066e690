// Prepended to the node build of each program (--pre-js). emscripten's real-file-system
// layer reads and writes every opened file at an explicit position, which pipes, sockets
// and character devices refuse (ESPIPE): an input given as `<(...)` or a report written
// into a pipe would fail where the native program works. Streams over such files are marked
// as not seekable, so that they are read and written at their current position instead.
Module['preRun'] = [function markUnseekableStreams() {
  var nodeFs = require('fs');
  var open = FS.open;
  FS.open = function() {
    var stream = open.apply(this, arguments);
    if (stream && stream.nfd !== undefined && !nodeFs.fstatSync(stream.nfd).isFile()) {
      stream.seekable = false;
    }
    return stream;
  };
}];
