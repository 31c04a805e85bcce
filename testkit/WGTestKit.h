// WGTestKit.h: driving and checking windowless elements from a test.
//
// Elements have no window, so window-based test tools cannot see them. This
// header drives a panel the way the user and the system do (messages to the
// panel's window: mouse, keys, characters, input-method characters, timers)
// and reads back what the user would see (pixels of the panel's back buffer)
// and what the application heard (a log of its notifications). It depends
// on wg.h alone and works with any test framework; the project's own tests
// wrap it for GoogleTest.
//
//     wgtestkit::Host host;                          // hidden top-level window
//     MyPanel panel;  panel.Create(&host);           // the application's panel
//     wgtestkit::Log log;  ...                       // record OnWGCommand calls
//     wgtestkit::Click(panel, *wgtestkit::FindByCaption(panel, "OK"));
//     if (log.Joined("cmd") != "cmd 3 5") ...        // the sequence it heard
//
// Everything runs on the calling thread, which must be the panel's thread.
// Messages are sent (not posted), so each call returns after the panel has
// handled it; Pump() runs what the handlers posted. Timers are driven by
// sending WM_TIMER, never by waiting, so tests do not depend on timing.
#pragma once
#include "wg.h"
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

namespace wgtestkit {

// ---- recording ---------------------------------------------------------------------------

// A list of lines, shared by a panel and whatever else logs, so the order of
// calls across elements and the application is visible.
struct Log
{
    std::vector<std::string> lines;
    void Add(const std::string& s) { lines.push_back(s); }
    void Clear() { lines.clear(); }
    // The lines that start with pszOnly (all by default), joined with " | ";
    // compare it with the expected sequence.
    std::string Joined(const char* pszOnly = "") const
    {
        std::string s;
        for (const auto& l : lines)
            if (l.compare(0, strlen(pszOnly), pszOnly) == 0)
                s += (s.empty() ? "" : " | ") + l;
        return s;
    }
};

// printf into a std::string (up to 255 bytes).
inline std::string Fmt(const char* fmt, ...)
{
    char buf[256];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof(buf), fmt, ap);
    va_end(ap);
    return buf;
}

// A panel that logs what the library tells the application: "cmd <index>
// <code>", "menu <menu> <command>", "tip <tip> <code>", "panel ok",
// "panel cancel". Derive the application's panel from it in a test, or copy
// its overrides into the application's own panel.
class RecordingPanel : public CVRK_WGPANEL
{
public:
    Log* m_pLog = nullptr;
    int m_nOKResult = 0;       // what OnOK and OnCancel answer
    int m_nCancelResult = 0;
    virtual void OnWGCommand(long nIndex, long nCode) { if (m_pLog) m_pLog->Add(Fmt("cmd %ld %ld", nIndex, nCode)); }
    virtual void OnMenuCommand(long nMenu, long nCommand) { if (m_pLog) m_pLog->Add(Fmt("menu %ld %ld", nMenu, nCommand)); }
    virtual void OnTipCommand(long nTip, long nCode)
    {
        if (m_pLog) m_pLog->Add(Fmt("tip %ld %ld", nTip, nCode));
        CVRK_WGPANEL::OnTipCommand(nTip, nCode);
    }
    virtual int OnOK() { if (m_pLog) m_pLog->Add("panel ok"); return m_nOKResult; }
    virtual int OnCancel() { if (m_pLog) m_pLog->Add("panel cancel"); return m_nCancelResult; }
};

// ---- hosting -------------------------------------------------------------------------------

// A top-level window to create panels on: hidden by default (panels paint
// into their back buffers whether or not they are shown), or shown when a
// test needs the screen. Under Wine without a window manager, creating and
// destroying a shown top-level window costs about two seconds, so keep one
// per test program.
class Host : public CWnd
{
public:
    explicit Host(bool bVisible = false, int nWidth = 400, int nHeight = 300)
    {
        CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "wg test host", WS_POPUP | (bVisible ? WS_VISIBLE : 0), 10, 10,
                 nWidth, nHeight, nullptr, nullptr);
    }
    ~Host()
    {
        if (m_hWnd)
            DestroyWindow();
    }
};

// Handles every queued message the way the application's pump does.
inline void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        AfxPumpMessage(&msg);
}

// ---- finding elements ------------------------------------------------------------------------

// The element at index nIndex, or null for an index out of range or an
// empty slot (an element destroyed before its panel).
inline CVRK_WG* FindByIndex(CVRK_WGPANEL& panel, long nIndex)
{
    return nIndex >= 0 && nIndex < panel.m_nWGCount ? panel.m_pWG[nIndex] : nullptr;
}

// What an element shows as its caption: a button's, check's, radio's or
// label's caption, a text field's text (never a password's), else "".
inline CString CaptionOf(CVRK_WG* pWG)
{
    if (CWG_Button* p = dynamic_cast<CWG_Button*>(pWG))
        return p->m_strCaption;
    if (CWG_Check* p = dynamic_cast<CWG_Check*>(pWG))
        return p->m_strCaption;
    if (CWG_Label* p = dynamic_cast<CWG_Label*>(pWG))
        return p->m_strCaption;
    if (CWG_LabelButton* p = dynamic_cast<CWG_LabelButton*>(pWG))
        return p->m_strCaption;
    if (CWG_CptButton* p = dynamic_cast<CWG_CptButton*>(pWG))
        return p->m_strCaption;
    if (dynamic_cast<CWG_PassWord*>(pWG))
        return "";
    if (CWG_Text* p = dynamic_cast<CWG_Text*>(pWG))
        return p->m_strText;
    return "";
}

// The first element, in index order, whose caption equals pszCaption (GBK
// bytes); null when none does.
inline CVRK_WG* FindByCaption(CVRK_WGPANEL& panel, const char* pszCaption)
{
    for (long i = 0; pszCaption && i < panel.m_nWGCount; ++i)
        if (panel.m_pWG[i] && CaptionOf(panel.m_pWG[i]) == pszCaption)
            return panel.m_pWG[i];
    return nullptr;
}

// ---- the user's input ------------------------------------------------------------------------

inline LPARAM XY(int x, int y) { return MAKELPARAM((WORD)(short)x, (WORD)(short)y); }

// The lParam of a key message as the keyboard makes it: repeat count 1,
// the scan code, and for a release the previous-state and transition bits.
inline LPARAM KeyData(UINT vk, bool bUp)
{
    LPARAM lp = 1 | ((LPARAM)(::MapVirtualKeyA(vk, 0) & 0xFF) << 16);
    return bUp ? (lp | (LPARAM)0xC0000000u) : lp;
}

// The centre of an element, in its panel's client coordinates.
inline CPoint Centre(const CVRK_WG& wg) { return CPoint((wg.m_rect.left + wg.m_rect.right) / 2, (wg.m_rect.top + wg.m_rect.bottom) / 2); }

inline void MoveTo(CVRK_WGPANEL& panel, CPoint pt) { panel.SendMessage(WM_MOUSEMOVE, 0, XY(pt.x, pt.y)); }

// The mouse moves onto the element's centre (hover).
inline void Hover(CVRK_WGPANEL& panel, const CVRK_WG& wg) { MoveTo(panel, Centre(wg)); }

// A click at pt: move, press and release, with the left button or, when
// bRight, the right one.
inline void ClickAt(CVRK_WGPANEL& panel, CPoint pt, bool bRight = false)
{
    MoveTo(panel, pt);
    panel.SendMessage(bRight ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, bRight ? MK_RBUTTON : MK_LBUTTON, XY(pt.x, pt.y));
    panel.SendMessage(bRight ? WM_RBUTTONUP : WM_LBUTTONUP, 0, XY(pt.x, pt.y));
}

inline void Click(CVRK_WGPANEL& panel, const CVRK_WG& wg, bool bRight = false) { ClickAt(panel, Centre(wg), bRight); }

inline void DoubleClick(CVRK_WGPANEL& panel, const CVRK_WG& wg)
{
    const CPoint pt = Centre(wg);
    ClickAt(panel, pt);
    panel.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, XY(pt.x, pt.y));
    panel.SendMessage(WM_LBUTTONUP, 0, XY(pt.x, pt.y));
}

// A key pressed and released (virtual-key code), as the keyboard sends it
// to the focused panel.
inline void Key(CVRK_WGPANEL& panel, UINT vk)
{
    panel.SendMessage(WM_KEYDOWN, vk, KeyData(vk, false));
    panel.SendMessage(WM_KEYUP, vk, KeyData(vk, true));
}

// Characters typed on the keyboard: one WM_CHAR per byte of the GBK text,
// a two-byte character as its lead and trail bytes, as the system delivers
// them to an ANSI window.
inline void Type(CVRK_WGPANEL& panel, const char* pszGBK)
{
    for (const char* p = pszGBK; p && *p; ++p)
        panel.SendMessage(WM_CHAR, (BYTE)*p, 1);
}

// Characters from an input method: one WM_IME_CHAR per character, a
// two-byte character as (lead << 8) | trail. The system's default handling
// turns each into WM_CHAR bytes posted to the panel, so this pumps them.
inline void TypeIme(CVRK_WGPANEL& panel, const char* pszGBK)
{
    for (const BYTE* p = (const BYTE*)pszGBK; p && *p; ++p)
    {
        WPARAM ch = *p;
        if (*p >= 0x81 && p[1])
            ch = (ch << 8) | *++p;
        panel.SendMessage(WM_IME_CHAR, ch, 1);
        Pump();
    }
}

inline void Wheel(CVRK_WGPANEL& panel, short nDelta) { panel.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)nDelta), 0); }

// One tick of an element's timer (its timer id is its index), delivered
// as the system would.
inline void Tick(CVRK_WGPANEL& panel, const CVRK_WG& wg) { panel.SendMessage(WM_TIMER, (WPARAM)wg.m_nIndex, 0); }

// Plays a script on a panel: tokens separated by spaces, each a letter and
// its numbers. The user: "m x,y" move; "d", "u", "c" x,y left down, up,
// double-click, and "D", "U", "C" the same with the right button; "k vk"
// and "K vk" key down and up; "a ch" character; "w z" wheel; "t id" timer;
// "p vk" a key down posted and pumped; "F0" WM_KILLFOCUS. The application:
// "N i" SetNowWG, "Q i" SetNowWGQuiet, "G i" GiveMeMouse, "B0" ByeMouse;
// "h i" and "x i" toggle element i's visibility and enabling; "L i" calls
// element i's OnLoseFocus. Returns "" when the whole script ran, else the
// script from the token it could not read (nothing after it runs).
inline std::string PlayScript(CVRK_WGPANEL& panel, const char* script)
{
    static const char letters[] = "mducDUCkKawtF";
    static const UINT msgs[] = { WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                                 WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_MOUSEWHEEL,
                                 WM_TIMER, WM_KILLFOCUS };
    for (const char* p = script; p && *p;)
    {
        char* end = nullptr;
        long a = strtol(p + 1, &end, 10), b = 0;
        if (*end == ',')
            b = strtol(end + 1, &end, 10);
        CVRK_WG* pWG = FindByIndex(panel, a);
        const char* pLetter = strchr(letters, *p);
        const UINT msg = pLetter ? msgs[pLetter - letters] : 0;
        if (end == p + 1 || (!msg && !strchr("NQGBhxLp", *p)) || (!pWG && strchr("hxL", *p)))
            return p;
        switch (*p)
        {
        case 'N': panel.SetNowWG(a); break;
        case 'Q': panel.SetNowWGQuiet(a); break;
        case 'G': panel.GiveMeMouse(a); break;
        case 'B': panel.ByeMouse(); break;
        case 'h': pWG->m_bVisible = !pWG->m_bVisible; break;
        case 'x': pWG->m_bEnable = !pWG->m_bEnable; break;
        case 'L': pWG->OnLoseFocus(); break;
        case 'p': panel.PostMessage(WM_KEYDOWN, a, KeyData(a, false)); Pump(); break;
        default:
            if (msg == WM_MOUSEWHEEL)
                panel.SendMessage(msg, MAKEWPARAM(0, (WORD)(short)a), 0);
            else if (msg >= WM_MOUSEFIRST)
                panel.SendMessage(msg, 0, XY(a, b));
            else if (msg == WM_KEYDOWN || msg == WM_KEYUP)
                panel.SendMessage(msg, (WPARAM)a, KeyData((UINT)a, msg == WM_KEYUP));
            else
                panel.SendMessage(msg, (WPARAM)a, 0);
        }
        for (p = end; *p == ' ';)
            ++p;
    }
    return "";
}

// ---- what the user sees --------------------------------------------------------------------------

// Pixel of a bitmap that is normally selected nowhere (the back buffers).
inline COLORREF PixelOf(CDC* pDC, CBitmap& bmp, int x, int y)
{
    CBitmap* pOld = pDC->SelectObject(&bmp);
    COLORREF c = pDC->GetPixel(x, y);
    if (pOld)
        pDC->SelectObject(pOld);
    return c;
}

// A pixel of the panel's back buffer (what its window shows), in client
// coordinates, and of an element's own back buffer.
inline COLORREF PanelPixel(CVRK_WGPANEL& panel, int x, int y) { return PixelOf(panel.m_pBGDC, panel.m_bmpBG, x, y); }
inline COLORREF ElementPixel(CVRK_WG& wg, int x, int y) { return PixelOf(wg.m_pBGDC, wg.m_bmpBG, x, y); }

// A w x h picture, rows top-down, each row B, G, R bytes padded to 4 bytes
// (the layout of both a top-down DIB section and a BMP file's rows).
struct Image
{
    int w = 0, h = 0;
    std::vector<BYTE> bits;
    int Stride() const { return (w * 3 + 3) & ~3; }
    COLORREF At(int x, int y) const
    {
        const BYTE* p = &bits[(size_t)y * Stride() + x * 3];
        return RGB(p[2], p[1], p[0]);
    }
    void Set(int x, int y, COLORREF c)
    {
        BYTE* p = &bits[(size_t)y * Stride() + x * 3];
        p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
    }
};

// Copies rc of hdc (screen, window or memory DC) into an Image.
inline Image Capture(HDC hdc, const RECT& rc)
{
    Image img;
    img.w = rc.right - rc.left;
    img.h = rc.bottom - rc.top;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = img.w;
    bi.bmiHeader.biHeight = -img.h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* pBits = nullptr;
    HBITMAP hbm = ::CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hMem = ::CreateCompatibleDC(hdc);
    HGDIOBJ hOld = ::SelectObject(hMem, hbm);
    ::BitBlt(hMem, 0, 0, img.w, img.h, hdc, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    img.bits.assign((BYTE*)pBits, (BYTE*)pBits + (size_t)img.Stride() * img.h);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(hbm);
    return img;
}

// A rectangle of a back buffer (a bitmap normally selected nowhere).
inline Image Capture(CDC* pDC, CBitmap& bmp, const RECT& rc)
{
    CBitmap* pOld = pDC->SelectObject(&bmp);
    Image img = Capture(pDC->m_hDC, rc);
    if (pOld)
        pDC->SelectObject(pOld);
    return img;
}

inline Image PanelImage(CVRK_WGPANEL& panel, const RECT& rc) { return Capture(panel.m_pBGDC, panel.m_bmpBG, rc); }

// ---- golden images ---------------------------------------------------------------------------------

// A 24-bit BMP file's headers, as they lie in the file.
#pragma pack(push, 2)
struct BmpHeader { BITMAPFILEHEADER file; BITMAPINFOHEADER info; };
#pragma pack(pop)

inline bool WriteBmp(const std::string& path, const Image& img)
{
    BmpHeader h = {};
    h.file.bfType = 0x4D42;
    h.file.bfOffBits = sizeof(h);
    h.file.bfSize = sizeof(h) + (DWORD)img.bits.size();
    h.info = { sizeof(h.info), img.w, img.h, 1, 24, BI_RGB, 0, 0, 0, 0, 0 };   // bottom-up, as BMP files are
    FILE* f = fopen(path.c_str(), "wb");
    bool ok = f && fwrite(&h, sizeof(h), 1, f) == 1;
    for (int y = img.h - 1; ok && y >= 0; --y)
        ok = fwrite(&img.bits[(size_t)y * img.Stride()], img.Stride(), 1, f) == 1;
    return f && fclose(f) == 0 && ok;
}

inline bool ReadBmp(const std::string& path, Image& img)
{
    BmpHeader h = {};
    FILE* f = fopen(path.c_str(), "rb");
    bool ok = f && fread(&h, sizeof(h), 1, f) == 1 && h.file.bfType == 0x4D42 && h.info.biBitCount == 24 &&
              h.info.biCompression == BI_RGB && h.info.biHeight > 0 && fseek(f, h.file.bfOffBits, SEEK_SET) == 0;
    if (ok)
    {
        img.w = h.info.biWidth;
        img.h = h.info.biHeight;
        img.bits.resize((size_t)img.Stride() * img.h);
    }
    for (int y = img.h - 1; ok && y >= 0; --y)
        ok = fread(&img.bits[(size_t)y * img.Stride()], img.Stride(), 1, f) == 1;
    if (f)
        fclose(f);
    return ok;
}

// Compares a rendering with the golden picture in the 24-bit BMP at path,
// pixel for pixel. Returns "" when they are equal, else why not; on a
// mismatch the rendering is written next to the test program, in
// golden-actual/ under the golden file's own name, to look at. With bUpdate the file is
// written instead (look at every changed picture before keeping it).
inline std::string CompareWithGolden(const Image& actual, const std::string& path, bool bUpdate)
{
    if (bUpdate)
        return WriteBmp(path, actual) ? "" : "cannot write " + path;
    Image want;
    std::string why;
    if (!ReadBmp(path, want))
        why = "no readable golden image " + path;
    else if (want.w != actual.w || want.h != actual.h)
        why = Fmt("golden %s is %dx%d, the rendering %dx%d", path.c_str(), want.w, want.h, actual.w, actual.h);
    else
        for (int y = 0; y < want.h && why.empty(); ++y)
            for (int x = 0; x < want.w && why.empty(); ++x)
                if (want.At(x, y) != actual.At(x, y))
                    why = Fmt("%s differs first at (%d,%d): golden %06lx, rendering %06lx", path.c_str(), x, y,
                              (unsigned long)want.At(x, y), (unsigned long)actual.At(x, y));
    if (why.empty())
        return why;
    char szExe[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szExe, MAX_PATH);
    std::string out = szExe;
    out = out.substr(0, out.find_last_of("/\\") + 1) + "golden-actual";
    ::CreateDirectoryA(out.c_str(), nullptr);
    out += "\\" + path.substr(path.find_last_of("/\\") + 1);
    return why + "; actual picture: " + (WriteBmp(out, actual) ? out : "(could not be written)");
}

} // namespace wgtestkit
