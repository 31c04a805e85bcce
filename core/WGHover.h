#pragma once
#include "wgdef.h"

// CWGHover: the hover protocol of elements that light up under the pointer, as
// static helpers an element calls from its mouse hooks (never constructed).
// Entering takes the panel's mouse, so the element also sees the pointer leave,
// and shows the hand; leaving gives the mouse back and shows the arrow. Each
// element keeps its own hover state and orders its repaint and report around
// these calls.
class WG_API CWGHover
{
public:
    // The pointer came over pWG: it takes the mouse and idcCursor shows.
    static void Enter(CVRK_WG* pWG, LPCSTR idcCursor = IDC_HAND);
    // The pointer left pWG, or pWG was pressed: the mouse goes back and the
    // arrow shows.
    static void Leave(CVRK_WG* pWG);
    // pWG lost the focus: as Leave, but only while pWG holds the mouse; by
    // now another element may hold it.
    static void Release(CVRK_WG* pWG);
    // Sets the panel's cursor (a standard cursor such as IDC_HAND).
    static void ShowCursor(CVRK_WG* pWG, LPCSTR idcCursor);
    // The system's cursor idcCursor (IDC_ARROW, IDC_HAND, ...), loaded once.
    static HCURSOR StandardCursor(LPCSTR idcCursor);
};
