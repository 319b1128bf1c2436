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

// How destination pixel `i` of an axis reads the source: the nearest source
// pixel, and the two neighbours a blend mixes, the upper with `upperWeight`.
struct AxisSample {
  int nearest;
  int lower, upper;
  double upperWeight;
};

AxisSample sampleAxis(int i, int from, int to, bool whole) {
  const int nearest = std::clamp(static_cast<int>((i + 0.5) * from / to), 0, from - 1);
  const double at = whole ? nearest : std::clamp(sourceCentre(i, from, to), 0.0, from - 1.0);
  const int lower = static_cast<int>(at);
  return {nearest, lower, std::min(lower + 1, from - 1), at - lower};
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
  // Every row reads the same columns: they are worked out once.
  std::vector<AxisSample> columns;
  columns.reserve(static_cast<std::size_t>(width));
  for (int x = 0; x < width; ++x) columns.push_back(sampleAxis(x, source.width, width, wholeX));
  for (int y = 0; y < height; ++y) {
    const AxisSample sy = sampleAxis(y, source.height, height, wholeY);
    const double fy = sy.upperWeight;
    for (int x = 0; x < width; ++x) {
      const AxisSample& sx = columns[static_cast<std::size_t>(x)];
      const double fx = sx.upperWeight;
      std::uint32_t& out = result.pixels[static_cast<std::size_t>(y) * width + x];
      const std::uint32_t nearest = source.at(sx.nearest, sy.nearest);
      if (mask && nearest == *mask) {
        out = *mask;
        continue;
      }
      const struct {
        std::uint32_t rgb;
        double weight;
      } corners[] = {{source.at(sx.lower, sy.lower), (1 - fx) * (1 - fy)},
                     {source.at(sx.upper, sy.lower), fx * (1 - fy)},
                     {source.at(sx.lower, sy.upper), (1 - fx) * fy},
                     {source.at(sx.upper, sy.upper), fx * fy}};
      double sum[3] = {}, total = 0;
      for (const auto& corner : corners) {
        if (mask && corner.rgb == *mask)
          continue;
        for (int c = 0; c < 3; ++c) sum[c] += corner.weight * channel(corner.rgb, 16 - 8 * c);
        total += corner.weight;
      }
      if (total <= 0) {  // only the nearest pixel counts
        out = nearest;
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
