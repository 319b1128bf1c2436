// A file descriptor that closes itself.
#pragma once

#include <unistd.h>

#include <utility>

namespace vs {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd() { reset(); }
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
      reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }

  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }
  explicit operator bool() const { return fd_ >= 0; }
  // Closes now, for callers that must know whether the close succeeded.
  bool close() { return ::close(std::exchange(fd_, -1)) == 0; }
  void reset() {
    if (fd_ >= 0)
      ::close(std::exchange(fd_, -1));
  }

 private:
  int fd_ = -1;
};

}  // namespace vs
