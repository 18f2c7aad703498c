#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "standard_streams.h"

// The Windows runtime writes "\r\n" for '\n' on streams in text mode.
void UseBinaryStandardStreams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}
