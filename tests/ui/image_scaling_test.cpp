#include "ui/image_scaling.h"

#include <gtest/gtest.h>

#include <random>

namespace vs::test {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

TEST(ImageScaling, TheSameSizeIsTheSourceAndAFlatColourStaysFlat) {
  const Image source{3, 2, {1, 2, 3, 4, 5, 6}};
  EXPECT_EQ(scaleImage(source, 3, 2).pixels, source.pixels);
  const Image flat{2, 2, std::vector<std::uint32_t>(4, 0x336699)};
  for (const std::uint32_t pixel : scaleImage(flat, 5, 3).pixels) EXPECT_EQ(pixel, 0x336699u);
}

TEST(ImageScaling, AFractionalFactorBlendsNeighbours) {
  const Image edge{2, 1, {0x000000, 0xC8C8C8}};
  const std::vector<std::uint32_t> halfway{0x000000, 0x646464, 0xC8C8C8};
  EXPECT_EQ(scaleImage(edge, 3, 1).pixels, halfway);  // 150%
}

// Each axis enlarged by a whole factor repeats whole pixels; the other blends.
TEST(ImageScaling, AWholeFactorEnlargesByWholePixels) {
  constexpr std::uint32_t a = 0x000000, b = 0x0000C8, c = 0xC80000, d = 0x00C800;
  const Image source{2, 2, {a, b, c, d}};
  const struct {
    int width, height;
    std::vector<std::uint32_t> pixels;
  } cases[] = {
      {4, 4, {a, a, b, b, a, a, b, b, c, c, d, d, c, c, d, d}},
      {6, 2, {a, a, a, b, b, b, c, c, c, d, d, d}},
      {4, 3, {a, a, b, b, 0x640000, 0x640000, 0x006464, 0x006464, c, c, d, d}},
  };
  for (const auto& expected : cases) {
    SCOPED_TRACE(std::to_string(expected.width) + "x" + std::to_string(expected.height));
    EXPECT_EQ(scaleImage(source, expected.width, expected.height).pixels, expected.pixels);
    EXPECT_EQ(scaleImage(source, expected.width, expected.height, kWhite).pixels, expected.pixels);
  }
}

// The mask keeps its shape, no image pixel becomes transparent and none is
// mixed with the mask colour, at the scales of 144 and 192 DPI and down.
TEST(ImageScaling, TheMaskColourStaysExactlyWhereItWas) {
  std::mt19937 random(7);
  const std::uint32_t nearWhite[] = {0xFFFFFE, 0xFEFFFF, 0xFFFEFF, 0x102030};
  Image source{24, 24, {}};
  for (int i = 0; i < 24 * 24; ++i)
    source.pixels.push_back(random() % 3 == 0 ? kWhite : nearWhite[random() % 4]);
  for (const int size : {36, 48, 30, 12}) {
    SCOPED_TRACE(size);
    const Image scaled = scaleImage(source, size, size, kWhite);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        // The source pixel under the centre of this one.
        const bool sourceMask =
            source.at((2 * x + 1) * 24 / (2 * size), (2 * y + 1) * 24 / (2 * size)) == kWhite;
        const std::uint32_t pixel = scaled.at(x, y);
        EXPECT_EQ(pixel == kWhite, sourceMask) << x << "," << y;
        // Only image colours blend: every channel stays within theirs.
        if (!sourceMask) {
          EXPECT_TRUE(pixel == 0x102030 || (pixel & 0xFF0000) >= 0x100000) << std::hex << pixel;
        }
      }
    }
  }
}

TEST(ImageScaling, AStripScalesImageByImageWithoutBleeding) {
  Image strip{4, 2, {0xFF0000, 0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000, kWhite, 0x0000FF, kWhite}};
  const Image scaled = scaleStrip(strip, 2, 3, 3, kWhite);
  ASSERT_EQ(scaled.width, 6);
  ASSERT_EQ(scaled.height, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 6; ++x) {
      const std::uint32_t pixel = scaled.at(x, y);
      EXPECT_TRUE(pixel == kWhite || pixel == (x < 3 ? 0xFF0000u : 0x0000FFu))
          << x << "," << y << " " << std::hex << pixel;
    }
  }
  EXPECT_EQ(scaled.at(2, 2), kWhite);
  EXPECT_EQ(scaled.at(0, 2), 0xFF0000u);
}

}  // namespace
}  // namespace vs::test
