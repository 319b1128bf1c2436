// The switch string handed to the game or the editor.
#pragma once

#include <cstdint>
#include <string>

namespace vs {

std::string composeCommandLine(const std::string& fileName, std::int32_t windowed,
                               std::int32_t noSound, std::int32_t noMusic,
                               std::int32_t physicalFirst, std::int32_t convertAll,
                               std::int32_t convertTextures, std::int32_t autoConvert,
                               std::int32_t reparseScripts, std::int32_t spyLevel,
                               const std::string& parameters);

}  // namespace vs
