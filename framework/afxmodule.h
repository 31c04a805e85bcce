// Module state, extension modules and the resource search chain.
//
// One application module state holds the application's instance and
// resource handles and the chain of extension modules (CDynLinkLibrary) that
// joined it. AfxFindResourceHandle walks that chain, so an extension DLL's
// bitmaps load whatever resources the application itself carries.
#pragma once
#include "afxobj.h"

class CWinApp;
class CDynLinkLibrary;

// AFX_MODULE_STATE: the application's module state: its instance and resource
// handles and the chain of extension modules (CDynLinkLibrary) that joined it,
// which AfxFindResourceHandle walks. The framework keeps one; reach it with
// AfxGetModuleState and switch it for a scope with AFX_MAINTAIN_STATE2.
struct AFX_FW_API AFX_MODULE_STATE
{
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
    CWinApp* m_pCurrentWinApp;
    LPCSTR m_lpszCurrentAppName;
    CDynLinkLibrary* m_pFirstDLL;   // extension modules, the latest joined first
};

AFX_FW_API AFX_MODULE_STATE* AfxGetModuleState();     // state in force on this thread
AFX_FW_API AFX_MODULE_STATE* AfxGetAppModuleState();  // the application's state
AFX_FW_API HINSTANCE AfxGetInstanceHandle();
AFX_FW_API HINSTANCE AfxGetResourceHandle();
AFX_FW_API void AfxSetResourceHandle(HINSTANCE hInstResource);
// First module of the chain (application, then extension modules, the
// latest joined first, as MFC's chain is) that holds the resource; the
// application's resource handle when none does.
AFX_FW_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

// AFX_MAINTAIN_STATE2: switches the thread's module state for a scope and back
// at its end. Construct it on the stack with the state to switch to.
class AFX_FW_API AFX_MAINTAIN_STATE2
{
public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pNewState);
    ~AFX_MAINTAIN_STATE2();
private:
    AFX_MODULE_STATE* m_pPrevModuleState;
};
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p);

// AFX_EXTENSION_MODULE: the record of an extension DLL, such as wg.dll. The DLL
// declares one static instance and fills it with AfxInitExtensionModule in its
// entry point, then joins the application's chain with new
// CDynLinkLibrary(record); AfxTermExtensionModule leaves it.
struct AFX_FW_API AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

// Records the module; FALSE (and the module should refuse to load) for a
// null module handle.
AFX_FW_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes the module's CDynLinkLibrary objects from the chain and deletes them.
AFX_FW_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// Membership of an extension module in the application's chain. Made with
// new in the module's entry point; freed by AfxTermExtensionModule.
class AFX_FW_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;                  // from the extension module record
    HMODULE m_hResource;                // from the extension module record
    BOOL m_bSystem;                     // the constructor's bSystem
    CDynLinkLibrary* m_pNextDLL;        // next module in the chain
};
