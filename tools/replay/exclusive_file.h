// The one file-creating call the player needs from the system: a new file
// for writing, created only when nothing (not even a link) stands at the
// path yet. Returns null with errno set when it cannot be created.
#pragma once

#include <cstdio>
#include <string>

std::FILE* CreateExclusive(const std::string& path);
