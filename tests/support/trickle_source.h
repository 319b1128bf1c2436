// Bytes handed out at most `step` per read, as a pipe or a slow disk may give
// them: the reader must not take a short read for the end of the file.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/io/byte_source.h"

namespace vs::test {

class TrickleSource : public ByteSource {
 public:
  // `bytes` must outlive the source.
  TrickleSource(std::string_view bytes, std::size_t step) : bytes_(bytes), step_(step) {}

  std::size_t read(char* into, std::size_t size) override {
    const std::size_t n = std::min({size, step_, bytes_.size() - at_});
    std::memcpy(into, bytes_.data() + at_, n);
    at_ += n;
    return n;
  }

 private:
  std::string_view bytes_;
  std::size_t step_;
  std::size_t at_ = 0;
};

}  // namespace vs::test
