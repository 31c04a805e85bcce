// A page of the gallery: the elements of one family, shown while its name
// is chosen in the column down the gallery's left side (or in the "Pages"
// menu) and hidden otherwise. Every page lives on the gallery's one panel; a page owns the
// elements it created there (a run of consecutive panel indices).
#pragma once
#include "wg.h"

class CGalleryPage
{
public:
    virtual ~CGalleryPage() {}

    // The page's name in the column, also its screenshot's ("Buttons" ->
    // gallery-buttons.png).
    virtual const char* Name() const = 0;
    // Creates the page's elements on pPanel with the page's top-left at
    // (x, y); they start hidden.
    int Create(CVRK_WGPANEL* pPanel, long x, long y)
    {
        m_pPanel = pPanel;
        m_nFirst = pPanel->m_nWGCount;
        const int nOk = Build(x, y);
        m_nEnd = pPanel->m_nWGCount;
        Show(FALSE);
        return nOk;
    }
    // TRUE when the command came from one of the page's elements.
    virtual BOOL OnWGCommand(long nIndex, long nCode) = 0;
    // Shows or hides every element of the page; the panel repaints later.
    void Show(BOOL bShow)
    {
        for (long i = m_nFirst; i < m_nEnd; ++i)
            if (m_pPanel->m_pWG[i])
                m_pPanel->m_pWG[i]->m_bVisible = bShow;
        OnShow(bShow);
    }
    BOOL Owns(long nIndex) const { return nIndex >= m_nFirst && nIndex < m_nEnd; }
    // Around the page's screenshot: a page may open what a person would
    // see in use (a menu, say) and close it again.
    virtual void BeforeScreenshot() {}
    virtual void AfterScreenshot() {}

protected:
    CVRK_WGPANEL* m_pPanel = nullptr;

    virtual int Build(long x, long y) = 0;
    // A page with windows of its own (a bar in the frame) shows or hides them.
    virtual void OnShow(BOOL) {}
    // The gallery's frame: the parent of the page's dialogs.
    CVRK_FRAMEWND* Frame() const
    {
        CWnd* p = m_pPanel && m_pPanel->m_hWnd ? m_pPanel->GetParent() : nullptr;
        return p && p->IsKindOf(RUNTIME_CLASS(CVRK_FRAMEWND)) ? static_cast<CVRK_FRAMEWND*>(p) : nullptr;
    }
    // The gallery's title shows what a page's element did.
    void ShowInTitle(const CString& str)
    {
        if (CVRK_FRAMEWND* pFrame = Frame())
            pFrame->SetWindowTitle(str);
    }

private:
    long m_nFirst = 0;
    long m_nEnd = 0;
};
