#pragma once
#include "afxdef.h"

// CDlgTemplateBuffer: a dialog template assembled in memory, so that windows
// built on the dialog manager (skinned dialogs, tips, menus, message boxes)
// need no dialog resource. Construct it, Build the template from a style,
// window class and title, and pass GetTemplate() to InitModalIndirect or
// CreateIndirect; it owns the memory and frees it when it dies or is built
// again. The template has no controls and no font; its window class and title
// are stored as UTF-16 as the dialog manager expects.
class AFX_FW_API CDlgTemplateBuffer
{
public:
    CDlgTemplateBuffer();
    ~CDlgTemplateBuffer();

    // Builds the template (replacing any earlier one). A null or empty class
    // name means the system dialog class; a null title means an empty one.
    // FALSE, and no template, when the memory could not be had.
    BOOL Build(DWORD dwStyle, DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszTitle = nullptr,
               short x = 0, short y = 0, short cx = 0, short cy = 0);
    void Free();

    // The template, null before a successful Build. The style fields may be
    // changed in place until a window is created from it.
    DLGTEMPLATE* GetTemplate() const { return m_pTemplate; }
    operator LPCDLGTEMPLATE() const { return m_pTemplate; }
    // Size in bytes of the built template, 0 when there is none.
    UINT GetSize() const { return m_nSize; }

private:
    DLGTEMPLATE* m_pTemplate;           // initially null
    UINT m_nSize;                       // initially 0

    CDlgTemplateBuffer(const CDlgTemplateBuffer&) = delete;
    CDlgTemplateBuffer& operator=(const CDlgTemplateBuffer&) = delete;
};
