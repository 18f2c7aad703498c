// pastura.exe's answers on its command line (app/start_options.h): its help
// and version, and the refusal of a bad option or session, each written to
// the console it was started from (or to where its output is sent) and, for
// a program started without one, shown in a message box.
#pragma once

#include "app/script.h"
#include "app/start_options.h"

namespace command_line {

// Shows the help or the version line; returns the exit code, 0.
int AnswerInfoRequest(InfoRequest request);

// Shows the refusal's line, with the usage line after a usage error; returns
// the exit code: 2, or 1 for a file that cannot be read.
int Refuse(const SessionRefusal& refusal);

}  // namespace command_line
