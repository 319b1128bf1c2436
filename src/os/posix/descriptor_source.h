// A file read through its descriptor with bare read(2) calls: the mod list
// opens every INI file of the program directory, and the C stream's setup
// costs as much as parsing.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "core/io/byte_source.h"

namespace vs {

// Reads into `into` until `size` bytes are there or read() returns 0, the
// end of the file: a read that gives fewer bytes is only a part, and one
// interrupted by a signal is asked again. The bytes read, or -1 on an error
// (errno tells it).
inline ssize_t readUpTo(int fd, char* into, std::size_t size) {
  std::size_t filled = 0;
  while (filled < size) {
    const ssize_t got = ::read(fd, into + filled, size - filled);
    if (got < 0 && errno == EINTR)
      continue;
    if (got < 0)
      return -1;
    if (got == 0)
      break;
    filled += static_cast<std::size_t>(got);
  }
  return static_cast<ssize_t>(filled);
}

class DescriptorSource : public ByteSource {
 public:
  // Non-blocking, so a pipe put in a file's place after the search cannot
  // hang the launcher; a regular file reads as ever.
  static constexpr int kOpenFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;

  explicit DescriptorSource(int fd) : fd_(fd) {}
  ~DescriptorSource() override { ::close(fd_); }
  DescriptorSource(const DescriptorSource&) = delete;
  DescriptorSource& operator=(const DescriptorSource&) = delete;

  // Fewer bytes than asked come only from the end or an error, and an
  // error ends the file as its end does: no read() is asked after either.
  std::size_t read(char* into, std::size_t size) override {
    if (ended_)
      return 0;
    const ssize_t got = readUpTo(fd_, into, size);
    ended_ = got < static_cast<ssize_t>(size);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
  }

 private:
  int fd_;
  bool ended_ = false;
};

}  // namespace vs
