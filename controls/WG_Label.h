// Small text elements:
// CWG_Label, a 22-pixel skinned caption bar whose copy square (shown while
// the pointer is over the bar) puts the caption on the clipboard;
// CWG_LabelButton, a hyperlink-like text button drawn over the panel's
// background, with a colour and underline for each of its normal, hover and
// pressed looks;
// CWG_CptButton, a text button exactly as large as its caption.
// The two buttons report a click with code 5.
#pragma once
#include "VRK_WG.h"

class WG_API CWG_Label : public CVRK_WG
{
public:
    enum { HEIGHT = 22 };

    int m_bSkinLoaded;          // skin 3007 has been loaded
    CBitmap m_bmpSkin;
    CString m_strCaption;
    long m_nTextX, m_nTextY;    // caption position in the element
    int m_bHover;               // the copy square is shown
    int m_bOverCopy;            // the pointer is over the copy square

    CWG_Label();
    virtual ~CWG_Label();

    // Height is always 22.
    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth);
    void SetCaption(CString strCaption);   // repaints

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);

private:
    void DrawCopySquare();
    void ShowCopySquare();
    void CopyCaption();
};

class WG_API CWG_LabelButton : public CVRK_WG
{
public:
    enum { STATE_NORMAL = 0, STATE_HOVER = 1, STATE_PRESSED = 2 };

    int m_bPressMode;           // 1: pressed look on button-down, click on button-up
    int m_nState;               // STATE_*
    COLORREF m_crNormal;
    int m_bNormalUnderline;
    COLORREF m_crHover;
    int m_bHoverUnderline;
    COLORREF m_crPressed;
    int m_bPressedUnderline;
    CFont m_fontUnderline;      // the element's font, underlined; made by Create
    CString m_strCaption;

    CWG_LabelButton();
    virtual ~CWG_LabelButton();

    // 1 on success (the underline font built), 0 when the element Create
    // fails. Without an element font no underline font exists and the
    // underlined looks draw plain.
    int Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y, long nWidth,
               long nHeight);

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonUp(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);
    virtual void OnLoseFocus();

private:
    void SetState(int nState);
    void Release();
};

class WG_API CWG_CptButton : public CVRK_WG
{
public:
    int m_bHover;
    CString m_strCaption;

    CWG_CptButton();
    virtual ~CWG_CptButton();

    // The button takes the size of its caption's text extent in its font.
    int Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y);
    // New caption without repaint or report; the size follows at the next
    // draw. An empty caption measures 0 wide: the button then has no area
    // and is neither painted nor hit until it gets a caption again.
    void SetCptStrQuiet(CString strCaption);

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);

private:
    void MeasureNow();
    void FitCaption(CDC* pDC);
};
