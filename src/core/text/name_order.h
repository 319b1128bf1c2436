// The order in which a Windows (NTFS) folder lists its names: ASCII letters
// compared as upper case, then, for names equal that way, byte order. The
// same folder then lists alike on every build, in every run.
#pragma once

#include <string_view>

#include "core/text/ascii.h"

namespace vs {

// Whether `a` comes before `b` by their capitals alone: names equal but for
// case tie.
bool capitalsLess(std::string_view a, std::string_view b);

// Whether `a` comes before `b` in that order.
bool nameOrderLess(std::string_view a, std::string_view b);

}  // namespace vs
