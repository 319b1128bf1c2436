// Reading a whole file, and replacing or creating one so that a crash at any
// moment leaves the old file or the new one whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

struct stat;

namespace vs {

enum class ReadStatus { ok, missing, failed, tooLarge };

// The whole file `name` inside the open folder `folder` (or AT_FDCWD), read
// until the end, and, where `info` is given, its status from the descriptor
// it was read through. Opened without blocking, so a pipe put in a file's
// place cannot hold the launcher up. A file of more than `limit` bytes is
// not read whole.
ReadStatus readWholeFile(int folder, const char* name, std::string& text, struct stat* info,
                         std::size_t limit = SIZE_MAX);
ReadStatus readWholeFile(const std::filesystem::path& path, std::string& text, struct stat& info);

// The file a replacement writes: a linked file stays linked, so the file it
// names is replaced. Nullopt when the link leads nowhere.
std::optional<std::filesystem::path> replacementTarget(const std::filesystem::path& file);

// Replaces `file` with `text`: a temporary file beside it, flushed, renamed
// over it, and the folder flushed so that the rename itself lasts. The
// file's permissions are kept; `written` is the new file's status.
bool replaceFile(const std::filesystem::path& file, const std::string& text, struct stat& written);

// Creates `file` with `text` only where no file of that name exists; false
// when one does or it cannot be written (nothing is left behind then).
bool createNewFile(const std::filesystem::path& file, const std::string& text);

// Removes the temporary files that replacements of `target` killed halfway
// left behind, once they have not changed for a minute.
void removeLeftovers(const std::filesystem::path& target);

}  // namespace vs
