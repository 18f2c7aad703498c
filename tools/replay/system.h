// The few calls that differ between the systems, one file each
// (system_posix.cpp, system_windows.cpp).
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

// Standard output and error carry the player's text byte for byte, lines
// ending in '\n' alone, on every platform. A stream the user closed is given
// the null device, so that no file the player opens takes its place; true
// when standard output was closed, so that nothing is written to it. A closed
// pipe makes a write fail rather than end the process. Called once at start,
// before any file is opened.
bool PrepareStandardStreams();

// Writes to standard error; safe inside a signal handler.
void WriteStandardError(std::string_view text);

// A new file for writing, created only when nothing (not even a link) stands
// at the path yet. Returns null with errno set when it cannot be created.
std::FILE* CreateExclusive(const std::string& path);

// Why the file system would refuse to replace the entry at `path`, or to
// remove an entry of the folder at `path` (one marked immutable or
// append-only), or nothing. Asked before a file is created there, so that no
// temporary file is left that could not be renamed or removed.
std::optional<std::string> ReplacingRefused(const std::string& path);

// Holds `folder` for this run alone until UnlockFolder: a second run asking
// for it gets -1 (errno EWOULDBLOCK) for as long as the first one lives.
int LockFolder(const std::string& folder);
void UnlockFolder(int lock);

// Removes a file or an empty folder; false when there was none to remove.
// Safe inside a signal handler.
bool RemoveEntry(const char* path);
