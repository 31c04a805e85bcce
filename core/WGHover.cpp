#include "WGHover.h"
#include "VRK_WG.h"
#include "VRK_WGPANEL.h"

void CWGHover::Enter(CVRK_WG* pWG, LPCSTR idcCursor)
{
    if (!pWG->m_pParent)
        return;
    pWG->m_pParent->GiveMeMouse(pWG->m_nIndex);
    ShowCursor(pWG, idcCursor);
}

void CWGHover::Leave(CVRK_WG* pWG)
{
    if (!pWG->m_pParent)
        return;
    pWG->m_pParent->ByeMouse();
    ShowCursor(pWG, IDC_ARROW);
}

void CWGHover::Release(CVRK_WG* pWG)
{
    if (pWG->m_pParent && pWG->m_nIndex >= 0 && pWG->m_pParent->m_nMouseWG == pWG->m_nIndex)
        Leave(pWG);
}

void CWGHover::ShowCursor(CVRK_WG* pWG, LPCSTR idcCursor)
{
    if (pWG->m_pParent)
        pWG->m_pParent->SetMyCursor(StandardCursor(idcCursor));
}

HCURSOR CWGHover::StandardCursor(LPCSTR idcCursor)
{
    // Under Wine each LoadCursorA costs about 100 us, as much as repainting
    // a button, and hover changes the cursor twice. System cursors are
    // shared and never freed, so their handles are kept.
    static const LPCSTR s_ids[] = { IDC_ARROW, IDC_HAND, IDC_IBEAM, IDC_SIZEWE };
    static HCURSOR s_cursors[sizeof(s_ids) / sizeof(s_ids[0])];
    for (size_t i = 0; i < sizeof(s_ids) / sizeof(s_ids[0]); ++i)
        if (s_ids[i] == idcCursor)
        {
            if (!s_cursors[i])
                s_cursors[i] = ::LoadCursorA(nullptr, idcCursor);
            return s_cursors[i];
        }
    return ::LoadCursorA(nullptr, idcCursor);
}
