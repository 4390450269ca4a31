#include "CSchetEdit.h"

#include "ledmark.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CSchetEdit, CderivedEdit)

BEGIN_MESSAGE_MAP(CSchetEdit, CderivedEdit)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CSchetEdit::CSchetEdit()
    : m_bDebit(1)
{
}

CSchetEdit::~CSchetEdit() = default;

void CSchetEdit::OnKillFocus(CWnd* pNewWnd)
{
    CderivedEdit::OnKillFocus(pNewWnd);
    CString text;
    GetWindowText(text);
    if (text.Find('.') >= 0)
        return;
    const CString full = m_bDebit ? GL_GetFullSchDeb(text) : GL_GetFullSchKred(text);
    // A script that failed answers "" (and has told the user): the typed
    // account is kept rather than wiped.
    if (full.IsEmpty() && !text.IsEmpty())
        return;
    if (full != text)
        SetWindowText(full);
}

} // namespace nledmark
