#pragma once
#include "VRK_DIALOG.h"

// CWG_Dlg_MsgBox: the library's modal message box, a skinned dialog with the
// warning picture, one line of text, an optional tick box and either one button
// ("确定") or three ("是", "否", "取消"), painted whole from its own back buffer.
// Construct it and call DoModal(text, caption, type, tick-box text, ticked): it
// returns the chosen button, plus 3 when the tick box is ticked, and raises
// event 1002 like every skinned dialog.
class WG_API CWG_Dlg_MsgBox : public CVRK_DIALOG
{
public:
    enum { TYPE_OK = 0, TYPE_YESNOCANCEL = 1 };   // m_nType; other values: no buttons
    enum { RESULT_NONE = -1, RESULT_OK = 0, RESULT_YES = 0, RESULT_NO = 1, RESULT_CANCEL = 2, RESULT_CHECKED = 3 };

    // ---- data, in declared order
    CString m_strText;           // the message, drawn as one line
    CString m_strCaption;        // window title
    CString m_strCheck;          // tick-box caption; empty: no tick box
    long m_nCheckTextWidth;      // text extent of m_strCheck; initially 0
    int m_bChecked;                     // initially 0
    int m_bOverCheck;            // the pointer is over the tick-box zone; initially 0
    long m_nType;                // TYPE_*; initially TYPE_OK
    CDC* m_pBGDC;                // back buffer
    CDC* m_pButtonDC;            // skin 3003 while painting
    CDC* m_pIconDC;              // skin 3001 while painting
    // skin 3004 while painting; made only for a tick box; initially null
    CDC* m_pCheckDC;
    // The back buffer, and the skins 3003, 3001 and 3004: empty means the
    // library's shared skin; set one for another look.
    CBitmap m_bmpBG;
    CBitmap m_bmpButton;
    CBitmap m_bmpIcon;
    CBitmap m_bmpCheck;
    int m_bDCCreated;                   // initially 0
    long m_nHotButton;           // button in the hot look, -1 none; initially -1
    long m_nButtonOffset;        // x shift of the buttons in a widened box; initially 0
    // client rectangle the back buffer was made for; initially (0, 0, 0, 0)
    CRect m_rcLastClient;
    // The button under the pointer (RESULT_*), then the result.
    long m_nResult;                     // initially RESULT_NONE

    // pParent null: the application's main window.
    explicit CWG_Dlg_MsgBox(CWnd* pParent = nullptr);
    virtual ~CWG_Dlg_MsgBox();

    // Enter: RESULT_OK. Escape: RESULT_CANCEL.
    virtual void OnOK();
    virtual void OnCancel();
    // Shows the box modally and returns RESULT_OK/YES, NO or CANCEL (also
    // for Escape and for the close button), plus RESULT_CHECKED when the
    // tick box is ticked at the end; -1 when the box could not be created.
    // A lone GBK lead byte at the end of the text or the tick caption is
    // dropped, so what is measured is what is drawn. The box is never wider
    // than the work area: a longer line is cut at its right edge.
    virtual int DoModal(CString strText, CString strCaption, long nType, CString strCheck, int bChecked);

    // Paints the back buffer; DrawMe also copies it to the client area.
    void CreateMyBGDC();
    void DrawMe();

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    BOOL InCheckZone(CPoint point) const;
    // The button whose face is under point, -1 for none or a gap.
    long ButtonAt(CPoint point) const;
    void DrawCheck(CDC* pDC);
    void DrawButton(CDC* pDC, long nButton, BOOL bHot);

    CWG_Dlg_MsgBox(const CWG_Dlg_MsgBox&) = delete;
    CWG_Dlg_MsgBox& operator=(const CWG_Dlg_MsgBox&) = delete;
};
