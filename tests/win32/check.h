// The checks of the Windows test programs: a failed check prints one "FAIL:"
// line and counts; a program ends with the number of failures as its exit
// code.
#pragma once

#include <cstdio>
#include <string>

inline int failures = 0;

inline void Check(bool passed, const std::string& what) {
  if (!passed) {
    std::printf("FAIL: %s\n", what.c_str());
    ++failures;
  }
}
