#include "replay/run_deflate.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr std::array<std::size_t, 2> kDistances = {1, 3};

// Base lengths of the length symbols 257..285, and their extra bits.
constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};

class BitWriter {
 public:
  explicit BitWriter(std::string& out) : out_(out) {}

  // Value's low `count` bits, least significant first.
  void Bits(std::uint32_t value, int count) {
    buffer_ |= std::uint64_t{value} << used_;
    used_ += count;
    while (used_ >= 8) {
      out_.push_back(static_cast<char>(buffer_ & 0xFF));
      buffer_ >>= 8;
      used_ -= 8;
    }
  }

  // A Huffman code, which deflate stores most significant bit first.
  void Code(std::uint32_t code, int length) {
    std::uint32_t reversed = 0;
    for (int i = 0; i < length; ++i) {
      reversed = (reversed << 1) | ((code >> i) & 1);
    }
    Bits(reversed, length);
  }

  void Flush() {
    if (used_ > 0) {
      Bits(0, 8 - used_);
    }
  }

 private:
  std::string& out_;
  std::uint64_t buffer_ = 0;
  int used_ = 0;
};

// The fixed Huffman code of a literal/length symbol.
void Symbol(BitWriter& bits, std::uint32_t symbol) {
  if (symbol < 144) {
    bits.Code(0x30 + symbol, 8);
  } else if (symbol < 256) {
    bits.Code(0x190 + symbol - 144, 9);
  } else if (symbol < 280) {
    bits.Code(symbol - 256, 7);
  } else {
    bits.Code(0xC0 + symbol - 280, 8);
  }
}

void Match(BitWriter& bits, std::size_t length, std::size_t distance) {
  std::size_t code = 0;
  while (code + 1 < kLengthBase.size() && kLengthBase[code + 1] <= length) {
    ++code;
  }
  Symbol(bits, static_cast<std::uint32_t>(257 + code));
  bits.Bits(static_cast<std::uint32_t>(length - kLengthBase[code]), kLengthExtra[code]);
  // Distances 1 and 3 are the distance symbols 0 and 2, without extra bits.
  bits.Code(static_cast<std::uint32_t>(distance - 1), 5);
}

std::uint32_t Adler32(std::string_view data) {
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  constexpr std::size_t kBlock = 5552;  // the most bytes before the sums can overflow
  for (std::size_t start = 0; start < data.size(); start += kBlock) {
    const std::size_t end = std::min(data.size(), start + kBlock);
    for (std::size_t i = start; i < end; ++i) {
      a += static_cast<unsigned char>(data[i]);
      b += a;
    }
    a %= 65521;
    b %= 65521;
  }
  return (b << 16) | a;
}

}  // namespace

std::string RunDeflate(std::string_view data) {
  std::string out = {'\x78', '\x01'};  // deflate, 32 KiB window, fastest
  BitWriter bits(out);
  bits.Bits(1, 1);  // the last block
  bits.Bits(1, 2);  // fixed Huffman codes
  std::size_t at = 0;
  while (at < data.size()) {
    std::size_t bestLength = 0;
    std::size_t bestDistance = 0;
    const std::size_t limit = std::min(kMaxMatch, data.size() - at);
    for (const std::size_t distance : kDistances) {
      if (distance > at) {
        continue;
      }
      std::size_t length = 0;
      while (length < limit && data[at + length] == data[at + length - distance]) {
        ++length;
      }
      if (length > bestLength) {
        bestLength = length;
        bestDistance = distance;
      }
    }
    if (bestLength >= kMinMatch) {
      Match(bits, bestLength, bestDistance);
      at += bestLength;
    } else {
      Symbol(bits, static_cast<unsigned char>(data[at]));
      ++at;
    }
  }
  Symbol(bits, 256);  // end of block
  bits.Flush();
  const std::uint32_t check = Adler32(data);
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<char>((check >> shift) & 0xFF));
  }
  return out;
}
