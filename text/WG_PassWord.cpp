#include "WG_PassWord.h"
#include "WG_TextMenu.h"
#include "VRK_WGPANEL.h"

CWG_PassWord::CWG_PassWord()
{
    m_bChooseAllOnFocus = TRUE;
    m_pMirror = &m_strPassWord;
}

CWG_PassWord::~CWG_PassWord() {}

void CWG_PassWord::SetTextStr(CString str)
{
    m_strPassWord = str;
    CWG_Text::SetTextStr(CString('*', m_strPassWord.GetLength()));
}

void CWG_PassWord::SetTextStrQuiet(CString str)
{
    m_strPassWord = str;
    CWG_Text::SetTextStrQuiet(CString('*', m_strPassWord.GetLength()));
}

void CWG_PassWord::KeepInStep()
{
    const int n = m_strText.GetLength();
    if (m_strPassWord.GetLength() > n)
        m_strPassWord = m_strPassWord.Left(n);
    else if (m_strPassWord.GetLength() < n)
        m_strPassWord += CString('*', n - m_strPassWord.GetLength());
}

void CWG_PassWord::Replace(long nFrom, long nTo, const CString& str)
{
    RemoveBytes(nFrom, nTo - nFrom);
    m_strPassWord.Insert((int)nFrom, str);
    m_strText.Insert((int)nFrom, CString('*', str.GetLength()));
    m_nLength = m_strText.GetLength();
}

void CWG_PassWord::OnChar(UINT nChar)
{
    KeepInStep();
    if (CharHandledFirst(nChar))
        return;
    if (nChar == VK_BACK)
    {
        // At 0 with nothing selected nothing goes, and it still reports.
        if (m_bSelected)
        {
            if (m_nScrollX < 0)
                m_nScrollX += SpanWidth(m_nSelMin, m_nSelMax);
            m_nCaret = m_nSelMin;
            m_bSelected = FALSE;
            RemoveBytes(m_nSelMin, m_nSelMax - m_nSelMin);
        }
        else if (m_nCaret > 0)
        {
            // The double-byte rule on the real text: a Chinese character
            // goes with both of its asterisks.
            const long nPrev = PrevStopIn(m_strPassWord, m_nCaret);
            if (m_nCaret - nPrev == 2)
            {
                RemoveBytes(nPrev, 2);
                m_nCaret = nPrev;
                if (m_nScrollX < 0)
                    ScrollCaretToRightEdge();
            }
            else
            {
                if (m_nScrollX < 0)
                    m_nScrollX += ByteWidth('*');
                RemoveBytes(m_nCaret - 1, 1);
                --m_nCaret;
            }
        }
    }
    else if (nChar >= 0x20)   // other control characters change nothing, and report
    {
        const char ch = (char)(BYTE)nChar;
        if (m_bNumberOnly && !(ch >= '0' && ch <= '9') && !(ch == '.' && !m_bIntegerOnly))
            return;
        if (m_bSelected)
        {
            m_bSelected = FALSE;
            Replace(m_nSelMin, m_nSelMax, CString(ch));
            m_nCaret = m_nSelMin + 1;
        }
        else
        {
            Replace(m_nCaret, m_nCaret, CString(ch));
            ++m_nCaret;
            ScrollToCaretRight();
        }
    }
    if (m_nLength > 0 && !Notify(CMD_CHANGED))
        return;
    Repaint();
}

void CWG_PassWord::OnMenuCommand(long nMenu, long nCommand)
{
    if (nCommand != EDIT_PASTE || m_bReadOnly)
    {
        // Copy and cut see only the asterisks; cut and delete come back
        // here through this class's Backspace.
        CWG_Text::OnMenuCommand(-1, nCommand);
        return;
    }
    CString str;
    if (!CWGTextClipboard::GetAnsi(m_pParent ? m_pParent->m_hWnd : nullptr, str))
        return;
    TakeText();
    KeepInStep();
    const long nAt = RemoveSelectionForPaste();
    Replace(nAt, nAt, str);
    // The caret's character boundaries are the real text's.
    CaretAfterPaste(nAt, str.GetLength(), m_strPassWord);
    ScrollToCaretRight();
    Repaint();
    Notify(CMD_CHANGED);
}
