#pragma once

#include <string>

namespace vs {

// Title and text of the help box behind the "?" button.
std::string helpTitle();
std::string helpText();

}  // namespace vs
