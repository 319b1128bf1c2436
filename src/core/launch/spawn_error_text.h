#pragma once

#include <string>

namespace vs {

// The text shown after "Error: " for the errno value of a failed start.
std::string spawnErrorText(int errorNumber);

// The runtime's errno number for the system's errno value of a failed start;
// any failure outside the start-failure texts keeps its own number.
int runtimeStartError(int systemError);

}  // namespace vs
