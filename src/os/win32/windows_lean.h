// <windows.h> for the OS services, without min/max macros and the rarely used
// parts. The front end's ui/win32/win_api.h builds on it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
