// The Win32 API for our front end. Include this instead of <windows.h>: our
// dialog layer has its own IDOK, IDCANCEL, SC_CLOSE and IDC_HELP, and an
// IconSize::small that the system's macros would clobber.
#pragma once

// clang-format off
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
// clang-format on

#undef IDOK
#undef IDCANCEL
#undef SC_CLOSE
#undef IDC_HELP
#undef small
