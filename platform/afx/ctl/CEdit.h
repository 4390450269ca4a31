// CEdit: the edit control (QLineEdit; QPlainTextEdit with ES_MULTILINE).
// EN_CHANGE comes from every text change (typed or set), EN_SETFOCUS and
// EN_KILLFOCUS from the focus messages, as Windows sends them.
#pragma once
#include "wnd/CWnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    DWORD GetSel() const;
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void Clear();
    void SetLimitText(UINT nMax);
    void LimitText(int nChars = 0) { SetLimitText((UINT)nChars); }
    UINT GetLimitText() const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    void SetPasswordChar(TCHAR ch);
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    int GetLineCount() const;
};

void AfxRegisterEditClass();
