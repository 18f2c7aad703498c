#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "replay/standard_streams.h"

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

ClosedStreams PrepareStandardStreams() {
  ClosedStreams closed;
  FillIfClosed(STDIN_FILENO);
  closed.output = FillIfClosed(STDOUT_FILENO);
  closed.error = FillIfClosed(STDERR_FILENO);
  std::signal(SIGPIPE, SIG_IGN);
  return closed;
}
