#include "gallery_windows.h"
#include "gallery_probe.h"
#include <algorithm>

// ---- the second dialog ------------------------------------------------------------

CSecondPanel::~CSecondPanel() { GalleryProbe::Forget(this); }

void CSecondPanel::Build(const CString& strProbeName)
{
    if (m_btnClose.m_nIndex >= 0)
        return;   // a modeless dialog opened again keeps its elements
    m_btnClose.Create(this, "Close", 20, 60, 90, 19, FALSE);
    m_btnRetitle.Create(this, "Change title", 120, 60, 110, 19, FALSE);
    GalleryProbe::AddElement(strProbeName + ".close", &m_btnClose);
    GalleryProbe::AddElement(strProbeName + ".retitle", &m_btnRetitle);
}

void CSecondPanel::OnWGCommand(long nIndex, long nCode)
{
    if (!m_pDialog || nCode != 5)
        return;
    if (nIndex == m_btnClose.m_nIndex)
        m_pDialog->EndDialog(IDOK);
    else if (nIndex == m_btnRetitle.m_nIndex)
    {
        CString str;
        str.Format("Second dialog, title changed %ld times", ++m_nRetitles);
        m_pDialog->SetWindowTitle(str);
    }
}

CSecondDialog::CSecondDialog(CWnd* pParent, const char* pszTitle, const char* pszProbeName)
    : CVRK_DIALOG(pParent), m_strTitle(pszTitle), m_strProbeName(pszProbeName)
{
    if (m_pTemplate)
        m_pTemplate->style |= WS_SYSMENU | WS_MINIMIZEBOX;
    m_pPanel = &m_panel;
    m_rcWindow.SetRect(0, 0, 300, 150);   // centred on the gallery
}

BOOL CSecondDialog::OnInitDialog()
{
    BOOL b = CVRK_DIALOG::OnInitDialog();
    m_panel.Build(m_strProbeName);
    m_panel.DrawMe();
    SetWindowTitle(m_strTitle);
    return b;
}

// ---- the page ---------------------------------------------------------------------------

CGalleryWindows::CGalleryWindows()
    : m_modeless(nullptr, "Second dialog (modeless)", "modeless"),
      m_shadowed(nullptr, "Dialog with a drop shadow", "shadowed")
{
}

int CGalleryWindows::Build(long x, long y)
{
    int nOk = m_btnBoxOne.Create(m_pPanel, "Message box: one button", x, y + 10, 150, 19, FALSE);
    nOk &= m_btnBoxThree.Create(m_pPanel, "Message box: three and a tick", x + 160, y + 10, 190, 19, FALSE);
    GalleryProbe::AddElement("box.one", &m_btnBoxOne);
    GalleryProbe::AddElement("box.three", &m_btnBoxThree);
    // The second dialog opens centred on the gallery, over these buttons.
    nOk &= m_btnModal.Create(m_pPanel, "Open modal dialog", x, y + 60, 150, 19, FALSE);
    nOk &= m_btnModeless.Create(m_pPanel, "Open modeless dialog", x + 160, y + 60, 150, 19, FALSE);
    nOk &= m_btnFrameless.Create(m_pPanel, "Frameless dialog", x + 320, y + 60, 120, 19, FALSE);
    GalleryProbe::AddElement("frameless", &m_btnFrameless);
    GalleryProbe::AddElement("modal", &m_btnModal);
    GalleryProbe::AddElement("modeless", &m_btnModeless);
    nOk &= BuildLayered(x, y + 120);
    nOk &= BuildBar();
    return nOk;
}

BOOL CGalleryWindows::OnWGCommand(long nIndex, long nCode)
{
    if (nCode == 5 && (nIndex == m_btnBoxOne.m_nIndex || nIndex == m_btnBoxThree.m_nIndex))
        OpenMessageBox(nIndex == m_btnBoxOne.m_nIndex ? CWG_Dlg_MsgBox::TYPE_OK : CWG_Dlg_MsgBox::TYPE_YESNOCANCEL);
    else if (nCode == 5 && nIndex == m_btnModal.m_nIndex)
        OpenModal();
    else if (nCode == 5 && nIndex == m_btnModeless.m_nIndex)
        OpenModeless();
    else if (nCode == 5 && nIndex == m_btnFrameless.m_nIndex)
        OpenFrameless();
    else
        return OnLayeredCommand(nIndex, nCode);
    return TRUE;
}

void CGalleryWindows::OpenMessageBox(long nType)
{
    CWG_Dlg_MsgBox box(Frame());
    // GBK: "是否保存修改？" (save the changes?), "不再提示" (do not ask again)
    const int nResult = nType == CWG_Dlg_MsgBox::TYPE_OK
                            ? box.DoModal("The gallery has shown every look.", "Message box", nType, "", 0)
                            : box.DoModal("\xCA\xC7\xB7\xF1\xB1\xA3\xB4\xE6\xD0\xDE\xB8\xC4\xA3\xBF Save the changes?",
                                          "Message box", nType, "\xB2\xBB\xD4\xD9\xCC\xE1\xCA\xBE Do not ask again", 0);
    CString str;
    str.Format("WG Gallery - message box returned %d", nResult);
    ShowInTitle(str);
}

void CGalleryWindows::OpenModal()
{
    CSecondDialog dlg(Frame(), "Second dialog (modal)", "modal");
    dlg.DoModal();
}

void CGalleryWindows::OpenModeless()
{
    if (!m_modeless.m_hWnd && !m_modeless.Create(Frame()))
        return;
    m_modeless.ShowWindow(SW_SHOW);
    m_modeless.SetForegroundWindow();
}

// ---- the dialog bar and the frameless dialog --------------------------------------

CBarPanel::~CBarPanel() { GalleryProbe::Forget(this); }

void CBarPanel::OnWGCommand(long nIndex, long nCode)
{
    if (nCode == 5 && nIndex == m_btnHello.m_nIndex && m_pPage)
        m_pPage->OnBarButton();
}

CFramelessPanel::~CFramelessPanel() { GalleryProbe::Forget(this); }

void CFramelessPanel::Build()
{
    if (m_btnClose.m_nIndex >= 0)
        return;   // reopened: the window was only hidden
    m_lblText.Create(this, 10, 12, 240);
    m_lblText.m_strCaption = "A frameless dialog: no title, no border";
    m_btnClose.Create(this, "Close", 90, 50, 80, 19, FALSE);
    GalleryProbe::AddElement("frameless.close", &m_btnClose);
}

void CFramelessPanel::CreateMyBGDC()
{
    CVRK_WGPANEL::CreateMyBGDC();
    CDCSelect sel(m_pBGDC, &m_bmpBG);
    m_pBGDC->Draw3dRect(CRect(0, 0, m_rcClient.Width(), m_rcClient.Height()), WG_CR_BORDER, WG_CR_BORDER);
}

void CFramelessPanel::OnWGCommand(long nIndex, long nCode)
{
    // Hidden, not destroyed, so the panel keeps its elements for next time.
    if (nCode == 5 && nIndex == m_btnClose.m_nIndex && m_pOwner)
        m_pOwner->ShowWindow(SW_HIDE);
}

int CGalleryWindows::BuildBar()
{
    CFrameWnd* pFrame = Frame();
    m_barPanel.m_pPage = this;
    m_bar.m_pPanel = &m_barPanel;
    if (!pFrame || !m_bar.Create(pFrame, CBRS_BOTTOM))
        return 0;
    m_bar.m_sizeDefault = CSize(0, CBarPanel::HEIGHT);
    int nOk = m_barPanel.m_lblText.Create(&m_barPanel, 10, 5, 300);
    m_barPanel.m_lblText.m_strCaption = "A dialog bar docked at the bottom of the frame";
    nOk &= m_barPanel.m_btnHello.Create(&m_barPanel, "Press me", 330, 6, 100, 19, FALSE);
    GalleryProbe::AddElement("bar.button", &m_barPanel.m_btnHello);
    m_bar.EnableDocking(CBRS_ALIGN_BOTTOM);
    pFrame->DockControlBar(&m_bar, AFX_IDW_DOCKBAR_BOTTOM);
    pFrame->ShowControlBar(&m_bar, FALSE, FALSE);
    return nOk;
}

void CGalleryWindows::OnShow(BOOL bShow)
{
    if (CFrameWnd* pFrame = Frame())
        pFrame->ShowControlBar(&m_bar, bShow, FALSE);
}

void CGalleryWindows::OpenFrameless()
{
    if (!m_frameless.m_hWnd)
    {
        m_frameless.m_rcWindow.SetRect(0, 0, 260, 86);
        m_frameless.m_pPanel = &m_framelessPanel;
        m_framelessPanel.m_pOwner = &m_frameless;
        if (!m_frameless.Create(Frame()))
            return;
        m_framelessPanel.Build();
        m_framelessPanel.DrawMe();
    }
    m_frameless.ShowWindow(SW_SHOW);
    m_frameless.SetForegroundWindow();
}

// ---- layered windows, shadows and tips ---------------------------------------------

void CGalleryCard::CreateLayerDC(CDC* pDC, CDC*, long nWidth, long nHeight)
{
    // Premultiplied: each colour channel scaled by the pixel's alpha.
    CWGPixels32 px;
    px.Attach((HBITMAP)::GetCurrentObject(pDC->m_hDC, OBJ_BITMAP));
    const long r = 12;
    for (long y = 0; y < nHeight; ++y)
        for (long x = 0; x < nWidth; ++x)
        {
            const long dx = std::max(0L, std::max(r - x, x - (nWidth - 1 - r)));
            const long dy = std::max(0L, std::max(r - y, y - (nHeight - 1 - r)));
            const bool bIn = dx * dx + dy * dy <= r * r;
            const DWORD a = bIn ? 255 - 170 * y / nHeight : 0;
            const DWORD red = 40 + 160 * x / nWidth, green = 110, blue = 220;
            px.Row(y)[x] = a << 24 | (red * a / 255) << 16 | (green * a / 255) << 8 | blue * a / 255;
        }
    pDC->SetTextColor(RGB(255, 255, 255));
    TextOut32(16, 14, "\xB2\xE3\xB4\xCE layered card");      // "层次"
    TextOut32(16, 34, "drag me; click outside to close");
}

void CCardPreview::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    for (long y = 0; y < m_nHeight; y += 8)
        for (long x = 0; x < m_nWidth; x += 8)
            m_pBGDC->FillSolidRect(x, y, 8, 8, ((x + y) / 8) % 2 ? RGB(153, 153, 153) : RGB(221, 221, 221));
    if (!m_pCard || !m_pCard->m_bmpLayer.m_hObject)
        return;
    CDCSelect selCard(m_pParentBGDC, &m_pCard->m_bmpLayer);
    m_pBGDC->AlphaBlend(0, 0, m_nWidth, m_nHeight, m_pParentBGDC, 0, 0, m_pCard->m_nWidth, m_pCard->m_nHeight,
                        WGLayerBlend(255));
}

int CGalleryWindows::BuildLayered(long x, long y)
{
    int nOk = m_btnFade.Create(m_pPanel, "Fade a layered card", x, y, 150, 19, FALSE);
    nOk &= m_btnShadowed.Create(m_pPanel, "Dialog with a shadow", x, y + 26, 150, 19, FALSE);
    nOk &= m_btnTip.Create(m_pPanel, "Tip at the pointer", x, y + 52, 150, 19, FALSE);
    nOk &= m_btnElementTip.Create(m_pPanel, "Tip on this button", x, y + 78, 150, 19, FALSE);
    // The preview shows the card at its own size, so compose it now.
    nOk &= m_card.Create(m_pPanel, 240, 64);
    m_card.m_bCaptureDrag = TRUE;
    m_card.DrawMe();
    m_preview.m_pCard = &m_card;
    nOk &= m_preview.Create(m_pPanel, x + 170, y, 240, 64);
    nOk &= m_tipPointer.create(m_pPanel, -1, 3000);
    m_pPanel->AddTip(&m_tipPointer);
    nOk &= m_tipElement.create(m_pPanel, m_btnElementTip.m_nIndex);
    m_pPanel->AddTip(&m_tipElement);
    return nOk;
}

BOOL CGalleryWindows::OnLayeredCommand(long nIndex, long nCode)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    if (nCode == 5 && nIndex == m_btnFade.m_nIndex)
    {
        if (m_card.GetInDir())
            m_card.HideByCartoon();
        else
            m_card.Show(pt.x + 20, pt.y + 10, FALSE);
    }
    else if (nCode == 5 && nIndex == m_btnShadowed.m_nIndex)
    {
        if (!m_shadowed.m_hWnd && m_shadowed.Create(Frame()))
        {
            CRect rc;
            m_shadowed.GetWindowRect(&rc);
            m_shadow.Create(&m_shadowed, rc.Width(), rc.Height());
        }
        m_shadowed.ShowWindow(SW_SHOW);
        m_shadow.Show();
    }
    else if (nCode == 5 && nIndex == m_btnTip.m_nIndex)
    {
        // "提示" / "第二行: fades out after three seconds"
        m_tipPointer.show(pt.x, pt.y + 16, "\xCC\xE1\xCA\xBE\r\xB5\xDA\xB6\xFE\xD0\xD0: fades out after three seconds",
                          -1, kWG_Tip_LeftTop);
    }
    else if (nCode == 5 && nIndex == m_btnElementTip.m_nIndex)
    {
        CPoint ptButton(m_btnElementTip.m_rect.left, m_btnElementTip.m_rect.top);
        m_pPanel->ClientToScreen(&ptButton);
        m_tipElement.m_nCommandId = m_btnElementTip.m_nIndex;
        m_tipElement.show(ptButton.x, ptButton.y, "Click me: I report to the button once", -1, kWG_Tip_LeftBottom);
    }
    else if (nCode == 0 && nIndex == m_btnElementTip.m_nIndex)
    {
        ShowInTitle("WG Gallery - the tip on the button was clicked");
    }
    else
    {
        return FALSE;
    }
    return TRUE;
}
