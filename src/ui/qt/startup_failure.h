// Qt ends the program with a fatal message when it cannot start its platform:
// no display to connect to, or a -platform it has no plugin for. While the
// guard lives, such a message ends the program with one line on standard
// error and exit 1 instead of an abort; every other message goes to the
// handler that was there before.
#pragma once

class StartupFailureGuard {
 public:
  StartupFailureGuard();
  ~StartupFailureGuard();
  StartupFailureGuard(const StartupFailureGuard&) = delete;
  StartupFailureGuard& operator=(const StartupFailureGuard&) = delete;
};
