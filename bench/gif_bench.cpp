// The player's --gif on the README's example session (500 ticks) at scale 1
// with --board, as a user runs it, with the file's size; and the same session
// without the GIF, so that the encoder's own share shows. The budget: at most
// 1.5 MB, at least 100 frames a second of encoding.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "replay/player.h"

namespace {

constexpr double kTicks = 500;  // in docs/example-session.txt

void BM_ExampleSession(benchmark::State& state, bool gif) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "pastura-bench.gif";
  std::vector<std::string> words{"pastura-replay", PASTURA_EXAMPLE_SESSION};
  if (gif) {
    words.insert(words.end(), {"--gif", file.string(), "--board"});
  }
  std::vector<char*> arguments;
  for (std::string& word : words) {
    arguments.push_back(word.data());
  }
  std::FILE* sink = std::fopen("/dev/null", "wb");
  for (auto _ : state) {
    if (RunPlayer(arguments, PlayerStreams{sink, stderr, false}) != 0) {
      state.SkipWithError("the player failed");
      break;
    }
  }
  std::fclose(sink);
  state.counters["frames_per_second"] = benchmark::Counter(
      kTicks * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  if (gif) {
    state.counters["gif_bytes"] = static_cast<double>(std::filesystem::file_size(file));
    std::filesystem::remove(file);
  }
}
BENCHMARK_CAPTURE(BM_ExampleSession, with_gif, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExampleSession, without_gif, false)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
