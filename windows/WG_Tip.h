#pragma once
#include "wgdef.h"

enum kWG_Tip_ShowPositionStyle
{
    kWG_Tip_LeftTop = 0,      // the card's top-left corner at the point
    kWG_Tip_Center = 1,       // centred on the point
    kWG_Tip_LeftBottom = 2,   // the card's bottom-left corner at the point
};

// CWG_Tip: a note card near a screen point: a rounded light card with a soft
// shadow (skin 3018) holding one or more lines of text, shown as a layered
// window that never takes activation. Construct it, create it for a window, or
// for a panel with a command id (the panel registers it as a tip), optionally
// with a dwell time, then show it at a point with a text. It fades in, may hide
// itself after the dwell time with a fade-out, and goes at the next click
// anywhere. A tip of a panel reports OnTipCommand(index, 0) when fully shown
// and (index, 2) when hidden, and a click on it once as OnWGCommand(command id,
// 0).
//
// Limits (where the behaviour is otherwise unwritten):
// - An empty text shows an empty card of 16 x 16 pixels.
// - A card never exceeds the screen: a text block wider or taller than the
//   screen is cut at the screen's size (the card then starts at the left or
//   top edge); lines are measured whole, drawn clipped.
// - A tip the panel refused to register (its eleventh) reports index -1.
// - A panel that dies before its tip is no longer notified.
class WG_API CWG_Tip : public CDialog
{
public:
    enum
    {
        SKIN = 3018,
        TIMER_FADE_IN = 1414,
        TIMER_HIDE = 1424,
        FADE_IN_PERIOD = 20,     // ms
        FADE_OUT_PERIOD = 100,   // ms, after the dwell time
        FADE_STEP = 64,
        FADE_FROM = 127,
        MARGIN = 16,             // card size over the text block
        TEXT_LEFT = 7,
        TEXT_TOP = 7,
    };

    // ---- data, in declared order
    DLGTEMPLATE* m_pTemplate;    // made by the constructor; owned by m_bufTemplate
    BITMAPINFOHEADER m_bmi;      // the pixel buffer's header (bottom-up)
    BLENDFUNCTION m_blend;       // constant alpha = fade level; initially half (128)
    CBitmap m_bmpSkin;
    CFont* m_pFont;              // not owned
    COLORREF m_crText;                  // initially 0x333333
    CSize m_sizeText;            // widest line by total height; initially (0, 0)
    CSize m_sizeWnd;             // text block + 16 each way; initially (0, 0)
    CBitmap m_bmpDIB;            // the window's pixels
    BYTE* m_pBits;                      // initially null
    int m_bRedraw;               // the next updateUI draws card and text; initially 0
    CVRK_WGPANEL* m_pPanel;      // notified; not owned; initially null
    long m_nCommandId;           // reported once when clicked; -1 none; initially -1
    long m_nTipIndex;            // index in the panel's tips (AddTip); initially -1
    CPoint m_ptPos;                     // initially (0, 0)
    int m_bVisible;                     // initially 0
    long m_nDirTime;             // ms fully shown before the fade-out; <= 0 stays; initially -1
    long m_nLineSpace;                  // initially 4
    CString m_strText;           // lines separated by carriage returns
    // no capture, no hiding on focus or capture loss; initially 0
    int m_bShowAndHideByOtherControl;
    int m_bMouseThrough;         // a click inside hides the tip and passes on; initially 0

    explicit CWG_Tip(CWnd* pParent = nullptr);
    virtual ~CWG_Tip();

    int create(CWnd* pParent);
    int create(CVRK_WGPANEL* pPanel, long nCommandId);
    int create(CWnd* pParent, long nDirTime);
    int create(CVRK_WGPANEL* pPanel, long nCommandId, long nDirTime);

    void show(long x, long y, CString strText, long nReserved, kWG_Tip_ShowPositionStyle style);
    void hide();
    void moveTo(long x, long y);
    void moveToTheCenterPoint(long x, long y);
    int visible() const { return m_bVisible; }
    void SetDirTime(long nDirTime) { m_nDirTime = nDirTime; }
    long GetDirTime() const { return m_nDirTime; }
    void setShowAndHideByOtherControl(int b) { m_bShowAndHideByOtherControl = b; }
    void SetMouseThrough(int b) { m_bMouseThrough = b; }

protected:
    void updateUI();
    void _hide();

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnTimer(UINT_PTR nIDEvent);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnKillFocus(CWnd* pNewWnd);
    void OnCaptureChanged(CWnd* pWnd);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    int CreateWith(CWnd* pParent, CVRK_WGPANEL* pPanel);
    void Measure();
    void DrawCard(CDC* pDC);
    // The panel to notify, or null when it has gone.
    CVRK_WGPANEL* LivePanel() const;
    CDlgTemplateBuffer m_bufTemplate;
    HWND m_hPanel;               // the panel's window when it was given; initially null

    CWG_Tip(const CWG_Tip&) = delete;
    CWG_Tip& operator=(const CWG_Tip&) = delete;
};
