#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "replay/stop_signal.h"
#include "replay/system.h"

namespace {

// Opens the null device on a closed descriptor; the lower ones are open by
// then, so it takes this one. True when the descriptor was closed.
bool FillIfClosed(int descriptor) {
  if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) {
    return false;
  }
  open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  return true;
}

}  // namespace

bool PrepareStandardStreams() {
  FillIfClosed(STDIN_FILENO);
  const bool outputClosed = FillIfClosed(STDOUT_FILENO);
  FillIfClosed(STDERR_FILENO);
  std::signal(SIGPIPE, SIG_IGN);
  return outputClosed;
}

void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  // One stop at a time; a held signal lets the interrupted call go on.
  sigemptyset(&action.sa_mask);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    sigaddset(&action.sa_mask, signal);
  }
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    sigaction(signal, &action, nullptr);
  }
}

void WriteStandardError(std::string_view text) {
  [[maybe_unused]] const auto written = write(STDERR_FILENO, text.data(), text.size());
}

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
