// The popup menu and tip windows are not part of the library yet, so no
// object of theirs can be registered with a panel: there is nothing to call.
// Each window's own file takes over its functions when it joins the library.
#include "WGPanelPopups.h"

void WGPanelShirkMenu(CVRK_MENUWND*) {}
void WGPanelSetMenuIndex(CVRK_MENUWND*, long) {}
void WGPanelShowMarkTip(CWG_Tip*, CPoint, const CString&) {}
void WGPanelSetTipIndex(CWG_Tip*, long) {}
long WGPanelTipIndex(CWG_Tip*) { return -1; }
