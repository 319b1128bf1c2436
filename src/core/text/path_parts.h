// The parts of a path as text: where its last component begins, and the
// folder before it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vs {

// Where the last component of `path` begins: just past its last separator
// (any of `separators`), 0 when it has none.
std::size_t nameStart(std::string_view path, std::string_view separators = "/");

// The folder that holds the last component: the path before its last
// separator, the separator itself when that is the first character (the
// root); none for a bare name.
std::optional<std::string> parentFolder(std::string_view path, std::string_view separators = "/");

}  // namespace vs
