#include "replay/options.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "app/quote.h"
#include "app/seed.h"
#include "pastura_version.h"

const std::string_view kUsageLine =
    "usage: pastura-replay [--draw] [--png FILE] [--frames DIR [--overwrite]] [--gif FILE] "
    "[--board] [--scale S] [--counts FILE] [--chart FILE] [--seed N] "
    "[-e SCRIPT | SCRIPTFILE | -]";

const std::string_view kHelpText =
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
    "  --gif FILE     write the board after every tick to FILE as an animated GIF,\n"
    "                 a frame every 200 ms, looping\n"
    "  --board        crop the pictures of --png and --frames to the board (the\n"
    "                 GIF is cropped to it always)\n"
    "  --scale S      draw the pictures at S device pixels per board pixel, as on a\n"
    "                 high-density screen (1..4, fractions such as 1.25 too;\n"
    "                 default 1)\n"
    "  --counts FILE  write the live plants, herbivores and carnivores after every\n"
    "                 tick to FILE as CSV; '-' writes them to standard output in\n"
    "                 place of the report blocks (not with --draw or 'state')\n"
    "  --chart FILE   when the script has finished, write the chart of the live\n"
    "                 plants, herbivores and carnivores per tick (440 x 240 pixels)\n"
    "                 to FILE as PNG\n"
    "  --seed N       start the spawn generator at N (0..4294967295; default 1,\n"
    "                 the desktop program's own sequence); not with a script that\n"
    "                 names its seed\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n"
    "\n"
    "Script commands, separated by white space; '#' starts a comment:\n"
    "  plant | herbivore | carnivore    press that spawn button\n"
    "  paint | redraw                   press \"Paint\" or \"ReDraw\"\n"
    "  tick [N]                         one timer tick, or N of them (1..1000000000)\n"
    "  place plant X Y                  place a plant at cell (X, Y)\n"
    "  place herbivore|carnivore X Y H  place an animal at (X, Y) heading H\n"
    "  state                            print the tables and the schedule\n"
    "  seed N                           start the spawn generator at N, as --seed\n"
    "                                   does; only before any other command\n";

const std::string_view kCountsBesideShapes =
    "'--counts -' cannot go with --draw or 'state': the CSV would be mixed with other lines";

const std::string_view kVersionLine = "pastura-replay " PASTURA_VERSION;

namespace {

// The display scales the pictures are drawn at.
constexpr double kMinScale = 1;
constexpr double kMaxScale = 4;

using Error = std::optional<std::string>;

Error SetSeed(Options& options, std::string_view text) {
  auto parsed = ParseSeed(text);
  if (auto* complaint = std::get_if<std::string>(&parsed)) {
    return std::move(*complaint);
  }
  options.seed = std::get<std::uint32_t>(parsed);
  options.seedGiven = true;
  return std::nullopt;
}

// A scale is written as a plain decimal: digits, then optionally a point and
// more digits ("2", "1.25", "01.5"); no sign, spaces or exponent.
Error SetScale(Options& options, std::string_view text) {
  const std::size_t point = text.find('.');
  const auto isDigits = [](std::string_view part) {
    return !part.empty() && std::ranges::all_of(part, [](char c) { return c >= '0' && c <= '9'; });
  };
  double scale = 0;
  if (isDigits(text.substr(0, point)) &&
      (point == std::string_view::npos || isDigits(text.substr(point + 1))) &&
      std::from_chars(text.data(), text.data() + text.size(), scale, std::chars_format::fixed).ec ==
          std::errc() &&
      scale >= kMinScale && scale <= kMaxScale) {
    options.scale = scale;
    return std::nullopt;
  }
  return "bad scale " + Quoted(text) + ": expected a decimal number 1..4";
}

Error SetScript(std::optional<std::string>& slot, const Options& options, std::string_view value) {
  if (options.scriptText || options.scriptFile) {
    return "more than one script given";
  }
  slot = std::string(value);
  return std::nullopt;
}

Error SetScriptText(Options& options, std::string_view text) {
  return SetScript(options.scriptText, options, text);
}

struct Rule {
  std::string_view name;
  std::string_view needs;                               // its value; empty for a flag
  bool Options::*flag = nullptr;                        // the flag it sets
  std::optional<std::string> Options::*path = nullptr;  // the path it takes
  Error (*take)(Options&, std::string_view) = nullptr;  // any other value
};

constexpr Rule kRules[] = {
    {"--draw", "", &Options::draw},
    {"--overwrite", "", &Options::overwrite},
    {"--board", "", &Options::board},
    {"--png", "a file", nullptr, &Options::pngFile},
    {"--frames", "a folder", nullptr, &Options::framesDir},
    {"--gif", "a file", nullptr, &Options::gifFile},
    {"--counts", "a file", nullptr, &Options::countsFile},
    {"--chart", "a file", nullptr, &Options::chartFile},
    {"--seed", "a number", nullptr, nullptr, SetSeed},
    {"--scale", "a number", nullptr, nullptr, SetScale},
    {"-e", "a script", nullptr, nullptr, SetScriptText},
};

Error Apply(const Rule& rule, Options& options, std::string_view value) {
  if (rule.flag != nullptr) {
    options.*rule.flag = true;
    return std::nullopt;
  }
  if (rule.path == nullptr) {
    return rule.take(options, value);
  }
  if (value.empty()) {
    return "option " + Quoted(rule.name) + " needs " + std::string(rule.needs) +
           ", not an empty name";
  }
  options.*rule.path = std::string(value);
  return std::nullopt;
}

}  // namespace

std::variant<Options, UsageError, InfoRequest> ParseArguments(std::span<char* const> arguments) {
  Options options;
  for (std::size_t next = 1; next < arguments.size(); ++next) {
    const std::string_view arg = arguments[next];
    if (arg == "--help" || arg == "--version") {
      return arg == "--help" ? InfoRequest::kHelp : InfoRequest::kVersion;
    }
    const Rule* rule = std::ranges::find(kRules, arg, &Rule::name);
    Error error;
    if (rule != std::end(kRules)) {
      const bool needsValue = !rule->needs.empty();
      if (needsValue && next + 1 == arguments.size()) {
        return UsageError{"option " + Quoted(arg) + " needs " + std::string(rule->needs)};
      }
      error = Apply(*rule, options, needsValue ? arguments[++next] : "");
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option " + Quoted(arg);
    } else {
      error = arg.empty() ? "the script needs a file, not an empty name"
                          : SetScript(options.scriptFile, options, arg);
    }
    if (error) {
      return UsageError{*error};
    }
  }
  if (options.draw && options.countsFile == "-") {
    return UsageError{std::string(kCountsBesideShapes)};
  }
  return options;
}
