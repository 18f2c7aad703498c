// The player's whole run from its command line: options, script, outputs,
// the session, and the exit code. Exit 0 means every output is complete;
// 1 a file that could not be read or written (or the picture unavailable);
// 2 a bad option or script; 128 + N a stop by signal N.
#pragma once

#include <cstdio>
#include <span>
#include <string>

enum ExitCode { kSuccess = 0, kFileError = 1, kUsageError = 2 };

// Ends a run from wherever it is: RunPlayer prints the message, with the
// usage line after it for a bad option, and exits with the code.
struct Refusal {
  std::string message;
  ExitCode code = kFileError;
  bool misused = false;
};

struct PlayerStreams {
  std::FILE* output = stdout;  // the report blocks, shapes, state, counts with '-'
  std::FILE* error = stderr;   // the one-line messages
  bool outputClosed = false;   // the user closed standard output
};

int RunPlayer(std::span<char* const> arguments, const PlayerStreams& streams);
