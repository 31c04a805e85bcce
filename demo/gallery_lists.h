// Gallery page "Lists": a list of a million generated rows, asked for only
// the rows it shows; every seventh row is special, every eleventh special
// in the other way, one row is marked, several are chosen, and the view
// starts part way down. The choice shows in the summary below it; a
// double-click shows in the gallery's title.
#pragma once
#include "gallery_page.h"

class CGalleryList : public CWG_List
{
public:
    enum { ROWS = 1000000 };
    virtual void LoadData() { m_nRowCount = ROWS; }
    virtual CString GetData(long nRow, long nTier);
    virtual int IfSpeRow(long nRow) { return nRow % 7 == 0; }
    virtual int IfSpeRowEx(long nRow) { return nRow % 11 == 0; }
};

class CGalleryLists : public CGalleryPage
{
public:
    enum { WIDTH = 440, LIST_H = 200, FIRST_ROW = 412340 };

    CWG_Label m_lblTitle;
    CGalleryList m_list;
    CWG_Label m_lblSummary;

    virtual const char* Name() const { return "Lists"; }
    virtual BOOL OnWGCommand(long nIndex, long nCode);

protected:
    virtual int Build(long x, long y);

private:
    void ShowSummary(BOOL bRepaint);
};
