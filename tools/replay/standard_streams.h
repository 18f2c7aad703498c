// The standard streams as the player needs them, set up once at start before
// any file is opened.
#pragma once

struct ClosedStreams {
  bool output = false;
  bool error = false;
};

// Standard output and error carry the player's text byte for byte, lines
// ending in '\n' alone, on every platform. A stream the user closed is given
// the null device, so that no file the player opens takes its place, and is
// reported here so that nothing is written to it. A closed pipe makes a write
// fail rather than end the process.
ClosedStreams PrepareStandardStreams();
