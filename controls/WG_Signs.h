// CWG_CurveSign: a 47 x 17 chart legend entry, a short line in the curve's
// pen (over an optional outline pen) and a caption; a click toggles it
// (caption black or grey) and reports code 0.
// CWG_Notify: a framed card 102 pixels high with a coloured title and three
// label and value lines, as wide as its longest line. Starts hidden.
#pragma once
#include "VRK_WG.h"

// CWG_CurveSign: a chart legend entry made by Create with the panel,
// position and the curve's pens; a click toggles it and reports code 0.
class WG_API CWG_CurveSign : public CVRK_WG
{
public:
    enum { WIDTH = 47, HEIGHT = 17 };

    CString m_strCaption;
    int m_bOn;                  // 1 on (caption black), 0 off (grey)
    CPen* m_pOutlinePen;        // drawn first, under the curve pen; not owned, may be null
    CPen* m_pCurvePen;          // not owned; null draws no line

    CWG_CurveSign();
    virtual ~CWG_CurveSign();

    int Create(CVRK_WGPANEL* pParent, long x, long y, CPen* pOutlinePen, CPen* pCurvePen);
    int Create(CVRK_WGPANEL* pParent, long x, long y, CPen* pCurvePen);

    virtual void CreateMyBGDC(CDC* pDC);
    // Toggles, repaints, then reports code 0.
    virtual void OnButtonDown(CPoint point, long nButton);
};

// CWG_Notify: an information card made by Create with the panel, three
// labels and its position; SetContent fills the title and values, and the
// application shows it. Reports nothing.
class WG_API CWG_Notify : public CVRK_WG
{
public:
    enum { HEIGHT = 102 };

    CString m_strTitle;
    CString m_strLabel1, m_strValue1;
    CString m_strLabel2, m_strValue2;
    CString m_strLabel3, m_strValue3;

    CWG_Notify();
    virtual ~CWG_Notify();

    // pLabels: three labels (a null pointer leaves them empty). The width
    // is set at each draw.
    int Create(CVRK_WGPANEL* pParent, CString* pLabels, long x, long y);
    // Null pointers leave their string as it was. No repaint.
    void SetContent(CString* pTitle, CString* pValue1, CString* pValue2, CString* pValue3);

    // Sizes the card to its lines, then draws it over the base's fill.
    virtual void CreateMyBGDC(CDC* pDC);
};
