// Fuzz target for the session player: any bytes are taken as a script and go
// the player's whole way. A bad script must be refused with a one-line message
// naming a line of the script; a good one is played on a fresh world with
// every shape written out, and must leave the tables within their bounds.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "output.h"
#include "script.h"
#include "session.h"
#include "text_draw_context.h"
#include "tick.h"
#include "world.h"

namespace {

// Every input may ask for this many ticks in all, so that one run stays short.
constexpr std::int64_t kMaxTicksPerInput = 2000;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

std::int64_t TotalTicks(const Script& script) {
  std::int64_t ticks = 0;
  for (const Command& command : script) {
    if (command.kind == CommandKind::kTick) {
      ticks += command.ticks;
    }
  }
  return ticks;
}

std::int64_t LineCount(std::string_view text) {
  std::int64_t lines = 1;
  for (const char c : text) {
    lines += c == '\n' ? 1 : 0;
  }
  return lines;
}

bool IsOneLineOfPrintableText(std::string_view text) {
  for (const char c : text) {
    if (c < 0x20 || c > 0x7E) {
      return false;
    }
  }
  return !text.empty();
}

void CheckRefusal(std::string_view text, const ScriptError& error) {
  Require(error.line >= 1 && error.line <= LineCount(text), "error names a line of the script");
  Require(IsOneLineOfPrintableText(error.message), "error message is one printable line");
}

void CheckTables(const CWorld& world) {
  for (const std::int32_t count : {world.plantCount, world.herbivoreCount, world.carnivoreCount}) {
    Require(count >= 0 && count <= kTableCapacity, "counts stay within 0..100");
  }
}

// The shapes go to the null device: kept in memory they would outgrow the
// fuzzer's limits on long sessions, and writing them is part of the way.
std::FILE* Sink() {
  static std::FILE* const sink = std::fopen("/dev/null", "wb");
  Require(sink != nullptr, "/dev/null opens");
  return sink;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = ParseScript(text);
  if (const auto* error = std::get_if<ScriptError>(&parsed)) {
    CheckRefusal(text, *error);
    return 0;
  }
  const Script& script = std::get<Script>(parsed);
  if (TotalTicks(script) > kMaxTicksPerInput) {
    return -1;  // too long to play here; keeps it out of the corpus
  }
  CWorld world;
  Schedule schedule;
  Output out(Sink());
  TextDrawContext shapes(out);
  Session session(world, schedule, shapes, out);
  session.Run(script);
  CheckTables(world);
  return 0;
}
