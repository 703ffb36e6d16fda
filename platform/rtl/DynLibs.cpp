#include "platform/rtl/DynLibs.h"

#include <dlfcn.h>

HMODULE LoadLibrary(const String& FileName)
{
    void* module = dlopen(FileName.ToUtf8().c_str(), RTLD_NOW | RTLD_LOCAL);
    return reinterpret_cast<HMODULE>(module);
}

void* GetProcAddress(HMODULE Module, const char* ProcName)
{
    if (Module < HINSTANCE_ERROR || !ProcName) return nullptr;
    return dlsym(reinterpret_cast<void*>(Module), ProcName);
}

bool FreeLibrary(HMODULE Module)
{
    return Module >= HINSTANCE_ERROR && dlclose(reinterpret_cast<void*>(Module)) == 0;
}
