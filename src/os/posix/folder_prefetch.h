// The files of one folder with one extension, listed and read in a thread of
// their own from the moment the launcher starts: its first search then finds
// their bytes in memory, and the system calls that read them overlap the
// window system's start-up instead of following it.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace vs {

struct PrefetchedFolder {
  dev_t device = 0;
  ino_t inode = 0;
  std::string extension;
  std::vector<std::string> names;  // as a search lists them
  // The bytes of each listed file that could be read whole and is no larger
  // than kMaxBytes; any other is left to be read when it is opened.
  std::unordered_map<std::string, std::string> bytes;

  static constexpr std::size_t kMaxBytes = 1 << 20;
};

class FolderPrefetch {
 public:
  // Starts at once; `folder` should not be relative, the working directory
  // may change meanwhile.
  FolderPrefetch(std::string folder, std::string extension);
  ~FolderPrefetch();
  FolderPrefetch(const FolderPrefetch&) = delete;
  FolderPrefetch& operator=(const FolderPrefetch&) = delete;

  // Waits for the thread; null when the folder could not be opened, and
  // after the first call.
  std::unique_ptr<PrefetchedFolder> take();

 private:
  std::unique_ptr<PrefetchedFolder> result_;  // written by the thread only until it is joined
  std::thread thread_;
};

}  // namespace vs
