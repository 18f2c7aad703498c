#include "replay/decimal.h"

std::variant<std::int64_t, DecimalFault> ParseDecimal(std::string_view text, std::int64_t low,
                                                      std::int64_t high) {
  const bool negative = !text.empty() && text[0] == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty()) {
    return DecimalFault::kMalformed;
  }
  // Past 2^40 the value is out of every range the player takes; the digits
  // are still all read, so that "12x" is malformed however long it is.
  constexpr std::int64_t kBeyondEveryRange = std::int64_t{1} << 40;
  std::int64_t magnitude = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') {
      return DecimalFault::kMalformed;
    }
    if (magnitude <= kBeyondEveryRange) {
      magnitude = magnitude * 10 + (c - '0');
    }
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (magnitude > kBeyondEveryRange || value < low || value > high) {
    return DecimalFault::kOutOfRange;
  }
  return value;
}
