#include "core/io/byte_source.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace vs {
namespace {

class StdioSource : public ByteSource {
 public:
  explicit StdioSource(std::FILE* file) : file_(file) {
    // The reader asks for large blocks; the stream's buffer would only copy
    // them once more.
    std::setvbuf(file_, nullptr, _IONBF, 0);
  }
  ~StdioSource() override { std::fclose(file_); }
  StdioSource(const StdioSource&) = delete;
  StdioSource& operator=(const StdioSource&) = delete;

  // fread reads on until the end or an error; a read interrupted by a
  // signal is an error to the stream, and is asked again.
  std::size_t read(char* into, std::size_t size) override {
    std::size_t got = 0;
    while (got < size && !std::feof(file_) && !std::ferror(file_)) {
      got += std::fread(into + got, 1, size - got, file_);
      if (std::ferror(file_) && errno == EINTR)
        std::clearerr(file_);
    }
    return got;
  }

 private:
  std::FILE* file_;
};

class BytesSource : public ByteSource {
 public:
  explicit BytesSource(std::string bytes) : bytes_(std::move(bytes)) {}

  std::size_t read(char* into, std::size_t size) override {
    const std::size_t count = std::min(size, bytes_.size() - at_);
    std::memcpy(into, bytes_.data() + at_, count);
    at_ += count;
    return count;
  }

 private:
  std::string bytes_;
  std::size_t at_ = 0;
};

}  // namespace

std::unique_ptr<ByteSource> sourceOfBytes(std::string bytes) {
  return std::make_unique<BytesSource>(std::move(bytes));
}

std::unique_ptr<ByteSource> openWithStdio(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (file == nullptr)
    return nullptr;
  return std::make_unique<StdioSource>(file);
}

}  // namespace vs
