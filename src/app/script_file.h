// A script's whole text read from a file, as the player and the desktop
// programs read a session: at most kMaxScriptBytes, so that a file without
// end (a device, a pipe) is refused without holding more than that.
#pragma once

#include <cstddef>
#include <string>
#include <variant>

// Far beyond any script written by hand or by a program, and still a size
// that fits in memory everywhere.
inline constexpr std::size_t kMaxScriptBytes = std::size_t{64} << 20;

struct ScriptFileFault {
  std::string message;    // one line naming the file
  bool tooLarge = false;  // the file was read but is too large: bad input
};

// Reads the file at `path`, or standard input when `path` is "-".
std::variant<std::string, ScriptFileFault> ReadScriptFile(const std::string& path);
