// The framework layer in one include: strings, geometry, GDI wrappers,
// windows, message maps, modules and the application object.
#pragma once
#include <tchar.h>   // _T, TCHAR and the _tcs functions, as MFC's afxwin.h brings them
#include "afxdef.h"
#include "afxstr.h"
#include "afxtypes.h"
#include "afxobj.h"
#include "afxgdi.h"
#include "afxmsg.h"
#include "afxwnd.h"
#include "afxmodule.h"
#include "afxapp.h"
#include "afxdlg.h"
#include "afxdlgtmpl.h"
#include "afxbar.h"
#include "afxframe.h"
