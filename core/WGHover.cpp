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
        pWG->m_pParent->SetMyCursor(::LoadCursorA(nullptr, idcCursor));
}
