// The spawn generator's starting state as every program takes it, on a
// command line, in a script's `seed` command or in the page's address: a
// decimal integer as scripts write one (leading zeros welcome), 0 to
// 4294967295.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// The seed, or the one-line complaint about `text`.
std::variant<std::uint32_t, std::string> ParseSeed(std::string_view text);
