// A fresh directory under the system's temporary directory, removed with all
// it holds when the object goes.
#pragma once

#include <filesystem>
#include <string>

namespace vs::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& relative) const { return path_ / relative; }

 private:
  std::filesystem::path path_;
};

void writeFile(const std::filesystem::path& path, const std::string& content);
std::string readFile(const std::filesystem::path& path);

// Restores the working directory at the end of a test.
class WorkingDirectoryGuard {
 public:
  WorkingDirectoryGuard() : saved_(std::filesystem::current_path()) {}
  ~WorkingDirectoryGuard() { std::filesystem::current_path(saved_); }

 private:
  std::filesystem::path saved_;
};

}  // namespace vs::test
