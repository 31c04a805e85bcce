#include "WGVersion.h"

static long s_nVersionCode = -1;

// The system's answer, behind a pointer so that tests can stand in for it.
static BOOL WINAPI SystemVersionQuery(LPOSVERSIONINFOA lpInfo)
{
    return ::GetVersionExA(lpInfo);
}

static WGVERSIONQUERY s_pfnQuery = SystemVersionQuery;

static long CodeFor(const OSVERSIONINFOA& vi)
{
    if (vi.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && vi.dwMajorVersion == 4)
        return (vi.dwMinorVersion == 0 || vi.dwMinorVersion == 1) ? WG_OS_WIN9X : WG_OS_OTHER;
    if (vi.dwPlatformId == VER_PLATFORM_WIN32_NT)
    {
        if (vi.dwMajorVersion == 5 && vi.dwMinorVersion == 0)
            return WG_OS_WIN2000;
        if (vi.dwMajorVersion == 5 && vi.dwMinorVersion == 1)
            return WG_OS_WINXP;
        if (vi.dwMajorVersion == 6 && vi.dwMinorVersion == 0)
            return WG_OS_VISTA;
        if (vi.dwMajorVersion == 6 && vi.dwMinorVersion == 1)
            return WG_OS_WIN7;
    }
    return WG_OS_OTHER;
}

long WGGetVersionCode()
{
    if (s_nVersionCode != -1)
        return s_nVersionCode;
    OSVERSIONINFOA vi;
    ZeroMemory(&vi, sizeof(vi));
    vi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);   // 148
    s_nVersionCode = WG_OS_OTHER;
    if (s_pfnQuery(&vi))
        s_nVersionCode = CodeFor(vi);
    return s_nVersionCode;
}

void WGSetVersionCode(long nCode)
{
    s_nVersionCode = nCode;
}

WGVERSIONQUERY WGSetVersionQuery(WGVERSIONQUERY pfnQuery)
{
    WGVERSIONQUERY pfnOld = s_pfnQuery;
    s_pfnQuery = pfnQuery ? pfnQuery : SystemVersionQuery;
    return pfnOld;
}
