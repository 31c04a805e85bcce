#include "gallery_windows.h"
#include "gallery_probe.h"

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

CGalleryWindows::CGalleryWindows() : m_modeless(nullptr, "Second dialog (modeless)", "modeless") {}

int CGalleryWindows::Build(long x, long y)
{
    // The second dialog opens centred on the gallery, over these buttons.
    int nOk = m_btnModal.Create(m_pPanel, "Open modal dialog", x, y + 60, 150, 19, FALSE);
    nOk &= m_btnModeless.Create(m_pPanel, "Open modeless dialog", x + 160, y + 60, 150, 19, FALSE);
    GalleryProbe::AddElement("modal", &m_btnModal);
    GalleryProbe::AddElement("modeless", &m_btnModeless);
    nOk &= BuildLayered(x, y + 120);
    return nOk;
}

BOOL CGalleryWindows::OnWGCommand(long nIndex, long nCode)
{
    if (nCode == 5 && nIndex == m_btnModal.m_nIndex)
        OpenModal();
    else if (nCode == 5 && nIndex == m_btnModeless.m_nIndex)
        OpenModeless();
    else
        return OnLayeredCommand(nIndex, nCode);
    return TRUE;
}

void CGalleryWindows::OpenModal()
{
    CSecondDialog dlg(m_pPanel->m_pDialog, "Second dialog (modal)", "modal");
    dlg.DoModal();
}

void CGalleryWindows::OpenModeless()
{
    if (!m_modeless.m_hWnd && !m_modeless.Create(m_pPanel->m_pDialog))
        return;
    m_modeless.ShowWindow(SW_SHOW);
    m_modeless.SetForegroundWindow();
}

// ---- layered windows, shadows and tips ---------------------------------------------

int CGalleryWindows::BuildLayered(long x, long y)
{
    return 1;   // none yet
}

BOOL CGalleryWindows::OnLayeredCommand(long nIndex, long nCode)
{
    return FALSE;
}
