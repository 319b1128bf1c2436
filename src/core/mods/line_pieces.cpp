#include "core/mods/line_pieces.h"

#include <algorithm>
#include <cstring>

namespace vs {

bool LinePieces::next(std::string_view& piece) {
  for (;;) {
    const char* start = buffer_ + begin_;
    const std::size_t available = end_ - begin_;
    const auto* newline =
        static_cast<const char*>(std::memchr(start, '\n', std::min(available, kMaxPiece)));
    std::size_t length = 0;
    if (newline != nullptr)
      length = static_cast<std::size_t>(newline - start) + 1;
    else if (available >= kMaxPiece)
      length = kMaxPiece;
    else if (ended_)
      length = available;
    if (length > 0) {
      // NUL bytes are rare: the block was searched once, not every piece.
      const std::size_t kept = std::min(length, nul_ - begin_);
      piece = std::string_view(start, kept);
      begin_ += length;
      if (nul_ < begin_)
        findNul();
      return true;
    }
    if (ended_)
      return false;
    fill();
  }
}

void LinePieces::fill() {
  // Most files fit one block: there is nothing left over to move.
  if (begin_ < end_)
    std::memmove(buffer_, buffer_ + begin_, end_ - begin_);
  end_ -= begin_;
  begin_ = 0;
  const std::size_t got = source_.read(buffer_ + end_, PieceBuffer::kSize - end_);
  // A Ctrl-Z byte ends a text file, as old DOS editors wrote it and as the
  // Windows runtime reads it in text mode; nothing after it is read.
  const auto* ctrlZ = static_cast<const char*>(std::memchr(buffer_ + end_, kEndOfText, got));
  end_ = ctrlZ != nullptr ? static_cast<std::size_t>(ctrlZ - buffer_) : end_ + got;
  // A read error ends the file as its end does.
  if (got == 0 || ctrlZ != nullptr)
    ended_ = true;
  findNul();
}

void LinePieces::findNul() {
  const auto* nul = static_cast<const char*>(std::memchr(buffer_ + begin_, '\0', end_ - begin_));
  nul_ = nul != nullptr ? static_cast<std::size_t>(nul - buffer_) : end_;
}

}  // namespace vs
