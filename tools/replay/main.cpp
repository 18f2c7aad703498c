// pastura-replay: plays a session of button presses and timer ticks on a fresh
// world without a window and prints what the window would show.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "counts_csv.h"
#include "frame_writer.h"
#include "null_draw_context.h"
#include "options.h"
#include "output.h"
#include "png_output.h"
#include "program.h"
#include "script.h"
#include "session.h"
#include "standard_streams.h"
#include "tee_draw_context.h"
#include "text_draw_context.h"

namespace {

enum ExitCode { kSuccess = 0, kFileError = 1, kUsageError = 2 };

void Complain(const std::string& message) {
  std::fprintf(stderr, "pastura-replay: %s\n", message.c_str());
}

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

// Reads a whole stream; on failure gives the reason.
std::optional<std::string> ReadAll(std::FILE* stream, std::string& reason) {
  std::string text;
  char chunk[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0) {
    text.append(chunk, got);
  }
  if (std::ferror(stream)) {
    reason = std::strerror(errno);
    return std::nullopt;
  }
  return text;
}

std::optional<std::string> ReadScript(const Options& options) {
  if (options.scriptText) {
    return *options.scriptText;
  }
  std::string reason;
  if (!options.scriptFile || *options.scriptFile == "-") {
    if (auto text = ReadAll(stdin, reason)) {
      return text;
    }
    Complain("cannot read standard input: " + reason);
    return std::nullopt;
  }
  const std::string& path = *options.scriptFile;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    reason = std::strerror(errno);
  } else {
    std::optional<std::string> text = ReadAll(file, reason);
    std::fclose(file);
    if (text) {
      return text;
    }
  }
  Complain("cannot read " + Quoted(path) + ": " + reason);
  return std::nullopt;
}

// Everything the session writes to besides standard output, opened before it
// starts so that a file that cannot be written stops the player before any
// output.
struct Destinations {
  std::unique_ptr<PngOutput> picture;  // for --png and --frames
  std::FILE* countsFile = nullptr;     // for --counts FILE

  ~Destinations() {
    if (countsFile != nullptr) {
      std::fclose(countsFile);
    }
  }
};

bool Open(const Options& options, Destinations& to) {
  if (options.pngFile || options.framesDir) {
    to.picture = MakePngOutput();
    if (!to.picture) {
      Complain("PNG output is not available in this build");
      return false;
    }
  }
  if (options.framesDir) {
    std::error_code error;
    std::filesystem::create_directories(*options.framesDir, error);
    if (error) {
      Complain("cannot create " + Quoted(*options.framesDir) + ": " + error.message());
      return false;
    }
  }
  if (options.countsFile && *options.countsFile != "-") {
    to.countsFile = std::fopen(options.countsFile->c_str(), "wb");
    if (to.countsFile == nullptr) {
      Complain("cannot write " + Quoted(*options.countsFile) + ": " + std::strerror(errno));
      return false;
    }
  }
  return true;
}

// The surface the session draws on: the --draw text, the picture, both, or
// neither.
DrawContext& ChooseDrawContext(const Options& options, TextDrawContext& shapes, PngOutput* picture,
                               std::optional<TeeDrawContext>& both, NullDrawContext& nothing) {
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

bool Finished(std::FILE* stream, const std::string& name) {
  if (std::fflush(stream) != 0 || std::ferror(stream)) {
    Complain("cannot write " + name + ": " + std::strerror(errno));
    return false;
  }
  return true;
}

int Replay(const Options& options, const Script& script) {
  Destinations to;
  if (!Open(options, to)) {
    return kFileError;
  }
  theWorld.random = Random(options.seed);

  Output out(stdout);
  Output countsOut(to.countsFile);
  NullDrawContext nothing;
  TextDrawContext shapes(out);
  std::optional<TeeDrawContext> both;
  DrawContext& dc = ChooseDrawContext(options, shapes, to.picture.get(), both, nothing);
  Session session(theWorld, theSchedule, dc, out);
  if (to.picture) {
    session.ClearBeforeFullRedraws(*to.picture);
  }

  std::optional<CountsCsv> counts;
  if (options.countsFile) {
    const bool toStdout = *options.countsFile == "-";
    if (toStdout) {
      session.OmitReports();
    }
    session.AddListener(counts.emplace(toStdout ? out : countsOut));
  }
  std::optional<FrameWriter> frames;
  if (options.framesDir) {
    session.AddListener(frames.emplace(*to.picture, *options.framesDir));
  }

  const bool completed = session.Run(script);
  countsOut.Flush();
  if (!Finished(stdout, "standard output") ||
      (to.countsFile != nullptr && !Finished(to.countsFile, Quoted(*options.countsFile)))) {
    return kFileError;
  }
  if (!completed) {
    Complain(frames->error());
    return kFileError;
  }
  if (options.pngFile) {
    if (const auto reason = to.picture->Write(*options.pngFile)) {
      Complain("cannot write " + Quoted(*options.pngFile) + ": " + *reason);
      return kFileError;
    }
  }
  return kSuccess;
}

int Main(int argc, char** argv) {
  const auto parsed = ParseArguments({argv, static_cast<std::size_t>(argc)});
  if (const auto* request = std::get_if<InfoRequest>(&parsed)) {
    const std::string text = *request == InfoRequest::kHelp
                                 ? std::string(UsageLine()) + "\n\n" + std::string(HelpText())
                                 : std::string(VersionLine()) + "\n";
    std::fputs(text.c_str(), stdout);
    return kSuccess;
  }
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    Complain(error->message);
    std::fprintf(stderr, "%s\n", std::string(UsageLine()).c_str());
    return kUsageError;
  }
  const Options& options = std::get<Options>(parsed);

  const std::optional<std::string> text = ReadScript(options);
  if (!text) {
    return kFileError;
  }
  const auto script = ParseScript(*text);
  if (const auto* error = std::get_if<ScriptError>(&script)) {
    Complain("line " + std::to_string(error->line) + ": " + error->message);
    return kUsageError;
  }
  return Replay(options, std::get<Script>(script));
}

}  // namespace

int main(int argc, char** argv) {
  UseBinaryStandardStreams();
  try {
    return Main(argc, argv);
  } catch (const std::bad_alloc&) {
    Complain("out of memory");
    return kFileError;
  }
}
