#pragma once
// The benchmarks' clock: the performance counter in milliseconds.
#include <windows.h>

inline double NowMs()
{
    static LARGE_INTEGER s_Freq = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(s_Freq.QuadPart);
}
