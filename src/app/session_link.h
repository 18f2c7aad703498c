// SessionLink: a session as the short run a page's address carries beside
// its seed (?seed=N&run=RUN), so that a link replays the session.
//
// A run is a letter for each button press, p (Plant), h (Herbivore),
// c (Carnivore), a (pAint) and r (Redraw), and a number for that many ticks
// in a row, a dot between two such numbers: "1pph40c12" is one tick, two
// plants, a herbivore, 40 ticks, a carnivore and 12 ticks. Only the window's
// own commands are written; a script's seed, places and states are not.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "app/script.h"

std::string RunOfScript(const Script& script);

// The commands a run names, or one line saying where it is malformed.
std::variant<Script, std::string> ScriptOfRun(std::string_view run);
