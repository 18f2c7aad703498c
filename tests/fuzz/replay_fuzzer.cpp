// Fuzz target for the session player. Any bytes are taken as a script and go
// the player's whole way. A bad script must be refused with a one-line message
// naming a line of the script; a good one is played on a fresh world with
// every shape written out, and must leave the tables within their bounds. It
// is also played through the dialog's rules and recorded as a session, which
// must read back and play to the same report and label.
//
// An input whose first line starts with "#!" gives the rest of that line as
// the player's command line, and the rest of the input as its script (-e):
// then the option parser, the output files and the whole run are fuzzed, with
// every path the input names put inside a scratch folder.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/dialog_controller.h"
#include "app/script.h"
#include "app/session_recorder.h"
#include "render/null_draw_context.h"
#include "replay/output.h"
#include "replay/player.h"
#include "replay/session.h"
#include "replay/text_draw_context.h"
#include "sim/tick.h"
#include "sim/world.h"

namespace fs = std::filesystem;

namespace {

// Every input may ask for this many passes over the whole board in all (a
// tick, a paint and a redraw each make one), so that the slowest one, every
// table full with every shape and the counts written, stays well under a
// third of libFuzzer's time limit under the sanitizers on a busy machine.
constexpr std::int64_t kMaxBoardPassesPerInput = 150;

// With --frames or --gif every tick also encodes a picture: far fewer of those.
constexpr std::int64_t kMaxBoardPassesWithFrames = 5;

constexpr std::string_view kCommandLineMark = "#!";

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

std::int64_t BoardPasses(const Script& script) {
  std::int64_t passes = 0;
  for (const Command& command : script) {
    if (command.kind == CommandKind::kTick) {
      passes += command.ticks;
    } else if (command.kind == CommandKind::kPaint || command.kind == CommandKind::kRedraw) {
      passes += 1;
    }
  }
  return passes;
}

// Lines end at '\n', "\r\n" or a lone '\r'.
std::int64_t LineCount(std::string_view text) {
  std::int64_t lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool lineFeed = text[i] == '\n';
    const bool loneReturn = text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
    lines += lineFeed || loneReturn ? 1 : 0;
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

// A window that keeps only the report list and the label.
class ReportWindow : public DialogWindow {
 public:
  void StartTimer(int, int) override {}
  void StopTimer(int) override {}
  void ShowReport(std::span<const std::string> lines) override {
    report.assign(lines.begin(), lines.end());
  }
  void SetIterationText(std::string_view text) override { label = text; }
  DrawContext& Board() override { return board; }
  void EraseBoard() override {}
  void ShowBoard() override {}

  std::vector<std::string> report;
  std::string label;
  NullDrawContext board;
};

// Plays the script on a fresh world as a window would, recording it when asked.
ReportWindow PlayInWindow(const Script& script, SessionRecorder* recorder) {
  CWorld world(ScriptSeed(script).value_or(Random::kDefaultSeed));
  Schedule schedule;
  ReportWindow window;
  DialogController dialog(world, schedule, window);
  if (recorder != nullptr) {
    dialog.RecordTo(*recorder);
  }
  dialog.PlaySession(script);
  return window;
}

void CheckRecording(const Script& script) {
  SessionRecorder recorder(ScriptSeed(script).value_or(Random::kDefaultSeed));
  const ReportWindow recorded = PlayInWindow(script, &recorder);
  const auto session = ParseScript(recorder.Text());
  Require(std::holds_alternative<Script>(session), "a recorded session reads back");
  const ReportWindow replayed = PlayInWindow(std::get<Script>(session), nullptr);
  Require(replayed.report == recorded.report && replayed.label == recorded.label,
          "a recorded session plays to the same report and label");
}

// The shapes and the player's streams go to the null device: kept in memory
// they would outgrow the fuzzer's limits on long sessions, and writing them is
// part of the way.
std::FILE* Sink() {
  static std::FILE* const sink = std::fopen("/dev/null", "wb");
  Require(sink != nullptr, "/dev/null opens");
  return sink;
}

const fs::path& Scratch() {
  static const fs::path scratch =
      fs::temp_directory_path() / ("pastura-replay-fuzz-" + std::to_string(getpid()));
  return scratch;
}

// A path the input names, as one name inside the scratch folder.
std::string InScratch(std::string word) {
  for (char& c : word) {
    if (c == '/' || c == '\\') {
      c = '_';
    }
  }
  if (word.empty() || word == "." || word == "..") {
    word = "_";
  }
  return (Scratch() / word).string();
}

bool TakesPath(std::string_view option) {
  return option == "--png" || option == "--frames" || option == "--counts" || option == "--gif";
}

// The command line's words; file names, and the values of the options that
// take a path, go inside the scratch folder ("-" stays standard output).
std::vector<std::string> Arguments(std::string_view line) {
  std::vector<std::string> words{"pastura-replay"};
  std::size_t at = 0;
  while (at < line.size()) {
    const std::size_t end = std::min(line.find(' ', at), line.size());
    if (end > at) {
      // The player sees each word only up to a NUL byte, as a C string.
      std::string word = std::string(line.substr(at, end - at)).c_str();
      const std::string& before = words.back();
      const bool isValue = before == "--seed" || before == "--scale" || before == "-e";
      const bool isPath = TakesPath(before) ? word != "-" : !isValue && !word.starts_with('-');
      words.push_back(isPath ? InScratch(word) : word);
    }
    at = end + 1;
  }
  return words;
}

void PlayCommandLine(std::string_view line, std::string script) {
  std::error_code error;
  fs::remove_all(Scratch(), error);
  fs::create_directories(Scratch(), error);
  Require(!error, "the scratch folder is made");

  std::vector<std::string> words = Arguments(line);
  words.push_back("-e");
  words.push_back(std::move(script));
  std::vector<char*> arguments;
  for (std::string& word : words) {
    arguments.push_back(word.data());
  }
  const int code = RunPlayer(arguments, PlayerStreams{Sink(), Sink(), false});
  Require(code == 0 || code == 1 || code == 2, "the player ends with 0, 1 or 2");
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(Scratch(), error)) {
    Require(entry.path().filename().string().find(".tmp-") == std::string::npos,
            "no temporary file is left");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string_view commandLine;
  const bool withCommandLine = text.starts_with(kCommandLineMark);
  if (withCommandLine) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    commandLine = text.substr(kCommandLineMark.size(), end - kCommandLineMark.size());
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  const auto parsed = ParseScript(text);
  if (const auto* error = std::get_if<ScriptError>(&parsed)) {
    CheckRefusal(text, *error);
    return 0;
  }
  const Script& script = std::get<Script>(parsed);
  const bool picturePerTick = commandLine.find("--frames") != std::string_view::npos ||
                              commandLine.find("--gif") != std::string_view::npos;
  const std::int64_t limit = picturePerTick ? kMaxBoardPassesWithFrames : kMaxBoardPassesPerInput;
  if (BoardPasses(script) > limit) {
    return -1;  // too long to play here; keeps it out of the corpus
  }
  if (withCommandLine) {
    PlayCommandLine(commandLine, std::string(text));
    return 0;
  }
  CWorld world(ScriptSeed(script).value_or(Random::kDefaultSeed));
  Schedule schedule;
  Output out(Sink());
  TextDrawContext shapes(out);
  Session session(world, schedule, shapes, out);
  session.Run(script);
  CheckTables(world);
  CheckRecording(script);
  return 0;
}
