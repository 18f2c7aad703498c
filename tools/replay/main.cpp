// pastura-replay: plays a session of button presses and timer ticks on a fresh
// world without a window and prints what the window would show.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "null_draw_context.h"
#include "output.h"
#include "program.h"
#include "script.h"
#include "session.h"
#include "text_draw_context.h"

namespace {

constexpr std::string_view kProgram = "pastura-replay";
constexpr std::string_view kVersion = "pastura-replay 1.0.0.1";
constexpr std::string_view kUsage = "usage: pastura-replay [--draw] [-e SCRIPT | SCRIPTFILE | -]";
constexpr std::string_view kHelp =
    "Plays a session of the Pastura ecosystem without a window.\n"
    "\n"
    "  -e SCRIPT     the script is this argument's text\n"
    "  SCRIPTFILE    read the script from this file\n"
    "  -             read the script from standard input (also when none is given)\n"
    "  --draw        also print every shape drawn, as it is drawn\n"
    "  --help        show this help and exit\n"
    "  --version     show the version and exit\n"
    "\n"
    "Script commands, separated by white space; '#' starts a comment:\n"
    "  plant | herbivore | carnivore    press that spawn button\n"
    "  paint | redraw                   press \"Paint\" or \"ReDraw\"\n"
    "  tick [N]                         one timer tick, or N of them (1..1000000000)\n"
    "  place plant X Y                  place a plant at cell (X, Y)\n"
    "  place herbivore|carnivore X Y H  place an animal at (X, Y) heading H\n"
    "  state                            print the tables and the schedule\n";

enum ExitCode { kSuccess = 0, kFileError = 1, kUsageError = 2 };

struct Options {
  bool draw = false;
  std::optional<std::string> scriptText;  // from -e
  std::optional<std::string> scriptFile;  // a path, or "-" for standard input
};

struct UsageError {
  std::string message;
};

struct Exit {
  int code;
};

std::variant<Options, UsageError, Exit> ParseArguments(int argc, char** argv) {
  Options options;
  auto setSource = [&options](auto& slot, std::string value) {
    if (options.scriptText || options.scriptFile) {
      return false;
    }
    slot = std::move(value);
    return true;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help") {
      std::printf("%.*s\n\n%.*s", static_cast<int>(kUsage.size()), kUsage.data(),
                  static_cast<int>(kHelp.size()), kHelp.data());
      return Exit{kSuccess};
    }
    if (arg == "--version") {
      std::printf("%.*s\n", static_cast<int>(kVersion.size()), kVersion.data());
      return Exit{kSuccess};
    }
    if (arg == "--draw") {
      options.draw = true;
    } else if (arg == "-e") {
      if (i + 1 == argc) {
        return UsageError{"option '-e' needs a script"};
      }
      if (!setSource(options.scriptText, argv[++i])) {
        return UsageError{"more than one script given"};
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      return UsageError{"unknown option '" + std::string(arg) + "'"};
    } else if (!setSource(options.scriptFile, std::string(arg))) {
      return UsageError{"more than one script given"};
    }
  }
  return options;
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
    std::fprintf(stderr, "%s: cannot read standard input: %s\n", kProgram.data(), reason.c_str());
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
  std::fprintf(stderr, "%s: cannot read '%s': %s\n", kProgram.data(), path.c_str(), reason.c_str());
  return std::nullopt;
}

int Replay(const Options& options, const Script& script) {
  Output out(stdout);
  NullDrawContext nothing;
  TextDrawContext shapes(out);
  DrawContext& dc = options.draw ? static_cast<DrawContext&>(shapes) : nothing;
  Session session(theWorld, theSchedule, dc, out);
  session.Run(script);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "%s: cannot write standard output: %s\n", kProgram.data(),
                 std::strerror(errno));
    return kFileError;
  }
  return kSuccess;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Lines end in '\n' alone on every platform, so a session prints the same
  // bytes everywhere.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  auto parsed = ParseArguments(argc, argv);
  if (const auto* exit = std::get_if<Exit>(&parsed)) {
    return exit->code;
  }
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    std::fprintf(stderr, "%s: %s\n%.*s\n", kProgram.data(), error->message.c_str(),
                 static_cast<int>(kUsage.size()), kUsage.data());
    return kUsageError;
  }
  const Options& options = std::get<Options>(parsed);

  const std::optional<std::string> text = ReadScript(options);
  if (!text) {
    return kFileError;
  }
  auto script = ParseScript(*text);
  if (const auto* error = std::get_if<ScriptError>(&script)) {
    std::fprintf(stderr, "%s: line %lld: %s\n", kProgram.data(),
                 static_cast<long long>(error->line), error->message.c_str());
    return kUsageError;
  }
  return Replay(options, std::get<Script>(script));
}
