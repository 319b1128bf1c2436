// A file read in the pieces that a line read into a 1024-byte buffer gives:
// up to and including a newline, at most 1023 bytes, the last one without a
// newline too. The file ends at its first Ctrl-Z byte. Reads in large blocks
// into a buffer the caller may keep across files, and hands out views into
// it, so a piece costs neither a call into the stream nor a copy.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "core/io/byte_source.h"

namespace vs {

// The block the pieces are cut from; one serves any number of files in turn.
class PieceBuffer {
 public:
  static constexpr std::size_t kSize = 16 * 1024;

  PieceBuffer() : bytes_(new char[kSize]) {}
  char* data() { return bytes_.get(); }

 private:
  std::unique_ptr<char[]> bytes_;
};

class LinePieces {
 public:
  static constexpr std::size_t kMaxPiece = 1023;
  static constexpr char kEndOfText = '\x1a';

  // Reads `source` through `buffer`, which no other reader may use meanwhile.
  LinePieces(ByteSource& source, PieceBuffer& buffer) : source_(source), buffer_(buffer.data()) {}
  LinePieces(const LinePieces&) = delete;
  LinePieces& operator=(const LinePieces&) = delete;

  // The next piece, cut at its first NUL byte as a C string would be; false
  // at the end of the file or after a read error. The view lasts until the
  // next call.
  bool next(std::string_view& piece);

 private:
  void fill();
  void findNul();

  ByteSource& source_;
  char* buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::size_t nul_ = 0;  // the first NUL at or past begin_, end_ when none
  bool ended_ = false;
};

}  // namespace vs
