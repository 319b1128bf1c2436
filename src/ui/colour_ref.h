// A colour as Windows keeps it in a COLORREF: 0x00BBGGRR, red in the low
// byte and blue in the third. The dialogs hand colours to every front end in
// this form.
#pragma once

#include <cstdint>

namespace vs {

using ColourRef = std::uint32_t;

constexpr ColourRef colourRef(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return red | (green << 8) | (static_cast<ColourRef>(blue) << 16);
}
constexpr std::uint8_t redOf(ColourRef colour) {
  return colour & 0xFF;
}
constexpr std::uint8_t greenOf(ColourRef colour) {
  return (colour >> 8) & 0xFF;
}
constexpr std::uint8_t blueOf(ColourRef colour) {
  return (colour >> 16) & 0xFF;
}
// The same colour as 0x00RRGGBB, the pixel form of images and of Qt.
constexpr std::uint32_t rgbOf(ColourRef colour) {
  return static_cast<std::uint32_t>(redOf(colour)) << 16 |
         static_cast<std::uint32_t>(greenOf(colour)) << 8 | blueOf(colour);
}

}  // namespace vs
