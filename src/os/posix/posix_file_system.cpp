#include "os/posix/posix_file_system.h"

#include "os/posix/descriptor_source.h"
#include "os/posix/folder_entries.h"
#include "os/posix/folder_index.h"
#include "os/posix/posix_archive_moves.h"

namespace vs {

std::vector<std::string> PosixFileSystem::findByExtension(const std::string& directory,
                                                          const std::string& extension) {
  const OpenFolder folder(directory);
  if (folder.fd() < 0)
    return {};
  const FolderIndex index(folder.fd());
  const std::vector<std::string_view> names = namesByExtension(folder.fd(), index, extension);
  return {names.begin(), names.end()};
}

std::unique_ptr<ByteSource> PosixFileSystem::openForReading(const std::string& path) {
  const int fd = openAnyCase(path, DescriptorSource::kOpenFlags);
  if (fd < 0)
    return nullptr;
  return std::make_unique<DescriptorSource>(fd);
}

std::unique_ptr<ArchiveMoves> PosixFileSystem::openArchiveMoves(const ArchiveDirectories& dirs) {
  return std::make_unique<PosixArchiveMoves>(dirs);
}

}  // namespace vs
