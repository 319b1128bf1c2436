// Small rules of the dialog's start-up and painting, kept pure.
#pragma once

#include <optional>
#include <string>

#include "ui/controls.h"

namespace vs {

// The directory of the executable: the path cut at its last "/" or "\" when
// that lies after the first character; nothing otherwise.
std::optional<std::string> programDirectory(const std::string& executablePath);

// The mod INI files the list is made from, beside the program.
inline constexpr char kModFileExtension[] = ".ini";

// "VornakStarter v" and the version
std::string dialogCaption();

// Where the icon goes to sit centred in the client area while minimised.
Size centredIconPosition(Size client, Size icon);

}  // namespace vs
