// The library's singletons and its entry point. Both static objects live in
// this one file so that they are built in order (style center, then event
// center) and destroyed in reverse.
#include "VRK_WG.h"
#include "WGStyleCenter.h"
#include "WGEventCenter.h"
#include "WGLibrary.h"

static AFX_EXTENSION_MODULE s_extensionModule = { FALSE, nullptr, nullptr };
static HINSTANCE s_hLibraryInstance = nullptr;

static CWGStyleCenter s_styleCenter;
static CWGEventCenter s_eventCenter;

CWGStyleCenter& CVRK_WG::GetStyleCenter() { return s_styleCenter; }
CWGEventCenter& CVRK_WG::GetEventCenter() { return s_eventCenter; }

HINSTANCE WGGetLibraryInstance() { return s_hLibraryInstance; }

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        // Joins the application's resource chain so the skins are found.
        if (!AfxInitExtensionModule(s_extensionModule, hInstance))
            return FALSE;
        new CDynLinkLibrary(s_extensionModule);
        s_hLibraryInstance = hInstance;
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(s_extensionModule);
    }
    return TRUE;
}
