#include "core/launch/program_files.h"

#include <iterator>

namespace vs {
namespace {

const StartableProgram* programAt(std::int32_t startApp) {
  if (startApp < 0 || startApp >= static_cast<std::int32_t>(std::size(kStartablePrograms)))
    return nullptr;
  return &kStartablePrograms[startApp];
}

}  // namespace

std::optional<std::string> programForApplication(std::int32_t startApp) {
  const StartableProgram* program = programAt(startApp);
  return program != nullptr ? std::optional<std::string>(program->file) : std::nullopt;
}

std::optional<std::string> startCaption(std::int32_t startApp) {
  const StartableProgram* program = programAt(startApp);
  return program != nullptr ? std::optional<std::string>("Start " + std::string(program->name))
                            : std::nullopt;
}

}  // namespace vs
