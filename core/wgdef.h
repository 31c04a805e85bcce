// Common include of the library: the framework layer and the export macro.
#pragma once
#include "afxwin.h"

#ifdef WG_BUILD_LIBRARY
#define WG_API __declspec(dllexport)
#else
#define WG_API __declspec(dllimport)
#endif

// Colours shared by many elements (COLORREF, 0x00BBGGRR).
enum : COLORREF
{
    WG_CR_PANEL = 0xd8e9ec,          // panel and control background (236,233,216)
    WG_CR_ELEMENT_BG = 0xFCFCFC,     // element background (252,252,252)
    WG_CR_BORDER = 0xBEBEBE,         // element border (190,190,190)
    WG_CR_BORDER_DISABLED = 0xDCDCDC,// disabled border (220,220,220)
    WG_CR_TEXT_DISABLED = 0xA3A3A3,  // disabled text (163,163,163)
    WG_CR_SELECTION = 0xCAC0C0,      // selection and menu highlight (192,192,202)
    WG_CR_TEXT_FOCUS = 0x3300FF,     // focus border of text elements (255,0,51)
    WG_CR_MAGENTA = 0xFF00FF,        // transparent colour of the skins
};

class CVRK_WG;
class CVRK_WGPANEL;
class CVRK_DIALOG;
class CVRK_MENUWND;
class CWGAccessSite;
class CWG_Tip;
class CWGStyleCenter;
class CWGEventCenter;
