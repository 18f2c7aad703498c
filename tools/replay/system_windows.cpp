#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <csignal>

#include "replay/stop_signal.h"
#include "replay/system.h"

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

bool PrepareStandardStreams() {
  const bool outputClosed = UseBinaryMode(stdout);
  UseBinaryMode(stderr);
  return outputClosed;
}

void CatchStopSignals() {
  std::signal(SIGINT, OnStopSignal);
  std::signal(SIGTERM, OnStopSignal);
}

void WriteStandardError(std::string_view text) {
  _write(2, text.data(), static_cast<unsigned>(text.size()));
}

std::FILE* CreateExclusive(const std::string& path) {
  const int descriptor =
      _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (descriptor < 0) {
    return nullptr;
  }
  std::FILE* file = _fdopen(descriptor, "wb");
  if (file == nullptr) {
    _close(descriptor);
  }
  return file;
}

// Windows marks no folder append-only; a read-only file refuses at the rename.
std::optional<std::string> ReplacingRefused(const std::string&) {
  return std::nullopt;
}

// The frames folder is not locked on Windows.
int LockFolder(const std::string&) {
  return 0;
}

void UnlockFolder(int) {}

bool RemoveEntry(const char* path) {
  return _unlink(path) == 0 || _rmdir(path) == 0;
}
