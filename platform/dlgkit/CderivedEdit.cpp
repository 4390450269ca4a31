#include "CderivedEdit.h"
#include <QLineEdit>
#include <QValidator>

IMPLEMENT_DYNAMIC(CderivedEdit, CEdit)

BEGIN_MESSAGE_MAP(CderivedEdit, CEdit)
    ON_WM_KILLFOCUS()
    ON_WM_CHAR()
END_MESSAGE_MAP()

namespace {

const char* const kValidatorName = "dlgkit_kind";

QLineEdit* lineOf(const CWnd* w) { return qobject_cast<QLineEdit*>(w->GetQWidget()); }

} // namespace

CderivedEdit::CderivedEdit() = default;
CderivedEdit::~CderivedEdit() = default;

void CderivedEdit::SetType(int nType)
{
    m_nType = nType;
    m_pRuledWidget = nullptr;
    ApplyKind();
}

void CderivedEdit::ApplyKind()
{
    QLineEdit* e = lineOf(this);
    if (!e || e == m_pRuledWidget)
        return;
    m_pRuledWidget = e;
    // Only the kind's own validator is replaced; ES_NUMBER keeps its own.
    const QValidator* old = e->validator();
    bool ours = old && old->objectName() == QLatin1String(kValidatorName);
    if (!dlgkit::EditKindFilters(m_nType)) {
        if (ours) {
            e->setValidator(nullptr);
            delete old;
        }
        return;
    }
    if (old && !ours)
        return;
    QValidator* v = dlgkit::EditKindValidator(m_nType, e);
    v->setObjectName(QLatin1String(kValidatorName));
    e->setValidator(v);
    if (ours)
        delete old;
}

LRESULT CderivedEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The window may have been put under this object after SetType
    // (DDX_Control): the first message it gets puts the rules on.
    if (GetQWidget() != m_pRuledWidget)
        ApplyKind();
    return CEdit::WindowProc(message, wParam, lParam);
}

void CderivedEdit::SetFocus0()
{
    SetFocus();
    SetSel(0, -1);
}

void CderivedEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    QLineEdit* e = lineOf(this);
    if (!e || e->isReadOnly() || nChar < 0x20 || !dlgkit::EditKindFilters(m_nType)) {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    QString typed = dlgkit::EditTypedChar(m_nType, QChar((char16_t)nChar));
    int start = 0, end = 0;
    GetSel(start, end);
    QString text = e->text();
    if (!dlgkit::EditMayHold(m_nType, text.left(start) + typed + text.mid(end))) {
        MessageBeep(MB_OK);
        return;
    }
    ReplaceSel(CString(typed), TRUE);
}

void CderivedEdit::OnKillFocus(CWnd* pNewWnd)
{
    NormaliseOnLeaving();
    CEdit::OnKillFocus(pNewWnd);
}

void CderivedEdit::NormaliseOnLeaving()
{
    if (!dlgkit::EditKindFilters(m_nType) || !GetModify())
        return;
    CString text;
    GetWindowText(text);
    bool ok = true;
    CString shown = dlgkit::EditLeavingForm(m_nType, text, ok);
    if (!ok) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    if (shown != text) {
        SetWindowText(shown);
        SetModify(TRUE);
    }
}
