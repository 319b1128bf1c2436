// The Win32 API for our front end: <windows.h> as the OS services take it,
// and the common controls. Include this instead of <windows.h>.
#pragma once

// clang-format off
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
// clang-format on
