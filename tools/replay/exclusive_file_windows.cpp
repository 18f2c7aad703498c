#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "replay/exclusive_file.h"

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
