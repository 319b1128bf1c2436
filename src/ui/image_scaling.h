// Scaling of the program's bitmaps to the size of their places, for front ends
// on screens of another scale than the artwork's: by whole pixels along an
// axis enlarged by a whole factor (2x at 200%), smooth (bilinear) otherwise.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vs {

// Pixels as 0x00RRGGBB, row by row from the top.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// `source` at `width` by `height`. With a mask colour, the transparent shape
// scales crisply: a pixel is exactly the mask colour where the nearest source
// pixel is, and elsewhere blends only non-mask pixels and never comes out as
// the mask colour. A size equal to the source's gives the source unchanged.
Image scaleImage(const Image& source, int width, int height,
                 std::optional<std::uint32_t> mask = std::nullopt);

// A strip of equal images side by side, each `cellWidth` wide, scaled image
// by image so that no image bleeds into its neighbour.
Image scaleStrip(const Image& strip, int cellWidth, int newCellWidth, int newHeight,
                 std::optional<std::uint32_t> mask = std::nullopt);

}  // namespace vs
