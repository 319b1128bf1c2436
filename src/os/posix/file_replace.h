// Reading a whole file, and replacing or creating one so that a crash at any
// moment leaves the old file or the new one whole.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

struct stat;

namespace vs {

enum class ReadStatus { ok, missing, failed };

// The whole file, read until the end, and its status from the descriptor it
// was read through.
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
