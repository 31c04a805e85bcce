#pragma once
#include "wgdef.h"

// CVRK_WG: the base of every element, a windowless control that lives in a
// panel, draws into its own back buffer (CreateMyBGDC) and copies it into the
// panel's (Paint). Construct it (or a derived element) as a member of the
// application's panel or dialog and call Create with the panel, position and
// size; Create registers it with the panel (AddWG), which gives it its index:
// its timer id and the id it reports to OnWGCommand with. The virtual hooks
// (CreateMyBGDC, OnButtonDown, OnChar, OnTimer, ...) are what derived elements
// override; the base reports nothing itself. An element destroyed before its
// panel leaves its slot there empty; a panel destroyed first sets m_pParent of
// its elements to null.
class WG_API CVRK_WG
{
public:
    // ---- data (public: controls and applications set these directly)
    CDC* m_pBGDC;               // memory DC holding the back buffer while drawing
    CBitmap m_bmpBG;            // back buffer, m_nWidth x m_nHeight
    CBitmap m_bmpParentBG;      // copy of the panel beneath (transparent elements)
    CVRK_WGPANEL* m_pParent;    // hosting panel, not owned; initially null
    CDC* m_pParentBGDC;         // second memory DC (background copy, skins)
    BOOL m_bDCCreated;                  // initially FALSE
    CFont* m_pFont;             // not owned; the library's default font at first
    // Displaced by GetBGDC, put back by ReleaseBGDC. Kept as a handle: the
    // wrapper SelectObject returns is temporary and may be freed long before.
    HGDIOBJ m_hOldBitmap;               // initially null
    BOOL m_bRecreateBitmap;             // initially TRUE
    BOOL m_bCopyParentBG;       // set by the panel during a full repaint; initially FALSE
    long m_nIndex;              // position in the panel; timer id; command id; initially -1
    // panel client coordinates, inclusive on all sides; initially (0, 0, 0, 0)
    CRect m_rect;
    BOOL m_bVisible;                    // initially TRUE
    BOOL m_bEnable;                     // initially TRUE
    BOOL m_bFocus;                      // initially FALSE
    BOOL m_bBorder;                     // initially TRUE
    BOOL m_bBorderLeft;                 // initially TRUE
    BOOL m_bBorderTop;                  // initially TRUE
    BOOL m_bBorderRight;                // initially TRUE
    BOOL m_bBorderBottom;               // initially TRUE
    BOOL m_bFillBG;                     // initially TRUE
    BOOL m_bTransparent;                // initially FALSE
    COLORREF m_crText;                  // initially 0x000000
    COLORREF m_crBG;                    // initially 0xFCFCFC
    COLORREF m_crBorder;                // initially 0xBEBEBE
    long m_nWidth;                      // initially 0
    long m_nHeight;                     // initially 0

    CVRK_WG();
    virtual ~CVRK_WG();

    // ---- overridables, in slot order
    virtual void CreateMyBGDC(CDC* pDC);
    virtual void DrawBGDC_Background(CDC* pDC);
    virtual long Width();
    virtual long Height();
    virtual int OnInitial();
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonUp(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);
    virtual void OnMouseWheel(short zDelta);
    virtual void OnChar(UINT nChar);
    virtual void OnKeyDown(UINT nChar);
    virtual void OnKeyUp(UINT nChar);
    virtual void OnMenuCommand(long nMenu, long nCommand);
    virtual void OnTimer();
    virtual void OnGetFocus();
    virtual void OnLoseFocus();
    virtual void OnOpenIME();

    // ---- operations
    // Registers with the panel (a null panel registers nowhere) and returns
    // OnInitial's result.
    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight);
    void Paint(CDC* pDC);
    int PtInMe(CPoint point);
    CDC* GetBGDC();
    void ReleaseBGDC();
    CVRK_WGPANEL* GetParent() const { return m_pParent; }
    void Move(long left, long top, long right, long bottom);
    void Move(long x, long y);
    void NewWH(long nWidth, long nHeight);
    void MoveAndNewWH(long x, long y, long nWidth, long nHeight);

    static CWGStyleCenter& GetStyleCenter();
    static CWGEventCenter& GetEventCenter();

private:
    CVRK_WG(const CVRK_WG&) = delete;
    CVRK_WG& operator=(const CVRK_WG&) = delete;
};
