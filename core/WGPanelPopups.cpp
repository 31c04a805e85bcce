// The popup menu window is not part of the library yet, so no menu can be
// registered with a panel: there is nothing to call. The menu window's own
// file takes over these functions when it joins the library; the tip's are
// in windows/WG_Tip.cpp.
#include "WGPanelPopups.h"

void WGPanelShirkMenu(CVRK_MENUWND*) {}
void WGPanelSetMenuIndex(CVRK_MENUWND*, long) {}
