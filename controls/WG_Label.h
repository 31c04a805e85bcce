#pragma once
#include "VRK_WG.h"

// CWG_Label: a 22-pixel skinned caption bar (skin 3007). Create it with the
// panel, position and width, and set m_strCaption. While the pointer is over
// it, a copy square at its right end offers to put the caption on the
// clipboard. Sends no notifications. Defaults that differ from CVRK_WG's:
// m_bBorder and m_bFillBG FALSE.
class WG_API CWG_Label : public CVRK_WG
{
public:
    enum { HEIGHT = 22 };

    int m_bSkinLoaded;          // painted once; initially 0
    CBitmap m_bmpSkin;          // empty: the shared skin 3007; set it for another look
    CString m_strCaption;
    long m_nTextX, m_nTextY;    // caption position in the element
    int m_bHover;               // the copy square is shown; initially 0
    int m_bOverCopy;            // the pointer is over the copy square; initially 0

    CWG_Label();
    virtual ~CWG_Label();

    // Height is always 22.
    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth);
    void SetCaption(CString strCaption);   // repaints

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);

private:
    class CSquarePainter;
    CRect SquareRect() const;
    void DrawCopySquare(CDC* pDC);
    void ShowCopySquare();
    void CopyCaption();
};
