// CWnd: dialog items, the tab order and the dialog keys (Enter, Escape).
#include "wnd/AfxControlClass.h"
#include "wnd/AfxKeys.h"
#include "wnd/CWnd.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QWidget>
#include <vector>

namespace {

// The recorded windows whose nearest recorded ancestor is `parent`, in
// creation order (the dialog's tab order). The search goes down through plain
// widgets (a scroll area's viewport) but not into another window's insides.
void collectChildren(const QWidget* w, std::vector<WndRecord*>& out)
{
    for (QObject* o : w->children()) {
        if (!o->isWidgetType())
            continue;
        auto* child = static_cast<QWidget*>(o);
        if (child->isWindow())
            continue;
        if (WndRecord* rec = WndHandleTable::findWidget(child)) {
            if (!rec->closing)
                out.push_back(rec);
            continue;
        }
        collectChildren(child, out);
    }
}

std::vector<WndRecord*> childRecords(const CWnd* parent)
{
    std::vector<WndRecord*> out;
    if (QWidget* pw = parent->GetQWidget())
        collectChildren(pw, out);
    return out;
}

bool isTabStop(const WndRecord* rec)
{
    return (rec->style & WS_TABSTOP) && rec->widget->isVisible() && rec->widget->isEnabled();
}

} // namespace

CWnd* CWnd::GetDlgItem(int nID) const
{
    for (WndRecord* rec : childRecords(this)) {
        if (rec->id == nID)
            return rec->wnd;
    }
    return nullptr;
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const { *phWnd = GetDlgItem(nID)->GetSafeHwnd(); }

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    CWnd* item = GetDlgItem(nID);
    rString = CString();
    if (item)
        item->GetWindowText(rString);
    return rString.GetLength();
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
{
    CWnd* item = GetDlgItem(nID);
    if (!item) {
        if (lpStr && nMaxCount > 0)
            lpStr[0] = 0;
        return 0;
    }
    return item->GetWindowText(lpStr, nMaxCount);
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    if (CWnd* item = GetDlgItem(nID))
        item->SetWindowText(lpszString);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    CString text;
    GetDlgItemText(nID, text);
    bool ok = false;
    QString t = AfxQ(text).trimmed();
    qlonglong v = bSigned ? t.toLongLong(&ok) : (qlonglong)t.toULongLong(&ok);
    if (lpTrans)
        *lpTrans = ok;
    return ok ? (UINT)v : 0;
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    CString text;
    if (bSigned)
        text.Format("%d", (int)nValue);
    else
        text.Format("%u", nValue);
    SetDlgItemText(nID, text);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) { SendDlgItemMessage(nIDButton, BM_SETCHECK, nCheck, 0); }

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    CWnd* item = GetDlgItem(nIDButton);
    return item ? (UINT)item->SendMessage(BM_GETCHECK, 0, 0) : 0;
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        CheckDlgButton(id, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton)
{
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id) {
        if (IsDlgButtonChecked(id))
            return id;
    }
    return 0;
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    if (nCmd == GW_OWNER)
        return GetParent();
    if (nCmd == GW_CHILD) {
        auto children = childRecords(this);
        return children.empty() ? nullptr : children.front()->wnd;
    }
    CWnd* parent = GetParent();
    if (!parent)
        return nullptr;
    auto siblings = childRecords(parent);
    if (siblings.empty())
        return nullptr;
    if (nCmd == GW_HWNDFIRST)
        return siblings.front()->wnd;
    if (nCmd == GW_HWNDLAST)
        return siblings.back()->wnd;
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i]->hwnd != m_hWnd)
            continue;
        if (nCmd == GW_HWNDNEXT)
            return i + 1 < siblings.size() ? siblings[i + 1]->wnd : nullptr;
        if (nCmd == GW_HWNDPREV)
            return i > 0 ? siblings[i - 1]->wnd : nullptr;
    }
    return nullptr;
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    auto children = childRecords(this);
    std::vector<WndRecord*> stops;
    for (WndRecord* rec : children) {
        if (isTabStop(rec))
            stops.push_back(rec);
    }
    if (stops.empty())
        return nullptr;
    int at = -1;
    for (size_t i = 0; i < stops.size(); ++i) {
        if (pWndCtl && stops[i]->hwnd == pWndCtl->m_hWnd)
            at = (int)i;
    }
    int n = (int)stops.size();
    int next = at < 0 ? (bPrevious ? n - 1 : 0) : (at + (bPrevious ? n - 1 : 1)) % n;
    return stops[next]->wnd;
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    // The group of pWndCtl: from the control with WS_GROUP up to the next one.
    auto children = childRecords(this);
    int at = -1;
    for (size_t i = 0; i < children.size(); ++i) {
        if (pWndCtl && children[i]->hwnd == pWndCtl->m_hWnd)
            at = (int)i;
    }
    if (at < 0)
        return nullptr;
    int first = at;
    while (first > 0 && !(children[first]->style & WS_GROUP))
        --first;
    int last = at;
    while (last + 1 < (int)children.size() && !(children[last + 1]->style & WS_GROUP))
        ++last;
    int count = last - first + 1;
    int next = first + ((at - first) + (bPrevious ? count - 1 : 1)) % count;
    return children[next]->wnd;
}

BOOL CWnd::IsDialogMessage(LPMSG lpMsg)
{
    if (lpMsg->message != WM_KEYDOWN || (lpMsg->wParam != VK_RETURN && lpMsg->wParam != VK_ESCAPE))
        return FALSE;
    CWnd* focus = GetFocus();
    if (focus && focus != this && !IsChild(focus))
        return FALSE;
    UINT code = focus ? (UINT)focus->SendMessage(WM_GETDLGCODE, lpMsg->wParam, (LPARAM)lpMsg) : 0;
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return FALSE;
    if (lpMsg->wParam == VK_ESCAPE) {
        CWnd* cancel = GetDlgItem(IDCANCEL);
        if (cancel && !cancel->IsWindowEnabled())
            return TRUE;
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)cancel->GetSafeHwnd());
        return TRUE;
    }
    // Enter: a focused push button presses itself, otherwise the default button.
    if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
        focus->SendMessage(BM_CLICK, 0, 0);
        return TRUE;
    }
    LRESULT def = SendMessage(DM_GETDEFID, 0, 0);
    int id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
    CWnd* button = GetDlgItem(id);
    if (button && !button->IsWindowEnabled()) {
        MessageBeep(0);
        return TRUE;
    }
    SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)button->GetSafeHwnd());
    return TRUE;
}
