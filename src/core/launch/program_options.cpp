#include "core/launch/program_options.h"

#include <string_view>

#include "core/launch/launcher_texts.h"

namespace vs {
namespace {

using K = ProgramActionKind;

struct Option {
  std::string_view name;
  ProgramActionKind kind;
};

constexpr Option kOptions[] = {
    {"--start", K::start},
    {"--list", K::list},
    {"--help", K::help},
    {"--version", K::version},
};

ProgramAction usage(std::string problem) {
  return {K::usage, {}, std::move(problem)};
}

}  // namespace

ProgramAction parseProgramOptions(const std::vector<std::string>& arguments) {
  if (arguments.empty())
    return {};
  std::string_view first = arguments[0];
  std::size_t used = 1;
  ProgramAction action;
  std::string_view value;
  bool hasValue = false;
  if (const auto equals = first.find('='); first.starts_with("--") && equals != first.npos) {
    value = first.substr(equals + 1);
    first = first.substr(0, equals);
    hasValue = true;
  }
  const Option* option = nullptr;
  for (const Option& candidate : kOptions) {
    if (candidate.name == first)
      option = &candidate;
  }
  if (option == nullptr)
    return usage(fillIn(launcherTexts.unknownOption, arguments[0]));
  action.kind = option->kind;
  if (action.kind == K::start) {
    // A separate value that looks like an option is one forgotten.
    if (!hasValue && arguments.size() > 1 && !arguments[1].starts_with("-")) {
      value = arguments[1];
      hasValue = true;
      used = 2;
    }
    if (!hasValue || value.empty())
      return usage(launcherTexts.missingName);
    action.name = value;
  } else if (hasValue) {
    return usage(fillIn(launcherTexts.extraArgument, std::string(value)));
  }
  if (arguments.size() > used)
    return usage(fillIn(launcherTexts.extraArgument, arguments[used]));
  return action;
}

}  // namespace vs
