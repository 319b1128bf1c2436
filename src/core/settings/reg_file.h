// The text of a registry export (REGEDIT4): a header line, key lines in
// brackets and one line per value. Parsing keeps every line with its exact
// bytes, so that a change touches only the lines of the values it sets.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/reg_value.h"

namespace vs::reg {

struct Lookup {
  enum State { missing, unreadable, found };
  State state = missing;
  Value value;
};

class RegFile {
 public:
  static RegFile parse(std::string_view text);
  std::string text() const;

  bool hasHeader() const;
  bool hasKey(std::string_view key) const;
  // Key and value names compare without regard to ASCII case, as a registry's
  // do; of a value named twice, the later line counts, as it would on import.
  Lookup find(std::string_view key, std::string_view name) const;

  // These add what is missing and keep every other line as it was.
  void ensureHeader();
  void addKey(std::string_view key);
  void set(std::string_view key, const std::string& name, const Value& value);

  // The line end of the file's first line, or the export's own for a new file.
  std::string_view lineEnd() const;

 private:
  enum class End : std::uint8_t { none, lf, crlf };
  enum class Kind : std::uint8_t { other, blank, header, key, value };
  struct Detail {
    std::string name;  // of the key or the value
    bool readable = false;
    Value value;
  };
  struct Line {
    Kind kind = Kind::other;
    End end = End::none;
    std::string content;             // the exact bytes without the final line end
    std::unique_ptr<Detail> detail;  // for key and value lines only
  };
  static Line classify(std::string content, End end);
  // The index after the last non-blank line of the key's last section.
  std::size_t sectionEnd(std::string_view key) const;
  void terminateLast();
  Line makeLine(std::string content) const;

  std::vector<Line> lines_;
  End lineEnd_ = End::crlf;
};

}  // namespace vs::reg
