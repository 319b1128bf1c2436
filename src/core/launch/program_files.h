// The programs the launcher starts, in the order of the application choice:
// the one list the choice, the start button's caption and the program file
// come from (the resource script's combo entries must name them alike).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vs {

struct StartableProgram {
  std::string_view name;  // as the application choice lists it
  std::string_view file;
};

inline constexpr StartableProgram kStartablePrograms[] = {
    {"Vornak", "vornakmod.exe"},
    {"Morlex", "morlex.exe"},
};

// The program started for an application choice; none outside the list.
std::optional<std::string> programForApplication(std::int32_t startApp);

// "Start " and the program's name; none outside the list.
std::optional<std::string> startCaption(std::int32_t startApp);

}  // namespace vs
