#include "os/win32/win32_file_system.h"

#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstring>

#include "core/text/ascii.h"
#include "os/win32/win32_archive_moves.h"

namespace vs {

std::vector<std::string> Win32FileSystem::findByExtension(const std::string& directory,
                                                          const std::string& extension) {
  std::vector<std::string> names;
  const std::string pattern = directory + "*" + extension;
  _finddata_t found{};
  const intptr_t search = ::_findfirst(pattern.c_str(), &found);
  if (search == -1)
    return names;
  do {
    // The pattern also matches through short 8.3 names ("long.model" is
    // LONG~1.MOD): only a name with the wanted extension of its own counts.
    if (endsWithIgnoringAsciiCase(found.name, extension))
      names.emplace_back(found.name);
  } while (::_findnext(search, &found) == 0);
  ::_findclose(search);
  return names;
}

std::unique_ptr<ArchiveMoves> Win32FileSystem::openArchiveMoves(const ArchiveDirectories& dirs) {
  return std::make_unique<Win32ArchiveMoves>(dirs);
}

std::string moveFailureText(unsigned long win32Error) {
  struct Reason {
    unsigned long error;
    int errorNumber;
  };
  // The same words the runtime's rename would give for these.
  static const Reason kReasons[] = {
      {ERROR_FILE_NOT_FOUND, ENOENT}, {ERROR_PATH_NOT_FOUND, ENOENT},
      {ERROR_ALREADY_EXISTS, EEXIST}, {ERROR_FILE_EXISTS, EEXIST},
      {ERROR_ACCESS_DENIED, EACCES},  {ERROR_SHARING_VIOLATION, EACCES},
      {ERROR_LOCK_VIOLATION, EACCES}, {ERROR_NOT_SAME_DEVICE, EXDEV},
      {ERROR_INVALID_NAME, ENOENT},   {ERROR_WRITE_PROTECT, EACCES},
      {ERROR_DISK_FULL, ENOSPC},      {ERROR_DIR_NOT_EMPTY, ENOTEMPTY},
  };
  for (const Reason& reason : kReasons) {
    if (reason.error == win32Error)
      return std::strerror(reason.errorNumber);
  }
  return "Windows error " + std::to_string(win32Error);
}

}  // namespace vs
