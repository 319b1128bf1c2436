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
      begin_ += length;
      const auto* nul = static_cast<const char*>(std::memchr(start, '\0', length));
      piece =
          std::string_view(start, nul == nullptr ? length : static_cast<std::size_t>(nul - start));
      return true;
    }
    if (ended_)
      return false;
    fill();
  }
}

void LinePieces::fill() {
  std::memmove(buffer_, buffer_ + begin_, end_ - begin_);
  end_ -= begin_;
  begin_ = 0;
  const std::size_t got = source_.read(buffer_ + end_, sizeof buffer_ - end_);
  // A Ctrl-Z byte ends a text file, as old DOS editors wrote it and as the
  // Windows runtime reads it in text mode; nothing after it is read.
  const auto* ctrlZ = static_cast<const char*>(std::memchr(buffer_ + end_, kEndOfText, got));
  end_ = ctrlZ != nullptr ? static_cast<std::size_t>(ctrlZ - buffer_) : end_ + got;
  // A read error ends the file as its end does.
  if (got == 0 || ctrlZ != nullptr)
    ended_ = true;
}

}  // namespace vs
