// The one reading of a decimal integer the player takes, on its command line
// and in scripts alike: an optional '-', then one or more digits, any number
// of them leading zeros.
#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

enum class DecimalFault { kMalformed, kOutOfRange };

std::variant<std::int64_t, DecimalFault> ParseDecimal(std::string_view text, std::int64_t low,
                                                      std::int64_t high);
