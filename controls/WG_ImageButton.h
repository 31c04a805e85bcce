// CWG_ImageButton: a fixed picture (a bitmap resource, or a rectangle of the
// application's bitmap) that reports button-down with code 0 and, with
// m_bNotifyUp, button-up with code 1; only the cursor shows the hover.
// CWG_ActImgButton: a button drawn from a vertical strip of frames (normal,
// hover, pressed or checked), optionally mirrored, with an optional caption
// and hover tip; a push, check or radio button reporting code 5.
#pragma once
#include "VRK_WG.h"

class CWG_Tip;

// CWG_ImageButton: a button that is a fixed picture, made from a bitmap
// resource or a rectangle of the application's bitmap (the two Create
// forms). Reports code 0 on button-down and, with m_bNotifyUp, code 1 on
// button-up.
class WG_API CWG_ImageButton : public CVRK_WG
{
public:
    int m_bExternal;            // 0 own bitmap, 1 a rectangle of m_pExtBitmap
    CBitmap m_bmpImage;
    CBitmap* m_pExtBitmap;      // not owned
    long m_nSrcX, m_nSrcY;      // top-left of the rectangle in m_pExtBitmap
    int m_bHover;
    int m_bPressed;             // held, with m_bNotifyUp
    int m_bNotifyUp;            // button-down holds the mouse, button-up reports code 1

    CWG_ImageButton();
    virtual ~CWG_ImageButton();

    // Sized as the bitmap. Returns 0 (not registered) when it does not load.
    int Create(CVRK_WGPANEL* pParent, UINT nIDBitmap, long x, long y);
    // Returns 0 (not registered) for a null bitmap, a size without area or
    // a rectangle that does not lie inside the bitmap.
    int Create(CVRK_WGPANEL* pParent, long x, long y, CBitmap* pBitmap, long nSrcX, long nSrcY, long nWidth,
               long nHeight);

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonUp(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);
};

// CWG_ActImgButton: a push, check or radio button drawn from a strip of
// frames (normal, hover, pressed or checked, optionally disabled), made by
// Create or CreateRadMode with the strip's resource, frame count and size.
// Reports code 5 when clicked.
class WG_API CWG_ActImgButton : public CVRK_WG
{
public:
    enum { NORMAL = 0, HOVER = 1, PRESSED = 2 };

    CBitmap m_bmpStrip;
    int m_bStripDCPending;      // m_dcStrip is still to be made
    CDC m_dcStrip;              // holds the strip
    long m_nFrames;             // frames the states use
    long m_nState;              // NORMAL, HOVER, PRESSED (or checked)
    long m_nFrameWidth, m_nFrameHeight;
    int m_bCheckMode;
    int m_bRadioMode;           // a checked button is not unchecked by a click
    int m_bMirror;              // frames drawn flipped left to right
    int m_bTracking;            // entered, and holding the panel's mouse
    CWG_ActImgButton* m_pGroupChecked;   // group variable of the group this button leads
    CWG_ActImgButton** m_ppGroup;        // the group's variable: its checked button
    int m_bDisabledFrame;       // disabled: the frame after the last state frame
    CString m_strCaption;       // centred over the frame
    // Shown while hovered, with m_strTip; not owned. The hovered button
    // holds the panel's capture, so the tip must be one that other
    // controls show and hide (setShowAndHideByOtherControl).
    CWG_Tip* m_pTip;
    CString m_strTip;

    CWG_ActImgButton();
    // Leaves its group without a checked button when it was that button. A
    // group's leader must outlive the group's other buttons.
    virtual ~CWG_ActImgButton();

    // Returns 0 (not registered) when the strip does not load, for fewer
    // than 1 frame, a frame size without area, or a strip smaller than one
    // frame. Frames that lie beyond the strip draw nothing. A check button
    // made here is a group of its own.
    int Create(CVRK_WGPANEL* pParent, UINT nIDBitmap, long nFrames, long x, long y, long nWidth, long nHeight,
               long nFrameWidth, long nFrameHeight, int bCheckMode, int bMirror);
    // A radio: without a leader it leads a new group and starts checked
    // (state frames - 1, at most PRESSED); with one it joins the leader's
    // group unchecked.
    int CreateRadMode(CVRK_WGPANEL* pParent, UINT nIDBitmap, long nFrames, long x, long y, long nWidth,
                      long nHeight, long nFrameWidth, long nFrameHeight, CWG_ActImgButton* pLeader, int bMirror);
    int IfInCheck() const { return m_nState == PRESSED; }
    // Releases the group's checked button and checks this one; no repaint
    // of this button, no report.
    void SetCheckQuiet();
    // SetCheckQuiet, repaints, then reports code 5.
    void SetCheck();

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonUp(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);
    virtual void OnLoseFocus();

protected:
    void ReleaseCheck();        // state NORMAL and repaint

private:
    BOOL CheckedInCheckMode() const { return m_bCheckMode && m_nState == PRESSED; }
    void SetState(long nState);  // assigns and repaints
    void HideTip();
};
