/* Resource ids shared by the framework and applications: the standard
   command ids of menus and accelerators and the frame's child window ids.
   Plain defines only, so that resource scripts can include it too. */
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* Standard commands. */
#define ID_FILE_NEW      0xE100
#define ID_FILE_OPEN     0xE101
#define ID_FILE_CLOSE    0xE102
#define ID_FILE_SAVE     0xE103
#define ID_FILE_SAVE_AS  0xE104
#define ID_EDIT_CLEAR    0xE120
#define ID_EDIT_COPY     0xE122
#define ID_EDIT_CUT      0xE123
#define ID_EDIT_PASTE    0xE125
#define ID_EDIT_SELECT_ALL 0xE12A
#define ID_EDIT_UNDO     0xE12B
#define ID_APP_ABOUT     0xE140
#define ID_APP_EXIT      0xE141

/* Child windows of a frame. */
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST  0xE8FF
#define AFX_IDW_TOOLBAR          0xE800
#define AFX_IDW_STATUS_BAR       0xE801
#define AFX_IDW_DIALOGBAR        0xE805
#define AFX_IDW_DOCKBAR_TOP      0xE81B
#define AFX_IDW_DOCKBAR_LEFT     0xE81C
#define AFX_IDW_DOCKBAR_RIGHT    0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM   0xE81E
#define AFX_IDW_PANE_FIRST       0xE900
#define AFX_IDW_PANE_LAST        0xE9FF
