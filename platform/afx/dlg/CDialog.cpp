#include "dlg/CDialog.h"
#include "dlg/AfxDialogWidget.h"
#include "dlg/AfxInteraction.h"
#include "res/DialogBuilder.h"
#include "wnd/AfxDispatch.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

CString templateText(UINT id) { return CString(QString::number(id)); }

} // namespace

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd, HINSTANCE hModule)
    : m_pParentWnd(pParentWnd), m_nIDHelp(nIDTemplate), m_strTemplateName(templateText(nIDTemplate)), m_hResModule(hModule)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd, HINSTANCE hModule)
    : m_pParentWnd(pParentWnd), m_strTemplateName(lpszTemplateName), m_hResModule(hModule)
{
}

CDialog::~CDialog()
{
    if (QWidget* w = GetQWidget()) {
        // A dialog object that goes before its window takes the window along.
        Detach();
        delete w;
    }
}

BOOL CDialog::CreateFromTemplate(CWnd* pOwner)
{
    HINSTANCE found = nullptr;
    const AfxDlgTemplate* t = AfxFindDialogTemplate(m_strTemplateName, m_hResModule, &found);
    if (!t) {
        qWarning("dialog template %s not found", (const char*)m_strTemplateName);
        return FALSE;
    }
    QWidget* ownerWidget = pOwner && pOwner->GetQWidget() ? pOwner->GetQWidget()->window() : nullptr;
    auto* dlg = new AfxDialogWidget(ownerWidget);
    dlg->setWindowTitle(t->caption.ToQString());
    if (!AttachWidget(dlg, nullptr, t->style, 0)) {
        delete dlg;
        return FALSE;
    }
    QSize size = AfxCreateDialogControls(this, *t, found);
    if (t->style & WS_THICKFRAME)
        dlg->resize(size);
    else
        dlg->setFixedSize(size);
    m_nDefID = IDOK;
    for (const AfxDlgItemTemplate& item : t->items) {
        if (item.className.ToQString().compare(QLatin1String("Button"), Qt::CaseInsensitive) == 0
            && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            m_nDefID = (UINT)item.id;
    }
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    CWnd* owner = m_pParentWnd ? m_pParentWnd : CWnd::GetActiveWindow();
    if (!CreateFromTemplate(owner))
        return -1;
    m_bModal = true;
    m_nModalResult = -1;
    auto* dlg = static_cast<QDialog*>(GetQWidget());
    CenterWindow(owner);
    SendMessage(WM_INITDIALOG, 0, 0);
    if (m_nModalResult == -1 && GetQWidget()) {
        AfxModalRequest req;
        req.kind = AfxModalKind::Dialog;
        GetWindowText(req.caption);
        req.templateName = m_strTemplateName;
        req.wnd = this;
        req.widget = dlg;
        AfxRunModal(req);
    }
    if (m_nModalResult == -1)
        m_nModalResult = IDCANCEL;
    // The window goes now: the dialog object may run again or be destroyed.
    if (QWidget* w = GetQWidget()) {
        if (WndRecord* rec = WndHandleTable::find(m_hWnd)) {
            if (!rec->closing)
                AfxCallWndProc(this, m_hWnd, WM_DESTROY, 0, 0);
        }
        delete w;
    }
    m_bModal = false;
    return m_nModalResult;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(templateText(nIDTemplate), pParentWnd); }

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_strTemplateName = lpszTemplateName;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    if (!CreateFromTemplate(m_pParentWnd))
        return FALSE;
    m_bModal = false;
    SendMessage(WM_INITDIALOG, 0, 0);
    WndRecord* rec = WndHandleTable::find(m_hWnd);
    if (rec && (rec->style & WS_VISIBLE) && GetQWidget())
        GetQWidget()->show();
    return TRUE;
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_INITDIALOG)
        return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    BOOL focusFirst = OnInitDialog();
    *pResult = focusFirst;
    if (focusFirst) {
        if (CWnd* first = GetNextDlgTabItem(nullptr))
            first->SetFocus();
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    QWidget* w = GetQWidget();
    if (!w)
        return;
    if (m_bModal)
        AfxEndModalDialog(static_cast<QDialog*>(w), nResult);
    else
        w->hide();
}

DWORD CDialog::GetDefID() const { return MAKELONG(m_nDefID, DC_HASDEFID); }

void CDialog::SetDefID(UINT nID)
{
    m_nDefID = nID;
    for (CWnd* w = GetWindow(GW_CHILD); w; w = w->GetWindow(GW_HWNDNEXT)) {
        DWORD kind = w->GetStyle() & BS_TYPEMASK;
        if (w->SendMessage(WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
            w->ModifyStyle(BS_TYPEMASK, (UINT)w->GetDlgCtrlID() == nID ? BS_DEFPUSHBUTTON : (kind == BS_DEFPUSHBUTTON ? BS_PUSHBUTTON : kind));
    }
}

void CDialog::NextDlgCtrl() const
{
    if (CWnd* next = GetNextDlgTabItem(CWnd::GetFocus(), FALSE))
        next->SetFocus();
}

void CDialog::PrevDlgCtrl() const
{
    if (CWnd* prev = GetNextDlgTabItem(CWnd::GetFocus(), TRUE))
        prev->SetFocus();
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (!pWndCtrl)
        return;
    pWndCtrl->SetFocus();
    if (pWndCtrl->SendMessage(WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        pWndCtrl->SendMessage(EM_SETSEL, 0, (LPARAM)-1);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return PreTranslateInput(pMsg);
    return FALSE;
}
