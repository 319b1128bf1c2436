#include "core/text/path_parts.h"

namespace vs {

std::size_t nameStart(std::string_view path, std::string_view separators) {
  const std::size_t cut = path.find_last_of(separators);
  return cut == std::string_view::npos ? 0 : cut + 1;
}

std::optional<std::string> parentFolder(std::string_view path, std::string_view separators) {
  const std::size_t start = nameStart(path, separators);
  if (start == 0)
    return std::nullopt;
  return std::string(path.substr(0, start == 1 ? 1 : start - 1));
}

}  // namespace vs
