#include "core/settings/reg_value.h"

#include <cstdio>

#include "core/text/ascii.h"

namespace vs::reg {
namespace {

// An export breaks a hex line once it reaches this many characters.
constexpr std::size_t kHexLineWidth = 77;

int hexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  c = lowerAscii(c);
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

std::optional<std::uint32_t> parseHexNumber(std::string_view digits, std::size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits)
    return std::nullopt;
  std::uint32_t number = 0;
  for (char c : digits) {
    const int digit = hexDigit(c);
    if (digit < 0)
      return std::nullopt;
    number = number << 4 | static_cast<std::uint32_t>(digit);
  }
  return number;
}

// A quoted text with the export's escapes, starting at text[pos] == '"'; pos
// ends after the closing quote.
std::optional<std::string> parseQuoted(std::string_view text, std::size_t& pos) {
  std::string result;
  for (++pos; pos < text.size(); ++pos) {
    char c = text[pos];
    if (c == '"') {
      ++pos;
      return result;
    }
    if (c == '\\' && pos + 1 < text.size()) {
      c = text[++pos];
      if (c == 'n')
        c = '\n';
      else if (c == 'r')
        c = '\r';
      else if (c == '0')
        c = '\0';
    }
    result += c;
  }
  return std::nullopt;
}

// The bytes of "hh,hh,..." with continuations ("\" at a line's end) and white
// space between them; nullopt for anything else, such as a cut-off list.
std::optional<std::vector<std::uint8_t>> parseHexList(std::string_view text) {
  std::string cleaned;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (isSpace(c))
      continue;
    if (c == '\\') {
      std::size_t next = i + 1;
      while (next < text.size() && isBlank(text[next])) ++next;
      if (next < text.size() && text[next] == '\r')
        ++next;
      if (next >= text.size() || text[next] != '\n')
        return std::nullopt;
      i = next;
      continue;
    }
    cleaned += c;
  }
  std::vector<std::uint8_t> bytes;
  if (cleaned.empty())
    return bytes;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = cleaned.find(',', start);
    const auto byte =
        parseHexNumber(std::string_view(cleaned).substr(
                           start, comma == std::string::npos ? std::string::npos : comma - start),
                       2);
    if (!byte)
      return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(*byte));
    if (comma == std::string::npos)
      return bytes;
    start = comma + 1;
  }
}

std::string quote(std::string_view text) {
  std::string result = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"')
      result += '\\';
    result += c;
  }
  return result + '"';
}

std::string hexByte(std::uint8_t byte) {
  char digits[3];
  std::snprintf(digits, sizeof digits, "%02x", byte);
  return digits;
}

// A string an export can write in quotes: one zero byte, at its end.
bool isPlainString(const Value& value) {
  if (value.type != kString || value.data.empty() || value.data.back() != 0)
    return false;
  for (std::size_t i = 0; i + 1 < value.data.size(); ++i) {
    if (value.data[i] == 0 || value.data[i] == '\n' || value.data[i] == '\r')
      return false;
  }
  return true;
}

}  // namespace

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

bool isSpace(char c) {
  return isBlank(c) || c == '\r' || c == '\n';
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool sameName(std::string_view a, std::string_view b) {
  return equalsIgnoringAsciiCase(a, b);
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && sameName(text.substr(0, prefix.size()), prefix);
}

std::optional<Value> parseData(std::string_view data) {
  if (!data.empty() && data.front() == '"') {
    std::size_t pos = 0;
    auto text = parseQuoted(data, pos);
    if (!text || !trim(data.substr(pos)).empty())
      return std::nullopt;
    Value value{kString, {text->begin(), text->end()}};
    value.data.push_back(0);
    return value;
  }
  if (startsWithNoCase(data, "dword:")) {
    const auto number = parseHexNumber(trim(data.substr(6)), 8);
    if (!number)
      return std::nullopt;
    return Value{
        kDword,
        {static_cast<std::uint8_t>(*number), static_cast<std::uint8_t>(*number >> 8),
         static_cast<std::uint8_t>(*number >> 16), static_cast<std::uint8_t>(*number >> 24)}};
  }
  unsigned type = kBinary;
  if (startsWithNoCase(data, "hex:")) {
    data.remove_prefix(4);
  } else if (startsWithNoCase(data, "hex(")) {
    const std::size_t close = data.find("):");
    if (close == std::string_view::npos)
      return std::nullopt;
    const auto number = parseHexNumber(data.substr(4, close - 4), 8);
    if (!number)
      return std::nullopt;
    type = *number;
    data.remove_prefix(close + 2);
  } else {
    return std::nullopt;
  }
  auto bytes = parseHexList(data);
  if (!bytes)
    return std::nullopt;
  return Value{type, std::move(*bytes)};
}

std::optional<std::string> parseValueName(std::string_view line, std::size_t& dataStart) {
  std::size_t pos = 0;
  std::string name;
  if (line.front() == '@') {
    pos = 1;
  } else {
    auto quoted = parseQuoted(line, pos);
    if (!quoted)
      return std::nullopt;
    name = std::move(*quoted);
  }
  while (pos < line.size() && isBlank(line[pos])) ++pos;
  if (pos >= line.size() || line[pos] != '=')
    return std::nullopt;
  ++pos;
  while (pos < line.size() && isBlank(line[pos])) ++pos;
  dataStart = pos;
  return name;
}

std::string formatValue(const std::string& name, const Value& value, std::string_view lineEnd) {
  std::string line = (name.empty() ? std::string("@") : quote(name)) + "=";
  if (isPlainString(value)) {
    return line + quote(std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                         value.data.size() - 1));
  }
  if (value.type == kDword && value.data.size() == 4) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x",
                  static_cast<unsigned>(value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                                        value.data[3] << 24));
    return line + "dword:" + digits;
  }
  if (value.type == kBinary) {
    line += "hex:";
  } else {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
    line += prefix;
  }
  std::size_t width = line.size();
  for (std::size_t i = 0; i < value.data.size(); ++i) {
    line += hexByte(value.data[i]);
    if (i + 1 == value.data.size())
      break;
    line += ',';
    width += 3;
    if (width >= kHexLineWidth) {
      line += '\\';
      line += lineEnd;
      line += "  ";
      width = 2;
    }
  }
  return line;
}

}  // namespace vs::reg
