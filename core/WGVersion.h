// The operating-system version test that decides whether the skinned windows
// draw their own frame (codes 0-3) or use the system frame (4 and 5).
#pragma once
#include "wgdef.h"

enum
{
    WG_OS_OTHER = 0,     // anything not listed below (Windows 8, 10, 11, ...)
    WG_OS_WIN9X = 1,     // Windows 95 family, 4.0 or 4.1
    WG_OS_WIN2000 = 2,   // NT 5.0
    WG_OS_WINXP = 3,     // NT 5.1
    WG_OS_VISTA = 4,     // NT 6.0
    WG_OS_WIN7 = 5,      // NT 6.1
};

typedef BOOL (WINAPI* WGVERSIONQUERY)(LPOSVERSIONINFOA lpVersionInformation);

// The version code, asked of the system once and cached for the library's life.
WG_API long WGGetVersionCode();

// Seams for tests and demonstrations. WGSetVersionCode stores a code in the
// cache (-1 empties it, so the next WGGetVersionCode asks again);
// WGSetVersionQuery replaces GetVersionExA (null restores it) and returns the
// query that was in use. Windows read the code when they are constructed.
WG_API void WGSetVersionCode(long nCode);
WG_API WGVERSIONQUERY WGSetVersionQuery(WGVERSIONQUERY pfnQuery);
