#include "core/launch/program_files.h"

namespace vs {

std::optional<std::string> programForApplication(std::int32_t startApp) {
  switch (startApp) {
    case 0:
      return "vornakmod.exe";
    case 1:
      return "morlex.exe";
    default:
      return std::nullopt;
  }
}

}  // namespace vs
