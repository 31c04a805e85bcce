#include "WGAccessible.h"
#include "VRK_WGPANEL.h"
#include "VRK_WG.h"
#include "VRK_MENUWND.h"
#include "WG_Button.h"
#include "WG_LabelButton.h"
#include "WG_CptButton.h"
#include "WG_Check.h"
#include "WG_Label.h"
#include "WG_Text.h"
#include "WG_PassWord.h"
#include "WG_List.h"
#include "WG_TextArea.h"
#include "WG_TimeText.h"
#include "WG_ImageButton.h"
#include "WG_ProgressBar.h"
#include "WG_Signs.h"
#include "WG_Combo.h"
#include <ole2.h>
#include <oleacc.h>
#include <algorithm>

// MinGW's oleacc import library resolves IID_IAccessible to an import
// thunk, not the GUID: the compiler's own record of it is used instead.
static const IID& IID_Acc = __uuidof(IAccessible);

// ---- what one child is ---------------------------------------------------------

namespace {

enum Action { ACT_NONE, ACT_PRESS, ACT_TOGGLE };

// Everything a client can ask of one child, read in one go.
struct Facts
{
    long nRole = ROLE_SYSTEM_CLIENT;
    CString strName;
    CString strValue;
    BOOL bHasValue = FALSE;
    DWORD dwState = 0;
    CRect rcScreen;
    const char* pszAction = nullptr;
};

// ---- the kind table ------------------------------------------------------------
//
// One row per element class: how to recognise it, its role, what it
// presses, and how its name, value and own states are read. Derived classes
// come before their bases (the first match wins). Describe functions run
// under the panel's painting lock: they read fields only, never call an
// overridable of the application.

template <class T> bool Is(CVRK_WG* p) { return dynamic_cast<T*>(p) != nullptr; }
template <class T> void Caption(CVRK_WG* p, Facts& f) { f.strName = static_cast<T*>(p)->m_strCaption; }

void CheckState(CVRK_WG* p, Facts& f)
{
    CWG_Check* pCheck = static_cast<CWG_Check*>(p);
    f.strName = pCheck->m_strCaption;
    if (pCheck->m_nValue == 1)
        f.dwState |= STATE_SYSTEM_CHECKED;
    f.pszAction = pCheck->m_nValue == 1 && !Is<CWG_Radio>(p) ? "Uncheck" : "Check";
}

void LabelText(CVRK_WG* p, Facts& f)
{
    f.strName = static_cast<CWG_Label*>(p)->m_strCaption;
    f.dwState |= STATE_SYSTEM_READONLY;
}

void TextField(CVRK_WG* p, Facts& f)
{
    CWG_Text* pText = static_cast<CWG_Text*>(p);
    f.strName = pText->m_strHint.IsEmpty() ? pText->m_strText : pText->m_strHint;
    f.strValue = pText->m_strText;
    f.bHasValue = TRUE;
    if (pText->m_bReadOnly)
        f.dwState |= STATE_SYSTEM_READONLY;
}

// The shown text of a password field is its mask, the real one is secret:
// neither is given out.
void PassWordField(CVRK_WG* p, Facts& f)
{
    CWG_PassWord* pPass = static_cast<CWG_PassWord*>(p);
    f.strName = pPass->m_strHint;
    f.dwState |= STATE_SYSTEM_PROTECTED;
    if (pPass->m_bReadOnly)
        f.dwState |= STATE_SYSTEM_READONLY;
}

// The multi-line area reads like a text field, its line breaks (a lone
// 0x0D inside) given out as CR LF, as clients expect of Windows text; the
// time text is its formatted date and time.
void AreaField(CVRK_WG* p, Facts& f)
{
    CWG_TextArea* pArea = static_cast<CWG_TextArea*>(p);
    CString strText = pArea->m_strText;
    strText.Replace("\r", "\r\n");
    f.strName = pArea->m_strHint.IsEmpty() ? strText : pArea->m_strHint;
    f.strValue = strText;
    f.bHasValue = TRUE;
    if (pArea->m_bReadOnly)
        f.dwState |= STATE_SYSTEM_READONLY;
}

void TimeField(CVRK_WG* p, Facts& f)
{
    CWG_TimeText* pTime = static_cast<CWG_TimeText*>(p);
    f.strName = f.strValue = pTime->m_strTime;
    f.bHasValue = TRUE;
    if (pTime->m_bReadOnly)
        f.dwState |= STATE_SYSTEM_READONLY;
}

// A combo (and the edit list's cell editor, one of them) shows its chosen
// text; its name is the hint when it has one.
void ComboField(CVRK_WG* p, Facts& f)
{
    TextField(p, f);
    f.dwState &= ~(DWORD)STATE_SYSTEM_READONLY;   // read-only for typing, but choosing changes it
}

// A picture button with a check or radio mode reads as checked while it
// shows its pressed frame; its name is its caption, else its tip.
void PictureButton(CVRK_WG* p, Facts& f)
{
    CWG_ActImgButton* pButton = static_cast<CWG_ActImgButton*>(p);
    f.strName = pButton->m_strCaption.IsEmpty() ? pButton->m_strTip : pButton->m_strCaption;
    if ((pButton->m_bCheckMode || pButton->m_bRadioMode) && pButton->m_nState == CWG_ActImgButton::PRESSED)
        f.dwState |= STATE_SYSTEM_CHECKED;
}

CString Percent(long n)
{
    CString s;
    s.Format("%ld%%", n);
    return s;
}

// The percentage drawn now (a worker-thread bar moves it under the lock
// these functions run in), followed by the bar's word.
void ProgressValue(CVRK_WG* p, Facts& f)
{
    CWG_ProgressBar* pBar = static_cast<CWG_ProgressBar*>(p);
    f.strName = pBar->m_strText;
    f.strValue = Percent(pBar->m_nShown);
    f.bHasValue = TRUE;
    f.dwState |= STATE_SYSTEM_READONLY;
}

void GearState(CVRK_WG* p, Facts& f)
{
    if (static_cast<CWG_LoopGear*>(p)->IsRunning())
        f.dwState |= STATE_SYSTEM_BUSY;
}

void SliderValue(CVRK_WG* p, Facts& f)
{
    CWG_StandBrowse* pSlider = static_cast<CWG_StandBrowse*>(p);
    f.strName = pSlider->m_strCaption;
    f.strValue = Percent(pSlider->m_nValue);
    f.bHasValue = TRUE;
}

void LegendState(CVRK_WG* p, Facts& f)
{
    CWG_CurveSign* pSign = static_cast<CWG_CurveSign*>(p);
    f.strName = pSign->m_strCaption;
    if (pSign->m_bOn)
        f.dwState |= STATE_SYSTEM_CHECKED;
}

// The card: its title as the name, its three lines as the value.
void CardText(CVRK_WG* p, Facts& f)
{
    CWG_Notify* pCard = static_cast<CWG_Notify*>(p);
    f.strName = pCard->m_strTitle;
    f.strValue = pCard->m_strLabel1 + " " + pCard->m_strValue1 + "\r\n" + pCard->m_strLabel2 + " " +
                 pCard->m_strValue2 + "\r\n" + pCard->m_strLabel3 + " " + pCard->m_strValue3;
    f.bHasValue = TRUE;
    f.dwState |= STATE_SYSTEM_READONLY;
}

void Nothing(CVRK_WG*, Facts&) {}

// A new element class is one row: its class test, its MSAA role, its
// default action (ACT_PRESS and ACT_TOGGLE click it; the action's name is
// "Press", "Toggle" or what the describe function sets), a describe
// function for its name, value and own states (Caption<T> for a class with
// m_strCaption), and TRUE only for a list whose rows are children.
struct Kind
{
    bool (*pfnIs)(CVRK_WG*);
    long nRole;
    Action action;
    void (*pfnDescribe)(CVRK_WG*, Facts&);
    BOOL bRows;
};

const Kind s_kinds[] = {
    { Is<CWG_Button>,      ROLE_SYSTEM_PUSHBUTTON,  ACT_PRESS,  Caption<CWG_Button>, FALSE },
    { Is<CWG_LabelButton>, ROLE_SYSTEM_PUSHBUTTON,  ACT_PRESS,  Caption<CWG_LabelButton>, FALSE },
    { Is<CWG_CptButton>,   ROLE_SYSTEM_PUSHBUTTON,  ACT_PRESS,  Caption<CWG_CptButton>, FALSE },
    { Is<CWG_Radio>,       ROLE_SYSTEM_RADIOBUTTON, ACT_TOGGLE, CheckState, FALSE },
    { Is<CWG_Check>,       ROLE_SYSTEM_CHECKBUTTON, ACT_TOGGLE, CheckState, FALSE },
    { Is<CWG_Label>,       ROLE_SYSTEM_STATICTEXT,  ACT_NONE,   LabelText, FALSE },
    { Is<CWG_Combo>,       ROLE_SYSTEM_COMBOBOX,    ACT_NONE,   ComboField, FALSE },
    { Is<CWG_PassWord>,    ROLE_SYSTEM_TEXT,        ACT_NONE,   PassWordField, FALSE },
    { Is<CWG_Text>,        ROLE_SYSTEM_TEXT,        ACT_NONE,   TextField, FALSE },
    { Is<CWG_List>,        ROLE_SYSTEM_LIST,        ACT_NONE,   Nothing, TRUE },
    { Is<CWG_TextArea>,    ROLE_SYSTEM_TEXT,        ACT_NONE,   AreaField, FALSE },
    { Is<CWG_TimeText>,    ROLE_SYSTEM_TEXT,        ACT_NONE,   TimeField, FALSE },
    { Is<CWG_ImageButton>, ROLE_SYSTEM_PUSHBUTTON,  ACT_PRESS,  Nothing, FALSE },
    { Is<CWG_ActImgButton>, ROLE_SYSTEM_PUSHBUTTON, ACT_PRESS,  PictureButton, FALSE },
    { Is<CWG_ProgressBar>, ROLE_SYSTEM_PROGRESSBAR, ACT_NONE,   ProgressValue, FALSE },
    { Is<CWG_LoopGear>,    ROLE_SYSTEM_ANIMATION,   ACT_NONE,   GearState, FALSE },
    { Is<CWG_StandBrowse>, ROLE_SYSTEM_SLIDER,      ACT_NONE,   SliderValue, FALSE },
    { Is<CWG_CurveSign>,   ROLE_SYSTEM_CHECKBUTTON, ACT_TOGGLE, LegendState, FALSE },
    { Is<CWG_Notify>,      ROLE_SYSTEM_STATICTEXT,  ACT_NONE,   CardText, FALSE },
};

// An element of a class not in the table (an application's own) is a
// plain client area with the name the application registered.
const Kind s_unknown = { Is<CVRK_WG>, ROLE_SYSTEM_CLIENT, ACT_NONE, Nothing, FALSE };

const Kind& KindOf(CVRK_WG* p)
{
    for (const Kind& k : s_kinds)
        if (k.pfnIs(p))
            return k;
    return s_unknown;
}

CRect ToScreen(HWND hWnd, CRect rc)
{
    ::ClientToScreen(hWnd, reinterpret_cast<POINT*>(&rc.left));
    ::ClientToScreen(hWnd, reinterpret_cast<POINT*>(&rc.right));
    return rc;
}

// An element's inclusive rectangle as a right- and bottom-exclusive one.
CRect Outer(const CRect& rc) { return CRect(rc.left, rc.top, rc.right + 1, rc.bottom + 1); }

BSTR ToBSTR(const CString& s)
{
    const int n = ::MultiByteToWideChar(CP_ACP, 0, s, s.GetLength(), nullptr, 0);
    BSTR b = ::SysAllocStringLen(nullptr, n);
    if (b && n)
        ::MultiByteToWideChar(CP_ACP, 0, s, s.GetLength(), b, n);
    return b;
}

// ---- the IAccessible shell -----------------------------------------------------
//
// The three objects (panel, list, open menu) differ only in how they count,
// describe and act on their children; the COM plumbing is shared here.

class CAccBase : public IAccessible
{
public:
    explicit CAccBase(CWGAccessSite* pSite) : m_nRefs(1), m_pSite(pSite) { m_pSite->AddRef(); }
    virtual ~CAccBase() { m_pSite->Release(); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv)
    {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_Acc)
        {
            *ppv = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() { return ::InterlockedIncrement(&m_nRefs); }
    STDMETHODIMP_(ULONG) Release()
    {
        const LONG n = ::InterlockedDecrement(&m_nRefs);
        if (n == 0)
            delete this;
        return n;
    }

    // IDispatch: clients call the vtable; no type information is offered.
    STDMETHODIMP GetTypeInfoCount(UINT* pn) { if (pn) *pn = 0; return pn ? S_OK : E_POINTER; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) { return E_NOTIMPL; }

    // IAccessible
    STDMETHODIMP get_accParent(IDispatch** ppdisp);
    STDMETHODIMP get_accChildCount(long* pn);
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdisp);
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pbstr);
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pbstr);
    STDMETHODIMP get_accDescription(VARIANT, BSTR* pbstr) { return Empty(pbstr); }
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvar);
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvar);
    STDMETHODIMP get_accHelp(VARIANT, BSTR* pbstr) { return Empty(pbstr); }
    STDMETHODIMP get_accHelpTopic(BSTR* pbstr, VARIANT, long* pn) { if (pn) *pn = 0; return Empty(pbstr); }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT, BSTR* pbstr) { return Empty(pbstr); }
    STDMETHODIMP get_accFocus(VARIANT* pvar);
    STDMETHODIMP get_accSelection(VARIANT* pvar) { if (pvar) pvar->vt = VT_EMPTY; return pvar ? S_FALSE : E_POINTER; }
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pbstr);
    STDMETHODIMP accSelect(long nFlags, VARIANT varChild);
    STDMETHODIMP accLocation(long* px, long* py, long* pcx, long* pcy, VARIANT varChild);
    STDMETHODIMP accNavigate(long nDir, VARIANT varStart, VARIANT* pvar);
    STDMETHODIMP accHitTest(long x, long y, VARIANT* pvar);
    STDMETHODIMP accDoDefaultAction(VARIANT varChild);
    STDMETHODIMP put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

protected:
    // Each returns FALSE (or -1) when the panel or the object's subject is
    // gone. nChild is 0 for the object itself, else 1..Count().
    virtual long Count(CVRK_WGPANEL* pPanel) = 0;
    virtual BOOL Describe(CVRK_WGPANEL* pPanel, long nChild, Facts& f) = 0;
    // The object of a child that has children of its own, else null.
    virtual IDispatch* ChildObject(CVRK_WGPANEL*, long) { return nullptr; }
    virtual IDispatch* ParentObject(CVRK_WGPANEL* pPanel) = 0;
    // The child at a screen point: 0 itself, -1 outside.
    virtual long HitChild(CVRK_WGPANEL* pPanel, CPoint ptScreen) = 0;
    // The focused child: 0 itself, -1 none.
    virtual long FocusChild(CVRK_WGPANEL*) { return -1; }
    virtual HRESULT Act(CVRK_WGPANEL*, long) { return DISP_E_MEMBERNOTFOUND; }
    virtual HRESULT Focus(CVRK_WGPANEL*, long) { return DISP_E_MEMBERNOTFOUND; }
    // The last child whose location holds the point, else 0 when the
    // object's own does, else -1.
    long HitByDescription(CVRK_WGPANEL* pPanel, CPoint ptScreen)
    {
        for (long i = Count(pPanel); i >= 0; --i)
        {
            Facts f;
            if (Describe(pPanel, i, f) && f.rcScreen.PtInRect(ptScreen))
                return i;
        }
        return -1;
    }

    volatile LONG m_nRefs;
    CWGAccessSite* m_pSite;

private:
    static HRESULT Empty(BSTR* pbstr) { if (!pbstr) return E_POINTER; *pbstr = nullptr; return S_FALSE; }
    // The live panel and the child a VARIANT names, or the error to answer.
    HRESULT Resolve(const VARIANT& v, CVRK_WGPANEL*& pPanel, long& nChild);
    HRESULT Read(const VARIANT& v, Facts& f);
    HRESULT Text(const VARIANT& v, BSTR* pbstr, const char* (*pfnPick)(const Facts&), HRESULT hrNone);
    HRESULT Number(const VARIANT& v, VARIANT* pvar, long (*pfnPick)(const Facts&));
    template <class Pick> HRESULT PickChild(VARIANT* pvar, Pick pick);
    // VT_DISPATCH for a child with an object of its own, else VT_I4.
    void ChildVariant(CVRK_WGPANEL* pPanel, long nChild, VARIANT* pvar);
};

HRESULT CAccBase::Resolve(const VARIANT& v, CVRK_WGPANEL*& pPanel, long& nChild)
{
    pPanel = m_pSite->Panel();
    if (!pPanel && !m_pSite->Menu())
        return CO_E_OBJNOTCONNECTED;
    if (v.vt != VT_I4)
        return E_INVALIDARG;
    const long nCount = Count(pPanel);
    if (nCount < 0)
        return CO_E_OBJNOTCONNECTED;
    nChild = v.lVal;
    return nChild >= 0 && nChild <= nCount ? S_OK : E_INVALIDARG;
}

HRESULT CAccBase::Read(const VARIANT& v, Facts& f)
{
    CVRK_WGPANEL* pPanel;
    long nChild;
    HRESULT hr = Resolve(v, pPanel, nChild);
    if (FAILED(hr))
        return hr;
    if (!Describe(pPanel, nChild, f))
        return CO_E_OBJNOTCONNECTED;
    return S_OK;
}

void CAccBase::ChildVariant(CVRK_WGPANEL* pPanel, long nChild, VARIANT* pvar)
{
    IDispatch* pObject = nChild > 0 ? ChildObject(pPanel, nChild) : nullptr;
    if (pObject)
    {
        pvar->vt = VT_DISPATCH;
        pvar->pdispVal = pObject;
    }
    else
    {
        pvar->vt = VT_I4;
        pvar->lVal = nChild;
    }
}

STDMETHODIMP CAccBase::get_accParent(IDispatch** ppdisp)
{
    if (!ppdisp)
        return E_POINTER;
    *ppdisp = nullptr;
    CVRK_WGPANEL* pPanel = m_pSite->Panel();
    if (!pPanel && !m_pSite->Menu())
        return CO_E_OBJNOTCONNECTED;
    *ppdisp = ParentObject(pPanel);
    return *ppdisp ? S_OK : S_FALSE;
}

STDMETHODIMP CAccBase::get_accChildCount(long* pn)
{
    if (!pn)
        return E_POINTER;
    *pn = 0;
    CVRK_WGPANEL* pPanel = m_pSite->Panel();
    const long n = pPanel || m_pSite->Menu() ? Count(pPanel) : -1;
    if (n < 0)
        return CO_E_OBJNOTCONNECTED;
    *pn = n;
    return S_OK;
}

STDMETHODIMP CAccBase::get_accChild(VARIANT varChild, IDispatch** ppdisp)
{
    if (!ppdisp)
        return E_POINTER;
    *ppdisp = nullptr;
    CVRK_WGPANEL* pPanel;
    long nChild;
    HRESULT hr = Resolve(varChild, pPanel, nChild);
    if (FAILED(hr))
        return hr;
    if (nChild == 0)
        return E_INVALIDARG;
    *ppdisp = ChildObject(pPanel, nChild);
    return *ppdisp ? S_OK : S_FALSE;
}

// A string of a child: S_FALSE (or hrNone) with no string when the
// child has none.
HRESULT CAccBase::Text(const VARIANT& v, BSTR* pbstr, const char* (*pfnPick)(const Facts&), HRESULT hrNone)
{
    if (!pbstr)
        return E_POINTER;
    *pbstr = nullptr;
    Facts f;
    HRESULT hr = Read(v, f);
    if (FAILED(hr))
        return hr;
    const char* psz = pfnPick(f);
    if (!psz)
        return hrNone;
    *pbstr = ToBSTR(psz);
    return S_OK;
}

HRESULT CAccBase::Number(const VARIANT& v, VARIANT* pvar, long (*pfnPick)(const Facts&))
{
    if (!pvar)
        return E_POINTER;
    pvar->vt = VT_EMPTY;
    Facts f;
    HRESULT hr = Read(v, f);
    if (FAILED(hr))
        return hr;
    pvar->vt = VT_I4;
    pvar->lVal = pfnPick(f);
    return S_OK;
}

STDMETHODIMP CAccBase::get_accName(VARIANT varChild, BSTR* pbstr)
{
    return Text(varChild, pbstr, [](const Facts& f) -> const char* {
        return f.strName.IsEmpty() ? nullptr : (const char*)f.strName;
    }, S_FALSE);
}

STDMETHODIMP CAccBase::get_accValue(VARIANT varChild, BSTR* pbstr)
{
    return Text(varChild, pbstr, [](const Facts& f) -> const char* {
        return f.bHasValue ? (const char*)f.strValue : nullptr;
    }, DISP_E_MEMBERNOTFOUND);
}

STDMETHODIMP CAccBase::get_accDefaultAction(VARIANT varChild, BSTR* pbstr)
{
    return Text(varChild, pbstr, [](const Facts& f) { return f.pszAction; }, S_FALSE);
}

STDMETHODIMP CAccBase::get_accRole(VARIANT varChild, VARIANT* pvar)
{
    return Number(varChild, pvar, [](const Facts& f) { return f.nRole; });
}

STDMETHODIMP CAccBase::get_accState(VARIANT varChild, VARIANT* pvar)
{
    return Number(varChild, pvar, [](const Facts& f) { return (long)f.dwState; });
}

// The child a question picks (0 itself, -1 none) as a VARIANT.
template <class Pick> HRESULT CAccBase::PickChild(VARIANT* pvar, Pick pick)
{
    if (!pvar)
        return E_POINTER;
    pvar->vt = VT_EMPTY;
    CVRK_WGPANEL* pPanel = m_pSite->Panel();
    if (!pPanel && !m_pSite->Menu())
        return CO_E_OBJNOTCONNECTED;
    const long nChild = pick(pPanel);
    if (nChild < 0)
        return S_FALSE;
    ChildVariant(pPanel, nChild, pvar);
    return S_OK;
}

STDMETHODIMP CAccBase::get_accFocus(VARIANT* pvar)
{
    return PickChild(pvar, [this](CVRK_WGPANEL* pPanel) { return FocusChild(pPanel); });
}

STDMETHODIMP CAccBase::accSelect(long nFlags, VARIANT varChild)
{
    CVRK_WGPANEL* pPanel;
    long nChild;
    HRESULT hr = Resolve(varChild, pPanel, nChild);
    if (FAILED(hr))
        return hr;
    return nFlags == SELFLAG_TAKEFOCUS ? Focus(pPanel, nChild) : DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP CAccBase::accLocation(long* px, long* py, long* pcx, long* pcy, VARIANT varChild)
{
    if (!px || !py || !pcx || !pcy)
        return E_POINTER;
    *px = *py = *pcx = *pcy = 0;
    Facts f;
    HRESULT hr = Read(varChild, f);
    if (FAILED(hr))
        return hr;
    *px = f.rcScreen.left;
    *py = f.rcScreen.top;
    *pcx = f.rcScreen.Width();
    *pcy = f.rcScreen.Height();
    return S_OK;
}

STDMETHODIMP CAccBase::accNavigate(long nDir, VARIANT varStart, VARIANT* pvar)
{
    if (!pvar)
        return E_POINTER;
    pvar->vt = VT_EMPTY;
    CVRK_WGPANEL* pPanel;
    long nChild;
    HRESULT hr = Resolve(varStart, pPanel, nChild);
    if (FAILED(hr))
        return hr;
    const long nCount = Count(pPanel);
    long nTo = -1;
    if (nChild == 0)
    {
        if (nDir == NAVDIR_FIRSTCHILD)
            nTo = 1;
        else if (nDir == NAVDIR_LASTCHILD)
            nTo = nCount;
        else
            return S_FALSE;     // siblings of this object are its parent's business
    }
    else if (nDir == NAVDIR_NEXT || nDir == NAVDIR_DOWN || nDir == NAVDIR_RIGHT)
        nTo = nChild + 1;
    else if (nDir == NAVDIR_PREVIOUS || nDir == NAVDIR_UP || nDir == NAVDIR_LEFT)
        nTo = nChild - 1;
    else
        return E_INVALIDARG;    // a simple child has no children
    if (nTo < 1 || nTo > nCount)
        return S_FALSE;
    ChildVariant(pPanel, nTo, pvar);
    return S_OK;
}

STDMETHODIMP CAccBase::accHitTest(long x, long y, VARIANT* pvar)
{
    return PickChild(pvar, [this, x, y](CVRK_WGPANEL* pPanel) { return HitChild(pPanel, CPoint(x, y)); });
}

STDMETHODIMP CAccBase::accDoDefaultAction(VARIANT varChild)
{
    CVRK_WGPANEL* pPanel;
    long nChild;
    HRESULT hr = Resolve(varChild, pPanel, nChild);
    if (FAILED(hr))
        return hr;
    return nChild > 0 ? Act(pPanel, nChild) : DISP_E_MEMBERNOTFOUND;
}

// ---- the panel's children ------------------------------------------------------

// The n-th (1-based) visible element, or null.
CVRK_WG* NthVisible(CVRK_WGPANEL* pPanel, long n)
{
    for (long i = 0; i < pPanel->m_nWGCount; ++i)
    {
        CVRK_WG* p = pPanel->m_pWG[i];
        if (p && p->m_bVisible && --n == 0)
            return p;
    }
    return nullptr;
}

long Visible(CVRK_WGPANEL* pPanel)
{
    long n = 0;
    for (long i = 0; i < pPanel->m_nWGCount; ++i)
        n += pPanel->m_pWG[i] && pPanel->m_pWG[i]->m_bVisible;
    return n;
}

// The child id of a visible element, -1 for another.
long ChildOf(CVRK_WGPANEL* pPanel, CVRK_WG* pWG)
{
    long n = 0;
    for (long i = 0; i < pPanel->m_nWGCount; ++i)
        if (pPanel->m_pWG[i] && pPanel->m_pWG[i]->m_bVisible)
        {
            ++n;
            if (pPanel->m_pWG[i] == pWG)
                return n;
        }
    return -1;
}

CVRK_MENUWND* OpenMenu(CVRK_WGPANEL* pPanel)
{
    CVRK_MENUWND* pMenu = pPanel->m_pPopMenu;
    return pMenu && pMenu->m_hWnd && pMenu->m_bShown ? pMenu : nullptr;
}

void DescribeElement(CWGAccessSite* pSite, CVRK_WGPANEL* pPanel, CVRK_WG* pWG, Facts& f)
{
    const Kind& kind = KindOf(pWG);
    {
        // Fields only: a worker thread may be painting this element.
        CVRK_WGLock lock(&pPanel->m_csLock, TRUE);
        kind.pfnDescribe(pWG, f);
        f.rcScreen = Outer(pWG->m_rect);
        f.dwState |= pWG->m_bEnable ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
        if (pWG->m_nIndex == pPanel->m_nNowWG)
            f.dwState |= STATE_SYSTEM_FOCUSED;
        if (pWG->m_nIndex == pPanel->m_nMouseWG)
            f.dwState |= STATE_SYSTEM_HOTTRACKED;
    }
    const CString strRegistered = pSite->Name(pWG->m_nIndex);
    if (!strRegistered.IsEmpty())
        f.strName = strRegistered;
    f.nRole = kind.nRole;
    if (kind.action != ACT_NONE && !f.pszAction)
        f.pszAction = kind.action == ACT_PRESS ? "Press" : "Toggle";
    if (!pWG->m_bEnable)
        f.pszAction = nullptr;
    f.rcScreen = ToScreen(pPanel->m_hWnd, f.rcScreen);
}

class CAccPanel : public CAccBase
{
public:
    using CAccBase::CAccBase;

protected:
    long Count(CVRK_WGPANEL* pPanel) { return Visible(pPanel) + (OpenMenu(pPanel) ? 1 : 0); }
    BOOL Describe(CVRK_WGPANEL* pPanel, long nChild, Facts& f);
    IDispatch* ChildObject(CVRK_WGPANEL* pPanel, long nChild);
    IDispatch* ParentObject(CVRK_WGPANEL* pPanel)
    {
        IDispatch* p = nullptr;
        ::AccessibleObjectFromWindow(pPanel->m_hWnd, (DWORD)OBJID_WINDOW, IID_IDispatch, (void**)&p);
        return p;
    }
    long HitChild(CVRK_WGPANEL* pPanel, CPoint ptScreen);
    long FocusChild(CVRK_WGPANEL* pPanel)
    {
        CVRK_WG* pNow = pPanel->m_nNowWG >= 0 ? pPanel->m_pWG[pPanel->m_nNowWG] : nullptr;
        const long n = pNow ? ChildOf(pPanel, pNow) : -1;
        return n > 0 ? n : (::GetFocus() == pPanel->m_hWnd ? 0 : -1);
    }
    HRESULT Act(CVRK_WGPANEL* pPanel, long nChild);
    HRESULT Focus(CVRK_WGPANEL* pPanel, long nChild)
    {
        CVRK_WG* pWG = NthVisible(pPanel, nChild);
        if (!pWG)
            return DISP_E_MEMBERNOTFOUND;
        // As Tab does: the focus moves, then both elements show it.
        const long nOld = pPanel->m_nNowWG, nNew = pWG->m_nIndex;
        pPanel->SetNowWG(nNew);
        if (m_pSite->Panel() == pPanel)
        {
            pPanel->RefreshWG(nOld);
            pPanel->RefreshWG(nNew);
        }
        return S_OK;
    }
};

// The rows of a list on screen, as children.
class CAccRows : public CAccBase
{
public:
    CAccRows(CWGAccessSite* pSite, CVRK_WG* pList) : CAccBase(pSite), m_pSubject(pList) {}

protected:
    // The subject, if it is still a visible element of the panel. Compared
    // as an address first: a destroyed element is never touched.
    CWG_List* List(CVRK_WGPANEL* pPanel)
    {
        for (long i = 0; i < pPanel->m_nWGCount; ++i)
            if (pPanel->m_pWG[i] == m_pSubject && m_pSubject->m_bVisible)
                return dynamic_cast<CWG_List*>(m_pSubject);
        return nullptr;
    }
    // First row on screen and number of rows on screen.
    static void Rows(CWG_List* pList, long& nFirst, long& nRows)
    {
        nFirst = std::max(0L, pList->m_nFirstRow);
        nRows = std::max(0L, std::min(pList->m_nShowRows, pList->m_nRowCount - nFirst));
    }

    long Count(CVRK_WGPANEL* pPanel)
    {
        CWG_List* pList = List(pPanel);
        if (!pList)
            return -1;
        long nFirst, nRows;
        Rows(pList, nFirst, nRows);
        return nRows;
    }
    BOOL Describe(CVRK_WGPANEL* pPanel, long nChild, Facts& f);
    IDispatch* ParentObject(CVRK_WGPANEL*) { return new CAccPanel(m_pSite); }
    long HitChild(CVRK_WGPANEL* pPanel, CPoint ptScreen) { return HitByDescription(pPanel, ptScreen); }
    long FocusChild(CVRK_WGPANEL* pPanel)
    {
        CWG_List* pList = List(pPanel);
        return pList && pPanel->m_nNowWG == pList->m_nIndex ? 0 : -1;
    }

private:
    CVRK_WG* m_pSubject;
};

// A popup menu window and its rows. Its site is the menu's own.
class CAccMenu : public CAccBase
{
public:
    using CAccBase::CAccBase;

protected:
    long Count(CVRK_WGPANEL*)
    {
        CVRK_MENUWND* pMenu = m_pSite->Menu();
        return pMenu ? pMenu->m_nItemCount : -1;
    }
    BOOL Describe(CVRK_WGPANEL*, long nChild, Facts& f);
    IDispatch* ParentObject(CVRK_WGPANEL*)
    {
        IDispatch* p = nullptr;
        ::AccessibleObjectFromWindow(m_pSite->Menu()->m_hWnd, (DWORD)OBJID_WINDOW, IID_IDispatch, (void**)&p);
        return p;
    }
    long HitChild(CVRK_WGPANEL* pPanel, CPoint ptScreen) { return HitByDescription(pPanel, ptScreen); }
};

BOOL CAccPanel::Describe(CVRK_WGPANEL* pPanel, long nChild, Facts& f)
{
    const HWND hWnd = pPanel->m_hWnd;
    if (nChild == 0)
    {
        char szText[256] = "";
        ::GetWindowTextA(hWnd, szText, sizeof(szText));
        f.strName = szText;
        f.nRole = ROLE_SYSTEM_CLIENT;
        f.dwState = STATE_SYSTEM_FOCUSABLE | (::GetFocus() == hWnd ? STATE_SYSTEM_FOCUSED : 0);
        CRect rc;
        ::GetClientRect(hWnd, &rc);
        f.rcScreen = ToScreen(hWnd, rc);
        return TRUE;
    }
    if (CVRK_WG* pWG = NthVisible(pPanel, nChild))
    {
        DescribeElement(m_pSite, pPanel, pWG, f);
        return TRUE;
    }
    if (CVRK_MENUWND* pMenu = nChild == Visible(pPanel) + 1 ? OpenMenu(pPanel) : nullptr)
    {
        f.nRole = ROLE_SYSTEM_MENUPOPUP;
        f.rcScreen = pMenu->m_rcWindow;
        return TRUE;
    }
    return FALSE;
}

IDispatch* CAccPanel::ChildObject(CVRK_WGPANEL* pPanel, long nChild)
{
    if (CVRK_WG* pWG = NthVisible(pPanel, nChild))
        return KindOf(pWG).bRows ? new CAccRows(m_pSite, pWG) : nullptr;
    CVRK_MENUWND* pMenu = nChild == Visible(pPanel) + 1 ? OpenMenu(pPanel) : nullptr;
    return pMenu ? pMenu->AccessSite()->MenuObject() : nullptr;
}

long CAccPanel::HitChild(CVRK_WGPANEL* pPanel, CPoint ptScreen)
{
    // The open menu lies above the panel's elements.
    if (CVRK_MENUWND* pMenu = OpenMenu(pPanel))
        if (pMenu->m_rcWindow.PtInRect(ptScreen))
            return Visible(pPanel) + 1;
    CPoint pt = ptScreen;
    ::ScreenToClient(pPanel->m_hWnd, &pt);
    CRect rcClient;
    ::GetClientRect(pPanel->m_hWnd, &rcClient);
    if (!rcClient.PtInRect(pt))
        return -1;
    // The topmost, as the panel routes the mouse (disabled ones count too:
    // a reader shows them as unavailable).
    for (long i = pPanel->m_nWGCount - 1; i >= 0; --i)
    {
        CVRK_WG* p = pPanel->m_pWG[i];
        if (p && p->m_bVisible && Outer(p->m_rect).PtInRect(pt))
            return ChildOf(pPanel, p);
    }
    return 0;
}

HRESULT CAccPanel::Act(CVRK_WGPANEL* pPanel, long nChild)
{
    CVRK_WG* pWG = NthVisible(pPanel, nChild);
    if (!pWG || KindOf(pWG).action == ACT_NONE)
        return DISP_E_MEMBERNOTFOUND;
    if (!pWG->m_bEnable)
        return E_FAIL;
    // As a click on it: it becomes the current element, then is pressed and
    // released at its centre. Each step may run the application, which may
    // destroy the element or the panel: check before the next one.
    const long nIndex = pWG->m_nIndex;
    const CPoint pt = pWG->m_rect.CenterPoint();
    auto alive = [&] { return m_pSite->Panel() == pPanel && pPanel->m_pWG[nIndex] == pWG; };
    if (pPanel->m_nNowWG != nIndex)
    {
        pPanel->SetNowWG(nIndex);
        if (!alive())
            return S_OK;
    }
    pWG->OnButtonDown(pt, 0);
    if (alive())
        pWG->OnButtonUp(pt, 0);
    return S_OK;
}

BOOL CAccRows::Describe(CVRK_WGPANEL* pPanel, long nChild, Facts& f)
{
    CWG_List* pList = List(pPanel);
    if (!pList)
        return FALSE;
    const HWND hWnd = pPanel->m_hWnd;
    if (nChild == 0)
    {
        DescribeElement(m_pSite, pPanel, pList, f);
        return TRUE;
    }
    long nFirst, nRows;
    CRect rc;
    DWORD dwState = 0;
    {
        CVRK_WGLock lock(&pPanel->m_csLock, TRUE);
        Rows(pList, nFirst, nRows);
        if (nChild > nRows)
            return FALSE;
        const long nTop = pList->m_rect.top + pList->m_nCaptionHeight + (nChild - 1) * pList->m_nRowHeight;
        rc = CRect(pList->m_rect.left, nTop, pList->m_rect.right + 1, nTop + pList->m_nRowHeight);
        dwState = pList->m_ChoosedRows.Find(nFirst + nChild - 1) >= 0 ? STATE_SYSTEM_SELECTED : 0;
    }
    f.nRole = ROLE_SYSTEM_LISTITEM;
    f.dwState = dwState | (pList->m_bCanChoose ? STATE_SYSTEM_SELECTABLE : 0) |
                (pList->m_bEnable ? 0 : STATE_SYSTEM_UNAVAILABLE);
    f.rcScreen = ToScreen(hWnd, rc);
    // The application's data, asked outside the lock.
    f.strName = pList->GetData(nFirst + nChild - 1, 0);
    return TRUE;
}

BOOL CAccMenu::Describe(CVRK_WGPANEL*, long nChild, Facts& f)
{
    CVRK_MENUWND* pMenu = m_pSite->Menu();
    if (!pMenu)
        return FALSE;
    if (nChild == 0)
    {
        f.nRole = ROLE_SYSTEM_MENUPOPUP;
        f.dwState = pMenu->m_bShown ? 0 : STATE_SYSTEM_INVISIBLE;
        f.rcScreen = pMenu->m_rcWindow;
        return TRUE;
    }
    if (nChild > pMenu->m_nItemCount)
        return FALSE;
    const CWGMenuItem& it = pMenu->m_Items[nChild - 1];
    if (it.m_strCaption == "----")
        f.nRole = ROLE_SYSTEM_SEPARATOR;
    else
    {
        f.nRole = ROLE_SYSTEM_MENUITEM;
        f.strName = it.m_bSubmenu ? it.m_strCaption.Mid(1) : it.m_strCaption;
    }
    f.dwState = (it.m_bEnable ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE) |
                (pMenu->m_nHotItem == nChild - 1 ? STATE_SYSTEM_HOTTRACKED : 0) |
                (it.m_bSubmenu ? STATE_SYSTEM_HASPOPUP : 0);
    const long nTop = pMenu->m_rcWindow.top + pMenu->m_nMarginTop + (nChild - 1) * pMenu->m_nItemHeight;
    f.rcScreen = CRect(pMenu->m_rcWindow.left, nTop, pMenu->m_rcWindow.right, nTop + pMenu->m_nItemHeight);
    return TRUE;
}

} // namespace

// ---- the panel's side ------------------------------------------------------------

CVRK_WGPANEL* CWGAccessSite::Panel() const
{
    return m_pPanel && m_pPanel->m_hWnd ? m_pPanel : nullptr;
}

CVRK_MENUWND* CWGAccessSite::Menu() const
{
    return m_pMenu && m_pMenu->m_hWnd ? m_pMenu : nullptr;
}

IDispatch* CWGAccessSite::MenuObject()
{
    return new CAccMenu(this);
}

void CWGAccessSite::SetName(long nIndex, const char* pszName)
{
    for (Named& n : m_names)
        if (n.nIndex == nIndex)
        {
            n.strName = pszName ? pszName : "";
            return;
        }
    if (pszName && *pszName)
        m_names.push_back(Named{ nIndex, pszName });
}

CString CWGAccessSite::Name(long nIndex) const
{
    for (const Named& n : m_names)
        if (n.nIndex == nIndex)
            return n.strName;
    return CString();
}

LRESULT CWGAccessSite::OnGetObject(WPARAM wParam)
{
    CAccBase* pAcc = m_pMenu ? static_cast<CAccBase*>(new CAccMenu(this)) : new CAccPanel(this);
    const LRESULT lr = ::LresultFromObject(IID_Acc, wParam, static_cast<IAccessible*>(pAcc));
    pAcc->Release();
    return lr;
}
