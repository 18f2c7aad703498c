#include "replay/options.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "pastura_version.h"
#include "replay/decimal.h"

namespace {

constexpr std::string_view kUsage =
    "usage: pastura-replay [--draw] [--png FILE] [--frames DIR [--overwrite]] [--scale S] "
    "[--counts FILE] [--seed N] [-e SCRIPT | SCRIPTFILE | -]";

constexpr std::string_view kHelp =
    "Plays a session of the Pastura ecosystem without a window.\n"
    "\n"
    "  -e SCRIPT      the script is this argument's text\n"
    "  SCRIPTFILE     read the script from this file\n"
    "  -              read the script from standard input (also when none is given)\n"
    "  --draw         also print every shape drawn, as it is drawn\n"
    "  --png FILE     when the script has finished, write the drawing surface\n"
    "                 (662 x 447 pixels, the board at its top-left on the dialog's\n"
    "                 background) to FILE as PNG\n"
    "  --frames DIR   after every tick, write the picture to DIR/frame-000001.png,\n"
    "                 DIR/frame-000002.png, ... (DIR is created if need be)\n"
    "  --overwrite    let --frames replace the frames a former run left in DIR\n"
    "  --scale S      draw the pictures at S device pixels per board pixel, as on a\n"
    "                 high-density screen (1..4, fractions such as 1.25 too;\n"
    "                 default 1)\n"
    "  --counts FILE  write the live plants, herbivores and carnivores after every\n"
    "                 tick to FILE as CSV; '-' writes them to standard output in\n"
    "                 place of the report blocks (not with --draw or 'state')\n"
    "  --seed N       start the spawn generator at N (0..4294967295; default 1,\n"
    "                 the desktop program's own sequence)\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n"
    "\n"
    "Script commands, separated by white space; '#' starts a comment:\n"
    "  plant | herbivore | carnivore    press that spawn button\n"
    "  paint | redraw                   press \"Paint\" or \"ReDraw\"\n"
    "  tick [N]                         one timer tick, or N of them (1..1000000000)\n"
    "  place plant X Y                  place a plant at cell (X, Y)\n"
    "  place herbivore|carnivore X Y H  place an animal at (X, Y) heading H\n"
    "  state                            print the tables and the schedule\n";

constexpr std::string_view kCountsBesideShapes =
    "'--counts -' cannot go with --draw or 'state': the CSV would be mixed with other lines";

// The display scales the pictures are drawn at.
constexpr double kMinScale = 1;
constexpr double kMaxScale = 4;

std::optional<std::uint32_t> ParseSeed(std::string_view text) {
  const auto parsed = ParseDecimal(text, 0, std::numeric_limits<std::uint32_t>::max());
  if (const auto* value = std::get_if<std::int64_t>(&parsed)) {
    return static_cast<std::uint32_t>(*value);
  }
  return std::nullopt;
}

// A scale is written as a plain decimal: digits, then optionally a point and
// more digits ("2", "1.25", "01.5"); no sign, spaces or exponent.
std::optional<double> ParseScale(std::string_view text) {
  const std::size_t point = text.find('.');
  const auto isDigits = [](std::string_view part) {
    return !part.empty() && std::ranges::all_of(part, [](char c) { return c >= '0' && c <= '9'; });
  };
  if (!isDigits(text.substr(0, point)) ||
      (point != std::string_view::npos && !isDigits(text.substr(point + 1)))) {
    return std::nullopt;
  }
  double scale = 0;
  const auto [end, fault] =
      std::from_chars(text.data(), text.data() + text.size(), scale, std::chars_format::fixed);
  if (fault != std::errc() || end != text.data() + text.size() || scale < kMinScale ||
      scale > kMaxScale) {
    return std::nullopt;
  }
  return scale;
}

class ArgumentParser {
 public:
  explicit ArgumentParser(std::span<char* const> arguments) : arguments_(arguments) {}

  std::variant<Options, UsageError, InfoRequest> Parse() {
    for (next_ = 1; next_ < arguments_.size(); ++next_) {
      const std::string_view arg = arguments_[next_];
      if (arg == "--help") {
        return InfoRequest::kHelp;
      }
      if (arg == "--version") {
        return InfoRequest::kVersion;
      }
      if (auto error = ParseOne(arg)) {
        return *error;
      }
    }
    if (options_.draw && options_.countsFile == "-") {
      return UsageError{std::string(kCountsBesideShapes)};
    }
    return options_;
  }

 private:
  std::optional<UsageError> ParseOne(std::string_view arg) {
    if (arg == "--draw") {
      options_.draw = true;
      return std::nullopt;
    }
    if (arg == "--overwrite") {
      options_.overwrite = true;
      return std::nullopt;
    }
    if (arg == "--png") {
      return TakeValue(arg, "a file", options_.pngFile);
    }
    if (arg == "--frames") {
      return TakeValue(arg, "a folder", options_.framesDir);
    }
    if (arg == "--counts") {
      return TakeValue(arg, "a file", options_.countsFile);
    }
    if (arg == "--seed") {
      return TakeSeed();
    }
    if (arg == "--scale") {
      return TakeScale();
    }
    if (arg == "-e") {
      if (HasScript()) {
        return UsageError{"more than one script given"};
      }
      return TakeValue(arg, "a script", options_.scriptText);
    }
    if (arg.size() > 1 && arg[0] == '-') {
      return UsageError{"unknown option '" + std::string(arg) + "'"};
    }
    if (HasScript()) {
      return UsageError{"more than one script given"};
    }
    options_.scriptFile = std::string(arg);
    return std::nullopt;
  }

  std::optional<UsageError> TakeValue(std::string_view option, std::string_view what,
                                      std::optional<std::string>& slot) {
    if (next_ + 1 == arguments_.size()) {
      return UsageError{"option '" + std::string(option) + "' needs " + std::string(what)};
    }
    slot = arguments_[++next_];
    return std::nullopt;
  }

  std::optional<UsageError> TakeSeed() {
    std::optional<std::string> text;
    if (auto error = TakeValue("--seed", "a number", text)) {
      return error;
    }
    const std::optional<std::uint32_t> seed = ParseSeed(*text);
    if (!seed) {
      return UsageError{"bad seed '" + *text + "': expected a number 0..4294967295"};
    }
    options_.seed = *seed;
    return std::nullopt;
  }

  std::optional<UsageError> TakeScale() {
    std::optional<std::string> text;
    if (auto error = TakeValue("--scale", "a number", text)) {
      return error;
    }
    const std::optional<double> scale = ParseScale(*text);
    if (!scale) {
      return UsageError{"bad scale '" + *text + "': expected a decimal number 1..4"};
    }
    options_.scale = *scale;
    return std::nullopt;
  }

  bool HasScript() const { return options_.scriptText || options_.scriptFile; }

  std::span<char* const> arguments_;
  std::size_t next_ = 1;
  Options options_;
};

}  // namespace

std::variant<Options, UsageError, InfoRequest> ParseArguments(std::span<char* const> arguments) {
  return ArgumentParser(arguments).Parse();
}

std::string_view UsageLine() {
  return kUsage;
}
std::string_view HelpText() {
  return kHelp;
}
std::string_view CountsBesideShapesError() {
  return kCountsBesideShapes;
}
std::string_view VersionLine() {
  return "pastura-replay " PASTURA_VERSION;
}
