// pastura's answers on its command line (app/start_options.h): --help and
// --version, answered before Qt starts so that they need no display, and the
// refusal of a bad option or session. Qt takes its own options (-platform
// NAME, -style NAME, ...) before the program's are read.
#pragma once

#include "app/script.h"
#include "app/start_options.h"

namespace command_line {

// Prints the help or the version line on standard output; returns the exit
// code: 0, or 1 with a message when standard output cannot take it.
int AnswerInfoRequest(InfoRequest request);

// Prints the refusal's line on standard error, with the usage line after a
// usage error; returns the exit code: 2, or 1 for a file that cannot be read.
int Refuse(const SessionRefusal& refusal);

}  // namespace command_line
