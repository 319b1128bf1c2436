#include "core/settings/settings_values.h"

#include "core/text/utf8.h"

namespace vs {
namespace {

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
