#include "app/seed.h"

#include <limits>

#include "app/quote.h"
#include "app/script.h"

std::variant<std::uint32_t, std::string> ParseSeed(std::string_view text) {
  const auto parsed = ParseInteger(text, 0, std::numeric_limits<std::uint32_t>::max());
  if (const auto* seed = std::get_if<std::int64_t>(&parsed)) {
    return static_cast<std::uint32_t>(*seed);
  }
  return "bad seed " + Quoted(text) + ": expected a number 0..4294967295";
}
