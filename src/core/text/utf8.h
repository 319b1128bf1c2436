// Texts are bytes in no declared encoding; where it matters whether they are
// UTF-8 (cutting a saved text, showing it), every part asks the same question.
#pragma once

#include <string_view>

namespace vs {

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF.
bool isUtf8(std::string_view text);

}  // namespace vs
