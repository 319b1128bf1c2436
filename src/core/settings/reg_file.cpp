#include "core/settings/reg_file.h"

namespace vs::reg {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Whether a line goes on after its end: a hex value whose text ends with "\".
bool continues(std::string_view content) {
  const std::string_view line = trim(content);
  if (line.empty() || line.back() != '\\' || (line.front() != '"' && line.front() != '@'))
    return false;
  std::size_t dataStart = 0;
  return parseValueName(line, dataStart) && startsWithNoCase(line.substr(dataStart), "hex");
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
  if (lines_.empty())
    return;
  Line& last = lines_.back();
  // A hex value cut off at the end of the file still ends in "\": anything
  // written after it would be read back as its continuation, so it ends here.
  if (continues(last.content)) {
    std::string content = last.content;
    while (continues(content)) {
      content.erase(content.find_last_of('\\'));
      while (!content.empty() && (content.back() == ' ' || content.back() == ','))
        content.pop_back();
    }
    last = classify(std::move(content), last.end);
  }
  if (last.end == End::none)
    last.end = lineEnd_;
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
  std::string keyLine;
  keyLine.reserve(key.size() + 2);
  keyLine.append(1, '[').append(key).append(1, ']');
  lines_.push_back(makeLine(std::move(keyLine)));
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
  if (at == lines_.size())
    terminateLast();
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), makeLine(std::move(content)));
}

}  // namespace vs::reg
