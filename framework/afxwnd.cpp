#include "afxwnd.h"
#include "afxapp.h"
#include "afxmodule.h"
#include <stdio.h>
#include <unordered_map>

const char* const AFX_WND_CLASS = "AfxWnd42";
const char* const AFX_WNDFRAMEORVIEW_CLASS = "AfxFrameOrView42";

// ---- per-thread and process-wide window state ---------------------------

namespace {

struct ThreadState
{
    CWnd* pWndInit;                            // window being created
    HHOOK hHookCbt;                            // CBT hook that attaches it
    MSG lastMsg;                               // message being handled
    std::unordered_map<HWND, CWnd*>* pTemp;    // temporary wrappers
};

ThreadState& TS()
{
    static thread_local ThreadState s_state = { nullptr, nullptr, {}, nullptr };
    return s_state;
}

// The permanent map is process-wide: the library, the application and any
// worker thread see one object per window.
SRWLOCK g_mapLock = SRWLOCK_INIT;
std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    static std::unordered_map<HWND, CWnd*>* s_pMap = new std::unordered_map<HWND, CWnd*>;
    return *s_pMap;
}

void MapAdd(HWND h, CWnd* p)
{
    AcquireSRWLockExclusive(&g_mapLock);
    PermanentMap()[h] = p;
    ReleaseSRWLockExclusive(&g_mapLock);
}

void MapRemove(HWND h)
{
    AcquireSRWLockExclusive(&g_mapLock);
    PermanentMap().erase(h);
    ReleaseSRWLockExclusive(&g_mapLock);
}

CWnd* MapFind(HWND h)
{
    AcquireSRWLockShared(&g_mapLock);
    auto& m = PermanentMap();
    auto it = m.find(h);
    CWnd* p = it == m.end() ? nullptr : it->second;
    ReleaseSRWLockShared(&g_mapLock);
    return p;
}

BOOL IsImeWindow(HWND hWnd)
{
    if (::GetClassLongPtrA(hWnd, GCL_STYLE) & CS_IME)
        return TRUE;
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return lstrcmpiA(szClass, "IME") == 0;
}

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    ThreadState& ts = TS();
    if (code == HCBT_CREATEWND && ts.pWndInit && !IsImeWindow((HWND)wParam))
    {
        CWnd* pWnd = ts.pWndInit;
        HWND hWnd = (HWND)wParam;
        pWnd->Attach(hWnd);
        WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
        if (pfnOld != AfxWndProc)
            *pWnd->GetSuperWndProcAddr() = pfnOld;
        ts.pWndInit = nullptr;
    }
    return ::CallNextHookEx(ts.hHookCbt, code, wParam, lParam);
}

} // namespace

void AfxHookWindowCreate(CWnd* pWnd)
{
    ThreadState& ts = TS();
    // The hook stays installed for the thread's life, as MFC's does.
    if (!ts.hHookCbt)
        ts.hHookCbt = ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
    ts.pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    ThreadState& ts = TS();
    BOOL bAttached = ts.pWndInit == nullptr;
    ts.pWndInit = nullptr;
    return bAttached;
}

const MSG* AfxGetCurrentMessage() { return &TS().lastMsg; }

struct AfxWndInternals
{
    static LRESULT Call(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        ThreadState& ts = TS();
        MSG old = ts.lastMsg;
        ts.lastMsg.hwnd = hWnd;
        ts.lastMsg.message = nMsg;
        ts.lastMsg.wParam = wParam;
        ts.lastMsg.lParam = lParam;
        LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);
        ts.lastMsg = old;
        return lResult;
    }
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxWndInternals::Call(pWnd, hWnd, nMsg, wParam, lParam);
}

BOOL AfxRegisterFrameworkClasses()
{
    static HINSTANCE s_hDone = nullptr;   // instance the classes are registered for
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (s_hDone == hInst)
        return TRUE;
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInst, AFX_WND_CLASS, &wc))
    {
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = AFX_WND_CLASS;
        if (!::RegisterClassA(&wc))
            return FALSE;
    }
    if (!::GetClassInfoA(hInst, AFX_WNDFRAMEORVIEW_CLASS, &wc))
    {
        wc = WNDCLASSA();
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.lpszClassName = AFX_WNDFRAMEORVIEW_CLASS;
        if (!::RegisterClassA(&wc))
            return FALSE;
    }
    s_hDone = hInst;
    return TRUE;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // MFC's synthetic name: the same parameters name the same class.
    static thread_local char s_szName[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (!hCursor && !hbrBackground && !hIcon)
        snprintf(s_szName, sizeof(s_szName), "Afx:%p:%x", (void*)hInst, nClassStyle);
    else
        snprintf(s_szName, sizeof(s_szName), "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle,
                 (void*)hCursor, (void*)hbrBackground, (void*)hIcon);
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInst, s_szName, &wc))
        return s_szName;
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = s_szName;
    return ::RegisterClassA(&wc) ? s_szName : nullptr;
}

// ---- CWnd ------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr) {}

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    if (m_hWnd)
        Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? MapFind(hWnd) : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* p = MapFind(hWnd))
        return p;
    ThreadState& ts = TS();
    if (!ts.pTemp)
        ts.pTemp = new std::unordered_map<HWND, CWnd*>;
    auto it = ts.pTemp->find(hWnd);
    if (it != ts.pTemp->end())
        return it->second;
    CWnd* p = new CWnd;
    p->m_hWnd = hWnd;
    ts.pTemp->emplace(hWnd, p);
    return p;
}

void CWnd::DeleteTempMap()
{
    ThreadState& ts = TS();
    if (!ts.pTemp)
        return;
    for (auto& e : *ts.pTemp)
    {
        e.second->m_hWnd = nullptr;
        delete e.second;
    }
    ts.pTemp->clear();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!hWndNew || m_hWnd || MapFind(hWndNew))
        return FALSE;
    m_hWnd = hWndNew;
    MapAdd(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    if (h && MapFind(h) == this)
        MapRemove(h);
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (pfnOld != AfxWndProc)
        *GetSuperWndProcAddr() = pfnOld;
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* ppfn = GetSuperWndProcAddr();
    if (m_hWnd && *ppfn)
    {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*ppfn);
        *ppfn = nullptr;
    }
    return Detach();
}

static BOOL ModifyStyleImpl(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = (DWORD)::GetWindowLongPtrA(hWnd, nIndex);
    DWORD dwNew = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNew)
        return FALSE;
    ::SetWindowLongPtrA(hWnd, nIndex, (LONG_PTR)dwNew);
    if (nFlags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleImpl(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleImpl(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::GetWindowText(CString& rString) const
{
    int n = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(n), n + 1);
    rString.ReleaseBuffer();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
    {
        if (!AfxRegisterFrameworkClasses())
            return FALSE;
        cs.lpszClass = AFX_WND_CLASS;
    }
    return TRUE;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, SafeHwnd(pParentWnd),
                    (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, SafeHwnd(pParentWnd),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;   // one object, one window
    CREATESTRUCTA cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    // The framework's own classes are there for every window, whether or not
    // an application object ran its start-up.
    AfxRegisterFrameworkClasses();
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                  cs.lpCreateParams);
    // A window that never reached the object (its class is missing, say)
    // still ends the object's life as a destroyed one would: self-deleting
    // objects such as frames are gone after a failed creation, as in MFC.
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND hWnd = m_hWnd;
    BOOL bAttached = FromHandlePermanent(hWnd) == this;
    BOOL bOk = ::DestroyWindow(hWnd);
    // A window that was attached without the framework's procedure never saw
    // WM_NCDESTROY through the map; let go of it here.
    if (bAttached && m_hWnd == hWnd && !::IsWindow(hWnd))
        Detach();
    return bOk;
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    if (lpRect)
        MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                   lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    // MFC passes the special values (&wndTop, &wndTopMost, ...) as handles.
    return ::SetWindowPos(m_hWnd, SafeHwnd(pWndInsertAfter), x, y, cx, cy, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    CRect rc, rcArea;
    GetWindowRect(&rc);
    HWND hOwner = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (hOwner && ::IsWindowVisible(hOwner))
        ::GetWindowRect(hOwner, &rcArea);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
    int x = rcArea.left + (rcArea.Width() - rc.Width()) / 2;
    int y = rcArea.top + (rcArea.Height() - rc.Height()) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, (HRGN)CGdiObject::SafeHandle(prgnUpdate), flags);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) { return pDC ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0; }

LRESULT CWnd::Default()
{
    const MSG& msg = TS().lastMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CWnd::PostNcDestroy() {}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Menus and accelerators (no control window) send CN_COMMAND; a control
    // sends its notification code, which only ON_CONTROL entries of that
    // code take (BN_CLICKED being CN_COMMAND).
    const int nCode = lParam ? (int)HIWORD(wParam) : CN_COMMAND;
    return OnCmdMsg(LOWORD(wParam), nCode, nullptr, nullptr);
}

// Calls a handler through the signature recorded in its map entry.
BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        if (pResult)
            *pResult = 0;
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), message, 0, 0);
    if (!e)
        return FALSE;

    union
    {
        AFX_PMSG pfn;
        LRESULT (CWnd::*pfn_lwl)(WPARAM, LPARAM);
        int (CWnd::*pfn_is)(LPCREATESTRUCT);
        void (CWnd::*pfn_vv)();
        BOOL (CWnd::*pfn_bD)(CDC*);
        void (CWnd::*pfn_vwp)(UINT, CPoint);
        BOOL (CWnd::*pfn_bwsp)(UINT, short, CPoint);
        void (CWnd::*pfn_vwww)(UINT, UINT, UINT);
        void (CWnd::*pfn_vt)(UINT_PTR);
        BOOL (CWnd::*pfn_bWww)(CWnd*, UINT, UINT);
        int (CWnd::*pfn_iWww)(CWnd*, UINT, UINT);
        void (CWnd::*pfn_vwii)(UINT, int, int);
        void (CWnd::*pfn_vW)(CWnd*);
        UINT (CWnd::*pfn_wp)(CPoint);
        void (CWnd::*pfn_vbn)(BOOL, NCCALCSIZE_PARAMS*);
        BOOL (CWnd::*pfn_bb)(BOOL);
        void (CWnd::*pfn_vmmi)(MINMAXINFO*);
        void (CWnd::*pfn_vwWb)(UINT, CWnd*, BOOL);
        void (CWnd::*pfn_vbw)(BOOL, UINT);
        void (CWnd::*pfn_vwl)(UINT, LPARAM);
        void (CWnd::*pfn_vpos)(WINDOWPOS*);
        void (CWnd::*pfn_vii)(int, int);
        void (CWnd::*pfn_vw)(UINT);
    } mmf;
    mmf.pfn = e->pfn;
    CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));

    switch (e->nSig)
    {
    case AfxSig_lwl: lResult = (this->*mmf.pfn_lwl)(wParam, lParam); break;
    case AfxSig_is: lResult = (this->*mmf.pfn_is)((LPCREATESTRUCT)lParam); break;
    case AfxSig_vv: (this->*mmf.pfn_vv)(); break;
    case AfxSig_bD: lResult = (this->*mmf.pfn_bD)(CDC::FromHandle((HDC)wParam)); break;
    case AfxSig_vwp: (this->*mmf.pfn_vwp)((UINT)wParam, pt); break;
    case AfxSig_bwsp:
        lResult = (this->*mmf.pfn_bwsp)(LOWORD(wParam), (short)HIWORD(wParam), pt);
        break;
    case AfxSig_vwww: (this->*mmf.pfn_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam)); break;
    case AfxSig_vt: (this->*mmf.pfn_vt)((UINT_PTR)wParam); break;
    case AfxSig_bWww:
        lResult = (this->*mmf.pfn_bWww)(FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_iWww:
        lResult = (this->*mmf.pfn_iWww)(FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwii:
        (this->*mmf.pfn_vwii)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vW:
        (this->*mmf.pfn_vW)(FromHandle((HWND)(message == WM_CAPTURECHANGED ? lParam : wParam)));
        break;
    case AfxSig_wp: lResult = (this->*mmf.pfn_wp)(pt); break;
    case AfxSig_vbn: (this->*mmf.pfn_vbn)((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam); break;
    case AfxSig_bb: lResult = (this->*mmf.pfn_bb)((BOOL)wParam); break;
    case AfxSig_vmmi: (this->*mmf.pfn_vmmi)((MINMAXINFO*)lParam); break;
    case AfxSig_vwWb:
        (this->*mmf.pfn_vwWb)(LOWORD(wParam), FromHandle((HWND)lParam), (BOOL)HIWORD(wParam));
        break;
    case AfxSig_vbw: (this->*mmf.pfn_vbw)((BOOL)wParam, (UINT)lParam); break;
    case AfxSig_vwl: (this->*mmf.pfn_vwl)((UINT)wParam, lParam); break;
    case AfxSig_vpos: (this->*mmf.pfn_vpos)((WINDOWPOS*)lParam); break;
    case AfxSig_vii: (this->*mmf.pfn_vii)((short)LOWORD(lParam), (short)HIWORD(lParam)); break;
    case AfxSig_vw: (this->*mmf.pfn_vw)((UINT)wParam); break;
    default: return FALSE;
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

// ---- default handlers --------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }

void CWnd::OnNcDestroy()
{
    // The end of the application's main window ends its message loop; a
    // stand-in (a modal dialog) ends nothing. Neither pointer may outlive
    // its window.
    if (CWinApp* pApp = AfxGetApp())
    {
        if (pApp->m_pMainWnd == this)
        {
            ::PostQuitMessage(0);
            pApp->m_pMainWnd = nullptr;
        }
        if (pApp->m_pActiveWnd == this)
            pApp->m_pActiveWnd = nullptr;
    }
    // The original procedure sees WM_NCDESTROY while still attached; then the
    // object lets go of the handle and may delete itself in PostNcDestroy.
    Default();
    WNDPROC* ppfn = GetSuperWndProcAddr();
    if (*ppfn && (WNDPROC)::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == AfxWndProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*ppfn);
    *ppfn = nullptr;
    Detach();
    PostNcDestroy();
}

void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnDrawClipboard() { Default(); }
void CWnd::OnCancelMode() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
UINT CWnd::OnNcHitTest(CPoint) { return (UINT)Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return (BOOL)Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
