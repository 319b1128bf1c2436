// Where the bytes of a mod INI file come from. The standard library's stream
// serves anywhere; a file system may offer a cheaper one of its own.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace vs {

class ByteSource {
 public:
  virtual ~ByteSource() = default;

  // Up to `size` bytes into `into`; fewer do not mean the end. 0 at the end
  // of the file and after a read error alike.
  virtual std::size_t read(char* into, std::size_t size) = 0;
};

// `bytes` as a source, for a file read beforehand.
std::unique_ptr<ByteSource> sourceOfBytes(std::string bytes);

// The file at `path` through the C stream; null when it cannot be opened.
std::unique_ptr<ByteSource> openWithStdio(const std::string& path);

}  // namespace vs
