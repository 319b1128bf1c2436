// The order in which a Windows (NTFS) folder lists its names: ASCII letters
// compared as upper case, then, for names equal that way, byte order. The
// same folder then lists alike on every build, in every run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/text/ascii.h"

namespace vs {

// Whether `a` comes before `b` in that order.
bool nameOrderLess(std::string_view a, std::string_view b);

void sortInNameOrder(std::vector<std::string>& names);
void sortInNameOrder(std::vector<std::string_view>& names);

}  // namespace vs
