// One value of a registry export as text: `"name"=hex:01,00`, `dword:`, a
// quoted string or `hex(n):`, and the small text rules the file shares.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vs::reg {

constexpr unsigned kString = 1;
constexpr unsigned kBinary = 3;
constexpr unsigned kDword = 4;

struct Value {
  unsigned type = kBinary;
  std::vector<std::uint8_t> data;  // a string's bytes end with its zero byte
  bool operator==(const Value&) const = default;
};

// The text (continuation lines included, no final line end) that an export
// writes for a value.
std::string formatValue(const std::string& name, const Value& value,
                        std::string_view lineEnd = "\r\n");

// The name of a value line ("@" is the key's unnamed value) and where its data
// begins; nullopt when the line does not name a value.
std::optional<std::string> parseValueName(std::string_view line, std::size_t& dataStart);
// The data after the "=", continuations included; nullopt when it is damaged.
std::optional<Value> parseData(std::string_view data);

bool isBlank(char c);
bool isSpace(char c);
std::string_view trim(std::string_view text);
// Registry names compare without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace vs::reg
