#include "ctl/CComboBox.h"
#include "ctl/AfxListSearch.h"
#include "wnd/AfxControlClass.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <cstring>

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {

// The list of a combo box closes before Qt puts the chosen entry in place, so
// for a choice the close-up waits for the selection: CBN_SELCHANGE,
// CBN_SELENDOK, then CBN_CLOSEUP, as the window system sends them. A list
// closed without a choice sends CBN_SELENDCANCEL and CBN_CLOSEUP at once.
class Combo : public QComboBox {
public:
    explicit Combo(QWidget* parent) : QComboBox(parent)
    {
        // Installed after the list's own filters, so it sees a choosing key or
        // click before the list acts on it.
        view()->installEventFilter(this);
        view()->viewport()->installEventFilter(this);
        view()->parentWidget()->installEventFilter(this);
    }
    bool sorted = false;
    bool dropped = false;
    bool picking = false;  // a choosing key or click is on its way
    bool closing = false;  // the list closed for a choice not yet in place
    void showPopup() override
    {
        picking = closing = false;
        notify(CBN_DROPDOWN);
        dropped = true;
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (!dropped)
            return;
        dropped = false;
        if (picking) {
            picking = false;
            closing = true;
            return;
        }
        notify(CBN_SELENDCANCEL);
        notify(CBN_CLOSEUP);
    }
    // The user's choice is in place (QComboBox::activated).
    void chosen()
    {
        notify(CBN_SELCHANGE);
        notify(CBN_SELENDOK);
        if (closing) {
            closing = false;
            notify(CBN_CLOSEUP);
        }
    }
    void notify(UINT code)
    {
        if (WndRecord* rec = WndHandleTable::findWidget(this))
            AfxNotifyParent(rec->hwnd, code);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        const QEvent::Type type = e->type();
        if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::MouseButtonPress
            && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
            return QComboBox::eventFilter(o, e);
        // Every key and click in the open list says anew whether it chooses;
        // Enter chooses at its shortcut check, before the key press itself.
        bool choosing = false;
        if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) && o == view()) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            choosing = (key == Qt::Key_Return || key == Qt::Key_Enter) && view()->currentIndex().isValid();
        } else if (type == QEvent::MouseButtonRelease && o == view()->viewport()) {
            choosing = view()->indexAt(static_cast<QMouseEvent*>(e)->position().toPoint()).isValid();
        }
        picking = choosing && dropped;
        if (picking) {
            // A choice the list then ignores leaves nothing behind.
            QMetaObject::invokeMethod(this, [this] { picking = false; }, Qt::QueuedConnection);
        }
        return QComboBox::eventFilter(o, e);
    }
};

Combo* combo(const CWnd* w) { return dynamic_cast<Combo*>(w->GetQWidget()); }

QWidget* create(const AfxControlCreate& cc)
{
    auto* c = new Combo(cc.parent);
    DWORD kind = cc.style & 3;
    c->setEditable(kind == CBS_DROPDOWN || kind == CBS_SIMPLE);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->sorted = cc.style & CBS_SORT;
    c->setMaxVisibleItems(qMax(5, cc.rect.height() / qMax(1, c->fontMetrics().height())));
    // The template's height includes the list; the box itself is one line.
    QRect r = cc.rect;
    r.setHeight(c->sizeHint().height());
    c->setGeometry(r);
    c->setFocusPolicy(cc.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    if (c->isEditable())
        c->setEditText(cc.text.ToQString());
    return c;
}

int find(const QComboBox* c, int start, const QString& text, bool exact)
{
    return AfxFindListItem(c->count(), [c](int i) { return c->itemText(i); }, start, text, exact);
}

LRESULT proc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    CComboBox* cb = static_cast<CComboBox*>(pWnd);
    handled = true;
    switch (message) {
    case WM_SETFOCUS:
        AfxNotifyParent(pWnd->m_hWnd, CBN_SETFOCUS);
        break;
    case WM_KILLFOCUS:
        AfxNotifyParent(pWnd->m_hWnd, CBN_KILLFOCUS);
        break;
    case CB_ADDSTRING: return cb->AddString(reinterpret_cast<LPCTSTR>(lParam));
    case CB_INSERTSTRING: return cb->InsertString((int)wParam, reinterpret_cast<LPCTSTR>(lParam));
    case CB_DELETESTRING: return cb->DeleteString((UINT)wParam);
    case CB_RESETCONTENT: cb->ResetContent(); return 0;
    case CB_GETCOUNT: return cb->GetCount();
    case CB_GETCURSEL: return cb->GetCurSel();
    case CB_SETCURSEL: return cb->SetCurSel((int)wParam);
    case CB_GETLBTEXT: return cb->GetLBText((int)wParam, reinterpret_cast<LPTSTR>(lParam));
    case CB_GETLBTEXTLEN: return cb->GetLBTextLen((int)wParam);
    case CB_FINDSTRING: return cb->FindString((int)wParam, reinterpret_cast<LPCTSTR>(lParam));
    case CB_FINDSTRINGEXACT: return cb->FindStringExact((int)wParam, reinterpret_cast<LPCTSTR>(lParam));
    case CB_SELECTSTRING: return cb->SelectString((int)wParam, reinterpret_cast<LPCTSTR>(lParam));
    case CB_SETITEMDATA: return cb->SetItemData((int)wParam, (DWORD_PTR)lParam);
    case CB_GETITEMDATA: return (LRESULT)cb->GetItemData((int)wParam);
    case CB_SHOWDROPDOWN: cb->ShowDropDown((BOOL)wParam); return TRUE;
    case CB_GETDROPPEDSTATE: return cb->GetDroppedState();
    case CB_LIMITTEXT: return cb->LimitText((int)wParam);
    case CB_GETEDITSEL: return (LRESULT)cb->GetEditSel();
    case CB_SETEDITSEL: return cb->SetEditSel((short)LOWORD(lParam), (short)HIWORD(lParam));
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS;
    }
    handled = false;
    return 0;
}

void connect(QWidget* w, HWND h)
{
    auto* c = static_cast<Combo*>(w);
    QObject::connect(c, &QComboBox::activated, c, [c] { c->chosen(); });
    if (QLineEdit* e = c->lineEdit())
        QObject::connect(e, &QLineEdit::textEdited, c, [h] { AfxNotifyParent(h, CBN_EDITCHANGE); });
}

} // namespace

void AfxRegisterComboBoxClass()
{
    AfxRegisterControlClass({ "ComboBox", &create, [] { return static_cast<CWnd*>(new CComboBox); }, &proc, &connect });
}

void AfxComboUserOpen(CComboBox* pCombo)
{
    if (Combo* c = combo(pCombo); c && !c->dropped)
        c->showPopup();
}

void AfxComboUserPick(CComboBox* pCombo, int nIndex)
{
    Combo* c = combo(pCombo);
    if (!c)
        return;
    AfxComboUserOpen(pCombo);
    if (nIndex < 0 || nIndex >= c->count()) {
        c->hidePopup();
        return;
    }
    // Enter on the entry in the open list, as the user chooses it.
    c->view()->setCurrentIndex(c->model()->index(nIndex, c->modelColumn(), c->rootModelIndex()));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(c->view(), &press);
    if (c->dropped)
        c->hidePopup();  // an empty list never opened
}

void AfxComboUserChoice(CComboBox* pCombo, int nIndex)
{
    AfxComboUserOpen(pCombo);
    AfxComboUserPick(pCombo, nIndex);
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("ComboBox", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const
{
    Combo* c = combo(this);
    return c ? c->count() : 0;
}

int CComboBox::GetCurSel() const
{
    Combo* c = combo(this);
    return c ? c->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int nSelect)
{
    Combo* c = combo(this);
    if (!c)
        return CB_ERR;
    QSignalBlocker block(c);
    if (nSelect < 0 || nSelect >= c->count()) {
        c->setCurrentIndex(-1);
        if (c->isEditable())
            c->setEditText(QString());
        return CB_ERR;
    }
    c->setCurrentIndex(nSelect);
    return nSelect;
}

int CComboBox::AddString(LPCTSTR lpszString)
{
    Combo* c = combo(this);
    if (!c)
        return CB_ERR;
    QString text = AfxQ(lpszString);
    int at = c->count();
    if (c->sorted) {
        at = 0;
        while (at < c->count() && c->itemText(at).compare(text, Qt::CaseInsensitive) <= 0)
            ++at;
    }
    return InsertString(at, lpszString);
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
    Combo* c = combo(this);
    if (!c)
        return CB_ERR;
    int at = nIndex < 0 || nIndex > c->count() ? c->count() : nIndex;
    QSignalBlocker block(c);
    QString edit = c->isEditable() ? c->currentText() : QString();
    bool wasEmpty = c->currentIndex() < 0;
    c->insertItem(at, AfxQ(lpszString), QVariant((qulonglong)0));
    // Windows selects nothing when an item is added to an empty list.
    if (wasEmpty) {
        c->setCurrentIndex(-1);
        if (c->isEditable())
            c->setEditText(edit);
    }
    return at;
}

int CComboBox::DeleteString(UINT nIndex)
{
    Combo* c = combo(this);
    if (!c || (int)nIndex >= c->count())
        return CB_ERR;
    QSignalBlocker block(c);
    c->removeItem((int)nIndex);
    return c->count();
}

void CComboBox::ResetContent()
{
    if (Combo* c = combo(this)) {
        QSignalBlocker block(c);
        c->clear();
        if (c->isEditable())
            c->setEditText(QString());
    }
}

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const
{
    CString text;
    GetLBText(nIndex, text);
    if (nIndex < 0 || nIndex >= GetCount())
        return CB_ERR;
    std::strcpy(lpszText, text);
    return (int)std::strlen(text);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    Combo* c = combo(this);
    rString = c && nIndex >= 0 && nIndex < c->count() ? AfxC(c->itemText(nIndex)) : CString();
}

int CComboBox::GetLBTextLen(int nIndex) const
{
    CString text;
    GetLBText(nIndex, text);
    return nIndex < 0 || nIndex >= GetCount() ? CB_ERR : (int)std::strlen(text);
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const
{
    Combo* c = combo(this);
    return c ? find(c, nStartAfter, AfxQ(lpszString), false) : CB_ERR;
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    Combo* c = combo(this);
    return c ? find(c, nIndexStart, AfxQ(lpszFind), true) : CB_ERR;
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString)
{
    int i = FindString(nStartAfter, lpszString);
    if (i != CB_ERR)
        SetCurSel(i);
    return i;
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    Combo* c = combo(this);
    if (!c || nIndex < 0 || nIndex >= c->count())
        return CB_ERR;
    c->setItemData(nIndex, QVariant((qulonglong)dwItemData));
    return 0;
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    Combo* c = combo(this);
    if (!c || nIndex < 0 || nIndex >= c->count())
        return (DWORD_PTR)CB_ERR;
    return (DWORD_PTR)c->itemData(nIndex).toULongLong();
}

void CComboBox::ShowDropDown(BOOL bShowIt)
{
    if (Combo* c = combo(this)) {
        if (bShowIt)
            c->showPopup();
        else
            c->hidePopup();
    }
}

BOOL CComboBox::GetDroppedState() const
{
    Combo* c = combo(this);
    return c && c->dropped;
}

BOOL CComboBox::LimitText(int nMaxChars)
{
    Combo* c = combo(this);
    if (!c || !c->lineEdit())
        return FALSE;
    c->lineEdit()->setMaxLength(nMaxChars <= 0 ? 32767 : nMaxChars);
    return TRUE;
}

DWORD CComboBox::GetEditSel() const
{
    Combo* c = combo(this);
    QLineEdit* e = c ? c->lineEdit() : nullptr;
    if (!e)
        return 0;
    int s = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    int n = e->hasSelectedText() ? e->selectedText().size() : 0;
    return (DWORD)MAKELONG(s, s + n);
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    Combo* c = combo(this);
    QLineEdit* e = c ? c->lineEdit() : nullptr;
    if (!e)
        return FALSE;
    int len = e->text().size();
    if (nStartChar < 0) {
        e->deselect();
        return TRUE;
    }
    int end = nEndChar < 0 || nEndChar > len ? len : nEndChar;
    e->setSelection(qMin(nStartChar, len), end - qMin(nStartChar, len));
    return TRUE;
}
