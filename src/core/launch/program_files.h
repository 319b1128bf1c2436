#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vs {

// The program started for an application choice; none outside 0 and 1.
std::optional<std::string> programForApplication(std::int32_t startApp);

}  // namespace vs
