#include "app/session_link.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "app/quote.h"

namespace {

constexpr std::array<std::pair<char, CommandKind>, 5> kPresses{{
    {'p', CommandKind::kSpawnPlant},
    {'h', CommandKind::kSpawnHerbivore},
    {'c', CommandKind::kSpawnCarnivore},
    {'a', CommandKind::kPaint},
    {'r', CommandKind::kRedraw},
}};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string RunOfScript(const Script& script) {
  std::string run;
  for (const Command& command : script) {
    if (command.kind == CommandKind::kTick) {
      if (!run.empty() && IsDigit(run.back())) {
        run += '.';
      }
      run += std::to_string(command.ticks);
      continue;
    }
    const auto press = std::find_if(kPresses.begin(), kPresses.end(), [&](const auto& entry) {
      return entry.second == command.kind;
    });
    if (press != kPresses.end()) {
      run += press->first;
    }
  }
  return run;
}

std::variant<Script, std::string> ScriptOfRun(std::string_view run) {
  Script script;
  for (std::size_t at = 0; at < run.size();) {
    const std::size_t start = at;
    if (run[at] == '.' && at > 0 && IsDigit(run[at - 1]) && at + 1 < run.size() &&
        IsDigit(run[at + 1])) {
      ++at;
      continue;
    }
    if (IsDigit(run[at])) {
      std::int64_t ticks = 0;
      for (; at < run.size() && IsDigit(run[at]); ++at) {
        ticks = ticks * 10 + (run[at] - '0');
        if (ticks > kMaxTicksPerCommand) {
          return "run: the ticks at character " + std::to_string(start + 1) + " are more than " +
                 std::to_string(kMaxTicksPerCommand);
        }
      }
      Command tick;
      tick.kind = CommandKind::kTick;
      tick.ticks = static_cast<std::int32_t>(ticks);
      script.push_back(tick);
      continue;
    }
    const auto press = std::find_if(kPresses.begin(), kPresses.end(),
                                    [&](const auto& entry) { return entry.first == run[at]; });
    if (press == kPresses.end()) {
      return "run: " + Quoted(run.substr(at, 1)) + " at character " + std::to_string(at + 1) +
             " is no press or tick";
    }
    Command command;
    command.kind = press->second;
    script.push_back(command);
    ++at;
  }
  return script;
}
