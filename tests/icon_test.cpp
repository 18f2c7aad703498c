#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "icon/ico_writer.h"
#include "icon/xpm_image.h"

namespace {

XpmImage Parse(std::string_view text) {
  auto parsed = ParseXpm(text);
  if (const auto* error = std::get_if<XpmError>(&parsed)) {
    ADD_FAILURE() << error->message;
    return {};
  }
  return std::get<XpmImage>(parsed);
}

std::string ErrorOf(std::string_view text) {
  auto parsed = ParseXpm(text);
  const auto* error = std::get_if<XpmError>(&parsed);
  return error != nullptr ? error->message : "parsed";
}

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

constexpr const char* kTwoByTwo =
    "/* XPM */\n"
    "static const char* two[] = {\n"
    "\"2 2 3 1\",\n"
    "\"a c #FF8000\",\n"
    "\". c None\",\n"
    "\"b c #0000ff\",\n"
    "\"ab\",\n"
    "\".a\"\n"
    "};\n";

TEST(XpmParse, ReadsPaletteRowsAndTransparency) {
  const XpmImage image = Parse(kTwoByTwo);
  EXPECT_EQ(image.width, 2);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.palette, (std::vector<Rgb>{{0xFF, 0x80, 0x00}, {0x00, 0x00, 0xFF}}));
  EXPECT_EQ(image.pixels, (std::vector<std::uint8_t>{0, 1, 0, 0}));
  EXPECT_EQ(image.transparent, (std::vector<bool>{false, false, true, false}));
}

TEST(XpmParse, RejectsMalformedTextWithItsLine) {
  EXPECT_EQ(ErrorOf("nothing quoted"), "no XPM values line");
  EXPECT_EQ(ErrorOf("\"2 x 1 1\""), "line 1: bad values line '2 x 1 1'");
  EXPECT_EQ(ErrorOf("\"1 1 1 1\"\n\"a c #12345\"\n\"a\""),
            "line 2: colour '#12345' is not #RRGGBB or None");
  EXPECT_EQ(ErrorOf("\"1 1 2 1\"\n\"a c #000000\"\n\"a c #FFFFFF\"\n\"a\""),
            "line 3: colour key 'a' given twice");
  EXPECT_EQ(ErrorOf("\"2 1 1 1\"\n\"a c #000000\"\n\"a\""), "line 3: row is not 2 pixels wide");
  EXPECT_EQ(ErrorOf("\"1 1 1 1\"\n\"a c #000000\"\n\"z\""),
            "line 3: unknown colour key in column 1");
  EXPECT_EQ(ErrorOf("\"1 2 1 1\"\n\"a c #000000\"\n\"a\""),
            "line 3: expected 1 colours and 2 rows");
}

TEST(XpmParse, RejectsHeaderNumbersNoImageCanHave) {
  EXPECT_EQ(ErrorOf("\"1 1 2147483647 1\"\n\"a c #000000\"\n\"a\""),
            "line 1: bad values line '1 1 2147483647 1'");
  EXPECT_EQ(ErrorOf("\"1 2147483647 1 1\"\n\"a c #000000\"\n\"a\""),
            "line 1: bad values line '1 2147483647 1 1'");
  EXPECT_EQ(ErrorOf("\"1 1 9999999999 1\""), "line 1: bad values line '1 1 9999999999 1'");
}

TEST(XpmParse, ShowsTheFilesTextInOneLine) {
  EXPECT_EQ(ErrorOf("\"1\n1 x 1\""), "line 1: bad values line '1\\x0a1 x 1'");
  EXPECT_EQ(ErrorOf("\"1 1 1 1\"\n\"a c \xff\"\n\"a\""),
            "line 2: colour '\\xff' is not #RRGGBB or None");
  EXPECT_EQ(ErrorOf("\"" + std::string(100, '7') + "\""),
            "line 1: bad values line '" + std::string(60, '7') + "...'");
}

TEST(XpmParse, RejectsMoreThanSixteenColours) {
  std::string text = "\"1 1 17 1\"\n";
  const std::string keys = "abcdefghijklmnopq";
  for (char key : keys) {
    text += std::string("\"") + key + " c #000000\"\n";
  }
  text += "\"a\"";
  EXPECT_EQ(ErrorOf(text), "line 18: more than 16 colours");
}

TEST(XpmParse, AcceptsTheApplicationIconSources) {
  for (const char* name : {"pastura-32.xpm", "pastura-16.xpm"}) {
    std::ifstream file(std::string(PASTURA_RES_DIR) + "/" + name);
    std::stringstream text;
    text << file.rdbuf();
    const XpmImage image = Parse(text.str());
    EXPECT_EQ(image.width, name[8] == '3' ? 32 : 16) << name;
    EXPECT_LE(image.palette.size(), XpmImage::kMaxColours) << name;
  }
}

TEST(IcoWrite, DirectoryListsEachImageAtFourBitsWithItsOffset) {
  XpmImage big;
  big.width = big.height = 32;
  big.palette = {{0, 0, 0}};
  big.pixels.assign(32 * 32, 0);
  big.transparent.assign(32 * 32, false);
  XpmImage small = big;
  small.width = small.height = 16;
  small.pixels.assign(16 * 16, 0);
  small.transparent.assign(16 * 16, false);

  const std::vector<std::uint8_t> ico = WriteIco({big, small});
  // Header 40, palette 64, colour rows 16 or 8 bytes, mask rows 4 bytes.
  const std::uint32_t bigSize = 40 + 64 + 16 * 32 + 4 * 32;
  const std::uint32_t smallSize = 40 + 64 + 8 * 16 + 4 * 16;
  ASSERT_EQ(ico.size(), 6 + 2 * 16 + bigSize + smallSize);
  EXPECT_EQ((std::vector<std::uint8_t>(ico.begin(), ico.begin() + 6)),
            (std::vector<std::uint8_t>{0, 0, 1, 0, 2, 0}));
  EXPECT_EQ(ico[6], 32);
  EXPECT_EQ(ico[8], 16);  // colours
  EXPECT_EQ(ico[12], 4);  // bits per pixel
  EXPECT_EQ(ReadU32(ico, 14), bigSize);
  EXPECT_EQ(ReadU32(ico, 18), 38u);
  EXPECT_EQ(ico[22], 16);
  EXPECT_EQ(ReadU32(ico, 34), 38u + bigSize);
  EXPECT_EQ(ReadU32(ico, 38 + 8), 64u);  // the bitmap counts colour and mask rows
}

TEST(IcoWrite, PacksPixelsBottomUpWithTransparentOnesInTheMask) {
  const XpmImage image = Parse(kTwoByTwo);
  const std::vector<std::uint8_t> ico = WriteIco({image});
  const std::size_t palette = 6 + 16 + 40;
  EXPECT_EQ((std::vector<std::uint8_t>(ico.begin() + palette, ico.begin() + palette + 8)),
            (std::vector<std::uint8_t>{0x00, 0x80, 0xFF, 0, 0xFF, 0x00, 0x00, 0}));
  const std::size_t colourRows = palette + 64;
  EXPECT_EQ(ico[colourRows], 0x00);      // bottom row ".a": transparent 0, then colour 0
  EXPECT_EQ(ico[colourRows + 4], 0x01);  // top row "ab"
  const std::size_t maskRows = colourRows + 8;
  EXPECT_EQ(ico[maskRows], 0x80);  // bottom row: the first pixel shows through
  EXPECT_EQ(ico[maskRows + 4], 0x00);
}

}  // namespace
