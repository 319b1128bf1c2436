// A file read in the pieces that a line read into a 1024-byte buffer gives:
// up to and including a newline, at most 1023 bytes, the last one without a
// newline too. The file ends at its first Ctrl-Z byte. Reads in large blocks,
// so a piece costs no call into the stream.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/io/byte_source.h"

namespace vs {

class LinePieces {
 public:
  static constexpr std::size_t kMaxPiece = 1023;
  static constexpr char kEndOfText = '\x1a';

  explicit LinePieces(ByteSource& source) : source_(source) {}
  LinePieces(const LinePieces&) = delete;
  LinePieces& operator=(const LinePieces&) = delete;

  // The next piece, cut at its first NUL byte as a C string would be; false
  // at the end of the file or after a read error.
  bool next(std::string_view& piece);

 private:
  void fill();

  ByteSource& source_;
  char buffer_[16 * 1024];
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool ended_ = false;
};

}  // namespace vs
