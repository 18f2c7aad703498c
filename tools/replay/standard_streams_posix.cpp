#include "standard_streams.h"

// POSIX streams never translate line endings.
void UseBinaryStandardStreams() {}
