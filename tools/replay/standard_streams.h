// Standard output and standard error carry the player's text byte for byte,
// lines ending in '\n' alone, so a session prints the same bytes on every
// platform. Called once at start, before anything is written.
#pragma once

void UseBinaryStandardStreams();
