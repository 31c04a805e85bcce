#include "WG_ComboList.h"
#include "WG_Combo.h"
#include "VRK_WGPANEL.h"
#include "WGSkin.h"
#include <algorithm>

// Skin 3012 (15 x 41, drawn 14 wide): up button rows 0..14, grip rows
// 15..25 with the plain body at row 17, down button rows 26..40. The track
// runs between the two buttons, 15 pixels from each end.
enum
{
    SKIN_SCROLL = 3012, UP_Y = 0, GRIP_Y = 15, GRIP_H = 11, BODY_Y = 17, DOWN_Y = 26, TRACK_INSET = 15,
    MIN_THUMB = 10, SHORT_THUMB = 15, LIST_MARGIN = 4
};
const COLORREF CR_TRACK = 0xFCFCFC, CR_EDGE = 0xC8C8C8, CR_WHITE = 0xFFFFFF;

BEGIN_MESSAGE_MAP(CWG_ComboList, CVRK_MENUWND)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CWG_ComboList::CWG_ComboList()
    : m_pScrollDC(new CDC), m_bScrollSkinPending(1), m_nListWidth(0), m_nFirstVisible(0), m_nThumbTop(TRACK_INSET),
      m_nDragOffset(0), m_bDragging(0), m_nThumbHeight(0), m_nElementCount(0), m_pCombo(nullptr)
{
}

CWG_ComboList::~CWG_ComboList()
{
    delete m_pScrollDC;
}

int CWG_ComboList::CreateFor(CVRK_WGPANEL* pPanel, CWG_Combo* pCombo, long nWidth)
{
    CString rows[SHOW_ROWS];
    m_pCombo = pCombo;
    const int nResult = CVRK_MENUWND::Create(pPanel, KIND_FREE, rows, SHOW_ROWS, 0);
    m_nItemCount = 0;   // the rows follow the texts
    m_rcClient.right = nWidth - 1;
    return nResult;
}

int CWG_ComboList::Add(const CString& str, BOOL bUnique)
{
    if (m_nElementCount >= MAX_ELEMENT)
        return 0;
    if (bUnique)
        for (long i = 0; i < m_nElementCount; ++i)
            if (m_strElement[i] == str)
                return 0;
    m_strElement[m_nElementCount++] = str;
    if (m_nItemCount < SHOW_ROWS)
        ++m_nItemCount;
    return 1;
}

void CWG_ComboList::InsertFirst(const CString& str)
{
    for (long i = std::min(m_nElementCount, (long)MAX_ELEMENT - 1); i > 0; --i)
        m_strElement[i] = m_strElement[i - 1];
    m_strElement[0] = str;
    if (m_nElementCount < MAX_ELEMENT)
        ++m_nElementCount;
    m_nItemCount = std::min(m_nElementCount, (long)SHOW_ROWS);
}

void CWG_ComboList::Clear()
{
    for (CString& s : m_strElement)
        s.Empty();
    m_nElementCount = 0;
    m_nFirstVisible = 0;
    m_nItemCount = 0;
    m_nHotItem = -1;
}

long CWG_ComboList::ThumbFromFirst() const
{
    return m_nElementCount > 0 ? (ClientHeight() - 2 * TRACK_INSET) * m_nFirstVisible / m_nElementCount + TRACK_INSET
                               : (long)TRACK_INSET;
}

long CWG_ComboList::FirstFromThumb(long y) const
{
    const long t = ClientHeight() - 2 * TRACK_INSET;
    return t > 0 ? (y - TRACK_INSET) * m_nElementCount / t : 0;
}

void CWG_ComboList::SetStart(long i)
{
    if (m_nElementCount <= SHOW_ROWS || i >= m_nElementCount)
        return;
    m_nFirstVisible = i;
    m_nThumbTop = ThumbFromFirst();
}

void CWG_ComboList::ShowHot(long i)
{
    if (m_nElementCount > SHOW_ROWS)
    {
        if (i < m_nFirstVisible)
            m_nFirstVisible = i;
        else if (i >= m_nFirstVisible + SHOW_ROWS)
            m_nFirstVisible = i - SHOW_ROWS + 1;
        m_nThumbTop = ThumbFromFirst();
    }
    else
        m_nFirstVisible = 0;
    m_bKeepHot = 1;
    m_nHotItem = i - m_nFirstVisible;
    DrawMe();
}

// ---- showing and drawing

void CWG_ComboList::Popup(long x, long y)
{
    if (m_pCombo)
        m_nListWidth = m_pCombo->Width();
    if (m_nListWidth != m_rcClient.Width())
    {
        m_rcClient.right = m_rcClient.left + m_nListWidth;
        m_bResized = 1;
    }
    m_nItemCount = std::min(m_nElementCount, (long)SHOW_ROWS);
    m_rcClient.bottom = m_rcClient.top + std::max(m_nItemCount, 1L) * m_nItemHeight + LIST_MARGIN;
    m_bDragging = 0;   // a drag cut short by a closing ends with it
    CVRK_MENUWND::Popup(x, y);
}

void CWG_ComboList::CreateMyBGDC()
{
    const long H = ClientHeight();
    if (m_nFirstVisible < 0)
        m_nFirstVisible = 0;
    if (m_nElementCount > SHOW_ROWS && m_nFirstVisible > m_nElementCount - SHOW_ROWS)
        m_nFirstVisible = m_nElementCount - SHOW_ROWS;
    if (m_nElementCount <= SHOW_ROWS)
        m_nFirstVisible = 0;   // nothing to scroll: a start kept from more texts goes
    if (m_nThumbTop < TRACK_INSET)
        m_nThumbTop = TRACK_INSET;
    if (m_nThumbTop > H - m_nThumbHeight - TRACK_INSET)
        m_nThumbTop = H - m_nThumbHeight - TRACK_INSET;
    for (long r = 0; r < m_nItemCount && r < SHOW_ROWS; ++r)
    {
        CWGMenuItem& it = m_Items[r];
        const long i = m_nFirstVisible + r;
        it.m_strCaption = i < m_nElementCount ? m_strElement[i] : CString();
        it.m_bEnable = 1;
        it.m_bSubmenu = 0;   // a text starting with '>' is a text here
        it.m_nSubmenu = -1;
    }
    CVRK_MENUWND::CreateMyBGDC();
    if (m_bScrollSkinPending)
    {
        m_pScrollDC->CreateCompatibleDC(nullptr);
        m_bScrollSkinPending = 0;
    }
    if (m_nElementCount > SHOW_ROWS)
        PaintScrollBar();
}

void CWG_ComboList::PaintScrollBar()
{
    const long W = m_nListWidth, H = ClientHeight(), x0 = W - BAR_W - 1;
    m_nThumbHeight = (H - 2 * TRACK_INSET) * SHOW_ROWS / m_nElementCount;
    if (m_nThumbHeight < MIN_THUMB)
        m_nThumbHeight = SHORT_THUMB;
    const long top = m_nThumbTop, h = m_nThumbHeight;
    CDCSelect selSkin(m_pScrollDC->m_hDC, WGSkinOf(m_bmpScroll, SKIN_SCROLL));
    CDC* pDC = m_pBGDC;
    pDC->FillSolidRect(x0, TRACK_INSET, BAR_W, H - 2 * TRACK_INSET, CR_TRACK);
    pDC->BitBlt(x0, 1, BAR_W, BUTTON_H, m_pScrollDC, 0, UP_Y, SRCCOPY);
    pDC->BitBlt(x0, H - BUTTON_H - 1, BAR_W, BUTTON_H, m_pScrollDC, 0, DOWN_Y, SRCCOPY);
    pDC->StretchBlt(x0, top, BAR_W, h, m_pScrollDC, 0, BODY_Y, BAR_W, 1, SRCCOPY);
    pDC->BitBlt(x0, top + h / 2 - 5, BAR_W, GRIP_H, m_pScrollDC, 0, GRIP_Y, SRCCOPY);
    CPen penEdge(PS_SOLID, 1, CR_EDGE), penWhite(PS_SOLID, 1, CR_WHITE);
    CDCSelect selPen(pDC, &penEdge);
    for (long y : { top, top + h })
    {
        pDC->MoveTo(x0, y);
        pDC->LineTo(W, y);
    }
    ::SelectObject(pDC->m_hDC, penWhite.m_hObject);
    for (long y : { top + 1, top + h - 1 })
    {
        pDC->MoveTo(x0 + 1, y);
        pDC->LineTo(W - 1, y);
    }
    ::SelectObject(pDC->m_hDC, penEdge.m_hObject);   // the scoped selection restores from here
}

// ---- the mouse

void CWG_ComboList::Scroll(long nDelta)
{
    if (m_nElementCount <= SHOW_ROWS)
        return;
    m_nFirstVisible += nDelta < 0 ? 1 : -1;
    m_nThumbTop = (ClientHeight() - 2 * TRACK_INSET) * m_nFirstVisible / m_nElementCount + TRACK_INSET;
    DrawMe();
}

void CWG_ComboList::OnLButtonDown(UINT nFlags, CPoint point)
{
    const long W = m_rcClient.Width(), H = ClientHeight();
    if (m_nElementCount > SHOW_ROWS && point.x > W - TRACK_INSET && point.x < W && point.y > 0 && point.y < H)
    {
        if (point.y < TRACK_INSET)
            Scroll(1);
        else if (point.y > H - TRACK_INSET)
            Scroll(-1);
        else if (point.y > m_nThumbTop && point.y < m_nThumbTop + m_nThumbHeight)
        {
            m_bDragging = 1;
            m_nDragOffset = point.y - m_nThumbTop;
            DrawMe();
        }
        else
        {
            m_nThumbTop = point.y;
            m_nFirstVisible = FirstFromThumb(point.y);
            DrawMe();
        }
        return;
    }
    CWG_Combo* pCombo = m_pCombo;
    if (m_rcClient.PtInRect(point) && m_nHotItem >= 0 && m_nHotItem < m_nItemCount &&
        m_nFirstVisible + m_nHotItem < m_nElementCount)
    {
        // Read before the menu's handling: it hides the list.
        const long nIndex = m_nFirstVisible + m_nHotItem;
        const CString strCaption = m_strElement[nIndex];
        CVRK_MENUWND::OnLButtonDown(nFlags, point);
        if (pCombo)
            pCombo->setElementCheckedByMenuList(strCaption, nIndex);
        return;
    }
    CVRK_WGPANEL* pPanel = pCombo ? pCombo->GetParent() : nullptr;
    if (pPanel && pPanel->m_hWnd)
    {
        CPoint pt = point;
        ClientToScreen(&pt);
        pPanel->ScreenToClient(&pt);
        const CRect& r = pCombo->m_rect;   // inclusive on all sides
        if (pt.x >= r.left && pt.x <= r.right && pt.y >= r.top && pt.y <= r.bottom)
        {
            pCombo->OnButtonDown(pt, 0);
            return;
        }
    }
    CVRK_MENUWND::OnLButtonDown(nFlags, point);
}

void CWG_ComboList::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bDragging)
    {
        CVRK_MENUWND::OnMouseMove(nFlags, point);
        return;
    }
    m_nThumbTop = point.y - m_nDragOffset;
    m_nFirstVisible = FirstFromThumb(m_nThumbTop);
    DrawMe();
}

void CWG_ComboList::OnLButtonUp(UINT, CPoint)
{
    m_bDragging = 0;
}

BOOL CWG_ComboList::OnMouseWheel(UINT, short zDelta, CPoint)
{
    if (zDelta == 0 && m_nHotItem == -1)
        Shirk();
    else
        Scroll(zDelta);
    return TRUE;
}
