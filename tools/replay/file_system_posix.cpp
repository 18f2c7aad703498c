#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "replay/file_system.h"

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

std::optional<std::string> ReplacingRefused(const std::string& path) {
  // O_NONBLOCK: a FIFO opens at once; its flags are never asked.
  const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) {
    return std::nullopt;  // nothing there yet, or nothing this check can read
  }
  int flags = 0;
  const bool known = ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
  close(descriptor);
  if (known && (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)) != 0) {
    return std::strerror(EPERM);
  }
  return std::nullopt;
}

int LockFolder(const std::string& folder) {
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor >= 0 && flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    const int reason = errno;
    close(descriptor);
    errno = reason;
    return -1;
  }
  return descriptor;
}

void UnlockFolder(int lock) {
  close(lock);
}

bool RemoveEntry(const char* path) {
  return unlink(path) == 0 || rmdir(path) == 0;
}
