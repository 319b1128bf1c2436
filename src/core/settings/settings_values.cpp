#include "core/settings/settings_values.h"

namespace vs {
namespace {

// Whether `text` is well-formed UTF-8: no stray continuation bytes, no
// overlong forms, no surrogates, nothing above U+10FFFF.
bool isUtf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code = lead & 0x07;
    } else {
      return false;
    }
    if (text.size() - i < length)
      return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80)
        return false;
      code = code << 6 | (next & 0x3F);
    }
    const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return false;
    i += length;
  }
  return true;
}

// The length of `text` cut to at most `limit` bytes; UTF-8 text is cut before
// the character that would be split, any other text at the byte.
std::size_t cutLength(const std::string& text, std::size_t limit) {
  if (text.size() <= limit)
    return text.size();
  if (!isUtf8(text))
    return limit;
  std::size_t cut = limit;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return cut;
}

}  // namespace

std::vector<std::uint8_t> encodeInteger(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
          static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

bool decodeInteger(const std::vector<std::uint8_t>& data, std::int32_t& value) {
  if (data.size() < kIntegerValueSize)
    return false;
  const std::uint32_t bits = std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 |
                             std::uint32_t{data[2]} << 16 | std::uint32_t{data[3]} << 24;
  value = static_cast<std::int32_t>(bits);
  return true;
}

std::vector<std::uint8_t> encodeParameters(const std::string& text) {
  std::vector<std::uint8_t> buffer(kParametersValueSize, 0);
  const std::size_t length = cutLength(text, kParametersValueSize - 1);
  for (std::size_t i = 0; i < length; ++i) buffer[i] = static_cast<std::uint8_t>(text[i]);
  return buffer;
}

std::string decodeParameters(const std::vector<std::uint8_t>& data) {
  std::string text;
  for (std::uint8_t byte : data) {
    if (byte == 0)
      break;
    text += static_cast<char>(byte);
  }
  return text;
}

}  // namespace vs
