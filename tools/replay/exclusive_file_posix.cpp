#include <fcntl.h>
#include <unistd.h>

#include "replay/exclusive_file.h"

std::FILE* CreateExclusive(const std::string& path) {
  const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0) {
    return nullptr;
  }
  std::FILE* file = fdopen(descriptor, "wb");
  if (file == nullptr) {
    close(descriptor);
  }
  return file;
}
