// Shared by the benchmark program and its child: the 200-element layout,
// the clock and the resource probes.
#pragma once
#include <windows.h>
#include <psapi.h>

namespace wgbench {

enum { ELEMENTS = 200, COLUMNS = 10, CELL_W = 86, CELL_H = 24, MAX_W = 82, MAX_H = 22,
       HOST_W = COLUMNS * CELL_W + 8, HOST_H = (ELEMENTS / COLUMNS) * CELL_H + 8 };

// Where element i of the 200 goes: a 10 x 20 grid, so nothing overlaps and
// both sides draw the same area.
inline void Cell(int i, long& x, long& y)
{
    x = 4 + (i % COLUMNS) * CELL_W;
    y = 4 + (i / COLUMNS) * CELL_H;
}

inline double NowUs()
{
    static LARGE_INTEGER f = {};
    if (!f.QuadPart)
        ::QueryPerformanceFrequency(&f);
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1e6 / (double)f.QuadPart;
}

inline long long PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof(pmc);
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof(pmc)))
        return -1;
    // Wine leaves PrivateUsage at 0 and reports the process's private
    // memory (Linux RssAnon + VmSwap) as PagefileUsage, which Windows
    // keeps equal to it anyway.
    return (long long)(pmc.PrivateUsage ? pmc.PrivateUsage : pmc.PagefileUsage);
}

inline void PumpAll()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

} // namespace wgbench
