// The system's functions that only some actions need: the file dialogs, the
// folder browser, files dropped on a list. Their DLL is loaded at the first
// call, so that starting the program maps only the DLLs its windows need.
#pragma once

#include "Win32Error.h"

#include <windows.h>

#include <string>

namespace tarnwick::forms {

// The function of a system DLL, the DLL loaded if it is not yet; it stays
// loaded for the process. (The DLLs asked for are known DLLs, which the system
// takes only from its own folder.) Raises IoError when either is missing.
template <class Function> Function SystemFunction(const char* dll, const char* name) {
    HMODULE module = GetModuleHandleA(dll);
    if (module == nullptr) module = LoadLibraryA(dll);
    if (module == nullptr) ThrowLastError(std::string("LoadLibrary ") + dll);
    const FARPROC address = GetProcAddress(module, name);
    if (address == nullptr) ThrowLastError(std::string("GetProcAddress ") + name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

} // namespace tarnwick::forms
