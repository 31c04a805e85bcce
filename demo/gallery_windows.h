// Gallery page "Windows": the library's top-level windows. A second skinned
// dialog opens modally or modelessly; the layered windows, shadows and tips
// join in their own row (BuildLayered).
#pragma once
#include "gallery_page.h"

// A small skinned dialog with two buttons: "Close" and "Change title".
class CSecondPanel : public CVRK_WGPANEL
{
public:
    CWG_Button m_btnClose;
    CWG_Button m_btnRetitle;
    long m_nRetitles = 0;

    virtual ~CSecondPanel();
    // Elements named "<strProbeName>.close" and ".retitle" for the probe.
    void Build(const CString& strProbeName);
    virtual void OnWGCommand(long nIndex, long nCode);
};

class CSecondDialog : public CVRK_DIALOG
{
public:
    CSecondPanel m_panel;
    CString m_strTitle;
    CString m_strProbeName;

    CSecondDialog(CWnd* pParent, const char* pszTitle, const char* pszProbeName);
    virtual BOOL OnInitDialog();
};

class CGalleryWindows : public CGalleryPage
{
public:
    CWG_Button m_btnModal, m_btnModeless;

    CGalleryWindows();
    virtual const char* Name() const { return "Windows"; }
    virtual BOOL OnWGCommand(long nIndex, long nCode);

protected:
    virtual int Build(long x, long y);

private:
    CSecondDialog m_modeless;

    void OpenModal();
    void OpenModeless();
    // The row of layered cards, shadows and tips, with its top-left at
    // (x, y) and the rest of the page (440 x 120) to itself; their
    // commands go to OnLayeredCommand.
    int BuildLayered(long x, long y);
    BOOL OnLayeredCommand(long nIndex, long nCode);
};
