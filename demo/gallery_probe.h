// Test hook of the gallery for the real-input test. Started with
// `--probe DIR`, the gallery looks for DIR\request at every tick of a thread
// timer (so it answers inside any modal loop or move loop) and then writes:
//   DIR\state.txt   its visible top-level windows, top first ("window N
//                   L T R B title"), the visible named elements' screen
//                   rectangles ("element name L T R B", right and bottom
//                   exclusive), the summary line and the clipboard text;
//   DIR\windowN.bmp each window's own pixels as the program drew them
//                   (32-bit, top-down, alpha 0 outside the window region,
//                   1 over all of a layered window: not known),
// and deletes the request last, so a missing request means a full answer.
#pragma once
#include "wg.h"

namespace GalleryProbe
{
// Starts answering requests in pszDir; the summary line is read on request.
void Start(const char* pszDir, const CString* pSummary);
// Names an element whose screen rectangle the answer lists.
void AddElement(const char* pszName, const CVRK_WG* pElement);
// Drops the elements of a panel that is going away.
void Forget(const CVRK_WGPANEL* pPanel);
}
