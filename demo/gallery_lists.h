// Gallery page "Lists": a list of a million generated rows, asked for only
// the rows it shows; every seventh row is special, every eleventh special
// in the other way, one row is marked, several are chosen, and the view
// starts part way down. The choice shows in the summary below it; a
// double-click shows in the gallery's title. Below it, an order form edited
// in place, with add and delete rows.
#pragma once
#include "gallery_page.h"
#include <vector>

class CGalleryList : public CWG_List
{
public:
    enum { ROWS = 1000000 };
    virtual void LoadData() { m_nRowCount = ROWS; }
    virtual CString GetData(long nRow, long nTier);
    virtual int IfSpeRow(long nRow) { return nRow % 7 == 0; }
    virtual int IfSpeRowEx(long nRow) { return nRow % 11 == 0; }
};

// An order form edited in place: names and quantities, a delete icon on
// every row and an add row at the end.
class CGalleryOrder : public CWG_EditListWith_Add_Delete
{
public:
    std::vector<CString> m_names;
    std::vector<unsigned long> m_counts;
    virtual void LoadData() { m_nRowCount = (long)m_names.size(); }
    virtual CString GetData(long nRow, long nTier);
    virtual CString GetEditBuffer(long nRow) { return GetData(nRow, m_nEditTier); }
    virtual void SetEditBuffer(long nRow, CString strText);
    virtual void OnWillEidtBuffer(long nRow, long nTier) { m_Editor.m_bNumberOnly = nTier == 1; }
    virtual void OnAddData(long& nRowCount);
    virtual void OnDeleteData(long nRow, long& nRowCount);
};

class CGalleryLists : public CGalleryPage
{
public:
    enum { WIDTH = 440, LIST_H = 100, FIRST_ROW = 412340, ORDER_H = 104 };

    CWG_Label m_lblTitle;
    CGalleryList m_list;
    CWG_Label m_lblSummary;
    CGalleryOrder m_order;

    virtual const char* Name() const { return "Lists"; }
    virtual BOOL OnWGCommand(long nIndex, long nCode);
    virtual void BeforeScreenshot();
    virtual void AfterScreenshot();

protected:
    virtual int Build(long x, long y);
    // The page shows every element it made: the order's editor only while editing.
    virtual void OnShow(BOOL bShow);

private:
    void ShowSummary(BOOL bRepaint);
};
