// Writes the pixels of a window to a PNG file, so the gallery can show
// itself on a machine without a screen.
#pragma once
#include <windows.h>
#include <vector>

// Copies w x h pixels at (x, y) of hSrc (the screen's, a window's or a memory
// DC) as 0x00RRGGBB values, top row first; empty on failure.
std::vector<DWORD> CopyPixels(HDC hSrc, int x, int y, int w, int h);

// Captures hWnd (frame included) from the screen and saves it; FALSE on failure.
BOOL SaveWindowPng(HWND hWnd, const char* pszPath);

// Saves w x h pixels (0x00RRGGBB, top row first) as a PNG; FALSE on failure.
BOOL SavePixelsPng(const std::vector<DWORD>& pixels, int w, int h, const char* pszPath);
