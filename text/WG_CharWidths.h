// CWGCharWidths: the widths of single bytes and two-byte characters in one
// font, each measured once with GetTextExtentPoint32A. GDI adds glyph
// advances, so a string's width is the sum of its characters' widths; the
// text elements measure growing prefixes that way instead of asking GDI for
// every prefix. Private to the library's text elements.
#pragma once
#include "wgdef.h"
#include <string.h>
#include <unordered_map>

class CWGCharWidths
{
public:
    HFONT m_hFont = nullptr;
    UINT m_nCodePage = CP_ACP;   // the code page GDI splits the font's bytes by
    int m_anByte[256];           // -1 until measured

    CWGCharWidths() { memset(m_anByte, -1, sizeof(m_anByte)); }

    // Forgets every width when hdc's font (hFont) is not the one measured.
    // FALSE when the font is the same.
    BOOL Reset(HDC hdc, HFONT hFont)
    {
        if (hFont == m_hFont && m_bMeasured)
            return FALSE;
        m_hFont = hFont;
        m_bMeasured = TRUE;
        memset(m_anByte, -1, sizeof(m_anByte));
        m_mapPair.clear();
        // GDI converts the bytes of an ANSI or default font with the system
        // code page (936 here), a font of another charset with its own.
        CHARSETINFO csi;
        const int nCharset = ::GetTextCharset(hdc);
        m_nCodePage = (nCharset != DEFAULT_CHARSET && nCharset != ANSI_CHARSET &&
                       ::TranslateCharsetInfo((DWORD*)(UINT_PTR)nCharset, &csi, TCI_SRCCHARSET))
                          ? csi.ciACP : CP_ACP;
        return TRUE;
    }
    int Byte(HDC hdc, BYTE b)
    {
        if (m_anByte[b] < 0)
        {
            SIZE sz = {};
            ::GetTextExtentPoint32A(hdc, (LPCSTR)&b, 1, &sz);
            m_anByte[b] = sz.cx;
        }
        return m_anByte[b];
    }
    int Pair(HDC hdc, BYTE a, BYTE b)
    {
        const unsigned key = (unsigned)a << 8 | b;
        auto it = m_mapPair.find(key);
        if (it != m_mapPair.end())
            return it->second;
        const char s[2] = { (char)a, (char)b };
        SIZE sz = {};
        ::GetTextExtentPoint32A(hdc, s, 2, &sz);
        m_mapPair.emplace(key, (int)sz.cx);
        return sz.cx;
    }
    BOOL IsLeadForGDI(BYTE b) const { return ::IsDBCSLeadByteEx(m_nCodePage, b); }

private:
    BOOL m_bMeasured = FALSE;
    std::unordered_map<unsigned, int> m_mapPair;
};

// A screen DC for one scope.
struct CScreenDC
{
    HDC m_hdc;
    explicit CScreenDC(BOOL bNeeded) : m_hdc(bNeeded ? ::GetDC(nullptr) : nullptr) {}
    ~CScreenDC() { if (m_hdc) ::ReleaseDC(nullptr, m_hdc); }
};

// The DC widths are measured in, with m_pFont selected: the back buffer's,
// or a screen DC before the first paint. The font is put back before the
// screen DC goes (members die in reverse order).
struct CMeasureDC
{
    CScreenDC m_screen;
    HDC m_hdc;
    CDCSelect m_sel;
    CMeasureDC(HDC hdc, CFont* pFont)
        : m_screen(!hdc), m_hdc(hdc ? hdc : m_screen.m_hdc), m_sel(m_hdc, CGdiObject::SafeHandle(pFont)) {}
};
