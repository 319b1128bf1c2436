#include "ui/image_scaling.h"

#include <algorithm>
#include <cmath>

namespace vs {
namespace {

// Where the centre of destination pixel `i` falls in source coordinates.
double sourceCentre(int i, int from, int to) {
  return (i + 0.5) * from / to - 0.5;
}

// An axis enlarged by a whole factor takes whole source pixels, so pixel art
// stays crisp at 200%; any other factor blends.
bool wholeEnlargement(int from, int to) {
  return from > 0 && to >= from && to % from == 0;
}

std::uint32_t channel(std::uint32_t rgb, int shift) {
  return (rgb >> shift) & 0xFF;
}

}  // namespace

Image scaleImage(const Image& source, int width, int height, std::optional<std::uint32_t> mask) {
  if (width == source.width && height == source.height)
    return source;
  Image result{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  if (source.width <= 0 || source.height <= 0)
    return result;
  const bool wholeX = wholeEnlargement(source.width, width);
  const bool wholeY = wholeEnlargement(source.height, height);
  for (int y = 0; y < height; ++y) {
    const int nearestY =
        std::clamp(static_cast<int>((y + 0.5) * source.height / height), 0, source.height - 1);
    const double sy =
        wholeY ? nearestY
               : std::clamp(sourceCentre(y, source.height, height), 0.0, source.height - 1.0);
    const int y0 = static_cast<int>(sy), y1 = std::min(y0 + 1, source.height - 1);
    const double fy = sy - y0;
    for (int x = 0; x < width; ++x) {
      const int nearestX =
          std::clamp(static_cast<int>((x + 0.5) * source.width / width), 0, source.width - 1);
      const double sx =
          wholeX ? nearestX
                 : std::clamp(sourceCentre(x, source.width, width), 0.0, source.width - 1.0);
      const int x0 = static_cast<int>(sx), x1 = std::min(x0 + 1, source.width - 1);
      const double fx = sx - x0;
      std::uint32_t& out = result.pixels[static_cast<std::size_t>(y) * width + x];
      if (mask && source.at(nearestX, nearestY) == *mask) {
        out = *mask;
        continue;
      }
      const struct {
        std::uint32_t rgb;
        double weight;
      } corners[] = {{source.at(x0, y0), (1 - fx) * (1 - fy)},
                     {source.at(x1, y0), fx * (1 - fy)},
                     {source.at(x0, y1), (1 - fx) * fy},
                     {source.at(x1, y1), fx * fy}};
      double sum[3] = {}, total = 0;
      for (const auto& corner : corners) {
        if (mask && corner.rgb == *mask)
          continue;
        for (int c = 0; c < 3; ++c) sum[c] += corner.weight * channel(corner.rgb, 16 - 8 * c);
        total += corner.weight;
      }
      if (total <= 0) {  // only the nearest pixel counts
        out = source.at(nearestX, nearestY);
        continue;
      }
      out = 0;
      for (int c = 0; c < 3; ++c)
        out |= static_cast<std::uint32_t>(std::lround(sum[c] / total)) << (16 - 8 * c);
      // Blends of colours near the mask colour may round onto it.
      if (mask && out == *mask)
        out ^= 1;
    }
  }
  return result;
}

Image scaleStrip(const Image& strip, int cellWidth, int newCellWidth, int newHeight,
                 std::optional<std::uint32_t> mask) {
  const int cells = cellWidth > 0 ? strip.width / cellWidth : 0;
  Image result{
      cells * newCellWidth, newHeight,
      std::vector<std::uint32_t>(static_cast<std::size_t>(cells) * newCellWidth * newHeight)};
  for (int cell = 0; cell < cells; ++cell) {
    Image one{cellWidth, strip.height, {}};
    one.pixels.reserve(static_cast<std::size_t>(cellWidth) * strip.height);
    for (int y = 0; y < strip.height; ++y)
      for (int x = 0; x < cellWidth; ++x) one.pixels.push_back(strip.at(cell * cellWidth + x, y));
    const Image scaled = scaleImage(one, newCellWidth, newHeight, mask);
    for (int y = 0; y < newHeight; ++y)
      std::copy_n(scaled.pixels.begin() + static_cast<std::ptrdiff_t>(y) * newCellWidth,
                  newCellWidth,
                  result.pixels.begin() + static_cast<std::ptrdiff_t>(y) * result.width +
                      cell * newCellWidth);
  }
  return result;
}

}  // namespace vs
