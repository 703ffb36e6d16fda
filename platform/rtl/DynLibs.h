#pragma once
// Shared libraries loaded at run time and their entry points looked up by name.  A module handle
// below 32 means the library could not be loaded; each LoadLibrary of a library counts one more
// reference to it, and FreeLibrary gives one back.
#include <cstdint>

#include "platform/rtl/UString.h"

using HMODULE = std::uintptr_t;
constexpr HMODULE HINSTANCE_ERROR = 32;

// The library by file name, searched where the system searches shared libraries; 0 when it
// cannot be loaded.
HMODULE LoadLibrary(const String& FileName);
// The entry point of that name, or null.
void* GetProcAddress(HMODULE Module, const char* ProcName);
bool FreeLibrary(HMODULE Module);
