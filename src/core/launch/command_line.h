// The switch string handed to the game or the editor.
#pragma once

#include <cstdint>
#include <string>

namespace vs {

// What the player chose for a start: each switch is on when not zero, the
// message level counts from 0 (none) to 4 (all), and the parameters follow
// as typed.
struct LaunchChoices {
  std::int32_t windowed = 0;
  std::int32_t noSound = 0;
  std::int32_t noMusic = 0;
  std::int32_t physicalFirst = 0;
  std::int32_t convertAll = 0;
  std::int32_t convertTextures = 0;
  std::int32_t autoConvert = 0;
  std::int32_t reparseScripts = 0;
  std::int32_t spyLevel = 0;
  std::string parameters;
};

std::string composeCommandLine(const std::string& fileName, const LaunchChoices& choices);

}  // namespace vs
