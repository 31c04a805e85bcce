#include "gallery_text.h"
#include "gallery_probe.h"

int CGalleryText::Build(long x, long y)
{
    CVRK_WGPANEL* pPanel = m_pPanel;
    // GBK: "文本" (text)
    m_lblTitle.Create(pPanel, x, y, WIDTH - 10);
    m_lblTitle.m_strCaption = "\xCE\xC4\xB1\xBE Text - type, select with Shift or the mouse, Ctrl+C / X / V";

    const long xField = x + 10;
    long yRow = y + 30;
    m_txtPlain.Create(pPanel, xField, yRow, FIELD_W, FIELD_H);
    // GBK: "在此输入" (type here)
    m_txtPlain.m_strHint = "Hint: type here \xD4\xDA\xB4\xCB\xCA\xE4\xC8\xEB";

    m_txtNumber.Create(pPanel, xField + FIELD_W + 10, yRow, FIELD_W, FIELD_H);
    m_txtNumber.m_bNumberOnly = TRUE;
    m_txtNumber.m_bIntegerOnly = FALSE;
    m_txtNumber.m_strHint = "Numbers only: 0-9 - .";

    yRow += ROW;
    m_txtReadOnly.Create(pPanel, xField, yRow, FIELD_W, FIELD_H);
    m_txtReadOnly.m_bReadOnly = TRUE;
    // GBK: "只读" (read-only)
    m_txtReadOnly.SetTextStrQuiet("Read-only \xD6\xBB\xB6\xC1: select and copy");

    m_pwdSecret.Create(pPanel, xField + FIELD_W + 10, yRow, FIELD_W, FIELD_H);
    // GBK: "密码" (password): six bytes and two characters, eight asterisks
    m_pwdSecret.SetPassWordQuiet("secret\xC3\xDC\xC2\xEB");

    yRow += ROW;
    m_txtMixed.Create(pPanel, xField, yRow, 2 * FIELD_W + 10, FIELD_H);
    // GBK: "中文和 English 混排，宽窄字符" (Chinese and English mixed, wide and narrow)
    m_txtMixed.SetTextStrQuiet("\xD6\xD0\xCE\xC4\xBA\xCD English \xBB\xEC\xC5\xC5\xA3\xAC"
                               "\xBF\xED\xD5\xAD\xD7\xD6\xB7\xFB 123");
    m_txtMixed.m_nSelAnchor = 7;    // "English" selected
    m_txtMixed.m_nSelEnd = 14;
    m_txtMixed.m_bSelected = TRUE;
    m_txtMixed.m_bChooseAllOnFocus = FALSE;   // a click keeps what is selected

    m_lblSummary.Create(pPanel, x, yRow + 32, WIDTH - 10);
    m_lblSummary.m_strCaption = "Each field reports its changes here";

    const long yArea = yRow + 60;
    m_areaNotes.Create(pPanel, xField, yArea, AREA_W, AREA_H);
    // GBK paragraphs: "多行文本区：自动换行，..." (the multi-line area wraps
    // words and Chinese characters, Enter starts a new line, the wheel and
    // the bar on the right scroll) and "混排示例..." (a mixed sample).
    m_areaNotes.SetTextStr(
        "\xB6\xE0\xD0\xD0\xCE\xC4\xB1\xBE\xC7\xF8\xA3\xBA The text area wraps words and "
        "\xD6\xD0\xCE\xC4\xD7\xD6\xB7\xFB into rows.\r"
        "Enter starts a new row; the wheel and the bar on the right scroll.\r"
        "\xBB\xEC\xC5\xC5\xCA\xBE\xC0\xFD: GBK \xCB\xAB\xD7\xD6\xBD\xDA never splits.\r"
        "Select with Shift or the mouse; right-click for the edit menu.");
    m_areaNotes.m_nCaret = 0;
    m_areaNotes.m_strHint = "Notes";

    m_timeLong.Create(pPanel, xField + AREA_W + 10, yArea, TIME_W, FIELD_H, 0);
    m_timeShort.Create(pPanel, xField + AREA_W + 10, yArea + ROW, TIME_W, FIELD_H, 1);
    SYSTEMTIME st = {};
    st.wYear = 2026, st.wMonth = 12, st.wDay = 6, st.wHour = 7, st.wMinute = 15;
    m_timeLong.SetTimeQuiet(&st);
    m_timeShort.SetTimeQuiet(&st);
    m_timeLong.m_nNowPart = m_timeLong.m_nLastPart = CWG_TimeText::PART_MONTH;   // a part shown chosen

    const CVRK_WG* probed[] = { &m_txtPlain, &m_txtNumber, &m_txtReadOnly, &m_pwdSecret, &m_txtMixed,
                                &m_areaNotes, &m_timeLong, &m_timeShort };
    const char* const names[] = { "text.plain", "text.number", "text.readonly", "text.password", "text.mixed",
                                  "text.area", "text.time4", "text.time2" };
    for (int i = 0; i < 8; ++i)
        GalleryProbe::AddElement(names[i], probed[i]);
    return 1;
}

BOOL CGalleryText::OnWGCommand(long nIndex, long nCode)
{
    CString str;
    if (nIndex == m_areaNotes.m_nIndex)
        str.Format("text area: %d bytes", m_areaNotes.m_strText.GetLength());
    for (CWG_TimeText* t : { &m_timeLong, &m_timeShort })
        if (nIndex == t->m_nIndex)
        {
            const SYSTEMTIME st = t->GetTime();
            str.Format("time text: %04u-%02u-%02u %02u:%02u%s", st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute,
                       nCode == CWG_TimeText::CMD_NOW ? " (now)" : "");
        }
    if (!str.IsEmpty())
    {
        m_lblSummary.SetCaption(str);
        return TRUE;
    }
    CWG_Text* const fields[] = { &m_txtPlain, &m_txtNumber, &m_txtReadOnly, &m_txtMixed, &m_pwdSecret };
    const char* const names[] = { "plain", "number", "read-only", "mixed", "password" };
    for (int i = 0; i < 5; ++i)
    {
        if (fields[i]->m_nIndex != nIndex)
            continue;
        CString str;
        if (nCode == CWG_Text::CMD_FOCUS || nCode == CWG_Text::CMD_BLUR)
            str.Format("%s field %s the focus", names[i], nCode == CWG_Text::CMD_FOCUS ? "gained" : "lost");
        else if (fields[i]->m_nLastKey >= 0)
            str.Format("%s field: key %ld", names[i], fields[i]->m_nLastKey);
        else if (fields[i] == &m_pwdSecret)
            str.Format("password: %d bytes", m_pwdSecret.GetPassWord().GetLength());
        else
            str.Format("%s field: \"%s\"", names[i], (LPCSTR)fields[i]->GetTextStr());
        m_lblSummary.SetCaption(str);
        return TRUE;
    }
    return FALSE;
}

void CGalleryText::BeforeScreenshot()
{
    m_pPanel->SetNowWG(m_txtMixed.m_nIndex);
    m_txtMixed.m_nCaret = m_txtMixed.m_nSelEnd;
    m_pPanel->RefreshWG(m_txtMixed.m_nIndex);
    // A right click on the selection, as a person would make it.
    const CPoint pt(m_txtMixed.m_rect.left + 80, m_txtMixed.m_rect.top + 10);
    m_pPanel->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
}

void CGalleryText::AfterScreenshot()
{
    m_txtMixed.m_Menu.Shirk();
    m_pPanel->SetNowWG(-1);
}
