// What the start-up and resource samples load: linking it pulls in wg.dll
// (and the framework), and its plain C entry points build and paint the
// 200-element panel, so a process that links neither can time the loading.
#include "wg.h"
#include "wgkinds.h"
#include "common.h"
#include <algorithm>

using namespace wgkinds;

namespace {

CVRK_WGPANEL* g_pPanel = nullptr;
ElementSet* g_pSet = nullptr;

} // namespace

// Adds nElements elements (the kinds that have a native peer, in turn) to
// the panel and paints it once. Returns the number registered in all.
extern "C" __declspec(dllexport) int WGBenchAdd(int nElements)
{
    if (!g_pPanel || !g_pPanel->m_hWnd)
        return 0;
    std::vector<const ElementKind*> kinds;
    for (const ElementKind& k : ElementKinds())
        if (k.nativeClass)
            kinds.push_back(&k);
    for (int i = 0; i < nElements; ++i)
    {
        const ElementKind& k = *kinds[i % kinds.size()];
        long x, y;
        wgbench::Cell(i, x, y);
        g_pSet->Add(k, g_pPanel, x, y, std::min(k.w, (long)wgbench::MAX_W),
                    std::min(k.h, (long)wgbench::MAX_H));
    }
    g_pPanel->DrawMe();
    return (int)g_pPanel->m_nWGCount;
}

// Builds a panel on hHost with nElements elements and paints it once.
// Returns the number registered.
extern "C" __declspec(dllexport) int WGBenchBuild(HWND hHost, int nElements)
{
    g_pPanel = new CVRK_WGPANEL;
    g_pSet = new ElementSet;
    if (!g_pPanel->Create(CWnd::FromHandle(hHost)))
        return 0;
    return WGBenchAdd(nElements);
}

extern "C" __declspec(dllexport) void WGBenchCounters(LONG* pGdi, LONG* pDC)
{
    AfxDeleteTempMaps();
    *pGdi = AfxGetLiveGdiObjectCount();
    *pDC = AfxGetLiveDCCount();
}

extern "C" __declspec(dllexport) void WGBenchDestroy()
{
    if (g_pPanel && g_pPanel->m_hWnd)
        g_pPanel->DestroyWindow();
    delete g_pSet;
    delete g_pPanel;
    g_pSet = nullptr;
    g_pPanel = nullptr;
    AfxDeleteTempMaps();
}
