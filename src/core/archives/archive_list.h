// Splitting a mod's archive list (its "vdf" text) into archive names.
#pragma once

#include <string>
#include <vector>

namespace vs {

// Names in list order: the trim set " ;\n\r" off both ends, then pieces
// between single blanks; pieces of fewer than two characters are dropped.
std::vector<std::string> splitArchiveList(const std::string& vdf);

}  // namespace vs
