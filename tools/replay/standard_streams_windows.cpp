#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "replay/standard_streams.h"

namespace {

// A stream without a handle at start has no descriptor; any other is put in
// binary mode, as the runtime writes "\r\n" for '\n' in text mode.
bool UseBinaryMode(std::FILE* stream) {
  const int descriptor = _fileno(stream);
  if (descriptor < 0) {
    return true;
  }
  _setmode(descriptor, _O_BINARY);
  return false;
}

}  // namespace

ClosedStreams PrepareStandardStreams() {
  ClosedStreams closed;
  closed.output = UseBinaryMode(stdout);
  closed.error = UseBinaryMode(stderr);
  return closed;
}
