// What a panel asks of the popup windows it can hold: its open popup menu
// and its annotation tip. Each function is defined by the popup window's own
// source file, so both sides are checked by the compiler against these
// declarations and nothing depends on the order of static initialisation.
#pragma once
#include "wgdef.h"

// Closes the menu (its Shirk).
void WGPanelShirkMenu(CVRK_MENUWND* pMenu);
// Gives the menu its index among the panel's menus.
void WGPanelSetMenuIndex(CVRK_MENUWND* pMenu, long nIndex);
// Shows the annotation text in the tip at a screen point.
void WGPanelShowMarkTip(CWG_Tip* pTip, CPoint ptScreen, const CString& strText);
// Gives the tip its index among the panel's tips, and reads it back.
void WGPanelSetTipIndex(CWG_Tip* pTip, long nIndex);
long WGPanelTipIndex(CWG_Tip* pTip);
