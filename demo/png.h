// Writes the pixels of a window to a PNG file, so the gallery can show
// itself on a machine without a screen.
#pragma once
#include <windows.h>

// Captures hWnd (frame included) from the screen and saves it; FALSE on failure.
BOOL SaveWindowPng(HWND hWnd, const char* pszPath);
