// Resource ids of views.cpp.
#define IDR_MAINFRAME   128
#define IDD_TOOLS       129
#define IDC_COUNT       1001
#define ID_VIEW_REFRESH 32771
