// One fresh process per start-up or resource sample (started by wg_bench).
// It links neither wg.dll nor the framework: in "wg" modes it loads them
// itself, so their loading is measured; in "native" modes it never loads
// them, so their memory is not counted against the native controls.
//
//   wg_bench_child startup-wg|startup-native|resources-wg|resources-native
//                  <LOGFONT as hex> <class|style|text|w|h>...
// Prints one line: load_us paint_us total_us gdi_objects dcs private_bytes
// (the last three are deltas for the elements, resource modes only).
#include "common.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

using namespace wgbench;

namespace {

struct Peer
{
    std::string cls, text;
    DWORD style;
    int w, h;
};

typedef int (*PFN_BUILD)(HWND, int);
typedef int (*PFN_ADD)(int);
typedef void (*PFN_COUNTERS)(LONG*, LONG*);
typedef void (*PFN_DESTROY)();

HWND MakeHost()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "WG bench child host";
    ::RegisterClassA(&wc);
    HWND h = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                               HOST_W, HOST_H, nullptr, nullptr, wc.hInstance, nullptr);
    PumpAll();
    return h;
}

// The native side of the layout: the peers in turn, with the library's
// font, as a dialog would set it.
void MakeNatives(HWND hHost, const std::vector<Peer>& peers, HFONT hFont, int n, std::vector<HWND>& out)
{
    for (int i = 0; i < n; ++i)
    {
        const Peer& p = peers[i % peers.size()];
        long x, y;
        Cell(i, x, y);
        HWND h = ::CreateWindowExA(0, p.cls.c_str(), p.text.c_str(), WS_CHILD | WS_VISIBLE | p.style, x, y,
                                   p.w < MAX_W ? p.w : MAX_W, p.h < MAX_H ? p.h : MAX_H, hHost,
                                   (HMENU)(INT_PTR)(100 + i), ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(h, WM_SETFONT, (WPARAM)hFont, FALSE);
        out.push_back(h);
    }
    ::RedrawWindow(hHost, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
}

void DestroyNatives(std::vector<HWND>& v)
{
    for (HWND h : v)
        ::DestroyWindow(h);
    v.clear();
    PumpAll();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    std::string mode = argv[1];
    LOGFONTA lf = {};
    const char* hex = argv[2];
    if (strlen(hex) != sizeof(lf) * 2)
        return 3;
    for (size_t i = 0; i < sizeof(lf); ++i)
    {
        char b[3] = { hex[2 * i], hex[2 * i + 1], 0 };
        ((unsigned char*)&lf)[i] = (unsigned char)strtoul(b, nullptr, 16);
    }
    std::vector<Peer> peers;
    for (int a = 3; a < argc; ++a)
    {
        Peer p;
        char cls[64] = "", text[128] = "";
        unsigned long style = 0;
        // class|style|text|w|h (the text may be empty)
        const char* s = argv[a];
        const char* b1 = strchr(s, '|');
        const char* b2 = b1 ? strchr(b1 + 1, '|') : nullptr;
        const char* b3 = b2 ? strchr(b2 + 1, '|') : nullptr;
        if (!b3)
            return 4;
        snprintf(cls, sizeof(cls), "%.*s", (int)(b1 - s), s);
        style = strtoul(b1 + 1, nullptr, 16);
        snprintf(text, sizeof(text), "%.*s", (int)(b3 - b2 - 1), b2 + 1);
        if (sscanf(b3 + 1, "%d|%d", &p.w, &p.h) != 2)
            return 5;
        p.cls = cls;
        p.text = text;
        p.style = style;
        peers.push_back(p);
    }

    HWND hHost = MakeHost();
    double load = 0, paint = 0, total = 0;
    long long gdi = 0, dcs = 0, bytes = 0;

    if (mode == "startup-wg" || mode == "resources-wg")
    {
        double t0 = NowUs();
        HMODULE hProbe = ::LoadLibraryA("wg_bench_probe.dll");
        if (!hProbe)
            return 6;
        PFN_BUILD pfnBuild = (PFN_BUILD)(void*)::GetProcAddress(hProbe, "WGBenchBuild");
        PFN_COUNTERS pfnCounters = (PFN_COUNTERS)(void*)::GetProcAddress(hProbe, "WGBenchCounters");
        PFN_DESTROY pfnDestroy = (PFN_DESTROY)(void*)::GetProcAddress(hProbe, "WGBenchDestroy");
        PFN_ADD pfnAdd = (PFN_ADD)(void*)::GetProcAddress(hProbe, "WGBenchAdd");
        if (!pfnBuild || !pfnCounters || !pfnDestroy || !pfnAdd)
            return 7;
        double t1 = NowUs();
        if (mode == "startup-wg")
        {
            if (pfnBuild(hHost, ELEMENTS) != ELEMENTS)
                return 8;
            ::GdiFlush();
            double t2 = NowUs();
            load = t1 - t0;
            paint = t2 - t1;
            total = t2 - t0;
        }
        else
        {
            // Warm up: what is made once per process (skins, classes) is
            // not a per-element cost.
            pfnBuild(hHost, 10);
            pfnDestroy();
            PumpAll();
            // The painted, empty panel is the host, as the window holding
            // the native controls is: its client-sized back buffer is not a
            // cost of the elements.
            pfnBuild(hHost, 0);
            PumpAll();
            LONG g0, d0, g1, d1;
            pfnCounters(&g0, &d0);
            long long m0 = PrivateBytes();
            if (pfnAdd(ELEMENTS) != ELEMENTS)
                return 8;
            PumpAll();
            pfnCounters(&g1, &d1);
            long long m1 = PrivateBytes();
            gdi = g1 - g0;
            dcs = d1 - d0;
            bytes = m1 - m0;
        }
    }
    else if (mode == "startup-native" || mode == "resources-native")
    {
        if (peers.empty())
            return 9;
        HFONT hFont = ::CreateFontIndirectA(&lf);
        std::vector<HWND> wnds;
        if (mode == "startup-native")
        {
            double t0 = NowUs();
            MakeNatives(hHost, peers, hFont, ELEMENTS, wnds);
            total = paint = NowUs() - t0;
        }
        else
        {
            MakeNatives(hHost, peers, hFont, 10, wnds);
            DestroyNatives(wnds);
            long long m0 = PrivateBytes();
            MakeNatives(hHost, peers, hFont, ELEMENTS, wnds);
            PumpAll();
            bytes = PrivateBytes() - m0;
        }
    }
    else
        return 10;

    printf("%.1f %.1f %.1f %lld %lld %lld\n", load, paint, total, gdi, dcs, bytes);
    fflush(stdout);
    return 0;
}
