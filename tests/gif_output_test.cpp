// The player's GIF, read back with giflib and composed frame by frame as a
// viewer shows it: every frame equals the --frames --board picture of the
// same tick, lasts 200 ms, and the animation loops.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <stb_image.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "replay/player.h"
#include "scratch_folder.h"

namespace {

class GifOutputTest : public ScratchFolderTest {
 protected:
  GifOutputTest() : ScratchFolderTest("pastura-gif-") {}

  int Play(std::vector<std::string> words) {
    words.insert(words.begin(), "pastura-replay");
    std::vector<char*> arguments;
    for (std::string& word : words) {
      arguments.push_back(word.data());
    }
    std::FILE* sink = std::fopen("/dev/null", "wb");
    const int code = RunPlayer(arguments, PlayerStreams{sink, stderr, false});
    std::fclose(sink);
    return code;
  }

  using Gif = std::unique_ptr<GifFileType, void (*)(GifFileType*)>;

  // The GIF at `path` read whole; null when it cannot be.
  static Gif Slurp(const std::string& path) {
    int error = 0;
    Gif gif(DGifOpenFileName(path.c_str(), &error),
            [](GifFileType* g) { DGifCloseFile(g, nullptr); });
    return gif && DGifSlurp(gif.get()) == GIF_OK ? std::move(gif) : Gif(nullptr, nullptr);
  }

  // The frame's pixels as 0xFFRRGGBB.
  std::vector<std::uint32_t> Frame(int tick, int& width, int& height) const {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06d.png", tick);
    int channels = 0;
    std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> rgb(
        stbi_load((folder / "frames" / name).c_str(), &width, &height, &channels, 3),
        &stbi_image_free);
    std::vector<std::uint32_t> pixels;
    for (int i = 0; rgb && i < width * height; ++i) {
      const stbi_uc* p = rgb.get() + 3 * i;
      pixels.push_back(0xFF000000u | p[0] << 16 | p[1] << 8 | p[2]);
    }
    return pixels;
  }
};

TEST_F(GifOutputTest, EveryFrameEqualsTheCroppedPictureOfItsTick) {
  const std::string gifPath = (folder / "run.gif").string();
  // An unchanged board (the second tick), spawns, paint and redraw.
  ASSERT_EQ(Play({"--gif", gifPath, "--frames", (folder / "frames").string(), "--board", "--scale",
                  "1.25", "-e",
                  "tick 2 plant herbivore carnivore tick 3 paint tick redraw plant tick 4"}),
            0);
  const Gif gif = Slurp(gifPath);
  ASSERT_TRUE(gif);
  ASSERT_EQ(gif->ImageCount, 10);
  const ExtensionBlock& loop = gif->SavedImages[0].ExtensionBlocks[0];
  EXPECT_EQ(std::string(reinterpret_cast<char*>(loop.Bytes), loop.ByteCount), "NETSCAPE2.0");

  std::vector<std::uint32_t> shown(static_cast<std::size_t>(gif->SWidth) * gif->SHeight);
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    GraphicsControlBlock control;
    ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), i, &control), GIF_OK);
    EXPECT_EQ(control.DelayTime, 20);
    const GifImageDesc& box = image.ImageDesc;
    for (int y = 0; y < box.Height; ++y) {
      for (int x = 0; x < box.Width; ++x) {
        const int index = image.RasterBits[y * box.Width + x];
        if (index != control.TransparentColor) {
          const GifColorType& c = box.ColorMap->Colors[index];
          shown[(box.Top + y) * gif->SWidth + box.Left + x] =
              0xFF000000u | c.Red << 16 | c.Green << 8 | c.Blue;
        }
      }
    }
    int width = 0;
    int height = 0;
    const std::vector<std::uint32_t> expected = Frame(i + 1, width, height);
    ASSERT_EQ(width, gif->SWidth);
    ASSERT_EQ(height, gif->SHeight);
    EXPECT_EQ(shown, expected) << "frame " << i + 1;
  }
}

TEST_F(GifOutputTest, AScriptWithoutTicksGivesOneFrame) {
  const std::string gifPath = (folder / "still.gif").string();
  ASSERT_EQ(Play({"--gif", gifPath, "-e", "plant paint"}), 0);
  const Gif gif = Slurp(gifPath);
  ASSERT_TRUE(gif);
  EXPECT_EQ(gif->ImageCount, 1);
}

}  // namespace
