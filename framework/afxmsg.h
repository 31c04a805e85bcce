// Message-map entry macros. Each ON_WM_xxx names the handler MFC names for
// that message and fixes its signature, given in the comment beside it.
#pragma once
#include "afxobj.h"
#include "afxtypes.h"

class CDC;

// Marks message handlers in class declarations, as in MFC; expands to nothing.
#define afx_msg

enum AfxSig : UINT_PTR
{
    AfxSig_end = 0,
    AfxSig_lwl,    // LRESULT (WPARAM, LPARAM)
    AfxSig_is,     // int (LPCREATESTRUCT)
    AfxSig_vv,     // void ()
    AfxSig_bD,     // BOOL (CDC*)
    AfxSig_vwp,    // void (UINT, CPoint)
    AfxSig_bwsp,   // BOOL (UINT, short, CPoint)
    AfxSig_vwww,   // void (UINT, UINT, UINT)
    AfxSig_vt,     // void (UINT_PTR)
    AfxSig_bWww,   // BOOL (CWnd*, UINT, UINT)
    AfxSig_iWww,   // int (CWnd*, UINT, UINT)
    AfxSig_vwii,   // void (UINT, int, int)
    AfxSig_vW,     // void (CWnd*)
    AfxSig_wp,     // UINT (CPoint)
    AfxSig_vbn,    // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_bb,     // BOOL (BOOL)
    AfxSig_vmmi,   // void (MINMAXINFO*)
    AfxSig_vwWb,   // void (UINT, CWnd*, BOOL)
    AfxSig_vbw,    // void (BOOL, UINT)
    AfxSig_vwl,    // void (UINT, LPARAM)
    AfxSig_vpos,   // void (WINDOWPOS*)
    AfxSig_vcmd,   // void () for WM_COMMAND with an id
    AfxSig_vii,    // void (int, int)
    AfxSig_vw,     // void (UINT)
    AfxSig_vcmdrange, // void (UINT nID) for WM_COMMAND with an id in a range
};

// Handler pointer types, cast to AFX_PMSG for the table and back on dispatch.
#define AFX_MSG_CAST(sigType, fn) \
    reinterpret_cast<AFX_PMSG>(static_cast<sigType>(fn))

#define ON_MESSAGE(message, memberFxn) \
    { message, 0, 0, 0, AfxSig_lwl, AFX_MSG_CAST(LRESULT (CWnd::*)(WPARAM, LPARAM), &ThisClass::memberFxn) },
#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_vcmd, AFX_MSG_CAST(void (CCmdTarget::*)(), &ThisClass::memberFxn) },
// void memberFxn(UINT nID), for every id from id to idLast.
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_vcmdrange, AFX_MSG_CAST(void (CCmdTarget::*)(UINT), &ThisClass::memberFxn) },
// A control's notification code (BN_CLICKED is CN_COMMAND, so ON_COMMAND
// also takes button clicks, as in MFC).
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, (UINT)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_vcmd, AFX_MSG_CAST(void (CCmdTarget::*)(), &ThisClass::memberFxn) },
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

#define _ON_VWP(msg, fn) { msg, 0, 0, 0, AfxSig_vwp, AFX_MSG_CAST(void (CWnd::*)(UINT, CPoint), &ThisClass::fn) },
#define _ON_VV(msg, fn)  { msg, 0, 0, 0, AfxSig_vv, AFX_MSG_CAST(void (CWnd::*)(), &ThisClass::fn) },
#define _ON_VWWW(msg, fn) { msg, 0, 0, 0, AfxSig_vwww, AFX_MSG_CAST(void (CWnd::*)(UINT, UINT, UINT), &ThisClass::fn) },
#define _ON_VW(msg, fn)  { msg, 0, 0, 0, AfxSig_vW, AFX_MSG_CAST(void (CWnd::*)(CWnd*), &ThisClass::fn) },

#define ON_WM_CREATE()        { WM_CREATE, 0, 0, 0, AfxSig_is, AFX_MSG_CAST(int (CWnd::*)(LPCREATESTRUCT), &ThisClass::OnCreate) },  // int OnCreate(LPCREATESTRUCT)
#define ON_WM_DESTROY()       _ON_VV(WM_DESTROY, OnDestroy)            // void OnDestroy()
#define ON_WM_NCDESTROY()     _ON_VV(WM_NCDESTROY, OnNcDestroy)        // void OnNcDestroy()
#define ON_WM_PAINT()         _ON_VV(WM_PAINT, OnPaint)                // void OnPaint()
#define ON_WM_NCPAINT()       _ON_VV(WM_NCPAINT, OnNcPaint)            // void OnNcPaint()
#define ON_WM_CLOSE()         _ON_VV(WM_CLOSE, OnClose)                // void OnClose()
#define ON_WM_DRAWCLIPBOARD() _ON_VV(WM_DRAWCLIPBOARD, OnDrawClipboard) // void OnDrawClipboard()
#define ON_WM_CANCELMODE()    _ON_VV(WM_CANCELMODE, OnCancelMode)      // void OnCancelMode()
#define ON_WM_ERASEBKGND()    { WM_ERASEBKGND, 0, 0, 0, AfxSig_bD, AFX_MSG_CAST(BOOL (CWnd::*)(CDC*), &ThisClass::OnEraseBkgnd) },  // BOOL OnEraseBkgnd(CDC*)
#define ON_WM_LBUTTONDOWN()   _ON_VWP(WM_LBUTTONDOWN, OnLButtonDown)   // void OnLButtonDown(UINT nFlags, CPoint)
#define ON_WM_LBUTTONUP()     _ON_VWP(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() _ON_VWP(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN()   _ON_VWP(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP()     _ON_VWP(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() _ON_VWP(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MOUSEMOVE()     _ON_VWP(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_NCLBUTTONDOWN() _ON_VWP(WM_NCLBUTTONDOWN, OnNcLButtonDown) // void OnNcLButtonDown(UINT nHitTest, CPoint)
#define ON_WM_NCLBUTTONUP()   _ON_VWP(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() _ON_VWP(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCMOUSEMOVE()   _ON_VWP(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCRBUTTONDOWN() _ON_VWP(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_MOUSEWHEEL()    { WM_MOUSEWHEEL, 0, 0, 0, AfxSig_bwsp, AFX_MSG_CAST(BOOL (CWnd::*)(UINT, short, CPoint), &ThisClass::OnMouseWheel) },  // BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint)
#define ON_WM_KEYDOWN()       _ON_VWWW(WM_KEYDOWN, OnKeyDown)          // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYUP()         _ON_VWWW(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR()          _ON_VWWW(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN()    _ON_VWWW(WM_SYSKEYDOWN, OnSysKeyDown)
// OnTimer takes the id as UINT_PTR, or as UINT like MFC 4.2's 32-bit
// programs (where the two are one type).
template <class T>
AFX_MSGMAP_ENTRY AfxTimerEntry(void (T::*pfn)(UINT_PTR))
{
    return { WM_TIMER, 0, 0, 0, AfxSig_vt, AFX_MSG_CAST(void (CWnd::*)(UINT_PTR), pfn) };
}
#ifdef _WIN64
template <class T>
AFX_MSGMAP_ENTRY AfxTimerEntry(void (T::*pfn)(UINT))
{
    return { WM_TIMER, 0, 0, 0, AfxSig_vw, AFX_MSG_CAST(void (CWnd::*)(UINT), pfn) };
}
#endif
#define ON_WM_TIMER()         AfxTimerEntry(&ThisClass::OnTimer),  // void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_SETCURSOR()     { WM_SETCURSOR, 0, 0, 0, AfxSig_bWww, AFX_MSG_CAST(BOOL (CWnd::*)(CWnd*, UINT, UINT), &ThisClass::OnSetCursor) },  // BOOL OnSetCursor(CWnd*, UINT nHitTest, UINT message)
#define ON_WM_MOUSEACTIVATE() { WM_MOUSEACTIVATE, 0, 0, 0, AfxSig_iWww, AFX_MSG_CAST(int (CWnd::*)(CWnd*, UINT, UINT), &ThisClass::OnMouseActivate) },  // int OnMouseActivate(CWnd* pTop, UINT nHitTest, UINT message)
#define ON_WM_SIZE()          { WM_SIZE, 0, 0, 0, AfxSig_vwii, AFX_MSG_CAST(void (CWnd::*)(UINT, int, int), &ThisClass::OnSize) },  // void OnSize(UINT nType, int cx, int cy)
#define ON_WM_KILLFOCUS()     _ON_VW(WM_KILLFOCUS, OnKillFocus)        // void OnKillFocus(CWnd* pNewWnd)
#define ON_WM_SETFOCUS()      _ON_VW(WM_SETFOCUS, OnSetFocus)          // void OnSetFocus(CWnd* pOldWnd)
#define ON_WM_CAPTURECHANGED() _ON_VW(WM_CAPTURECHANGED, OnCaptureChanged) // void OnCaptureChanged(CWnd*)
#define ON_WM_NCHITTEST()     { WM_NCHITTEST, 0, 0, 0, AfxSig_wp, AFX_MSG_CAST(UINT (CWnd::*)(CPoint), &ThisClass::OnNcHitTest) },  // UINT OnNcHitTest(CPoint)
#define ON_WM_NCCALCSIZE()    { WM_NCCALCSIZE, 0, 0, 0, AfxSig_vbn, AFX_MSG_CAST(void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), &ThisClass::OnNcCalcSize) },  // void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
#define ON_WM_NCACTIVATE()    { WM_NCACTIVATE, 0, 0, 0, AfxSig_bb, AFX_MSG_CAST(BOOL (CWnd::*)(BOOL), &ThisClass::OnNcActivate) },  // BOOL OnNcActivate(BOOL bActive)
#define ON_WM_GETMINMAXINFO() { WM_GETMINMAXINFO, 0, 0, 0, AfxSig_vmmi, AFX_MSG_CAST(void (CWnd::*)(MINMAXINFO*), &ThisClass::OnGetMinMaxInfo) },  // void OnGetMinMaxInfo(MINMAXINFO*)
#define ON_WM_ACTIVATE()      { WM_ACTIVATE, 0, 0, 0, AfxSig_vwWb, AFX_MSG_CAST(void (CWnd::*)(UINT, CWnd*, BOOL), &ThisClass::OnActivate) },  // void OnActivate(UINT nState, CWnd* pOther, BOOL bMinimized)
#define ON_WM_SHOWWINDOW()    { WM_SHOWWINDOW, 0, 0, 0, AfxSig_vbw, AFX_MSG_CAST(void (CWnd::*)(BOOL, UINT), &ThisClass::OnShowWindow) },  // void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SYSCOMMAND()    { WM_SYSCOMMAND, 0, 0, 0, AfxSig_vwl, AFX_MSG_CAST(void (CWnd::*)(UINT, LPARAM), &ThisClass::OnSysCommand) },  // void OnSysCommand(UINT nID, LPARAM)
#define ON_WM_WINDOWPOSCHANGED() { WM_WINDOWPOSCHANGED, 0, 0, 0, AfxSig_vpos, AFX_MSG_CAST(void (CWnd::*)(WINDOWPOS*), &ThisClass::OnWindowPosChanged) },  // void OnWindowPosChanged(WINDOWPOS*)
#define ON_WM_MOVE()          { WM_MOVE, 0, 0, 0, AfxSig_vii, AFX_MSG_CAST(void (CWnd::*)(int, int), &ThisClass::OnMove) },  // void OnMove(int x, int y)
