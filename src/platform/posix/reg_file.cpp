#include "platform/posix/reg_file.h"

#include <cstdio>
#include <optional>

namespace vs::reg {
namespace {

// An export breaks a hex line once it reaches this many characters.
constexpr std::size_t kHexLineWidth = 77;
constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i]))
      return false;
  }
  return true;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && sameName(text.substr(0, prefix.size()), prefix);
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  c = lower(c);
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

// The value's name ("@" is the key's unnamed value) and where its data begins.
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

// Whether a line goes on after its end: a hex value whose text ends with "\".
bool continues(std::string_view content) {
  const std::string_view line = trim(content);
  if (line.empty() || line.back() != '\\' || (line.front() != '"' && line.front() != '@'))
    return false;
  std::size_t dataStart = 0;
  return parseValueName(line, dataStart) && startsWithNoCase(line.substr(dataStart), "hex");
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

std::string_view endText(auto end) {
  switch (end) {
    case decltype(end)::lf:
      return "\n";
    case decltype(end)::crlf:
      return "\r\n";
    default:
      return "";
  }
}

}  // namespace

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

RegFile::Line RegFile::classify(std::string content, End end) {
  Line line{Kind::other, end, std::move(content), nullptr};
  std::string_view text = trim(line.content);
  if (text.starts_with(kByteOrderMark))
    text.remove_prefix(kByteOrderMark.size());
  if (text.empty()) {
    line.kind = Kind::blank;
  } else if (text == kHeader) {
    line.kind = Kind::header;
  } else if (text.front() == '[' && text.back() == ']') {
    line.kind = Kind::key;
    line.detail = std::make_unique<Detail>();
    line.detail->name = std::string(text.substr(1, text.size() - 2));
  } else if (text.front() == '"' || text.front() == '@') {
    std::size_t dataStart = 0;
    auto name = parseValueName(text, dataStart);
    const std::string_view data = text.substr(std::min(dataStart, text.size()));
    if (name && trim(data) != "-") {  // "-" deletes a value on import
      line.kind = Kind::value;
      line.detail = std::make_unique<Detail>();
      line.detail->name = std::move(*name);
      if (auto value = parseData(data)) {
        line.detail->readable = true;
        line.detail->value = std::move(*value);
      }
    }
  }
  return line;
}

RegFile RegFile::parse(std::string_view text) {
  RegFile file;
  std::size_t pos = 0;
  const auto nextLine = [&](std::string& content, End& end) {
    const std::size_t newline = text.find('\n', pos);
    std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
    end = End::none;
    if (newline != std::string_view::npos) {
      end = End::lf;
      if (stop > pos && text[stop - 1] == '\r') {
        --stop;
        end = End::crlf;
      }
    }
    content.assign(text.substr(pos, stop - pos));
    pos = newline == std::string_view::npos ? text.size() : newline + 1;
  };
  bool first = true;
  while (pos < text.size()) {
    std::string content;
    End end;
    nextLine(content, end);
    if (first && end != End::none)
      file.lineEnd_ = end;
    first = false;
    while (end != End::none && pos < text.size() && continues(content)) {
      std::string more;
      content += endText(end);
      nextLine(more, end);
      content += more;
    }
    file.lines_.push_back(classify(std::move(content), end));
  }
  return file;
}

std::string RegFile::text() const {
  std::string result;
  for (const Line& line : lines_) {
    result += line.content;
    result += endText(line.end);
  }
  return result;
}

std::string_view RegFile::lineEnd() const {
  return endText(lineEnd_);
}

bool RegFile::hasHeader() const {
  return !lines_.empty() && lines_.front().kind == Kind::header;
}

bool RegFile::hasKey(std::string_view key) const {
  for (const Line& line : lines_) {
    if (line.kind == Kind::key && sameName(line.detail->name, key))
      return true;
  }
  return false;
}

Lookup RegFile::find(std::string_view key, std::string_view name) const {
  Lookup result;
  bool inKey = false;
  for (const Line& line : lines_) {
    if (line.kind == Kind::key) {
      inKey = sameName(line.detail->name, key);
    } else if (inKey && line.kind == Kind::value && sameName(line.detail->name, name)) {
      result.state = line.detail->readable ? Lookup::found : Lookup::unreadable;
      result.value = line.detail->value;
    }
  }
  return result;
}

RegFile::Line RegFile::makeLine(std::string content) const {
  return classify(std::move(content), lineEnd_);
}

void RegFile::terminateLast() {
  if (!lines_.empty() && lines_.back().end == End::none)
    lines_.back().end = lineEnd_;
}

void RegFile::ensureHeader() {
  if (hasHeader())
    return;
  std::vector<Line> lines;
  lines.push_back(makeLine(std::string(kHeader)));
  lines.push_back(makeLine(""));
  for (Line& line : lines_) lines.push_back(std::move(line));
  lines_ = std::move(lines);
}

void RegFile::addKey(std::string_view key) {
  if (hasKey(key))
    return;
  terminateLast();
  if (!lines_.empty() && lines_.back().kind != Kind::blank)
    lines_.push_back(makeLine(""));
  lines_.push_back(makeLine("[" + std::string(key) + "]"));
  lines_.push_back(makeLine(""));
}

std::size_t RegFile::sectionEnd(std::string_view key) const {
  std::size_t end = lines_.size();
  bool inKey = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::key) {
      inKey = sameName(line.detail->name, key);
      if (inKey)
        end = i + 1;
    } else if (inKey && line.kind != Kind::blank) {
      end = i + 1;
    }
  }
  return end;
}

void RegFile::set(std::string_view key, const std::string& name, const Value& value) {
  std::vector<std::size_t> named;
  bool inKey = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::key)
      inKey = sameName(line.detail->name, key);
    else if (inKey && line.kind == Kind::value && sameName(line.detail->name, name))
      named.push_back(i);
  }
  std::string content = formatValue(name, value, lineEnd());
  if (!named.empty()) {
    Line& line = lines_[named.front()];
    line = classify(std::move(content), line.end);
    for (auto it = named.rbegin(); it + 1 != named.rend(); ++it) {
      lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    return;
  }
  addKey(key);
  const std::size_t at = sectionEnd(key);
  if (at > 0 && lines_[at - 1].end == End::none)
    lines_[at - 1].end = lineEnd_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), makeLine(std::move(content)));
}

}  // namespace vs::reg
