// The system clipboard as the text elements use it: copy and cut place the
// same text as CF_TEXT (system code page) and CF_UNICODETEXT; paste reads
// CF_UNICODETEXT first and converts it to the system code page, else
// CF_TEXT. Texts are byte strings that stop at their first zero byte.
#pragma once
#include "wgdef.h"

class WG_API CWGTextClipboard
{
public:
    // Empties the clipboard and places nLength bytes of psz in both
    // formats. FALSE, with the clipboard untouched, when hOwner is null or
    // the clipboard is held open by another window.
    static BOOL Put(HWND hOwner, LPCSTR psz, int nLength);
    // The clipboard's text; empty when it holds no text, when it cannot be
    // opened, or when the Unicode form is there but cannot be read (the
    // 8-bit form is then not tried, so a paste never takes stale text).
    static CString Get(HWND hOwner);
    // The CF_TEXT (or CF_OEMTEXT) bytes alone, never the Unicode form.
    // FALSE when there is no 8-bit text or the clipboard cannot be opened.
    static BOOL GetAnsi(HWND hOwner, CString& str);
};
