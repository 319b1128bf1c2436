// Reading the program's own resources: strings, icons and the combo-box
// initialisation data that plain Win32 leaves to the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/win32/win_api.h"

namespace vs {

constexpr WORD kDialogInitType = 240;
constexpr WORD kDialogInitAddString = 0x0403;  // the 16-bit CB_ADDSTRING

struct ComboInitEntry {
  int controlId;
  unsigned message;
  std::string text;
};

// Records of id (16 bits), message (16 bits), length (32 bits) and text,
// up to a zero id or the end; a record that runs past the end is dropped.
std::vector<ComboInitEntry> parseDialogInit(const std::uint8_t* data, std::size_t size);
std::vector<ComboInitEntry> loadDialogInit(HINSTANCE instance, int templateId);

std::string loadResourceString(HINSTANCE instance, int id);
HICON loadResourceIcon(HINSTANCE instance, int id);

}  // namespace vs
