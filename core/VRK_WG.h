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
    CVRK_WGPANEL* m_pParent;    // hosting panel, not owned
    CDC* m_pParentBGDC;         // second memory DC (background copy, skins)
    BOOL m_bDCCreated;
    CFont* m_pFont;             // not owned; the library's default font at first
    // Displaced by GetBGDC, put back by ReleaseBGDC. Kept as a handle: the
    // wrapper SelectObject returns is temporary and may be freed long before.
    HGDIOBJ m_hOldBitmap;
    BOOL m_bRecreateBitmap;
    BOOL m_bCopyParentBG;       // set by the panel during a full repaint
    long m_nIndex;              // position in the panel; timer id; command id
    CRect m_rect;               // panel client coordinates, inclusive on all sides
    BOOL m_bVisible;
    BOOL m_bEnable;
    BOOL m_bFocus;
    BOOL m_bBorder;
    BOOL m_bBorderLeft;
    BOOL m_bBorderTop;
    BOOL m_bBorderRight;
    BOOL m_bBorderBottom;
    BOOL m_bFillBG;
    BOOL m_bTransparent;
    COLORREF m_crText;
    COLORREF m_crBG;
    COLORREF m_crBorder;
    long m_nWidth;
    long m_nHeight;

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
