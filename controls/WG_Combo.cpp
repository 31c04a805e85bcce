#include "WG_Combo.h"
#include "VRK_WGPANEL.h"
#include "WGSkin.h"
#include "WGHover.h"

// Skin 3005: the 9 x 6 down arrow, dark on the element background. The
// button is ARROW_W wide at the right end, 18 rows high.
enum { SKIN_ARROW = 3005, ARROW_BMP_W = 9, ARROW_BMP_H = 6, ARROW_LEFT = 3, ARROW_TOP = 7, BUTTON_H = 18 };

CWGAliveLink::CWGAliveLink(CWGAliveLink*& pHead) : bAlive(TRUE), m_pPrev(pHead), m_ppHead(&pHead)
{
    pHead = this;
}

CWGAliveLink::~CWGAliveLink()
{
    if (bAlive)
        *m_ppHead = m_pPrev;
}

void CWGAliveLink::KillAll(CWGAliveLink* pHead)
{
    for (CWGAliveLink* p = pHead; p; p = p->m_pPrev)
        p->bAlive = FALSE;
}

CWG_Combo::CWG_Combo(int withList)
    : m_nArrowX(0), m_pMenuList(nullptr), m_pComboList(nullptr), m_nElementCount(0), m_nCheckedIndex(-1),
      m_bShowArrow(1), m_bLockChoice(0), m_bCheckingByList(0), m_bShirkOnKey(1), m_bShirkOnClear(1),
      m_pAlive(nullptr)
{
    m_bReadOnly = TRUE;
    if (withList)
        m_pMenuList = m_pComboList = new CWG_ComboList;
}

CWG_Combo::~CWG_Combo()
{
    CWGAliveLink::KillAll(m_pAlive);
    delete m_pMenuList;
}

int CWG_Combo::Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight)
{
    if (m_pComboList)
        m_pComboList->CreateFor(pParent, this, nWidth);
    else if (m_pMenuList)
        m_pMenuList->Create(pParent, CVRK_MENUWND::KIND_FREE, nullptr, 0, 0);
    else
        return 0;
    return CWG_Text::Create(pParent, x, y, nWidth, nHeight);
}

// ---- the texts

int CWG_Combo::addAnElement(CString str)
{
    if (!m_pComboList || !m_pComboList->Add(str, FALSE))
        return 0;
    m_nElementCount = m_pComboList->m_nElementCount;
    return 1;
}

int CWG_Combo::addAnElementUnique(CString str)
{
    if (!m_pComboList || !m_pComboList->Add(str, TRUE))
        return 0;
    m_nElementCount = m_pComboList->m_nElementCount;
    return 1;
}

int CWG_Combo::addElements(long n, CString* pStrs)
{
    for (long i = 0; pStrs && i < n; ++i)
        addAnElement(pStrs[i]);
    return m_nElementCount == n ? 1 : 0;
}

void CWG_Combo::insertTheElementToFirst(CString str)
{
    if (!m_pComboList)
        return;
    m_pComboList->InsertFirst(str);
    m_nElementCount = m_pComboList->m_nElementCount;
}

void CWG_Combo::clearElements()
{
    if (m_bShirkOnClear)
        shirkMenuList();
    m_nElementCount = 0;
    m_nCheckedIndex = -1;
    if (m_pComboList)
        m_pComboList->Clear();
}

CString CWG_Combo::GetElement(long i) const
{
    return m_pComboList && i >= 0 && i < m_nElementCount ? m_pComboList->m_strElement[i] : CString();
}

// ---- the choice

void CWG_Combo::setElementCheckedWithIndexQuiet(long i)
{
    m_nCheckedIndex = i;
    SetTextStrQuiet(GetElement(i));
}

void CWG_Combo::Report()
{
    if (m_pParent)
        m_pParent->RefreshWG(m_nIndex);
    Notify(CMD_CHOSEN);
}

void CWG_Combo::setElementCheckedWithIndex(long i)
{
    setElementCheckedWithIndexQuiet(i);
    Report();
}

void CWG_Combo::setElementCheckedWithCaptionQuiet(CString str)
{
    long nFound = -1;
    for (long i = 0; i < m_nElementCount && nFound < 0; ++i)
        if (GetElement(i) == str)
            nFound = i;
    setElementCheckedWithIndexQuiet(nFound);
}

void CWG_Combo::setElementCheckedWithCaption(CString str)
{
    setElementCheckedWithCaptionQuiet(str);
    Report();
}

void CWG_Combo::willSetElementCheckedByMenuList(CString&) {}
void CWG_Combo::onSetElementCheckedByMenuList() {}

void CWG_Combo::setElementCheckedByMenuList(CString strCaption, long nIndex)
{
    if (m_bLockChoice)
        return;
    m_nCheckedIndex = nIndex;
    willSetElementCheckedByMenuList(strCaption);
    SetTextStrQuiet(strCaption);
    if (m_pParent)
        m_pParent->RefreshWG(m_nIndex);
    m_bCheckingByList = 1;
    if (!Notify(CMD_CHOSEN))
        return;
    m_bCheckingByList = 0;
    onSetElementCheckedByMenuList();
}

// ---- the drop-down

void CWG_Combo::setMenuListStartElementIndex(long i)
{
    if (m_pComboList)
        m_pComboList->SetStart(i);
}

void CWG_Combo::popupMenuList()
{
    if (!m_pMenuList || !m_pParent || !m_pParent->m_hWnd)
        return;
    CPoint pt(m_rect.left, m_rect.top + Height() - 1);
    m_pParent->ClientToScreen(&pt);
    m_pMenuList->Popup(pt.x, pt.y);
}

void CWG_Combo::shirkMenuList()
{
    if (m_pMenuList)
        m_pMenuList->Shirk();
}

int CWG_Combo::isMenuListInDisplay()
{
    return m_pMenuList ? m_pMenuList->m_bShown : 0;
}

// ---- drawing

void CWG_Combo::CreateMyBGDC(CDC* pDC)
{
    CWG_Text::CreateMyBGDC(pDC);
    m_nArrowX = Width();
    if (!m_bShowArrow || !m_bmpBG.m_hObject)
        return;
    m_nArrowX = Width() - ARROW_W;
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selSkin(m_pParentBGDC->m_hDC, WGSkinOf(m_bmpArrow, SKIN_ARROW));
    m_pBGDC->FillSolidRect(m_nArrowX, 0, ARROW_W, BUTTON_H, WG_CR_ELEMENT_BG);
    m_pBGDC->BitBlt(m_nArrowX + ARROW_LEFT, ARROW_TOP, ARROW_BMP_W, ARROW_BMP_H, m_pParentBGDC, 0, 0, SRCCOPY);
}

// ---- events

void CWG_Combo::OnMouseMove(CPoint point)
{
    if (point.x > m_rect.left + m_nArrowX && !m_bDragging)
    {
        CWGHover::ShowCursor(this, IDC_HAND);
        return;
    }
    if (m_bShowArrow && point.x > m_rect.right - ARROW_W)
        point.x += ARROW_W;
    CWG_Text::OnMouseMove(point);
}

void CWG_Combo::OnButtonDown(CPoint point, long nButton)
{
    if (point.x <= m_rect.left + m_nArrowX)
        CWG_Text::OnButtonDown(point, nButton);
    else if (isMenuListInDisplay())
        shirkMenuList();
    else
        popupMenuList();
}

void CWG_Combo::OnMouseWheel(short zDelta)
{
    if (zDelta < 0 && !isMenuListInDisplay())
    {
        popupMenuList();
        return;
    }
    // The list reads the delta from the high word: -1 for a turn down, 0
    // for a turn up.
    if (m_pMenuList && m_pMenuList->m_hWnd)
        ::SendMessage(m_pMenuList->m_hWnd, WM_MOUSEWHEEL, (WPARAM)(LONG_PTR)(long)zDelta, 0);
}

void CWG_Combo::OnKeyDown(UINT nChar)
{
    const long n = m_nElementCount, c = m_nCheckedIndex;
    if (n < 1 || (nChar != VK_UP && nChar != VK_DOWN))
    {
        if (isMenuListInDisplay() && m_bShirkOnKey)
            shirkMenuList();
        CWG_Text::OnKeyDown(nChar);
        return;
    }
    long nNew;
    if (nChar == VK_UP)
        nNew = c == -1 ? 0 : c == 0 ? n - 1 : c - 1;
    else
        nNew = c == -1 || c == n - 1 ? 0 : c + 1;
    // A chosen index the application set outside the texts starts over.
    if (nNew < 0 || nNew >= n)
        nNew = 0;
    CWGAliveLink alive(m_pAlive);
    m_nLastKey = (long)nChar;
    setElementCheckedByMenuList(GetElement(nNew), nNew);
    if (!alive.bAlive)
        return;
    m_nLastKey = -1;
    if (!isMenuListInDisplay())
        popupMenuList();
    if (m_pComboList && alive.bAlive)
        m_pComboList->ShowHot(nNew);
}

void CWG_Combo::OnChar(UINT nChar)
{
    CWGAliveLink alive(m_pAlive);
    CWG_Text::OnChar(nChar);
    if (alive.bAlive && nChar == VK_RETURN)
        shirkMenuList();
}

void CWG_Combo::OnLoseFocus()
{
    CWGAliveLink alive(m_pAlive);
    CWG_Text::OnLoseFocus();
    if (alive.bAlive)
        shirkMenuList();
}
