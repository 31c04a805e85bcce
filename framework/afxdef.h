// afxdef.h - basic definitions shared by every header of the WG framework layer.
#pragma once

#include <windows.h>

// The framework layer is its own DLL; its sources are compiled with
// WG_BUILD_FRAMEWORK defined, everything else imports.
#ifdef WG_BUILD_FRAMEWORK
#define AFX_FW_API __declspec(dllexport)
#else
#define AFX_FW_API __declspec(dllimport)
#endif
