// Our texts are bytes in the ANSI code page; the wide calls of the system
// take UTF-16.
#pragma once

#include <string>

namespace vs {

std::wstring wideFromAnsi(const std::string& text);
// Characters the code page lacks become its default character.
std::string ansiFromWide(const std::wstring& text);

}  // namespace vs
