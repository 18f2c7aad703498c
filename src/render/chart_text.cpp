#include "render/chart_text.h"

#include <cmath>
#include <stdexcept>

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb_truetype.h>

namespace {

constexpr unsigned char kFont[] = {
#include "chart_font.inc"
};

}  // namespace

ChartText::ChartText(std::int32_t emPixels) {
  stbtt_fontinfo font;
  if (stbtt_InitFont(&font, kFont, 0) == 0) {
    throw std::logic_error("the chart's font is not a TrueType font");
  }
  const float scale = stbtt_ScaleForMappingEmToPixels(&font, static_cast<float>(emPixels));
  for (char c = kFirst; c <= kLast; ++c) {
    Glyph& glyph = glyphs_[static_cast<std::size_t>(c - kFirst)];
    int advance = 0;
    int bearing = 0;
    stbtt_GetCodepointHMetrics(&font, c, &advance, &bearing);
    glyph.advance =
        static_cast<std::int32_t>(std::lround(static_cast<float>(advance) * scale * 64));
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    stbtt_GetCodepointBitmapBox(&font, c, scale, scale, &x0, &y0, &x1, &y1);
    glyph = {masks_.size(), x1 - x0, y1 - y0, x0, y0, glyph.advance};
    masks_.resize(masks_.size() + static_cast<std::size_t>(glyph.width * glyph.height));
    if (glyph.width > 0 && glyph.height > 0) {
      stbtt_MakeCodepointBitmap(&font, masks_.data() + glyph.mask, glyph.width, glyph.height,
                                glyph.width, scale, scale, c);
    }
    if (c == '0') {
      digitHeight_ = -y0;
    }
  }
}

const ChartText::Glyph& ChartText::GlyphOf(char c) const {
  return glyphs_[static_cast<std::size_t>((c < kFirst || c > kLast ? kFirst : c) - kFirst)];
}

std::int32_t ChartText::Width(std::string_view text) const {
  std::int32_t advance = 0;
  for (const char c : text) {
    advance += GlyphOf(c).advance;
  }
  return (advance + 32) / 64;
}

void ChartText::Draw(RasterSurface& surface, std::int32_t x, std::int32_t baseline,
                     std::string_view text, std::uint32_t colour) const {
  std::int32_t pen = x * 64;
  for (const char c : text) {
    const Glyph& glyph = GlyphOf(c);
    surface.BlendMask((pen + 32) / 64 + glyph.left, baseline + glyph.top, glyph.width, glyph.height,
                      masks_.data() + glyph.mask, colour);
    pen += glyph.advance;
  }
}
