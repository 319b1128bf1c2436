// Splitting a mod's archive list (its "vdf" text) into archive names.
#pragma once

#include <string_view>
#include <vector>

namespace vs {

// Names in list order, as views into `vdf`: the trim set " ;\n\r" off both
// ends, then pieces between single blanks; pieces of fewer than two
// characters are dropped.
std::vector<std::string_view> splitArchiveList(std::string_view vdf);

}  // namespace vs
