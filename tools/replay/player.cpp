#include "replay/player.h"

#include <algorithm>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "app/quote.h"
#include "app/script.h"
#include "app/session_file.h"
#include "replay/options.h"
#include "replay/outputs.h"
#include "replay/path_identity.h"
#include "replay/session.h"

namespace {

// Two outputs on one file would leave only one of them, an output on the
// script would replace it, and one inside the frames folder would be mixed
// with the frames.
std::optional<std::string> PathsClash(const Options& options) {
  std::vector<std::pair<std::string, const std::string*>> named;
  // The script's "-" is standard input and the counts' standard output, not a file.
  if (options.scriptFile && *options.scriptFile != "-") {
    named.emplace_back("the script", &*options.scriptFile);
  }
  for (const OutputKind& kind : kOutputKinds) {
    const std::optional<std::string>& path = options.*kind.path;
    if (path && !(kind.dashIsStandardOutput && *path == "-")) {
      named.emplace_back(kind.option, &*path);
    }
  }
  for (std::size_t i = 0; i < named.size(); ++i) {
    for (std::size_t j = i + 1; j < named.size(); ++j) {
      if (SameFile(*named[i].second, *named[j].second)) {
        return named[i].first + " and " + named[j].first + " both name " + Quoted(*named[j].second);
      }
    }
    if (options.framesDir && named[i].first.starts_with("--") && named[i].first != "--frames" &&
        InsideFolder(*named[i].second, *options.framesDir)) {
      return named[i].first + " names " + Quoted(*named[i].second) + " inside the --frames folder";
    }
  }
  return std::nullopt;
}

[[noreturn]] void Refuse(SessionRefusal& refusal) {
  throw Refusal{std::move(refusal.message), static_cast<ExitCode>(refusal.ExitCode()),
                refusal.misused};
}

// Reads the whole script, up to its size limit.
std::string ReadScript(const Options& options) {
  if (options.scriptText) {
    return *options.scriptText;
  }
  auto text = ReadScriptFile(options.scriptFile.value_or("-"));
  if (auto* refusal = std::get_if<SessionRefusal>(&text)) {
    Refuse(*refusal);
  }
  return std::move(std::get<std::string>(text));
}

void Replay(const Options& options, const SessionScript& played, const PlayerStreams& streams) {
  CWorld world(played.seed);
  Outputs outputs(options, streams, world);
  Schedule schedule;
  Session session(world, schedule, outputs.Board(), outputs.Text());
  if (outputs.Picture() != nullptr) {
    session.ClearBeforeFullRedraws(*outputs.Picture());
  }
  if (options.countsFile == "-") {
    session.OmitReports();
  }
  session.AfterEveryTick([&](std::int64_t tick) {
    outputs.AfterTick(tick, world);
    return true;
  });
  session.Run(played.script);
  outputs.Commit();
}

void Run(std::span<char* const> arguments, const PlayerStreams& streams) {
  const auto parsed = ParseArguments(arguments);
  if (const auto* request = std::get_if<InfoRequest>(&parsed)) {
    const Options none;
    const CWorld idle;
    Outputs outputs(none, streams, idle);
    if (*request == InfoRequest::kHelp) {
      outputs.Text() << kUsageLine << "\n\n" << kHelpText;
    } else {
      outputs.Text() << kVersionLine << '\n';
    }
    outputs.Commit();
    return;
  }
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    throw Refusal{error->message, kUsageError, true};
  }
  const Options& options = std::get<Options>(parsed);
  if (auto clash = PathsClash(options)) {
    throw Refusal{std::move(*clash), kUsageError, true};
  }
  auto read = ReadSession(ReadScript(options),
                          options.seedGiven ? std::optional(options.seed) : std::nullopt);
  if (auto* refusal = std::get_if<SessionRefusal>(&read)) {
    Refuse(*refusal);
  }
  const SessionScript& played = std::get<SessionScript>(read);
  if (options.countsFile == "-" && std::ranges::find(played.script, CommandKind::kState,
                                                     &Command::kind) != played.script.end()) {
    throw Refusal{std::string(kCountsBesideShapes), kUsageError, true};
  }
  Replay(options, played, streams);
}

}  // namespace

int RunPlayer(std::span<char* const> arguments, const PlayerStreams& streams) {
  try {
    Run(arguments, streams);
    return kSuccess;
  } catch (const Refusal& refusal) {
    std::fprintf(streams.error, "pastura-replay: %s\n", refusal.message.c_str());
    if (refusal.misused) {
      std::fprintf(streams.error, "%s\n", std::string(kUsageLine).c_str());
    }
    return refusal.code;
  } catch (const std::bad_alloc&) {
    std::fprintf(streams.error, "pastura-replay: out of memory\n");
    return kFileError;
  }
}
