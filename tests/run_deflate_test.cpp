// The picture's zlib stream must inflate back to its data whatever the data:
// runs, repeating pixels, noise, nothing at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include <stb_image.h>

#include "replay/run_deflate.h"

namespace {

std::optional<std::string> Inflate(const std::string& stream) {
  int length = 0;
  char* data = stbi_zlib_decode_malloc(stream.data(), static_cast<int>(stream.size()), &length);
  if (data == nullptr) {
    return std::nullopt;
  }
  std::string out(data, static_cast<std::size_t>(length));
  std::free(data);
  return out;
}

void ExpectRoundTrip(const std::string& data) {
  const std::optional<std::string> back = Inflate(RunDeflate(data));
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, data);
}

TEST(RunDeflateTest, EmptyDataInflatesToNothing) {
  ExpectRoundTrip("");
}

TEST(RunDeflateTest, LongRunOfOneByteSpansManyMatches) {
  ExpectRoundTrip(std::string(100000, '\0'));
}

TEST(RunDeflateTest, RepeatingPixelsAtEveryLengthAroundTheLongestMatch) {
  for (const std::size_t pixels : {1u, 2u, 85u, 86u, 87u, 200u}) {
    std::string data;
    for (std::size_t i = 0; i < pixels; ++i) {
      data += "\xEF\x20\x7F";
    }
    ExpectRoundTrip(data);
  }
}

TEST(RunDeflateTest, NoiseIsAllLiterals) {
  std::string data;
  std::uint32_t state = 12345;
  for (int i = 0; i < 5000; ++i) {
    state = state * 1103515245u + 12345u;
    data.push_back(static_cast<char>(state >> 24));
  }
  ExpectRoundTrip(data);
}

TEST(RunDeflateTest, RunsOfTwoBytesAreLiteralsAndLongerOnesCopies) {
  ExpectRoundTrip("aabbbccccdddddeeeeeeabcabcabcabx");
  EXPECT_LT(RunDeflate(std::string(1000, 'x')).size(), 40u);
}

}  // namespace
