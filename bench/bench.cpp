// wg_bench: the library against the native Win32 controls a user would pick
// instead, in the same process and the same run (ratios, not absolute
// times, are what compare between runs on a noisy machine). Prints one JSON
// line per figure on stdout; progress goes to stderr.
//
// Figures 1-3 and 6-9 run here. Figures 4 and 5 run in fresh child processes
// (wg_bench_child.exe), because start-up must include loading wg.dll and
// memory is only comparable in processes that did nothing else before.
#include "wg.h"
#include "wgkinds.h"
#include "common.h"
#include <commctrl.h>
#include <algorithm>
#include <stdio.h>
#include <string>
#include <vector>

using namespace wgkinds;
using namespace wgbench;

namespace {

const double kNoGoal = -1;

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Times a and b in alternation (their order swapped every repetition, so
// neither always runs in the other's wake): per-call microseconds of each
// repetition of `batch` calls.
template <class A, class B>
void Interleave(int warm, int reps, int batch, A a, B b, std::vector<double>& va, std::vector<double>& vb)
{
    for (int i = 0; i < warm; ++i)
    {
        a();
        b();
    }
    for (int r = 0; r < reps; ++r)
    {
        for (int side = 0; side < 2; ++side)
        {
            bool bLib = (side == 0) == (r % 2 == 0);
            double t0 = NowUs();
            for (int i = 0; i < batch; ++i)
                bLib ? a() : b();
            ::GdiFlush();
            double t = (NowUs() - t0) / batch;
            (bLib ? va : vb).push_back(t);
        }
    }
}

std::string Num(double v)
{
    char buf[64];
    snprintf(buf, sizeof(buf), "%.3f", v);
    return buf;
}

void TimedFigure(int nFigure, const char* name, const char* what, const std::string& extra,
                 const std::vector<double>& lib, const std::vector<double>& native, double goal)
{
    double ml = Median(lib), mn = Median(native);
    double ratio = mn > 0 ? ml / mn : 0;
    printf("{\"figure\":%d,\"name\":\"%s\",\"what\":\"%s\",\"unit\":\"us\",\"lib_median\":%s,"
           "\"native_median\":%s,\"ratio\":%s,\"goal\":%s,\"goal_met\":%s,\"reps\":%d%s}\n",
           nFigure, name, what, Num(ml).c_str(), Num(mn).c_str(), Num(ratio).c_str(),
           goal > 0 ? Num(goal).c_str() : "null",
           goal > 0 ? (ratio <= goal ? "true" : "false") : "null", (int)lib.size(), extra.c_str());
    fflush(stdout);
}

LPARAM XY(long x, long y) { return MAKELPARAM((WORD)(short)x, (WORD)(short)y); }

// A bare top-level window for the native controls, the way a plain Win32
// program would host them.
HWND MakeNativeHost(int x, int y)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "WG bench native host";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x, y, HOST_W,
                             HOST_H, nullptr, nullptr, wc.hInstance, nullptr);
}

class LibTop : public CWnd
{
public:
    BOOL Open(int x, int y)
    {
        return CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "wg bench", WS_POPUP | WS_VISIBLE, x, y, HOST_W, HOST_H,
                        nullptr, nullptr);
    }
};

std::string ChildDir()
{
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    size_t slash = s.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : s.substr(0, slash + 1);
}

// Runs wg_bench_child.exe with args and returns its one output line.
bool RunChild(const std::string& args, std::string& out)
{
    std::string cmd = "\"" + ChildDir() + "wg_bench_child.exe\" " + args;
    SECURITY_ATTRIBUTES sa = { sizeof(sa), nullptr, TRUE };
    HANDLE hRead = nullptr, hWrite = nullptr;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0))
        return false;
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back(0);
    BOOL ok = ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::CloseHandle(hWrite);
    if (!ok)
    {
        ::CloseHandle(hRead);
        return false;
    }
    out.clear();
    char buf[512];
    DWORD got = 0;
    while (::ReadFile(hRead, buf, sizeof(buf), &got, nullptr) && got)
        out.append(buf, got);
    ::CloseHandle(hRead);
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 1;
    ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    if (code != 0)
        fprintf(stderr, "wg_bench: child %s exited with %lu\n", args.substr(0, 20).c_str(), code);
    return code == 0;
}

struct ChildResult
{
    double load = 0, paint = 0, total = 0;
    long long gdi = 0, dcs = 0, bytes = 0;
};

bool Child(const std::string& mode, const std::string& tail, ChildResult& r)
{
    std::string out;
    if (!RunChild(mode + " " + tail, out))
        return false;
    return sscanf(out.c_str(), "%lf %lf %lf %lld %lld %lld", &r.load, &r.paint, &r.total, &r.gdi, &r.dcs,
                  &r.bytes) == 6;
}


// ---- Figures 6-8: layered windows, tips and shadows.

// A 400 x 300 card composed the way a subclass would: a per-pixel
// premultiplied gradient and a line of text.
class BenchLayer : public CWG_LayerWindow
{
public:
    virtual void CreateLayerDC(CDC* pDC, CDC*, long nWidth, long nHeight)
    {
        DWORD* p = (DWORD*)m_pBits;
        for (long y = 0; y < nHeight; ++y)
            for (long x = 0; x < nWidth; ++x)
            {
                const DWORD a = 128 + (DWORD)(127 * y / nHeight), c = a * (DWORD)x / (DWORD)nWidth;
                *p++ = a << 24 | c << 16 | c << 8 | a * 3 / 4;
            }
        pDC->SetTextColor(RGB(20, 20, 20));
        TextOut32(20, 20, "\xB2\xE3\xB4\xCE layered card");
    }
    BLENDFUNCTION& Blend() { return m_blend; }
};

// A window of one solid colour, painted by its class brush.
HWND MakeBackdrop(const RECT& rc, COLORREF cr)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = ::CreateSolidBrush(cr);
    wc.lpszClassName = "WG bench backdrop";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, rc.left, rc.top, rc.right - rc.left,
                             rc.bottom - rc.top, nullptr, nullptr, wc.hInstance, nullptr);
}

void LayeredFigures(CWnd* pTop)
{
    // 6. A fade step against composing and pushing the image again.
    fprintf(stderr, "wg_bench: layer fade\n");
    {
        BenchLayer w;
        w.Create(pTop, 400, 300);
        w.m_bFadeIn = FALSE;
        w.Show(40, 40, FALSE);
        int nTick = 0;
        std::vector<double> lib, nat;
        Interleave(5, 41, 10,
                   [&] {
                       // Every tick a new level, as in a real fade.
                       w.Blend().SourceConstantAlpha = (BYTE)(100 + 50 * (nTick++ % 2));
                       w.SendMessage(WM_TIMER, CWG_LayerWindow::TIMER_FADE_IN);
                   },
                   [&] {
                       w.m_bRecompose = TRUE;
                       w.DrawMe();
                   },
                   lib, nat);
        TimedFigure(6, "layer_fade_step",
                    "one fade-in tick of a 400x300 layered window (constant alpha only, image kept) vs composing "
                    "the same image again and pushing it (UpdateLayeredWindow)",
                    "", lib, nat, 0.2);
        w.DestroyWindow();
    }
    PumpAll();

    // 7. A tip to its first frame on screen against a native tracking
    // tooltip with the same text.
    fprintf(stderr, "wg_bench: tip\n");
    {
        const char* pszTip = "\xCC\xE1\xCA\xBE\r\xB5\xDA\xB6\xFE\xD0\xD0 line two";
        const char* pszNative = "\xCC\xE1\xCA\xBE\n\xB5\xDA\xB6\xFE\xD0\xD0 line two";
        CWG_Tip tip;
        tip.create(pTop);
        tip.setShowAndHideByOtherControl(1);
        HMODULE hComctl = ::LoadLibraryA("comctl32.dll");
        typedef BOOL(WINAPI * InitProc)(const INITCOMMONCONTROLSEX*);
        InitProc pfnInit = hComctl ? (InitProc)(void*)::GetProcAddress(hComctl, "InitCommonControlsEx") : nullptr;
        INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES };
        if (pfnInit)
            pfnInit(&icc);
        HWND hTT = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                     0, 0, 0, 0, pTop->m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(hTT, WM_SETFONT, (WPARAM)CVRK_WG::GetStyleCenter().GetDefaultFont()->m_hObject, FALSE);
        ::SendMessageA(hTT, TTM_SETMAXTIPWIDTH, 0, 400);
        TTTOOLINFOA ti = {};
        ti.cbSize = TTTOOLINFOA_V1_SIZE;
        ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        ti.hwnd = pTop->m_hWnd;
        ti.lpszText = (LPSTR)pszNative;
        ::SendMessageA(hTT, TTM_ADDTOOLA, 0, (LPARAM)&ti);
        ::SendMessageA(hTT, TTM_TRACKPOSITION, 0, MAKELPARAM(300, 300));
        std::vector<double> lib, nat;
        Interleave(5, 41, 5,
                   [&] {
                       tip.show(300, 300, pszTip, -1, kWG_Tip_LeftTop);
                       tip.hide();
                   },
                   [&] {
                       ::SendMessageA(hTT, TTM_TRACKACTIVATE, TRUE, (LPARAM)&ti);
                       ::UpdateWindow(hTT);
                       ::SendMessageA(hTT, TTM_TRACKACTIVATE, FALSE, (LPARAM)&ti);
                   },
                   lib, nat);
        TimedFigure(7, "tip_show",
                    "CWG_Tip show of a two-line GBK text to its first frame on screen (UpdateLayeredWindow), then hide, "
                    "vs a comctl32 tracking tooltip with the same text: TTM_TRACKACTIVATE, UpdateWindow, deactivate",
                    tip.m_hWnd && hTT ? "" : ",\"failed\":true", lib, nat, 1.0);
        ::DestroyWindow(hTT);
        tip.DestroyWindow();
    }
    PumpAll();

    // 8. A shadow following 100 moves of its owner, against the same moves
    // without a shadow; then no shadow pixel may be left on the backdrop
    // outside the final rectangles.
    fprintf(stderr, "wg_bench: shadow\n");
    {
        const COLORREF crBack = RGB(208, 216, 224);
        const CRect rcArea(0, 500, 700, 1000);   // below the bench's own window
        HWND hBack = MakeBackdrop(rcArea, crBack);
        CWnd owner;
        owner.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "owner", WS_POPUP | WS_VISIBLE, 20, 520, 300, 200, pTop->m_hWnd, nullptr);
        CWnd bare;
        bare.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "bare", WS_POPUP | WS_VISIBLE, 20, 520, 300, 200, pTop->m_hWnd, nullptr);
        CWG_Com_WindowShadow shadow;
        shadow.Create(&owner, 300, 200);
        shadow.Show();
        PumpAll();
        int nStep = 0;
        auto pos = [](int i, int& x, int& y) { x = 20 + (i * 37) % 340; y = 520 + (i * 53) % 260; };
        std::vector<double> lib, nat;
        Interleave(2, 21, 100,
                   [&] {
                       int x, y;
                       pos(nStep++, x, y);
                       owner.SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                   },
                   [&] {
                       int x, y;
                       pos(nStep++, x, y);
                       bare.SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                   },
                   lib, nat);
        bare.DestroyWindow();
        owner.SetWindowPos(nullptr, 200, 650, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        for (int i = 0; i < 5; ++i)
            PumpAll(), ::Sleep(20);
        // Residue: backdrop pixels that are not the backdrop's colour outside
        // the owner's and the shadow's final rectangles.
        CRect rcShadow;
        ::GetWindowRect(shadow.m_hWnd, &rcShadow);
        long nResidue = 0, nShadowInk = 0;
        {
            BITMAPINFO bi = {};
            bi.bmiHeader = WG32BitHeader();
            bi.bmiHeader.biWidth = rcArea.Width();
            bi.bmiHeader.biHeight = -rcArea.Height();
            void* pv = nullptr;
            HDC hdc = ::GetDC(nullptr), hMem = ::CreateCompatibleDC(hdc);
            HBITMAP hbm = ::CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &pv, nullptr, 0);
            HGDIOBJ hOld = ::SelectObject(hMem, hbm);
            ::BitBlt(hMem, 0, 0, rcArea.Width(), rcArea.Height(), hdc, rcArea.left, rcArea.top, SRCCOPY);
            ::GdiFlush();
            const DWORD dwBack = (DWORD)GetRValue(crBack) << 16 | GetGValue(crBack) << 8 | GetBValue(crBack);
            for (int y = 0; y < rcArea.Height(); ++y)
                for (int x = 0; x < rcArea.Width(); ++x)
                {
                    const DWORD c = ((DWORD*)pv)[y * rcArea.Width() + x] & 0xFFFFFF;
                    const bool bInShadow = rcShadow.PtInRect(CPoint(x + rcArea.left, y + rcArea.top)) != 0;
                    nResidue += !bInShadow && c != dwBack;
                    nShadowInk += bInShadow && y + rcArea.top == rcShadow.bottom - 4 && c != dwBack;
                }
            ::SelectObject(hMem, hOld);
            ::DeleteObject(hbm);
            ::DeleteDC(hMem);
            ::ReleaseDC(nullptr, hdc);
        }
        const std::string extra = ",\"moves\":100,\"residue_pixels\":" + std::to_string(nResidue) +
                                  ",\"shadow_row_pixels_drawn\":" + std::to_string(nShadowInk);
        TimedFigure(8, "shadow_follow",
                    "moving a 300x200 owner window with a drop shadow following it (per move) vs moving the same "
                    "window without a shadow; residue pixels left outside the final shadow rectangle, by capture",
                    extra, lib, nat, kNoGoal);
        shadow.DestroyWindow();
        owner.DestroyWindow();
        ::DestroyWindow(hBack);
    }
    PumpAll();
}

// ---- Figure 9: the message box.

// Watches the message box of one owner: after every paint of one of its
// windows a marker is posted behind it; when the marker comes out of the
// queue and no window of the box is left to paint, the box has painted:
// the clock stops and the marker becomes the box's Cancel command, so both
// boxes end the same way. Paints are the queue's last messages, so the
// marker always comes out after the paint it follows.
HWND g_hBoxOwner = nullptr;
HHOOK g_hBoxHook = nullptr;
double g_tBoxPainted = 0;
const UINT WM_BOX_MARKER = WM_APP + 0x5B;

HWND BoxRoot(HWND hWnd)
{
    HWND hRoot = hWnd ? ::GetAncestor(hWnd, GA_ROOT) : nullptr;
    return hRoot && hRoot != g_hBoxOwner && ::GetWindow(hRoot, GW_OWNER) == g_hBoxOwner ? hRoot : nullptr;
}

BOOL CALLBACK AnyToPaint(HWND hWnd, LPARAM lParam)
{
    if (::GetUpdateRect(hWnd, nullptr, FALSE))
        *(BOOL*)lParam = TRUE;
    return TRUE;
}

LRESULT CALLBACK BoxGetMessage(int nCode, WPARAM wParam, LPARAM lParam)
{
    MSG* pMsg = (MSG*)lParam;
    HWND hRoot = nCode == HC_ACTION && wParam == PM_REMOVE ? BoxRoot(pMsg->hwnd) : nullptr;
    if (hRoot && pMsg->message == WM_PAINT)
        ::PostMessageA(hRoot, WM_BOX_MARKER, 0, 0);
    else if (hRoot && pMsg->message == WM_BOX_MARKER)
    {
        BOOL bToPaint = ::GetUpdateRect(hRoot, nullptr, FALSE);
        ::EnumChildWindows(hRoot, AnyToPaint, (LPARAM)&bToPaint);
        pMsg->message = WM_NULL;
        if (!bToPaint && !g_tBoxPainted)
        {
            g_tBoxPainted = NowUs();
            pMsg->message = WM_COMMAND;
            pMsg->wParam = IDCANCEL;
        }
    }
    return ::CallNextHookEx(g_hBoxHook, nCode, wParam, lParam);
}

void MessageBoxFigure()
{
    g_hBoxOwner = MakeNativeHost(100, 100);
    g_hBoxHook = ::SetWindowsHookExA(WH_GETMESSAGE, BoxGetMessage, nullptr, ::GetCurrentThreadId());
    const char* const pszText = "Save the changes to the document?";
    // Interleave times whole calls, closing included; each side records
    // its time to the end of painting itself.
    std::vector<double> lib, nat, callsLib, callsNat;
    const size_t nWarm = 3;
    Interleave((int)nWarm, 21, 1,
               [&] {
                   g_tBoxPainted = 0;
                   const double t0 = NowUs();
                   CWG_Dlg_MsgBox box(CWnd::FromHandle(g_hBoxOwner));
                   box.DoModal(pszText, "WG", CWG_Dlg_MsgBox::TYPE_YESNOCANCEL, "", 0);
                   lib.push_back(g_tBoxPainted - t0);
               },
               [&] {
                   g_tBoxPainted = 0;
                   const double t0 = NowUs();
                   ::MessageBoxA(g_hBoxOwner, pszText, "WG", MB_YESNOCANCEL | MB_ICONWARNING);
                   nat.push_back(g_tBoxPainted - t0);
               },
               callsLib, callsNat);
    ::UnhookWindowsHookEx(g_hBoxHook);
    ::DestroyWindow(g_hBoxOwner);
    AfxDeleteTempMaps();
    lib.erase(lib.begin(), lib.begin() + std::min(nWarm, lib.size()));
    nat.erase(nat.begin(), nat.begin() + std::min(nWarm, nat.size()));
    TimedFigure(9, "message_box",
                "opening a three-button message box until it and its parts have painted vs MessageBoxA with the "
                "same text, caption and buttons (MB_YESNOCANCEL | MB_ICONWARNING)",
                "", lib, nat, 1.0);
}

// ---- Figures 10-13: the text field against a native EDIT (ES_AUTOHSCROLL),
// same font, same run.

// A mixed GBK text of about nBytes bytes: words and Chinese characters.
std::string LongText(size_t nBytes)
{
    std::string s;
    while (s.size() < nBytes)
        s += (s.size() / 7) % 2 ? "word " : "\xD6\xD0\xCE\xC4 ";
    s.resize(nBytes);
    if (s.size() >= 2 && ((unsigned char)s[s.size() - 1] & 0x80) && !((unsigned char)s[s.size() - 2] & 0x80))
        s.back() = 'x';   // no lone lead byte at the end
    return s;
}

// One text field on its own panel and one native EDIT beside it, both
// holding the same text with the caret at the same byte.
struct TextPair
{
    LibTop top;
    CVRK_WGPANEL panel;
    CWG_Text text;
    CWG_Text textShort;   // figure 13's 100-byte field
    HWND hHost = nullptr, hEdit = nullptr;

    bool Open(HFONT hFont)
    {
        if (!top.Open(0, 0))
            return false;
        std::unique_ptr<Host> host = HostKinds()[0].open(&top, &panel, 400, 60);
        if (!host || !text.Create(&panel, 10, 10, 300, 21) || !textShort.Create(&panel, 10, 35, 300, 21))
            return false;
        host.release();   // the panel's window lives with the top window
        panel.DrawMe();
        panel.SetNowWG(text.m_nIndex);
        hHost = MakeNativeHost(0, 100);
        hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 10,
                                  300, 21, hHost, (HMENU)1, ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(hEdit, WM_SETFONT, (WPARAM)hFont, TRUE);
        PumpAll();
        return hEdit != nullptr;
    }
    // Both sides hold str with the caret at nCaret (-1: the end), scrolled
    // to show it.
    void Set(const std::string& str, long nCaret)
    {
        const long n = nCaret < 0 ? (long)str.size() : nCaret;
        text.SetTextStrQuiet(str.c_str());
        text.m_nCaret = n;
        text.m_bSelected = FALSE;
        text.m_bJustFocused = FALSE;
        text.OnKeyDown(VK_RIGHT);   // scrolls to the caret (at the end, it stays)
        if (nCaret >= 0)
            text.OnKeyDown(VK_LEFT);
        ::SetWindowTextA(hEdit, str.c_str());
        ::SendMessageA(hEdit, EM_SETSEL, n, n);
        ::SendMessageA(hEdit, EM_SCROLLCARET, 0, 0);
        ::UpdateWindow(hEdit);
    }
    void Close()
    {
        ::DestroyWindow(hHost);
        top.DestroyWindow();
        PumpAll();
    }
};

// Per-key microseconds of typing 'x' into both sides (each key painted).
void TimeTyping(TextPair& tp, std::vector<double>& lib, std::vector<double>& nat)
{
    Interleave(10, 31, 10, [&] { ::SendMessageA(tp.panel.m_hWnd, WM_CHAR, 'x', 1); },
               [&] {
                   ::SendMessageA(tp.hEdit, WM_CHAR, 'x', 1);
                   ::UpdateWindow(tp.hEdit);
               },
               lib, nat);
}

void TextFigures(HFONT hFont)
{
    fprintf(stderr, "wg_bench: text\n");
    TextPair tp;
    if (!tp.Open(hFont))
        return;
    const std::string strLong = LongText(10 * 1024), strShort = LongText(100);

    std::vector<double> lib, nat;
    tp.Set(strLong, -1);
    TimeTyping(tp, lib, nat);
    const bool bTyped = tp.text.m_nLength > (long)strLong.size() &&
                        ::GetWindowTextLengthA(tp.hEdit) > (int)strLong.size();
    TimedFigure(10, "text_type_end",
                "one character typed at the end of a 10 kB GBK text and painted: WM_CHAR to the panel of a "
                "CWG_Text vs WM_CHAR + UpdateWindow to a native EDIT (ES_AUTOHSCROLL), same font",
                std::string(",\"typed\":") + (bTyped ? "true" : "false"), lib, nat, 1.0);
    const double tNatLongEnd = Median(nat);

    lib.clear(), nat.clear();
    tp.Set(strLong, (long)strLong.size() / 2 & ~7L);
    TimeTyping(tp, lib, nat);
    TimedFigure(11, "text_type_middle",
                "one character typed in the middle of a 10 kB GBK text and painted, as figure 10", "", lib, nat,
                1.0);

    // A click near the end of the text, the end in view.
    lib.clear(), nat.clear();
    tp.Set(strLong, -1);
    const long xClick = 10 + 300 - 20;
    long nCaretLib = -1;
    DWORD dwSelNative = 0;
    Interleave(10, 31, 10,
               [&] {
                   ::SendMessageA(tp.panel.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, XY(xClick, 20));
                   ::SendMessageA(tp.panel.m_hWnd, WM_LBUTTONUP, 0, XY(xClick, 20));
                   nCaretLib = tp.text.m_nCaret;
               },
               [&] {
                   ::SendMessageA(tp.hEdit, WM_LBUTTONDOWN, MK_LBUTTON, XY(300 - 20, 10));
                   ::SendMessageA(tp.hEdit, WM_LBUTTONUP, 0, XY(300 - 20, 10));
                   ::UpdateWindow(tp.hEdit);
                   dwSelNative = (DWORD)::SendMessageA(tp.hEdit, EM_GETSEL, 0, 0);
               },
               lib, nat);
    // The EDIT counts characters (UTF-16 units under Wine) where the
    // library counts bytes. Wine's EDIT puts the caret at 0 for a click on
    // a line this long (it finds no character under the point), so the
    // native side is reported as it is.
    const bool bLibNearEnd = nCaretLib > (long)strLong.size() - 60;
    const bool bNativeNearEnd = (long)LOWORD(dwSelNative) > ::GetWindowTextLengthW(tp.hEdit) - 60;
    char szPlaces[160];
    snprintf(szPlaces, sizeof(szPlaces), ",\"lib_caret\":%ld,\"lib_length\":%ld,\"native_caret\":%u,\"native_length\":%d",
             nCaretLib, tp.text.m_nLength, (unsigned)LOWORD(dwSelNative), ::GetWindowTextLengthW(tp.hEdit));
    TimedFigure(12, "text_click",
                "a click (button down and up) that places the caret near the end of a 10 kB GBK text, the end in "
                "view, vs WM_LBUTTONDOWN/UP + UpdateWindow on a native EDIT",
                std::string(",\"lib_caret_near_end\":") + (bLibNearEnd ? "true" : "false") +
                    ",\"native_caret_near_end\":" + (bNativeNearEnd ? "true" : "false") +
                    szPlaces,
                lib, nat, 1.0);

    // How a key's cost grows with the text: the library at 10 kB against
    // itself at 100 bytes, a key typed and taken back with Backspace so both
    // keep their length (the EDIT's own growth alongside).
    lib.clear(), nat.clear();
    tp.Set(strLong, -1);
    tp.textShort.SetTextStrQuiet(strShort.c_str());
    std::vector<double> vShort;
    auto keyPair = [&](CWG_Text& t) {
        tp.panel.SetNowWGQuiet(t.m_nIndex);
        ::SendMessageA(tp.panel.m_hWnd, WM_CHAR, 'x', 1);
        ::SendMessageA(tp.panel.m_hWnd, WM_CHAR, VK_BACK, 1);
    };
    Interleave(10, 31, 10, [&] { keyPair(tp.text); }, [&] { keyPair(tp.textShort); }, lib, vShort);
    const bool bKept = tp.text.m_nLength == (long)strLong.size() && tp.textShort.m_nLength == (long)strShort.size();
    std::vector<double> libShortEdit;
    tp.Set(strShort, -1);
    TimeTyping(tp, libShortEdit, nat);
    TimedFigure(13, "text_key_growth",
                "per-key cost (a character typed and removed) at the end of a 10 kB text over that at the end of "
                "a 100-byte text, both the library's (lib_median: 10 kB, native_median: 100 B)",
                ",\"lengths_kept\":" + std::string(bKept ? "true" : "false") + ",\"native_edit_growth\":" +
                    Num(Median(nat) > 0 ? tNatLongEnd / Median(nat) : 0),
                lib, vShort, 2.0);
    tp.Close();
}

} // namespace

int main()
{
    // The kinds that have a native peer make the mix, in turn.
    std::vector<const ElementKind*> kinds;
    std::string mix;
    for (const ElementKind& k : ElementKinds())
        if (k.nativeClass)
        {
            kinds.push_back(&k);
            mix += (mix.empty() ? "" : ",") + std::string(k.name);
        }
    if (kinds.empty())
        return 1;
    const std::string mixField = ",\"elements\":200,\"mix\":\"" + mix + "\"";

    // Library side: a top-level window with the panel of 200 elements.
    LibTop top;
    if (!top.Open(0, 0))
        return 1;
    CVRK_WGPANEL panel;
    ElementSet set;
    std::unique_ptr<Host> host = HostKinds()[0].open(&top, &panel, HOST_W, HOST_H);
    if (!host)
        return 1;
    for (int i = 0; i < ELEMENTS; ++i)
    {
        const ElementKind& k = *kinds[i % kinds.size()];
        long x, y;
        Cell(i, x, y);
        set.Add(k, &panel, x, y, std::min(k.w, (long)MAX_W), std::min(k.h, (long)MAX_H));
    }
    // Native side: the matching controls below it (no overlap, so neither
    // side is clipped by the other), with the library's font.
    HWND hNative = MakeNativeHost(0, HOST_H + 8);
    HFONT hFont = (HFONT)CVRK_WG::GetStyleCenter().GetDefaultFont()->m_hObject;
    std::vector<HWND> natives;
    for (int i = 0; i < ELEMENTS; ++i)
    {
        const ElementKind& k = *kinds[i % kinds.size()];
        long x, y;
        Cell(i, x, y);
        HWND h = ::CreateWindowExA(0, k.nativeClass, k.nativeText, WS_CHILD | WS_VISIBLE | k.nativeStyle, x, y,
                                   std::min(k.w, (long)MAX_W), std::min(k.h, (long)MAX_H), hNative,
                                   (HMENU)(INT_PTR)(100 + i), ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(h, WM_SETFONT, (WPARAM)hFont, FALSE);
        natives.push_back(h);
    }
    panel.DrawMe();
    PumpAll();

    // 1. Full repaint.
    fprintf(stderr, "wg_bench: full repaint\n");
    {
        std::vector<double> lib, nat;
        Interleave(5, 41, 1, [&] { panel.DrawMe(); },
                   [&] { ::RedrawWindow(hNative, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); },
                   lib, nat);
        TimedFigure(1, "full_repaint",
                    "DrawMe of a 200-element panel vs RedrawWindow(RDW_INVALIDATE|RDW_UPDATENOW|RDW_ALLCHILDREN) "
                    "of 200 native child controls",
                    mixField, lib, nat, 0.5);
    }
    PumpAll();

    // The button the next two figures use, and its native twin.
    int iBtn = -1;
    for (int i = 0; i < ELEMENTS && iBtn < 0; ++i)
        if (std::string(kinds[i % kinds.size()]->name) == "button")
            iBtn = i;
    if (iBtn < 0)
        return 1;
    CVRK_WG* pBtn = set.items[iBtn].get();
    HWND hBtn = natives[iBtn];

    // 2. One element changed.
    fprintf(stderr, "wg_bench: one element\n");
    {
        std::vector<double> lib, nat;
        Interleave(20, 41, 20, [&] { panel.RefreshWG(pBtn->m_nIndex); },
                   [&] {
                       ::InvalidateRect(hBtn, nullptr, TRUE);
                       ::UpdateWindow(hBtn);
                   },
                   lib, nat);
        TimedFigure(2, "one_element",
                    "RefreshWG of one button vs InvalidateRect+UpdateWindow of one native BUTTON", "", lib, nat, 1.0);
    }

    // 3. Hover: onto the button and off it again.
    fprintf(stderr, "wg_bench: hover\n");
    {
        CPoint in(pBtn->m_rect.left + pBtn->m_nWidth / 2, pBtn->m_rect.top + pBtn->m_nHeight / 2);
        CPoint out(pBtn->m_rect.right + 2, pBtn->m_rect.top + pBtn->m_nHeight / 2);   // the gap between cells
        RECT rcNat;
        ::GetClientRect(hBtn, &rcNat);
        long nTaken = 0, nMoves = 0;
        std::vector<double> lib, nat;
        Interleave(20, 41, 10,
                   [&] {
                       ::SendMessageA(panel.m_hWnd, WM_MOUSEMOVE, 0, XY(in.x, in.y));
                       nTaken += panel.m_nMouseWG == pBtn->m_nIndex;
                       ::SendMessageA(panel.m_hWnd, WM_MOUSEMOVE, 0, XY(out.x, out.y));
                       ++nMoves;
                   },
                   [&] {
                       // Wine's buttons do not track hover; a themed button
                       // repaints itself on entering and on leaving, so the
                       // native side does exactly that.
                       ::SendMessageA(hBtn, WM_MOUSEMOVE, 0, XY(rcNat.right / 2, rcNat.bottom / 2));
                       ::InvalidateRect(hBtn, nullptr, TRUE);
                       ::UpdateWindow(hBtn);
                       ::SendMessageA(hBtn, WM_MOUSEMOVE, 0, XY(rcNat.right + 2, rcNat.bottom / 2));
                       ::InvalidateRect(hBtn, nullptr, TRUE);
                       ::UpdateWindow(hBtn);
                   },
                   lib, nat);
        // Every move onto the button must have hovered it (two repaints and
        // the capture), else the figure measures nothing.
        std::string extra = ",\"hover_taken\":" + std::string(nTaken == nMoves ? "true" : "false");
        TimedFigure(3, "hover",
                    "mouse move onto a button and off it (two repaints, capture taken and released) vs the same "
                    "two moves over a native BUTTON, each followed by its repaint (InvalidateRect+UpdateWindow)",
                    extra, lib, nat, 0.5);
    }

    LayeredFigures(&top);

    fprintf(stderr, "wg_bench: message box\n");
    MessageBoxFigure();

    TextFigures(hFont);

    host.reset();
    set.Clear();
    for (HWND h : natives)
        ::DestroyWindow(h);
    ::DestroyWindow(hNative);
    top.DestroyWindow();
    PumpAll();

    // Arguments of the child: the library's font and the native peers.
    std::string tail;
    {
        LOGFONTA lf = {};
        ::GetObjectA(hFont, sizeof(lf), &lf);
        char hex[3];
        for (size_t i = 0; i < sizeof(lf); ++i)
        {
            snprintf(hex, sizeof(hex), "%02x", ((unsigned char*)&lf)[i]);
            tail += hex;
        }
        for (const ElementKind* k : kinds)
        {
            char buf[256];
            snprintf(buf, sizeof(buf), " \"%s|%lx|%s|%ld|%ld\"", k->nativeClass, (unsigned long)k->nativeStyle,
                     k->nativeText, k->w, k->h);
            tail += buf;
        }
    }

    // 4. Resources, each side in a fresh process.
    const int kBytesPerElementGoal = 10 * 1024;
    fprintf(stderr, "wg_bench: resources\n");
    {
        std::vector<double> gdi, dcs, lb, nb;
        for (int i = 0; i < 3; ++i)
        {
            ChildResult r;
            if (Child("resources-wg", tail, r))
            {
                gdi.push_back((double)r.gdi);
                dcs.push_back((double)r.dcs);
                lb.push_back((double)r.bytes);
            }
            if (Child("resources-native", tail, r))
                nb.push_back((double)r.bytes);
        }
        double mg = Median(gdi), md = Median(dcs), ml = Median(lb), mn = Median(nb);
        printf("{\"figure\":4,\"name\":\"resources\",\"what\":\"live GDI objects, memory DCs and private bytes "
               "that 200 painted elements add to a painted empty panel vs what 200 painted native controls add "
               "to their host window\",\"lib_gdi_objects\":%s,"
               "\"lib_memory_dcs\":%s,\"lib_gdi_objects_per_element\":%s,\"lib_memory_dcs_per_element\":%s,"
               "\"native_gdi_objects\":null,\"lib_private_bytes\":%s,\"native_private_bytes\":%s,"
               "\"lib_private_bytes_per_element\":%s,\"native_private_bytes_per_element\":%s,\"ratio\":%s,"
               "\"goal\":\"at most %d private bytes per element\",\"goal_met\":%s,\"samples\":%d%s}\n",
               Num(mg).c_str(), Num(md).c_str(), Num(mg / ELEMENTS).c_str(), Num(md / ELEMENTS).c_str(),
               Num(ml).c_str(), Num(mn).c_str(), Num(ml / ELEMENTS).c_str(), Num(mn / ELEMENTS).c_str(),
               Num(mn != 0 ? ml / mn : 0).c_str(), kBytesPerElementGoal,
               ml / ELEMENTS <= kBytesPerElementGoal ? "true" : "false", (int)lb.size(), mixField.c_str());
        fflush(stdout);
    }

    // 5. Start-up: LoadLibrary of the library to the first full paint of a
    // 200-element panel, against creating and first painting 200 native
    // controls (whose code, user32, every GUI process has loaded already).
    fprintf(stderr, "wg_bench: start-up\n");
    {
        std::vector<double> lib, load, build, nat;
        ChildResult r;
        Child("startup-wg", tail, r);   // warm the file cache
        Child("startup-native", tail, r);
        for (int i = 0; i < 9; ++i)
        {
            if (Child("startup-wg", tail, r))
            {
                lib.push_back(r.total);
                load.push_back(r.load);
                build.push_back(r.paint);
            }
            if (Child("startup-native", tail, r))
                nat.push_back(r.total);
        }
        std::string extra = ",\"lib_load_median\":" + Num(Median(load)) + ",\"lib_build_and_paint_median\":" +
                            Num(Median(build)) + mixField;
        TimedFigure(5, "startup",
                    "LoadLibrary of wg.dll (and the framework DLL) to the first full paint of a 200-element panel, "
                    "vs creating and first painting 200 native controls; fresh process per sample",
                    extra, lib, nat, kNoGoal);
    }
    return 0;
}
