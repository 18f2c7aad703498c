#include "app/script.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <utility>

#include "app/kinds.h"
#include "app/quote.h"
#include "app/seed.h"
#include "sim/random.h"

namespace {

// Editors on Windows may begin a UTF-8 file with a byte-order mark.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// White space, and the start of a comment to the end of the line.
constexpr std::string_view kEndsToken = "# \t\n\r\v\f";

struct Token {
  std::string_view text;
  std::int64_t line = 0;
};

// The script's tokens one by one, with the line each is on. A line ends at
// '\n', at "\r\n" (counted at its '\n') and at a lone '\r'.
class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text)
      : text_(text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text) {}

  std::optional<Token> Next() {
    while (at_ < text_.size() && kEndsToken.find(text_[at_]) != kEndsToken.npos) {
      if (text_[at_] == '#') {
        at_ = std::min(text_.find_first_of("\n\r", at_), text_.size());
        continue;
      }
      line_ += text_[at_] == '\n' || (text_[at_] == '\r' && text_.substr(at_ + 1, 1) != "\n");
      ++at_;
    }
    if (at_ == text_.size()) {
      return std::nullopt;
    }
    const std::size_t start =
        std::exchange(at_, std::min(text_.find_first_of(kEndsToken, at_), text_.size()));
    return Token{text_.substr(start, at_ - start), line_};
  }

  std::optional<Token> Peek() const { return Tokenizer(*this).Next(); }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  std::int64_t line_ = 1;
};

std::string Quote(std::string_view token) {
  return Quoted(token, kShownTokenBytes);
}

const ReplayKind* KindNamed(std::string_view name) {
  // std::find_if, not std::ranges::find: the page's standard library has no ranges.
  const auto kind = std::find_if(kReplayKinds.begin(), kReplayKinds.end(),
                                 [name](const ReplayKind& entry) { return entry.name == name; });
  return kind == kReplayKinds.end() ? nullptr : &*kind;
}

// The commands that are one word and nothing else.
constexpr std::pair<std::string_view, CommandKind> kWordCommands[] = {
    {"paint", CommandKind::kPaint},
    {"redraw", CommandKind::kRedraw},
    {"state", CommandKind::kState}};

constexpr std::int64_t kInt32Low = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32High = std::numeric_limits<std::int32_t>::max();

class Parser {
 public:
  explicit Parser(std::string_view text) : tokens_(text) {}

  std::variant<Script, ScriptError> Parse() {
    while (const std::optional<Token> token = tokens_.Next()) {
      if (!ParseCommand(*token)) {
        return error_;
      }
    }
    return std::move(script_);
  }

 private:
  bool ParseCommand(const Token& token) {
    const std::string_view word = token.text;
    if (const ReplayKind* kind = KindNamed(word)) {
      return Add(Command{kind->spawn});
    }
    for (const auto& [name, kind] : kWordCommands) {
      if (word == name) {
        return Add(Command{kind});
      }
    }
    if (word == "tick") {
      // A count follows when the next token looks like a number at all.
      Command command{CommandKind::kTick};
      const std::optional<Token> next = tokens_.Peek();
      const bool counted = next && next->text.find_first_of("+-0123456789") == 0;
      return (!counted || ReadNumber(*tokens_.Next(), 1, kMaxTicksPerCommand, command.ticks)) &&
             Add(command);
    }
    if (word == "place") {
      return ParsePlace(token);
    }
    if (word == "seed") {
      return ParseSeedCommand(token);
    }
    return Fail(token.line, "unknown command " + Quote(word));
  }

  bool ParsePlace(const Token& place) {
    const std::optional<Token> kind = tokens_.Next();
    const ReplayKind* placed = kind ? KindNamed(kind->text) : nullptr;
    if (placed == nullptr) {
      return Fail(kind ? kind->line : place.line,
                  (kind ? "unknown kind " + Quote(kind->text) + " after 'place'"
                        : std::string("missing kind after 'place'")) +
                      ": expected plant, herbivore or carnivore");
    }
    Command command{placed->place};
    const std::string what = "'place " + std::string(kind->text) + "'";
    // An animal is placed with its heading too.
    return ReadArgument(*kind, what, "X", command.x) && ReadArgument(*kind, what, "Y", command.y) &&
           (placed->animals == nullptr || ReadArgument(*kind, what, "H", command.heading)) &&
           Add(command);
  }

  // The seed comes first, so that the world is made with it.
  bool ParseSeedCommand(const Token& token) {
    if (!script_.empty()) {
      return Fail(token.line, "'seed' must come before any other command");
    }
    const std::optional<Token> value = tokens_.Next();
    if (!value) {
      return Fail(token.line, "missing N for 'seed'");
    }
    const auto seed = ParseSeed(value->text);
    if (const auto* complaint = std::get_if<std::string>(&seed)) {
      return Fail(value->line, *complaint);
    }
    Command command{CommandKind::kSeed};
    command.seed = std::get<std::uint32_t>(seed);
    return Add(command);
  }

  bool ReadArgument(const Token& after, const std::string& what, const char* name,
                    std::int32_t& value) {
    const std::optional<Token> token = tokens_.Next();
    if (!token) {
      return Fail(after.line, "missing " + std::string(name) + " for " + what);
    }
    return ReadNumber(*token, kInt32Low, kInt32High, value);
  }

  bool ReadNumber(const Token& token, std::int64_t low, std::int64_t high, std::int32_t& value) {
    const auto parsed = ParseInteger(token.text, low, high);
    if (const auto* fault = std::get_if<NumberFault>(&parsed)) {
      return Fail(token.line,
                  *fault == NumberFault::kMalformed
                      ? "malformed number " + Quote(token.text) + ": expected a decimal integer"
                      : "number " + Quote(token.text) + " out of range " + std::to_string(low) +
                            ".." + std::to_string(high));
    }
    value = static_cast<std::int32_t>(std::get<std::int64_t>(parsed));
    return true;
  }

  bool Add(const Command& command) {
    script_.push_back(command);
    return true;
  }

  bool Fail(std::int64_t line, std::string message) {
    error_ = ScriptError{line, std::move(message)};
    return false;
  }

  Tokenizer tokens_;
  Script script_;
  ScriptError error_;
};

}  // namespace

std::variant<Script, ScriptError> ParseScript(std::string_view text) {
  return Parser(text).Parse();
}

std::string CommandText(const Command& command) {
  for (const ReplayKind& kind : kReplayKinds) {
    if (command.kind == kind.spawn) {
      return std::string(kind.name);
    }
    if (command.kind == kind.place) {
      std::string text = "place " + std::string(kind.name) + ' ' + std::to_string(command.x) + ' ' +
                         std::to_string(command.y);
      return kind.animals == nullptr ? text : text + ' ' + std::to_string(command.heading);
    }
  }
  for (const auto& [name, kind] : kWordCommands) {
    if (command.kind == kind) {
      return std::string(name);
    }
  }
  return command.kind == CommandKind::kTick ? "tick " + std::to_string(command.ticks)
                                            : "seed " + std::to_string(command.seed);
}

std::optional<std::uint32_t> ScriptSeed(const Script& script) {
  if (script.empty() || script.front().kind != CommandKind::kSeed) {
    return std::nullopt;
  }
  return script.front().seed;
}

std::variant<SessionScript, SessionRefusal> ReadSession(std::string_view text,
                                                        std::optional<std::uint32_t> given) {
  auto parsed = ParseScript(text);
  if (const auto* error = std::get_if<ScriptError>(&parsed)) {
    return SessionRefusal{"line " + std::to_string(error->line) + ": " + error->message};
  }
  Script& script = std::get<Script>(parsed);
  const std::optional<std::uint32_t> own = ScriptSeed(script);
  if (own && given) {
    return SessionRefusal{
        "--seed cannot go with a script that names its seed: give only one of them", true};
  }
  return SessionScript{own.value_or(given.value_or(Random::kDefaultSeed)), std::move(script)};
}

std::variant<std::int64_t, NumberFault> ParseInteger(std::string_view text, std::int64_t low,
                                                     std::int64_t high) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, fault] = std::from_chars(text.data(), end, value);
  if (stop != end || fault == std::errc::invalid_argument) {
    return NumberFault::kMalformed;
  }
  if (fault == std::errc::result_out_of_range || value < low || value > high) {
    return NumberFault::kOutOfRange;
  }
  return value;
}
