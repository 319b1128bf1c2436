#include "os/win32/win32_archive_moves.h"

#include <windows.h>

#include "os/win32/win32_file_system.h"

namespace vs {

std::vector<std::string_view> Win32ArchiveMoves::parkable(std::string_view extension) {
  names_ = Win32FileSystem().findByExtension(dirs_.data, std::string(extension));
  return {names_.begin(), names_.end()};
}

std::optional<std::string> Win32ArchiveMoves::park(std::string_view name) {
  return move(dirs_.data, dirs_.parking, name);
}

std::optional<std::string> Win32ArchiveMoves::bringBack(std::string_view name) {
  return move(dirs_.parking, dirs_.data, name);
}

std::optional<std::string> Win32ArchiveMoves::move(const std::string& fromFolder,
                                                   const std::string& toFolder,
                                                   std::string_view name) {
  from_.assign(fromFolder).append(name);
  to_.assign(toFolder).append(name);
  if (::MoveFileA(from_.c_str(), to_.c_str()))
    return std::nullopt;
  return moveFailureText(::GetLastError());
}

}  // namespace vs
