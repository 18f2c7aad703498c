// The player's output: text collected in a buffer and handed to a stream in
// large pieces. Without a stream the text stays in the buffer (for tests).
// The first piece the stream refuses is kept as failure(); nothing more is
// written after it.
#pragma once

#include <cerrno>
#include <charconv>
#include <concepts>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

class Output {
 public:
  Output() = default;
  explicit Output(std::FILE* stream) : stream_(stream) {}
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;
  ~Output() { Flush(); }

  Output& operator<<(std::string_view text) {
    buffer_ += text;
    return *this;
  }
  Output& operator<<(char c) { return *this << std::string_view(&c, 1); }
  Output& operator<<(std::integral auto value) {
    char digits[24];
    return *this << std::string_view(digits,
                                     std::to_chars(digits, digits + sizeof digits, value).ptr);
  }

  // Ends a line, and passes the text on once enough has gathered.
  void EndLine() {
    buffer_ += '\n';
    if (stream_ != nullptr && buffer_.size() >= kChunk) {
      Flush();
    }
  }

  void Flush() {
    if (stream_ == nullptr || buffer_.empty()) {
      return;
    }
    if (closed_) {
      failure_ = std::strerror(EBADF);
    } else if (!failure_ &&
               (std::fwrite(buffer_.data(), 1, buffer_.size(), stream_) != buffer_.size() ||
                std::fflush(stream_) != 0)) {
      failure_ = std::strerror(errno);
    }
    buffer_.clear();
  }

  // The stream was closed by whoever started the player: any text for it
  // is a failure, though it is written nowhere.
  void MarkClosed() { closed_ = true; }

  const std::optional<std::string>& failure() const { return failure_; }

  const std::string& text() const { return buffer_; }

 private:
  static constexpr std::size_t kChunk = 1 << 16;

  std::FILE* stream_ = nullptr;
  bool closed_ = false;
  std::string buffer_;
  std::optional<std::string> failure_;
};
