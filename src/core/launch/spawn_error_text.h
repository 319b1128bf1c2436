#pragma once

#include <string>

namespace vs {

// The text shown after "Error: " for the errno value of a failed start.
std::string spawnErrorText(int errorNumber);

}  // namespace vs
