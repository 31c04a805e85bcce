// The element kinds and host windows that the event storm, the leak check
// and the benchmarks iterate over. Adding a kind is one entry in
// ElementKinds() (or HostKinds() for a window that hosts a panel); every
// harness then covers it.
//
// Needs only wg.h (no GoogleTest), so the benchmarks can use it too.
#pragma once
#include "wg.h"
#include <memory>
#include <string>
#include <vector>

namespace wgkinds {

struct ElementKind
{
    const char* name;
    long w, h;   // a sensible size for it; harnesses may pass another
    // Creates the element on pPanel at (x, y) with size w x h. The caller
    // owns it (delete through CVRK_WG*) and keeps it alive while the panel
    // can still route events to it or paint it.
    CVRK_WG* (*create)(CVRK_WGPANEL* pPanel, long x, long y, long w, long h);
    // The native Win32 control a user would pick instead (benchmarks), or
    // null when there is none: window class, BS_/SS_ style bits, text.
    const char* nativeClass;
    DWORD nativeStyle;
    const char* nativeText;
    // Optional state rule of this kind, checked by the storm after every
    // event: returns an empty string when it holds, else what is wrong.
    std::string (*check)(const CVRK_WG* pWG);
};

// A list whose row count changes at every load: it grows, drops to 0 and
// to 1, reaches 2^31-1, and now and then shrinks inside a cell request.
class KindList : public CWG_List
{
public:
    unsigned long m_nLoads = 0;
    virtual void LoadData()
    {
        static const long counts[] = { 40, 0, 1, 2147483647, 3, 2147483647, 1000, 1, 0, 25 };
        m_nRowCount = counts[m_nLoads++ % 10];
    }
    virtual CString GetData(long nRow, long)
    {
        if (m_nLoads % 7 == 0)
            m_nRowCount = (long)(m_nLoads % 3);
        CString s;
        s.Format("%ld", nRow);
        return s;
    }
};

// An edit list whose row count changes at loads (now and then inside a
// cell request), with every tier editable: a click on a row edits it.
class KindEditList : public CWG_EditList
{
public:
    unsigned long m_nLoads = 0;
    virtual void LoadData()
    {
        static const long counts[] = { 40, 40, 0, 3, 40, 1000000, 2, 40 };
        m_nRowCount = counts[m_nLoads++ % 8];
    }
    virtual CString GetData(long nRow, long)
    {
        if (m_nLoads % 11 == 0)
            m_nRowCount = 1;
        CString s;
        s.Format("%ld", nRow);
        return s;
    }
    virtual CString GetEditBuffer(long nRow) { return GetData(nRow, 0); }
};

// Add and delete rows over records that the requests change: adds are now
// and then refused, deletes now and then ignored.
class KindAddDelete : public CWG_EditListWith_Add_Delete
{
public:
    long m_nRecords = 4;
    unsigned long m_nAsked = 0;
    virtual void LoadData() { m_nRowCount = m_nRecords; }
    virtual void OnAddData(long& n)
    {
        if (++m_nAsked % 3 == 0)
            --n;
        else if (m_nRecords < 30)
            ++m_nRecords;
    }
    virtual void OnDeleteData(long, long&)
    {
        if (++m_nAsked % 4 != 0 && m_nRecords > 0)
            --m_nRecords;
    }
};

// The editor is shown only over a visible editable cell of a row the
// application has, and the choice lies within those rows (as of the last
// load).
inline std::string EditorRules(const CVRK_WG* pWG)
{
    const CWG_EditList* l = static_cast<const CWG_EditList*>(pWG);
    const long nData = l->m_nRowCount - l->m_nFooterRows;
    // The choice within the data rows, footers (the add row) never chosen.
    for (long i = 0; i < l->m_ChoosedRows.GetSize(); ++i)
        if (l->m_ChoosedRows[i] < 0 || l->m_ChoosedRows[i] >= nData)
            return "chosen row " + std::to_string(l->m_ChoosedRows[i]) + " outside " + std::to_string(nData) +
                   " data rows";
    if (!l->m_Editor.m_bVisible)
        return "";
    if (l->m_nEditRow < l->m_nFirstRow || l->m_nEditRow >= l->m_nFirstRow + l->m_nShowRows ||
        l->m_nEditRow >= nData || l->m_EditTiers.Find(l->m_nEditTier) < 0)
        return "editor shown over row " + std::to_string(l->m_nEditRow) + " tier " + std::to_string(l->m_nEditTier) +
               " (first row " + std::to_string(l->m_nFirstRow) + ", " + std::to_string(l->m_nShowRows) +
               " shown, " + std::to_string(nData) + " data rows)";
    return "";
}

// The rules of the text kinds: caret and selection ends on character
// boundaries inside the text (the caret may wait between a lead byte just
// typed and its trail); a password shows one asterisk per byte.
inline std::string TextRules(const CVRK_WG* pWG)
{
    CWG_Text* t = const_cast<CWG_Text*>(static_cast<const CWG_Text*>(pWG));   // IfCharCN is not const
    const CWG_PassWord* pw = dynamic_cast<const CWG_PassWord*>(pWG);
    const long n = t->m_strText.GetLength();
    if (t->m_nLength != n)
        return "m_nLength disagrees with the text";
    // A boundary: walking characters from 0 lands on it.
    auto onBoundary = [&](long i) {
        long j = 0;
        while (j < i)
            j += ((BYTE)t->m_strText[(int)j] & 0x80) ? 2 : 1;
        return j == i || i == n;
    };
    if (t->m_nCaret < 0 || t->m_nCaret > n)
        return "caret outside the text";
    if (!pw && !onBoundary(t->m_nCaret) && !t->TrailPending())
        return "caret inside a character";
    for (long i : { t->m_nSelAnchor, t->m_nSelEnd })
        if (t->m_bSelected && (i < 0 || i > n || (!pw && !onBoundary(i))))
        {
            std::string s = "selection end outside the text or inside a character: anchor " +
                            std::to_string(t->m_nSelAnchor) + ", end " + std::to_string(t->m_nSelEnd) +
                            ", caret " + std::to_string(t->m_nCaret) + ", bytes";
            for (long j = 0; j < n; ++j)
                s += " " + std::to_string((BYTE)t->m_strText[(int)j]);
            return s;
        }
    if (pw && (pw->m_strPassWord.GetLength() != n || t->m_strText != CString('*', (int)n)))
        return "password shows other than one asterisk per byte";
    return "";
}

// The text area: caret and selection ends on character boundaries inside
// the laid-out text, the layout's values in range.
inline std::string TextAreaRules(const CVRK_WG* pWG)
{
    CWG_TextArea* a = const_cast<CWG_TextArea*>(static_cast<const CWG_TextArea*>(pWG));   // IfInCN is not const
    const long nReach = a->ReachEnd();
    for (long i : { a->m_nCaret, a->m_nSelAnchor, a->m_nSelEnd })
        if (i < 0 || i > nReach || a->IfInCN(i))
            return "caret " + std::to_string(a->m_nCaret) + " or selection " + std::to_string(a->m_nSelAnchor) + ".." +
                   std::to_string(a->m_nSelEnd) + " outside the text or inside a character (reach " +
                   std::to_string(nReach) + ")";
    if (nReach > a->m_strText.GetLength() || a->m_nRowCount < 0 || a->m_nRowCount > CWG_TextArea::ROW_LIMIT + 1)
        return "layout past the text: reach " + std::to_string(nReach) + ", rows " + std::to_string(a->m_nRowCount);
    return "";
}

// The time text keeps its format: digits, the three words, a space and a
// colon, each in its place.
inline std::string TimeTextRules(const CVRK_WG* pWG)
{
    const CWG_TimeText* t = static_cast<const CWG_TimeText*>(pWG);
    const std::string s((LPCSTR)t->m_strTime, t->m_strTime.GetLength());
    const std::string want = std::string(t->m_nYearOffset ? "dddd" : "dd") + "\xC4\xEA" "dd\xD4\xC2" "dd\xC8\xD5" " dd:dd";
    bool ok = s.size() == want.size();
    for (size_t i = 0; ok && i < s.size(); ++i)
        ok = want[i] == 'd' ? (s[i] >= '0' && s[i] <= '9') : s[i] == want[i];
    if (!ok)
        return "time text left its format: " + s;
    if (t->m_nNowPart < -1 || t->m_nNowPart > 4)
        return "part " + std::to_string(t->m_nNowPart) + " out of -1..4";
    return "";
}

inline const std::vector<ElementKind>& ElementKinds()
{
    static const std::vector<ElementKind> s_kinds = {
        { "element", 80, 19,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CVRK_WG* e = new CVRK_WG;
              e->Create(p, x, y, w, h);
              return e;
          },
          "STATIC", SS_LEFT | WS_BORDER, "", nullptr },
        { "button", 80, 19,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_Button* b = new CWG_Button;
              b->Create(p, "Button", x, y, w, h, FALSE);
              return b;
          },
          "BUTTON", BS_PUSHBUTTON, "Button",
          [](const CVRK_WG* pWG) -> std::string {
              // The skin covers the whole surface: the base never fills or
              // borders a push button.
              const CWG_Button* b = static_cast<const CWG_Button*>(pWG);
              if (b->m_bBorder || b->m_bFillBG)
                  return "button lost its no-border/no-fill setting";
              return "";
          } },
        { "check", 100, 18,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_Check* c = new CWG_Check;
              c->Create(p, "Check", x, y, w, FALSE);
              c->NewWH(w, h);
              return c;
          },
          "BUTTON", BS_AUTOCHECKBOX, "Check",
          [](const CVRK_WG* pWG) -> std::string {
              const CWG_Check* c = static_cast<const CWG_Check*>(pWG);
              if (c->m_nValue != 0 && c->m_nValue != 1)
                  return "check value is neither 0 nor 1";
              return "";
          } },
        { "radio", 100, 18,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              // Each starts its own group: the one radio stays checked.
              CWG_Radio* r = new CWG_Radio;
              r->Create(p, "Radio", x, y, w);
              r->NewWH(w, h);
              return r;
          },
          "BUTTON", BS_AUTORADIOBUTTON, "Radio",
          [](const CVRK_WG* pWG) -> std::string {
              const CWG_Radio* r = static_cast<const CWG_Radio*>(pWG);
              if (!r->m_pGroup || *r->m_pGroup != r->m_nIndex || r->m_nValue != 1)
                  return "a radio alone in its group is not its checked radio";
              return "";
          } },
        { "label", 120, 22,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_Label* l = new CWG_Label;
              l->Create(p, x, y, w);
              l->m_strCaption = "Label";
              l->NewWH(w, h);
              return l;
          },
          "STATIC", SS_LEFT, "Label",
          [](const CVRK_WG* pWG) -> std::string {
              const CWG_Label* l = static_cast<const CWG_Label*>(pWG);
              if (l->m_bOverCopy && !l->m_bHover)
                  return "over the copy square without hover";
              return "";
          } },
        { "label button", 100, 20,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_LabelButton* b = new CWG_LabelButton;
              b->Create(p, "Link", x, y, w, h);
              return b;
          },
          "STATIC", SS_LEFT | SS_NOTIFY, "Link",
          [](const CVRK_WG* pWG) -> std::string {
              const CWG_LabelButton* b = static_cast<const CWG_LabelButton*>(pWG);
              if (b->m_nState < 0 || b->m_nState > 2 || (b->m_nState == 2 && !b->m_bPressMode))
                  return "label button state out of its looks";
              return "";
          } },
        { "label button on release", 100, 20,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_LabelButton* b = new CWG_LabelButton;
              b->m_bPressMode = 1;
              b->Create(p, "Link", x, y, w, h);
              return b;
          },
          "STATIC", SS_LEFT | SS_NOTIFY, "Link", nullptr },
        { "caption button", 60, 14,
          // Sized by its caption: the harness's size only lasts until the
          // next draw.
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_CptButton* b = new CWG_CptButton;
              b->Create(p, "Caption", x, y);
              return b;
          },
          "BUTTON", BS_PUSHBUTTON | BS_FLAT, "Caption", nullptr },
        { "list", 160, 100,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              static CString caps[3] = { "Name", "Size", "Kind" };
              KindList* l = new KindList;
              l->Create(p, x, y, w, h, caps, 3, 16);
              return l;
          },
          nullptr, 0, nullptr,
          [](const CVRK_WG* pWG) -> std::string {
              // Against the row count of the last load, whatever it was.
              const CWG_List* l = static_cast<const CWG_List*>(pWG);
              const long n = l->m_nRowCount;
              for (long i = 0; i < l->m_ChoosedRows.GetSize(); ++i)
                  if (l->m_ChoosedRows[i] < 0 || l->m_ChoosedRows[i] >= n)
                      return "chosen row " + std::to_string(l->m_ChoosedRows[i]) + " outside " +
                             std::to_string(n) + " rows";
              if (l->m_nFirstRow < 0 || l->m_nFirstRow > (n > 0 ? n - 1 : 0))
                  return "first row " + std::to_string(l->m_nFirstRow) + " outside " + std::to_string(n) + " rows";
              // The thumb as the last paint placed it, while the list shows
              // at the size it was painted with and its track can hold it.
              const long top = l->m_nCaptionHeight + 15, end = l->m_nHeight - 15;
              if (l->m_bVisible && !l->m_bRecreateBitmap && l->m_nShowRows >= 1 && l->m_nShowRows <= n &&
                  end - top >= l->m_nThumbHeight &&
                  (l->m_nThumbTop < top || l->m_nThumbTop + l->m_nThumbHeight > end))
                  return "thumb " + std::to_string(l->m_nThumbTop) + "+" + std::to_string(l->m_nThumbHeight) +
                         " outside its track " + std::to_string(top) + ".." + std::to_string(end);
              return "";
          } },
        { "text", 120, 21,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_Text* t = new CWG_Text;
              t->Create(p, x, y, w, h);
              t->SetTextStrQuiet("Text \xD6\xD0\xCE\xC4");
              return t;
          },
          "EDIT", ES_AUTOHSCROLL | WS_BORDER, "Text \xD6\xD0\xCE\xC4", TextRules },
        { "password", 120, 21,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_PassWord* t = new CWG_PassWord;
              t->Create(p, x, y, w, h);
              t->SetTextStrQuiet("pw\xD6\xD0");
              return t;
          },
          "EDIT", ES_AUTOHSCROLL | ES_PASSWORD | WS_BORDER, "pw\xD6\xD0", TextRules },
        { "text area", 160, 70,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_TextArea* a = new CWG_TextArea;
              a->Create(p, x, y, w, h);
              a->SetTextStr("Area \xD6\xD0\xCE\xC4 text\rsecond row wraps past the width of the area\rthird");
              return a;
          },
          "EDIT", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER,
          "Area \xD6\xD0\xCE\xC4 text\r\nsecond row wraps past the width of the area\r\nthird", TextAreaRules },
        { "time text", 150, 21,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              // The two formats in turn.
              static int s_nMade = 0;
              CWG_TimeText* t = new CWG_TimeText;
              t->Create(p, x, y, w, h, s_nMade++ & 1);
              return t;
          },
          nullptr, 0, nullptr, TimeTextRules },
        { "image button", 21, 22,
          // Sized by its picture (skin 3007 stands in for the application's).
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_ImageButton* b = new CWG_ImageButton;
              b->m_bNotifyUp = (x / 8) % 2;
              b->Create(p, 3007, x, y);
              return b;
          },
          nullptr, 0, nullptr,
          [](const CVRK_WG* pWG) -> std::string {
              const CWG_ImageButton* b = static_cast<const CWG_ImageButton*>(pWG);
              if (b->m_bPressed && !b->m_bNotifyUp)
                  return "held without reporting the release";
              return "";
          } },
        { "active image button", 56, 34,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              // Four frames of the check box skin, a check button every
              // other place, mirrored now and then, with a caption.
              CWG_ActImgButton* b = new CWG_ActImgButton;
              b->m_strCaption = "Go";
              b->m_bDisabledFrame = 1;
              b->Create(p, 3004, 3, x, y, w, h, 28, 17, (x / 8) % 2, (y / 8) % 2);
              return b;
          },
          nullptr, 0, nullptr,
          [](const CVRK_WG* pWG) -> std::string {
              const CWG_ActImgButton* b = static_cast<const CWG_ActImgButton*>(pWG);
              if (b->m_nState < 0 || b->m_nState > 2)
                  return "state out of its frames";
              if (b->m_ppGroup && *b->m_ppGroup && *b->m_ppGroup != b)
                  return "a group of one checked through another button";
              return "";
          } },
        { "progress bar", 160, 27,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_ProgressBar* b = new CWG_ProgressBar;
              b->Create(p, x, y, w, FALSE);
              b->SetProgressQuiet(70);
              return b;
          },
          nullptr, 0, nullptr, nullptr },
        { "progress bar on a worker", 160, 27,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_ProgressBar* b = new CWG_ProgressBar;
              b->m_strText = "busy";
              b->Create(p, x, y, w, TRUE);
              b->SetProgressQuiet(100);
              return b;
          },
          nullptr, 0, nullptr,
          [](const CVRK_WG* pWG) -> std::string {
              const CWG_ProgressBar* b = static_cast<const CWG_ProgressBar*>(pWG);
              const long n = b->m_nShown;   // read once: the worker moves it
              if (n < 0 || n > 100)
                  return "shown percentage outside 0..100";
              return "";
          } },
        { "loop gear", 90, 80,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_LoopGear* g = new CWG_LoopGear;
              g->Create(p, x, y, w, h);
              return g;
          },
          nullptr, 0, nullptr,
          [](const CVRK_WG* pWG) -> std::string {
              const long n = static_cast<const CWG_LoopGear*>(pWG)->m_nFrame;
              return n < 0 || n > 2 ? "frame outside 0..2" : "";
          } },
        { "stand browse", 58, 127,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_StandBrowse* s = new CWG_StandBrowse;
              s->m_nUpperScale = 3;
              s->Create(p, "Zoom", x, y);
              return s;
          },
          nullptr, 0, nullptr,
          [](const CVRK_WG* pWG) -> std::string {
              const CWG_StandBrowse* s = static_cast<const CWG_StandBrowse*>(pWG);
              return s->m_bDragging && s->m_bMoving ? "dragging and walking at once" : "";
          } },
        { "curve sign", 47, 17,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              static CPen s_outline(PS_SOLID, 3, 0xC0C0C0), s_curve(PS_SOLID, 1, 0x0000FF);
              CWG_CurveSign* c = new CWG_CurveSign;
              c->m_strCaption = "Curve";
              c->Create(p, x, y, (x / 8) % 2 ? &s_outline : nullptr, &s_curve);
              return c;
          },
          nullptr, 0, nullptr, nullptr },
        { "information card", 100, 102,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              static CString s_labels[3] = { "Speed", "Done", "Left" };
              CString title = "Copying", v1 = "12 MB/s", v2 = "40%", v3 = "3 min";
              CWG_Notify* n = new CWG_Notify;
              n->Create(p, s_labels, x, y);
              n->SetContent(&title, &v1, &v2, &v3);
              n->m_bVisible = (y / 8) % 2;
              return n;
          },
          nullptr, 0, nullptr, nullptr },
        { "combo", 120, 20,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              CWG_Combo* c = new CWG_Combo;
              c->Create(p, x, y, w, h);
              for (int i = 0; i < 14; ++i)
              {
                  CString s;
                  s.Format("Choice %d", i);
                  c->addAnElement(s);
              }
              return c;
          },
          "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, "",
          [](const CVRK_WG* pWG) -> std::string {
              // An open list holds the capture, so no two are open at once.
              CWG_Combo* c = const_cast<CWG_Combo*>(static_cast<const CWG_Combo*>(pWG));
              if (c->isMenuListInDisplay() && ::GetCapture() != c->m_pMenuList->m_hWnd)
                  return "drop-down open without the capture";
              if (c->m_nCheckedIndex < -1 || c->m_nCheckedIndex >= c->m_nElementCount)
                  return "choice " + std::to_string(c->m_nCheckedIndex) + " outside the texts";
              return TextRules(pWG);
          } },
        { "edit list", 160, 110,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              static CString caps[3] = { "Name", "Size", "Kind" };
              static long tiers[3] = { 0, 1, 2 };
              KindEditList* l = new KindEditList;
              l->Create(p, x, y, w, h, caps, 3, tiers, 3);
              return l;
          },
          nullptr, 0, nullptr, EditorRules },
        { "edit list add delete", 160, 110,
          [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
              static CString caps[2] = { "Name", "Size" };
              static long tiers[2] = { 0, 1 };
              KindAddDelete* l = new KindAddDelete;
              l->Create(p, x, y, w, h, 2, caps, 2, tiers, 1);
              l->m_strAddText = "Add";
              return l;
          },
          nullptr, 0, nullptr, EditorRules },
    };
    return s_kinds;
}

// A window that hosts one panel. The harness creates the panel object (so
// it can use a derived, recording panel) and its elements; the host makes
// the panel's window. Destroying the host destroys the panel's window, so
// delete the host before the elements.
class Host
{
public:
    CVRK_WGPANEL* m_pPanel = nullptr;
    virtual ~Host() {}
    // The top-level window the panel lives in.
    virtual CWnd* TopWindow() = 0;
    // Gives the panel a client area of cx x cy (through its window, as a
    // user's resize would).
    virtual void Resize(int cx, int cy) = 0;
};

struct HostKind
{
    const char* name;
    // Creates the panel's window inside a host of client size cx x cy.
    // pTop is a top-level window the harness keeps for the whole program;
    // hosts that make their own top-level window may ignore it. Null on
    // failure.
    std::unique_ptr<Host> (*open)(CWnd* pTop, CVRK_WGPANEL* pPanel, int cx, int cy);
};

// The panel straight on a plain top-level window, as a hand-made host does.
class PlainHost : public Host
{
public:
    CWnd* m_pTop = nullptr;
    ~PlainHost() override
    {
        if (m_pPanel && m_pPanel->m_hWnd)
            m_pPanel->DestroyWindow();
    }
    CWnd* TopWindow() override { return m_pTop; }
    void Resize(int cx, int cy) override { m_pPanel->MoveWindow(0, 0, cx, cy); }
};

// The panel in a modeless skinned dialog with its own frame. Escape may end
// the dialog (hiding it): the window and its panel stay, as a modeless
// dialog's do.
class DialogHost : public Host
{
public:
    std::unique_ptr<CVRK_DIALOG> m_pDialog;
    ~DialogHost() override
    {
        if (m_pDialog && m_pDialog->m_hWnd)
            m_pDialog->DestroyWindow();
    }
    CWnd* TopWindow() override { return m_pDialog.get(); }
    void Resize(int cx, int cy) override
    {
        CRect rcWindow, rcClient;
        m_pDialog->GetWindowRect(&rcWindow);
        m_pDialog->GetClientRect(&rcClient);
        m_pDialog->SetWindowPos(nullptr, 0, 0, rcWindow.Width() - rcClient.Width() + cx,
                                rcWindow.Height() - rcClient.Height() + cy,
                                SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

inline const std::vector<HostKind>& HostKinds()
{
    static const std::vector<HostKind> s_kinds = {
        { "plain window",
          [](CWnd* pTop, CVRK_WGPANEL* pPanel, int cx, int cy) -> std::unique_ptr<Host> {
              std::unique_ptr<PlainHost> h(new PlainHost);
              h->m_pTop = pTop;
              h->m_pPanel = pPanel;
              if (!pTop || !pPanel->Create(pTop))
                  return nullptr;
              pPanel->MoveWindow(0, 0, cx, cy);
              return std::unique_ptr<Host>(h.release());
          } },
        { "skinned dialog",
          [](CWnd* pTop, CVRK_WGPANEL* pPanel, int cx, int cy) -> std::unique_ptr<Host> {
              std::unique_ptr<DialogHost> h(new DialogHost);
              h->m_pPanel = pPanel;
              h->m_pDialog.reset(new CVRK_DIALOG(pTop));
              h->m_pDialog->m_pPanel = pPanel;
              h->m_pDialog->m_rcWindow.SetRect(30, 30, 30 + cx + 2 * CVRK_DIALOG::BORDER,
                                               30 + cy + CVRK_DIALOG::TITLE_HEIGHT + CVRK_DIALOG::BORDER);
              if (!h->m_pDialog->Create(pTop) || !pPanel->m_hWnd)
                  return nullptr;
              h->Resize(cx, cy);
              return std::unique_ptr<Host>(h.release());
          } },
    };
    return s_kinds;
}

// Owns the elements a harness made from the table, in creation order.
struct ElementSet
{
    std::vector<std::unique_ptr<CVRK_WG>> items;
    std::vector<const ElementKind*> kinds;   // kind of each item

    CVRK_WG* Add(const ElementKind& k, CVRK_WGPANEL* pPanel, long x, long y, long w, long h)
    {
        items.emplace_back(k.create(pPanel, x, y, w, h));
        kinds.push_back(&k);
        return items.back().get();
    }
    CVRK_WG* Add(const ElementKind& k, CVRK_WGPANEL* pPanel, long x, long y)
    {
        return Add(k, pPanel, x, y, k.w, k.h);
    }
    void Clear()
    {
        items.clear();
        kinds.clear();
    }
};

} // namespace wgkinds
