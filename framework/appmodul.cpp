// The application's entry point, linked into the program (not the DLL) as
// MFC's application module is: it hands over to the framework at once.
#include "afxapp.h"

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
