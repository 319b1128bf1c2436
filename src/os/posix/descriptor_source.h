// A file read through its descriptor with bare read(2) calls: the mod list
// opens every INI file of the program directory, and the C stream's setup
// costs as much as parsing.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "core/io/byte_source.h"

namespace vs {

class DescriptorSource : public ByteSource {
 public:
  // Non-blocking, so a pipe put in a file's place after the search cannot
  // hang the launcher; a regular file reads as ever.
  static constexpr int kOpenFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;

  explicit DescriptorSource(int fd) : fd_(fd) {}
  ~DescriptorSource() override { ::close(fd_); }
  DescriptorSource(const DescriptorSource&) = delete;
  DescriptorSource& operator=(const DescriptorSource&) = delete;

  // A regular file fills a read up to its end, so a shorter read is the end:
  // asking once more would cost every scanned file a system call that can
  // only return 0.
  std::size_t read(char* into, std::size_t size) override {
    if (ended_)
      return 0;
    for (;;) {
      const ssize_t got = ::read(fd_, into, size);
      if (got >= 0) {
        ended_ = static_cast<std::size_t>(got) < size;
        return static_cast<std::size_t>(got);
      }
      if (errno != EINTR) {
        ended_ = true;
        return 0;
      }
    }
  }

 private:
  int fd_;
  bool ended_ = false;
};

}  // namespace vs
