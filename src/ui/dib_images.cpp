#include "ui/dib_images.h"

#include <cstring>

namespace vs {
namespace {

std::uint32_t le(std::string_view bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

constexpr std::size_t kInfoHeader = 40;
constexpr std::uint32_t kUncompressed = 0;

std::size_t rowBytes(int width, int bits) {
  return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
}

// Pixel `x` of a row of `bits`-bit palette indices (or mask bits), leftmost
// in the high bits of each byte.
std::uint32_t packedIndex(std::string_view bytes, std::size_t row, int x, int bits) {
  const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
  const auto byte = static_cast<unsigned char>(bytes[row + bit / 8]);
  return (byte >> (8 - bits - static_cast<int>(bit % 8))) & ((1u << bits) - 1);
}

// The colour picture of a BITMAPINFOHEADER DIB that starts at `dib`, `height`
// rows of it (an icon's DIB counts its mask's rows too); `rows` follows the
// header and palette unless `bitsAt` says where. Alpha bytes of 32-bit
// pixels are kept; other pixels come out as 0x00RRGGBB.
std::optional<Image> decodeDib(std::string_view bytes, std::size_t dib, int height,
                               std::optional<std::size_t> bitsAt, std::size_t& end) {
  if (dib + kInfoHeader > bytes.size() || le(bytes, dib, 4) != kInfoHeader)
    return std::nullopt;
  const auto width = static_cast<std::int32_t>(le(bytes, dib + 4, 4));
  const auto bits = static_cast<int>(le(bytes, dib + 14, 2));
  const std::uint32_t compression = le(bytes, dib + 16, 4);
  std::uint32_t colours = le(bytes, dib + 32, 4);
  const bool known = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
  if (width <= 0 || width > 1 << 15 || height == 0 || height > 1 << 15 || height < -(1 << 15) ||
      !known || compression != kUncompressed)
    return std::nullopt;
  if (bits <= 8 && colours == 0)
    colours = 1u << bits;
  if (bits > 8)
    colours = 0;
  const std::size_t palette = dib + kInfoHeader;
  if (colours > 256 || palette + colours * 4 > bytes.size())
    return std::nullopt;
  const bool bottomUp = height > 0;
  const int rows = bottomUp ? height : -height;
  const std::size_t stride = rowBytes(width, bits);
  const std::size_t first = bitsAt.value_or(palette + colours * 4);
  end = first + stride * static_cast<std::size_t>(rows);
  if (first > bytes.size() || end > bytes.size())
    return std::nullopt;
  Image image{width, rows, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * rows)};
  for (int y = 0; y < rows; ++y) {
    const std::size_t row = first + stride * static_cast<std::size_t>(bottomUp ? rows - 1 - y : y);
    for (int x = 0; x < width; ++x) {
      std::uint32_t pixel;
      if (bits <= 8) {
        const std::uint32_t index = packedIndex(bytes, row, x, bits);
        pixel = index < colours ? le(bytes, palette + index * 4, 3) : 0;
      } else {
        pixel = le(bytes, row + static_cast<std::size_t>(x) * (bits / 8), bits / 8);
      }
      image.pixels[static_cast<std::size_t>(y) * width + x] = pixel;
    }
  }
  return image;
}

}  // namespace

std::optional<Image> decodeBmpFile(std::string_view bytes) {
  if (bytes.size() < 14 + kInfoHeader || bytes.substr(0, 2) != "BM")
    return std::nullopt;
  std::size_t end = 0;
  auto image = decodeDib(bytes, 14, static_cast<std::int32_t>(le(bytes, 22, 4)),
                         static_cast<std::size_t>(le(bytes, 10, 4)), end);
  if (image) {
    for (std::uint32_t& pixel : image->pixels) pixel &= 0xFFFFFF;
  }
  return image;
}

std::optional<std::vector<Image>> decodeIcoFile(std::string_view bytes) {
  if (bytes.size() < 6 || le(bytes, 0, 2) != 0 || le(bytes, 2, 2) != 1)
    return std::nullopt;
  const std::uint32_t count = le(bytes, 4, 2);
  if (count == 0 || 6 + count * 16 > bytes.size())
    return std::nullopt;
  std::vector<Image> images;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + i * 16;
    const std::size_t dib = le(bytes, entry + 12, 4);
    if (dib + kInfoHeader > bytes.size())
      return std::nullopt;
    // The DIB's height counts the colour rows and the mask's.
    const auto doubled = static_cast<std::int32_t>(le(bytes, dib + 8, 4));
    if (doubled <= 0 || doubled % 2 != 0)
      return std::nullopt;
    const int height = doubled / 2;
    std::size_t maskAt = 0;
    auto image = decodeDib(bytes, dib, height, std::nullopt, maskAt);
    if (!image)
      return std::nullopt;
    // 32-bit images carry their own alpha, unless it is all zero.
    bool hasAlpha = false;
    if (le(bytes, dib + 14, 2) == 32) {
      for (const std::uint32_t pixel : image->pixels) hasAlpha = hasAlpha || (pixel >> 24) != 0;
    }
    // The AND mask: one bit a pixel, rows bottom up, set where transparent.
    const std::size_t stride = rowBytes(image->width, 1);
    if (maskAt + stride * static_cast<std::size_t>(height) > bytes.size())
      return std::nullopt;
    for (int y = 0; y < height && !hasAlpha; ++y) {
      const std::size_t row = maskAt + stride * static_cast<std::size_t>(height - 1 - y);
      for (int x = 0; x < image->width; ++x) {
        std::uint32_t& pixel = image->pixels[static_cast<std::size_t>(y) * image->width + x];
        pixel = packedIndex(bytes, row, x, 1) != 0 ? 0 : (pixel | 0xFF000000u);
      }
    }
    images.push_back(std::move(*image));
  }
  return images;
}

}  // namespace vs
