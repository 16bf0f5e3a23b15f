#pragma once
// Entry points of libraries loaded at run time.
#include <windows.h>

// An entry point as a pointer of the caller's type. The cast goes through a
// function pointer without parameters: a direct cast between two unrelated
// function pointer types draws a warning.
template <class T>
T FunctionCast(FARPROC fn)
{
    return reinterpret_cast<T>(reinterpret_cast<void (*)()>(fn));
}

// The named entry point; null when the module or the entry is missing.
template <class T>
T ProcAddress(HMODULE hModule, const char* lpName)
{
    return hModule ? FunctionCast<T>(GetProcAddress(hModule, lpName)) : nullptr;
}
