#include "replay/script.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

#include "replay/kinds.h"
#include "replay/quote.h"

namespace {

struct Token {
  std::string_view text;
  std::int64_t line = 0;
};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Editors on Windows may begin a UTF-8 file with a byte-order mark.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text) : text_(text) {
    if (text_.starts_with(kByteOrderMark)) {
      pos_ = kByteOrderMark.size();
    }
  }

  std::optional<Token> Next() {
    SkipSpaceAndComments();
    if (pos_ == text_.size()) {
      return std::nullopt;
    }
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != '#') {
      ++pos_;
    }
    return Token{text_.substr(start, pos_ - start), line_};
  }

  // The next token without consuming it.
  std::optional<Token> Peek() {
    const std::size_t pos = pos_;
    const std::int64_t line = line_;
    std::optional<Token> token = Next();
    pos_ = pos;
    line_ = line;
    return token;
  }

  std::int64_t line() const { return line_; }

 private:
  void SkipSpaceAndComments() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '#') {
        while (pos_ < text_.size() && text_[pos_] != '\n' && text_[pos_] != '\r') {
          ++pos_;
        }
      } else if (IsSpace(c)) {
        if (EndsLine(pos_)) {
          ++line_;
        }
        ++pos_;
      } else {
        return;
      }
    }
  }

  // A line ends at '\n', at "\r\n" (counted at its '\n') and at a lone '\r'.
  bool EndsLine(std::size_t at) const {
    return text_[at] == '\n' ||
           (text_[at] == '\r' && (at + 1 == text_.size() || text_[at + 1] != '\n'));
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::int64_t line_ = 1;
};

std::string Quote(std::string_view token) {
  return Quoted(token, kShownTokenBytes);
}

bool LooksNumeric(std::string_view text) {
  return !text.empty() && (text[0] == '-' || text[0] == '+' || (text[0] >= '0' && text[0] <= '9'));
}

struct Range {
  std::int64_t low;
  std::int64_t high;
};

constexpr Range kInt32Range{std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::max()};
constexpr Range kTickRange{1, kMaxTicksPerCommand};

std::variant<std::int32_t, std::string> ParseNumber(std::string_view text, Range range) {
  const auto parsed = ParseInteger(text, range.low, range.high);
  if (const auto* fault = std::get_if<NumberFault>(&parsed)) {
    if (*fault == NumberFault::kMalformed) {
      return "malformed number " + Quote(text) + ": expected a decimal integer";
    }
    return "number " + Quote(text) + " out of range " + std::to_string(range.low) + ".." +
           std::to_string(range.high);
  }
  return static_cast<std::int32_t>(std::get<std::int64_t>(parsed));
}

const ReplayKind* KindNamed(std::string_view name) {
  const auto kind = std::ranges::find(kReplayKinds, name, &ReplayKind::name);
  return kind == kReplayKinds.end() ? nullptr : &*kind;
}

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
    if (word == "paint") {
      return Add(Command{CommandKind::kPaint});
    }
    if (word == "redraw") {
      return Add(Command{CommandKind::kRedraw});
    }
    if (word == "state") {
      return Add(Command{CommandKind::kState});
    }
    if (word == "tick") {
      return ParseTick();
    }
    if (word == "place") {
      return ParsePlace(token);
    }
    return Fail(token.line, "unknown command " + Quote(word));
  }

  bool ParseTick() {
    Command command{CommandKind::kTick};
    const std::optional<Token> next = tokens_.Peek();
    if (next && LooksNumeric(next->text)) {
      tokens_.Next();
      if (!ReadNumber(*next, kTickRange, command.ticks)) {
        return false;
      }
    }
    return Add(command);
  }

  bool ParsePlace(const Token& place) {
    const std::optional<Token> kind = tokens_.Next();
    if (!kind) {
      return Fail(place.line, "missing kind after 'place': expected plant, herbivore or carnivore");
    }
    const ReplayKind* placed = KindNamed(kind->text);
    if (placed == nullptr) {
      return Fail(kind->line, "unknown kind " + Quote(kind->text) +
                                  " after 'place': expected plant, herbivore or carnivore");
    }
    Command command{placed->place};
    const std::string what = "'place " + std::string(kind->text) + "'";
    // An animal is placed with its heading too.
    return ReadArgument(*kind, what, "X", command.x) && ReadArgument(*kind, what, "Y", command.y) &&
           (placed->animals == nullptr || ReadArgument(*kind, what, "H", command.heading)) &&
           Add(command);
  }

  bool ReadArgument(const Token& after, const std::string& what, const char* name,
                    std::int32_t& value) {
    const std::optional<Token> token = tokens_.Next();
    if (!token) {
      return Fail(after.line, "missing " + std::string(name) + " for " + what);
    }
    return ReadNumber(*token, kInt32Range, value);
  }

  bool ReadNumber(const Token& token, Range range, std::int32_t& value) {
    auto parsed = ParseNumber(token.text, range);
    if (auto* message = std::get_if<std::string>(&parsed)) {
      return Fail(token.line, std::move(*message));
    }
    value = std::get<std::int32_t>(parsed);
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
