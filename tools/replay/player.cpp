#include "replay/player.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "render/null_draw_context.h"
#include "render/tee_draw_context.h"
#include "replay/counts_csv.h"
#include "replay/frame_writer.h"
#include "replay/options.h"
#include "replay/output.h"
#include "replay/output_file.h"
#include "replay/png_output.h"
#include "replay/script.h"
#include "replay/session.h"
#include "replay/stop_signal.h"
#include "replay/text_draw_context.h"

namespace fs = std::filesystem;

namespace {

enum ExitCode { kSuccess = 0, kFileError = 1, kUsageError = 2, kSignalBase = 128 };

// Far beyond any script written by hand or by a program, and still a size
// that fits in memory everywhere.
constexpr std::size_t kMaxScriptBytes = std::size_t{64} << 20;

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

// Two names of one file compare equal once made absolute and resolved as far
// as they exist.
fs::path Resolved(const std::string& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error).lexically_normal();
  fs::path resolved = fs::weakly_canonical(absolute, error);
  return error ? absolute : resolved;
}

// Stops the session at a stop signal and at the first text output that
// failed; the frames stop it themselves.
class RunGuard : public TickListener {
 public:
  explicit RunGuard(std::vector<const Output*> outputs) : outputs_(std::move(outputs)) {}

  bool AfterTick(std::int64_t, const CWorld&) override { return MayContinue(); }

  bool MayContinue() const override {
    return StopSignal() == 0 &&
           std::none_of(outputs_.begin(), outputs_.end(),
                        [](const Output* out) { return out->failure().has_value(); });
  }

 private:
  std::vector<const Output*> outputs_;
};

// Every file the session writes, made ready before the first tick so that a
// destination that cannot be written stops the player before any output.
struct Destinations {
  std::unique_ptr<PngOutput> picture;  // for --png and --frames
  std::unique_ptr<OutputFile> png;
  std::unique_ptr<OutputFile> counts;
};

class Player {
 public:
  explicit Player(const PlayerStreams& streams) : streams_(streams) {}

  int Run(std::span<char* const> arguments) {
    const auto parsed = ParseArguments(arguments);
    if (const auto* request = std::get_if<InfoRequest>(&parsed)) {
      Output out(streams_.output);
      if (streams_.outputClosed) {
        out.MarkClosed();
      }
      out << (*request == InfoRequest::kHelp
                  ? std::string(UsageLine()) + "\n\n" + std::string(HelpText())
                  : std::string(VersionLine()) + "\n");
      out.Flush();
      return Failed(out, "standard output") ? kFileError : kSuccess;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
      return Misused(error->message);
    }
    const Options& options = std::get<Options>(parsed);
    if (const auto clash = SamePathTwice(options)) {
      return Misused(*clash);
    }
    std::string text;
    if (const int code = ReadScript(options, text); code != kSuccess) {
      return code;
    }
    const auto script = ParseScript(text);
    if (const auto* error = std::get_if<ScriptError>(&script)) {
      Complain("line " + std::to_string(error->line) + ": " + error->message);
      return kUsageError;
    }
    const Script& commands = std::get<Script>(script);
    if (options.countsFile == "-" &&
        std::any_of(commands.begin(), commands.end(),
                    [](const Command& command) { return command.kind == CommandKind::kState; })) {
      return Misused(std::string(CountsBesideShapesError()));
    }
    return Replay(options, commands);
  }

 private:
  void Complain(const std::string& message) {
    std::fprintf(streams_.error, "pastura-replay: %s\n", message.c_str());
  }

  int Misused(const std::string& message) {
    Complain(message);
    std::fprintf(streams_.error, "%s\n", std::string(UsageLine()).c_str());
    return kUsageError;
  }

  bool Failed(const Output& out, const std::string& name) {
    if (out.failure()) {
      Complain("cannot write " + name + ": " + *out.failure());
      return true;
    }
    return false;
  }

  // A run stopped by a signal says so and ends with 128 + its number.
  std::optional<int> Stopped() {
    if (const int signal = StopSignal()) {
      Complain("stopped by signal " + std::to_string(signal) + "; no partial file was kept");
      return kSignalBase + signal;
    }
    return std::nullopt;
  }

  // Two outputs on one file would leave only one of them; an output on the
  // script would replace it.
  static std::optional<std::string> SamePathTwice(const Options& options) {
    std::vector<std::pair<std::string, const std::string*>> named;
    if (options.scriptFile && *options.scriptFile != "-") {
      named.emplace_back("the script", &*options.scriptFile);
    }
    if (options.pngFile) {
      named.emplace_back("--png", &*options.pngFile);
    }
    if (options.framesDir) {
      named.emplace_back("--frames", &*options.framesDir);
    }
    if (options.countsFile && *options.countsFile != "-") {
      named.emplace_back("--counts", &*options.countsFile);
    }
    for (std::size_t i = 0; i < named.size(); ++i) {
      for (std::size_t j = i + 1; j < named.size(); ++j) {
        if (Resolved(*named[i].second) == Resolved(*named[j].second)) {
          return named[i].first + " and " + named[j].first + " both name " +
                 Quoted(*named[j].second);
        }
      }
    }
    return std::nullopt;
  }

  // Reads the whole script, up to its size limit.
  int ReadScript(const Options& options, std::string& text) {
    if (options.scriptText) {
      text = *options.scriptText;
      return kSuccess;
    }
    const bool fromInput = !options.scriptFile || *options.scriptFile == "-";
    const std::string name = fromInput ? "standard input" : Quoted(*options.scriptFile);
    std::FILE* file = fromInput ? stdin : std::fopen(options.scriptFile->c_str(), "rb");
    if (file == nullptr) {
      Complain("cannot read " + name + ": " + std::strerror(errno));
      return kFileError;
    }
    char chunk[1 << 16];
    std::size_t got = 0;
    while (text.size() <= kMaxScriptBytes && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
      text.append(chunk, got);
    }
    const bool failed = std::ferror(file) != 0;
    const std::string reason = std::strerror(errno);
    if (!fromInput) {
      std::fclose(file);
    }
    if (const auto stopped = Stopped()) {
      return *stopped;
    }
    if (failed) {
      Complain("cannot read " + name + ": " + reason);
      return kFileError;
    }
    if (text.size() > kMaxScriptBytes) {
      Complain("the script in " + name + " is larger than 64 MiB");
      return kUsageError;
    }
    return kSuccess;
  }

  bool CreateFile(const std::string& path, std::unique_ptr<OutputFile>& file) {
    auto created = OutputFile::Create(path);
    if (auto* reason = std::get_if<std::string>(&created)) {
      Complain("cannot write " + Quoted(path) + ": " + *reason);
      return false;
    }
    file = std::move(std::get<std::unique_ptr<OutputFile>>(created));
    return true;
  }

  // The frames folder: created if need be, writable, and holding no frames
  // of another run unless --overwrite lets them go.
  bool PrepareFrames(const Options& options, std::vector<fs::path>& oldFrames) {
    const std::string& folder = *options.framesDir;
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
      Complain("cannot create " + Quoted(folder) + ": " + error.message());
      return false;
    }
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
      const std::string name = entry->path().filename().string();
      if (name.starts_with("frame-") && name.ends_with(".png")) {
        oldFrames.push_back(entry->path());
      }
    }
    if (error) {
      Complain("cannot read " + Quoted(folder) + ": " + error.message());
      return false;
    }
    if (!oldFrames.empty() && !options.overwrite) {
      Complain(Quoted(folder) + " already holds frames; give --overwrite to replace them");
      return false;
    }
    std::unique_ptr<OutputFile> probe;
    return CreateFile(folder + "/" + FrameWriter::FrameName(1), probe);
  }

  bool Open(const Options& options, Destinations& to) {
    if (options.pngFile || options.framesDir) {
      to.picture = std::make_unique<PngOutput>(options.scale);
    }
    std::vector<fs::path> oldFrames;
    if ((options.pngFile && !CreateFile(*options.pngFile, to.png)) ||
        (options.countsFile && *options.countsFile != "-" &&
         !CreateFile(*options.countsFile, to.counts)) ||
        (options.framesDir && !PrepareFrames(options, oldFrames))) {
      return false;
    }
    for (const fs::path& frame : oldFrames) {
      std::error_code error;
      if (!fs::remove(frame, error) && error) {
        Complain("cannot remove " + Quoted(frame.string()) + ": " + error.message());
        return false;
      }
    }
    return true;
  }

  // The surface the session draws on: the --draw text, the picture, both,
  // or neither.
  static DrawContext& ChooseDrawContext(const Options& options, TextDrawContext& shapes,
                                        PngOutput* picture, std::optional<TeeDrawContext>& both,
                                        NullDrawContext& nothing) {
    if (options.draw && picture != nullptr) {
      return both.emplace(shapes, picture->Surface());
    }
    if (options.draw) {
      return shapes;
    }
    if (picture != nullptr) {
      return picture->Surface();
    }
    return nothing;
  }

  bool Commit(OutputFile& file, const std::string& path) {
    if (const auto reason = file.Commit()) {
      Complain("cannot write " + Quoted(path) + ": " + *reason);
      return false;
    }
    return true;
  }

  int Replay(const Options& options, const Script& script) {
    Destinations to;
    if (!Open(options, to)) {
      return kFileError;
    }
    CWorld world(options.seed);
    Schedule schedule;

    Output out(streams_.output);
    if (streams_.outputClosed) {
      out.MarkClosed();
    }
    Output countsOut(to.counts ? to.counts->Stream() : nullptr);
    NullDrawContext nothing;
    TextDrawContext shapes(out);
    std::optional<TeeDrawContext> both;
    DrawContext& dc = ChooseDrawContext(options, shapes, to.picture.get(), both, nothing);
    Session session(world, schedule, dc, out);
    if (to.picture) {
      session.ClearBeforeFullRedraws(*to.picture);
    }

    std::optional<CountsCsv> counts;
    if (options.countsFile) {
      const bool toStandardOutput = *options.countsFile == "-";
      if (toStandardOutput) {
        session.OmitReports();
      }
      session.AddListener(counts.emplace(toStandardOutput ? out : countsOut));
    }
    std::optional<FrameWriter> frames;
    if (options.framesDir) {
      session.AddListener(frames.emplace(*to.picture, *options.framesDir));
    }
    RunGuard guard({&out, &countsOut});
    session.AddListener(guard);

    session.Run(script);
    countsOut.Flush();
    if (const auto stopped = Stopped()) {
      return *stopped;
    }
    if (Failed(out, "standard output") ||
        (to.counts && Failed(countsOut, Quoted(*options.countsFile)))) {
      return kFileError;
    }
    if (frames && !frames->error().empty()) {
      Complain(frames->error());
      return kFileError;
    }
    if (to.counts && !Commit(*to.counts, *options.countsFile)) {
      return kFileError;
    }
    if (to.png) {
      const std::optional<std::string> png = to.picture->Encode();
      if (!png) {
        Complain("cannot write " + Quoted(*options.pngFile) + ": cannot encode the picture");
        return kFileError;
      }
      if (const auto reason = to.png->Write(*png)) {
        Complain("cannot write " + Quoted(*options.pngFile) + ": " + *reason);
        return kFileError;
      }
      if (const auto stopped = Stopped()) {
        return *stopped;
      }
      if (!Commit(*to.png, *options.pngFile)) {
        return kFileError;
      }
    }
    return kSuccess;
  }

  PlayerStreams streams_;
};

}  // namespace

int RunPlayer(std::span<char* const> arguments, const PlayerStreams& streams) {
  Player player(streams);
  try {
    return player.Run(arguments);
  } catch (const std::bad_alloc&) {
    std::fprintf(streams.error, "pastura-replay: out of memory\n");
    return kFileError;
  }
}
