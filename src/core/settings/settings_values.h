// How the stored values look: 4-byte little-endian two's-complement integers
// and a 260-byte text buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vs {

constexpr std::size_t kIntegerValueSize = 4;
constexpr std::size_t kParametersValueSize = 260;

std::vector<std::uint8_t> encodeInteger(std::int32_t value);
// False for a value shorter than 4 bytes: such a value is passed over.
bool decodeInteger(const std::vector<std::uint8_t>& data, std::int32_t& value);

// The text, one zero byte, zeros to 260 bytes; text beyond 259 bytes is cut,
// at a character boundary when the text is UTF-8.
std::vector<std::uint8_t> encodeParameters(const std::string& text);
// The bytes up to the first zero byte, or all of them.
std::string decodeParameters(const std::vector<std::uint8_t>& data);

}  // namespace vs
