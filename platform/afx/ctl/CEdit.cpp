#include "ctl/CEdit.h"
#include "wnd/AfxControlClass.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QIntValidator>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>
#include <QRegularExpressionValidator>
#include <QTextBlock>
#include <QTextCursor>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

namespace {

QLineEdit* line(const CWnd* w) { return qobject_cast<QLineEdit*>(w->GetQWidget()); }
QPlainTextEdit* multi(const CWnd* w) { return qobject_cast<QPlainTextEdit*>(w->GetQWidget()); }

void applyStyle(QWidget* w, DWORD style)
{
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setReadOnly(style & ES_READONLY);
        e->setEchoMode(style & ES_PASSWORD ? QLineEdit::Password : QLineEdit::Normal);
        Qt::Alignment a = style & ES_RIGHT ? Qt::AlignRight : (style & ES_CENTER ? Qt::AlignHCenter : Qt::AlignLeft);
        e->setAlignment(a | Qt::AlignVCenter);
        if (style & ES_NUMBER)
            e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
        e->setFrame(style & WS_BORDER);
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
        p->setReadOnly(style & ES_READONLY);
        p->setTabChangesFocus(true);
        p->setLineWrapMode(style & ES_AUTOHSCROLL ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        // Each line of a multi-line field aligned as the style asks.
        QTextOption option = p->document()->defaultTextOption();
        option.setAlignment(style & ES_RIGHT ? Qt::AlignRight : (style & ES_CENTER ? Qt::AlignHCenter : Qt::AlignLeft));
        p->document()->setDefaultTextOption(option);
    }
}

QWidget* create(const AfxControlCreate& cc)
{
    QWidget* w;
    if (cc.style & ES_MULTILINE) {
        auto* p = new QPlainTextEdit(cc.parent);
        p->setPlainText(cc.text.ToQString());
        w = p;
    } else {
        auto* e = new QLineEdit(cc.parent);
        e->setText(cc.text.ToQString());
        e->setMaxLength(30000);  // Windows' default limit of an edit
        w = e;
    }
    applyStyle(w, cc.style);
    w->setGeometry(cc.rect);
    w->setFocusPolicy(cc.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    return w;
}

LRESULT proc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    CEdit* edit = static_cast<CEdit*>(pWnd);
    handled = true;
    switch (message) {
    case WM_SETFOCUS:
        AfxNotifyParent(pWnd->m_hWnd, EN_SETFOCUS);
        break;
    case WM_KILLFOCUS:
        AfxNotifyParent(pWnd->m_hWnd, EN_KILLFOCUS);
        break;
    case EM_SETSEL:
        edit->SetSel((int)wParam, (int)lParam);
        return 0;
    case EM_GETSEL:
        return (LRESULT)edit->GetSel();
    case EM_SCROLLCARET:
        // A line edit keeps its caret in view by itself; moving the caret
        // there would drop the selection that usually comes just before.
        if (QPlainTextEdit* p = multi(pWnd))
            p->ensureCursorVisible();
        return TRUE;
    case EM_LIMITTEXT:
        edit->SetLimitText((UINT)wParam);
        return 0;
    case EM_SETREADONLY:
        return edit->SetReadOnly((BOOL)wParam);
    case EM_REPLACESEL:
        edit->ReplaceSel(reinterpret_cast<LPCTSTR>(lParam));
        return 0;
    case EM_GETMODIFY:
        return edit->GetModify();
    case EM_SETMODIFY:
        edit->SetModify((BOOL)wParam);
        return 0;
    case EM_GETLINECOUNT:
        return edit->GetLineCount();
    case WM_STYLECHANGED:
        applyStyle(pWnd->GetQWidget(), pWnd->GetStyle());
        return 0;
    case WM_GETDLGCODE:
        return DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS
            | ((pWnd->GetStyle() & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN) ? DLGC_WANTMESSAGE : 0);
    }
    handled = false;
    return 0;
}

void connect(QWidget* w, HWND h)
{
    auto notify = [h] { AfxNotifyParent(h, EN_CHANGE); };
    if (auto* e = qobject_cast<QLineEdit*>(w))
        QObject::connect(e, &QLineEdit::textChanged, e, notify);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        QObject::connect(p, &QPlainTextEdit::textChanged, p, notify);
}

} // namespace

void AfxRegisterEditClass()
{
    AfxRegisterControlClass({ "Edit", &create, [] { return static_cast<CWnd*>(new CEdit); }, &proc, &connect });
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("Edit", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL)
{
    // As Windows: a start of -1 removes the selection, an end of -1 means the end.
    if (QLineEdit* e = line(this)) {
        int len = e->text().size();
        if (nStartChar < 0) {
            e->deselect();
            return;
        }
        int end = nEndChar < 0 || nEndChar > len ? len : nEndChar;
        int start = qMin(nStartChar, len);
        e->setSelection(start, end - start);
    } else if (QPlainTextEdit* p = multi(this)) {
        QTextCursor c = p->textCursor();
        int len = p->toPlainText().size();
        if (nStartChar < 0) {
            c.clearSelection();
        } else {
            c.setPosition(qMin(nStartChar, len));
            c.setPosition(nEndChar < 0 || nEndChar > len ? len : nEndChar, QTextCursor::KeepAnchor);
        }
        p->setTextCursor(c);
    }
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel((int)(short)LOWORD(dwSelection), (int)(short)HIWORD(dwSelection), bNoScroll);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    nStartChar = nEndChar = 0;
    if (QLineEdit* e = line(this)) {
        if (e->hasSelectedText()) {
            nStartChar = e->selectionStart();
            nEndChar = nStartChar + e->selectedText().size();
        } else {
            nStartChar = nEndChar = e->cursorPosition();
        }
    } else if (QPlainTextEdit* p = multi(this)) {
        nStartChar = p->textCursor().selectionStart();
        nEndChar = p->textCursor().selectionEnd();
    }
}

DWORD CEdit::GetSel() const
{
    int s = 0, e = 0;
    GetSel(s, e);
    return (DWORD)MAKELONG(s, e);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL)
{
    QString text = AfxQ(lpszNewText);
    if (QLineEdit* e = line(this))
        e->insert(text);
    else if (QPlainTextEdit* p = multi(this))
        p->insertPlainText(text);
}

void CEdit::Clear() { ReplaceSel(""); }

void CEdit::SetLimitText(UINT nMax)
{
    if (QLineEdit* e = line(this))
        e->setMaxLength(nMax == 0 ? 32767 : (int)qMin<UINT>(nMax, 32767));
}

UINT CEdit::GetLimitText() const
{
    QLineEdit* e = line(this);
    return e ? (UINT)e->maxLength() : 32767;
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    if (QLineEdit* e = line(this))
        e->setReadOnly(bReadOnly);
    else if (QPlainTextEdit* p = multi(this))
        p->setReadOnly(bReadOnly);
    if (WndRecord* rec = WndHandleTable::find(m_hWnd))
        rec->style = bReadOnly ? rec->style | ES_READONLY : rec->style & ~ES_READONLY;
    return TRUE;
}

void CEdit::SetPasswordChar(TCHAR ch)
{
    if (QLineEdit* e = line(this))
        e->setEchoMode(ch ? QLineEdit::Password : QLineEdit::Normal);
}

BOOL CEdit::GetModify() const
{
    if (QLineEdit* e = line(this))
        return e->isModified();
    QPlainTextEdit* p = multi(this);
    return p && p->document()->isModified();
}

void CEdit::SetModify(BOOL bModified)
{
    if (QLineEdit* e = line(this))
        e->setModified(bModified);
    else if (QPlainTextEdit* p = multi(this))
        p->document()->setModified(bModified);
}

int CEdit::GetLineCount() const
{
    QPlainTextEdit* p = multi(this);
    return p ? p->blockCount() : 1;
}
