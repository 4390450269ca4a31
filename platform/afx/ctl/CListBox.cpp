#include "ctl/CListBox.h"
#include "ctl/AfxListSearch.h"
#include "wnd/AfxControlClass.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QListWidget>
#include <QSignalBlocker>
#include <cstring>

IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

namespace {

class List : public QListWidget {
public:
    using QListWidget::QListWidget;
    bool sorted = false;
};

List* list(const CWnd* w) { return dynamic_cast<List*>(w->GetQWidget()); }

QWidget* create(const AfxControlCreate& cc)
{
    auto* l = new List(cc.parent);
    l->sorted = cc.style & LBS_SORT;
    if (cc.style & LBS_EXTENDEDSEL)
        l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    else if (cc.style & LBS_MULTIPLESEL)
        l->setSelectionMode(QAbstractItemView::MultiSelection);
    else if (cc.style & LBS_NOSEL)
        l->setSelectionMode(QAbstractItemView::NoSelection);
    if (!(cc.style & WS_BORDER))
        l->setFrameShape(QFrame::NoFrame);
    l->setGeometry(cc.rect);
    l->setFocusPolicy(cc.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    return l;
}

int find(const QListWidget* l, int start, const QString& text, bool exact)
{
    return AfxFindListItem(l->count(), [l](int i) { return l->item(i)->text(); }, start, text, exact);
}

LRESULT proc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    CListBox* lb = static_cast<CListBox*>(pWnd);
    handled = true;
    switch (message) {
    case WM_SETFOCUS:
        AfxNotifyParent(pWnd->m_hWnd, LBN_SETFOCUS);
        break;
    case WM_KILLFOCUS:
        AfxNotifyParent(pWnd->m_hWnd, LBN_KILLFOCUS);
        break;
    case LB_ADDSTRING: return lb->AddString(reinterpret_cast<LPCTSTR>(lParam));
    case LB_INSERTSTRING: return lb->InsertString((int)wParam, reinterpret_cast<LPCTSTR>(lParam));
    case LB_DELETESTRING: return lb->DeleteString((UINT)wParam);
    case LB_RESETCONTENT: lb->ResetContent(); return 0;
    case LB_GETCOUNT: return lb->GetCount();
    case LB_GETCURSEL: return lb->GetCurSel();
    case LB_SETCURSEL: return lb->SetCurSel((int)wParam);
    case LB_GETSEL: return lb->GetSel((int)wParam);
    case LB_SETSEL: return lb->SetSel((int)lParam, (BOOL)wParam);
    case LB_GETSELCOUNT: return lb->GetSelCount();
    case LB_GETTEXT: return lb->GetText((int)wParam, reinterpret_cast<LPTSTR>(lParam));
    case LB_GETTEXTLEN: return lb->GetTextLen((int)wParam);
    case LB_FINDSTRING: return lb->FindString((int)wParam, reinterpret_cast<LPCTSTR>(lParam));
    case LB_FINDSTRINGEXACT: return lb->FindStringExact((int)wParam, reinterpret_cast<LPCTSTR>(lParam));
    case LB_SELECTSTRING: return lb->SelectString((int)wParam, reinterpret_cast<LPCTSTR>(lParam));
    case LB_SETITEMDATA: return lb->SetItemData((int)wParam, (DWORD_PTR)lParam);
    case LB_GETITEMDATA: return (LRESULT)lb->GetItemData((int)wParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    }
    handled = false;
    return 0;
}

void connect(QWidget* w, HWND h)
{
    auto* l = static_cast<List*>(w);
    QObject::connect(l, &QListWidget::itemSelectionChanged, l, [h] { AfxNotifyParent(h, LBN_SELCHANGE); });
    QObject::connect(l, &QListWidget::itemDoubleClicked, l, [h] { AfxNotifyParent(h, LBN_DBLCLK); });
    QObject::connect(l, &QListWidget::itemChanged, l, [h] { AfxNotifyParent(h, CLBN_CHKCHANGE); });
}

} // namespace

void AfxRegisterListBoxClass()
{
    AfxRegisterControlClass({ "ListBox", &create, [] { return static_cast<CWnd*>(new CListBox); }, &proc, &connect });
}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("ListBox", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const
{
    List* l = list(this);
    return l ? l->count() : 0;
}

int CListBox::GetCurSel() const
{
    List* l = list(this);
    if (!l)
        return LB_ERR;
    if (l->selectionMode() == QAbstractItemView::SingleSelection)
        return l->selectedItems().isEmpty() ? LB_ERR : l->row(l->selectedItems().first());
    return l->currentRow();
}

int CListBox::SetCurSel(int nSelect)
{
    List* l = list(this);
    if (!l)
        return LB_ERR;
    QSignalBlocker block(l);
    if (nSelect < 0 || nSelect >= l->count()) {
        l->clearSelection();
        l->setCurrentRow(-1, QItemSelectionModel::Clear);
        return nSelect == -1 ? 0 : LB_ERR;
    }
    l->setCurrentRow(nSelect, QItemSelectionModel::ClearAndSelect);
    return nSelect;
}

int CListBox::GetCaretIndex() const
{
    List* l = list(this);
    return l ? l->currentRow() : LB_ERR;
}

int CListBox::SetCaretIndex(int nIndex, BOOL bScroll)
{
    List* l = list(this);
    if (!l || nIndex < 0 || nIndex >= l->count())
        return LB_ERR;
    QSignalBlocker block(l);
    l->setCurrentRow(nIndex, QItemSelectionModel::NoUpdate);
    if (bScroll)
        l->scrollToItem(l->item(nIndex));
    return 0;
}

int CListBox::GetSel(int nIndex) const
{
    List* l = list(this);
    return l && nIndex >= 0 && nIndex < l->count() && l->item(nIndex)->isSelected() ? 1 : 0;
}

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    List* l = list(this);
    if (!l)
        return LB_ERR;
    QSignalBlocker block(l);
    for (int i = 0; i < l->count(); ++i) {
        if (nIndex == -1 || i == nIndex)
            l->item(i)->setSelected(bSelect);
    }
    return 0;
}

int CListBox::GetSelCount() const
{
    List* l = list(this);
    return l ? (int)l->selectedItems().size() : LB_ERR;
}

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    List* l = list(this);
    int n = 0;
    for (int i = 0; l && i < l->count() && n < nMaxItems; ++i) {
        if (l->item(i)->isSelected())
            rgIndex[n++] = i;
    }
    return n;
}

int CListBox::AddString(LPCTSTR lpszItem)
{
    List* l = list(this);
    if (!l)
        return LB_ERR;
    int at = l->count();
    if (l->sorted) {
        QString text = AfxQ(lpszItem);
        at = 0;
        while (at < l->count() && l->item(at)->text().compare(text, Qt::CaseInsensitive) <= 0)
            ++at;
    }
    return InsertString(at, lpszItem);
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    List* l = list(this);
    if (!l)
        return LB_ERR;
    int at = nIndex < 0 || nIndex > l->count() ? l->count() : nIndex;
    QSignalBlocker block(l);
    auto* it = new QListWidgetItem(AfxQ(lpszItem));
    it->setData(Qt::UserRole, QVariant((qulonglong)0));
    if (dynamic_cast<CCheckListBox*>(this)) {
        it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
        it->setCheckState(Qt::Unchecked);
    }
    l->insertItem(at, it);
    return at;
}

int CListBox::DeleteString(UINT nIndex)
{
    List* l = list(this);
    if (!l || (int)nIndex >= l->count())
        return LB_ERR;
    QSignalBlocker block(l);
    delete l->takeItem((int)nIndex);
    return l->count();
}

void CListBox::ResetContent()
{
    if (List* l = list(this)) {
        QSignalBlocker block(l);
        l->clear();
    }
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return LB_ERR;
    CString text;
    GetText(nIndex, text);
    std::strcpy(lpszBuffer, text);
    return (int)std::strlen(text);
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    List* l = list(this);
    rString = l && nIndex >= 0 && nIndex < l->count() ? AfxC(l->item(nIndex)->text()) : CString();
}

int CListBox::GetTextLen(int nIndex) const
{
    CString text;
    GetText(nIndex, text);
    return nIndex < 0 || nIndex >= GetCount() ? LB_ERR : (int)std::strlen(text);
}

int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const
{
    List* l = list(this);
    return l ? find(l, nStartAfter, AfxQ(lpszItem), false) : LB_ERR;
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    List* l = list(this);
    return l ? find(l, nIndexStart, AfxQ(lpszFind), true) : LB_ERR;
}

int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem)
{
    int i = FindString(nStartAfter, lpszItem);
    if (i != LB_ERR)
        SetCurSel(i);
    return i;
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    List* l = list(this);
    if (!l || nIndex < 0 || nIndex >= l->count())
        return LB_ERR;
    QSignalBlocker block(l);
    l->item(nIndex)->setData(Qt::UserRole, QVariant((qulonglong)dwItemData));
    return 0;
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    List* l = list(this);
    if (!l || nIndex < 0 || nIndex >= l->count())
        return (DWORD_PTR)LB_ERR;
    return (DWORD_PTR)l->item(nIndex)->data(Qt::UserRole).toULongLong();
}

int CListBox::GetTopIndex() const
{
    List* l = list(this);
    QListWidgetItem* it = l ? l->itemAt(0, 0) : nullptr;
    return it ? l->row(it) : 0;
}

int CListBox::SetTopIndex(int nIndex)
{
    List* l = list(this);
    if (!l || nIndex < 0 || nIndex >= l->count())
        return LB_ERR;
    l->scrollToItem(l->item(nIndex), QAbstractItemView::PositionAtTop);
    return 0;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    List* l = list(this);
    if (!l || nIndex < 0 || nIndex >= l->count())
        return;
    QSignalBlocker block(l);
    QListWidgetItem* it = l->item(nIndex);
    it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
    it->setCheckState(nCheck == 1 ? Qt::Checked : (nCheck == 2 ? Qt::PartiallyChecked : Qt::Unchecked));
}

int CCheckListBox::GetCheck(int nIndex) const
{
    List* l = list(this);
    if (!l || nIndex < 0 || nIndex >= l->count())
        return 0;
    Qt::CheckState s = l->item(nIndex)->checkState();
    return s == Qt::Checked ? 1 : (s == Qt::PartiallyChecked ? 2 : 0);
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
    List* l = list(this);
    if (!l || nIndex < 0 || nIndex >= l->count())
        return;
    QListWidgetItem* it = l->item(nIndex);
    it->setFlags(bEnabled ? it->flags() | Qt::ItemIsEnabled : it->flags() & ~Qt::ItemIsEnabled);
}

BOOL CCheckListBox::IsEnabled(int nIndex) const
{
    List* l = list(this);
    return l && nIndex >= 0 && nIndex < l->count() && (l->item(nIndex)->flags() & Qt::ItemIsEnabled);
}
