#include "sheet/CPropertySheet.h"
#include "dlg/AfxDialogWidget.h"
#include "dlg/AfxInteraction.h"
#include "res/DialogBuilder.h"
#include "wnd/AfxControlClass.h"
#include "wnd/AfxDispatch.h"
#include "wnd/WndHandleTable.h"
#include <QBoxLayout>
#include <QDialog>
#include <QTabWidget>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_COMMAND(IDOK, OnSheetOK)
    ON_COMMAND(IDCANCEL, OnSheetCancel)
    ON_COMMAND(ID_APPLY_NOW, OnSheetApply)
END_MESSAGE_MAP()

namespace {

QTabWidget* tabsOf(const CWnd* sheet)
{
    QWidget* w = sheet->GetQWidget();
    return w ? w->findChild<QTabWidget*>(QStringLiteral("sheetTabs")) : nullptr;
}

} // namespace

CPropertySheet::CPropertySheet() = default;

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage, HINSTANCE hModule)
    : m_pParentWnd(pParentWnd), m_nIDCaption(nIDCaption), m_nActive((int)iSelectPage)
{
    AfxLoadString(nIDCaption, m_strCaption, hModule);
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_strCaption(pszCaption), m_nActive((int)iSelectPage)
{
    m_psh.nStartPage = iSelectPage;
}

CPropertySheet::~CPropertySheet()
{
    for (CPropertyPage* page : m_pages)
        page->m_pSheet = nullptr;
    if (QWidget* w = GetQWidget()) {
        Detach();
        delete w;
    }
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (!pPage || GetPageIndex(pPage) >= 0)
        return;
    m_pages.push_back(pPage);
    pPage->m_pSheet = this;
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) { RemovePage(GetPageIndex(pPage)); }

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    m_pages[nPage]->m_pSheet = nullptr;
    m_pages.erase(m_pages.begin() + nPage);
    if (QTabWidget* tabs = tabsOf(this))
        tabs->removeTab(nPage);
    if (m_nActive >= GetPageCount())
        m_nActive = qMax(GetPageCount() - 1, 0);
}

int CPropertySheet::GetPageCount() const { return (int)m_pages.size(); }

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[nPage] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[i] == pPage)
            return i;
    }
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(m_nActive); }
int CPropertySheet::GetActiveIndex() const { return m_nActive; }

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT)
{
    m_strCaption = lpszText ? lpszText : "";
    if (QWidget* w = GetQWidget())
        w->setWindowTitle(m_strCaption.ToQString());
}

BOOL CPropertySheet::ShowPage(int index)
{
    CPropertyPage* page = GetPage(index);
    QTabWidget* tabs = tabsOf(this);
    if (!page || !tabs)
        return FALSE;
    if (!page->m_hWnd && !page->CreatePage(this, tabs->widget(index)))
        return FALSE;
    m_nActive = index;
    {
        QSignalBlocker block(tabs);
        tabs->setCurrentIndex(index);
    }
    page->OnSetActive();
    return TRUE;
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (!GetQWidget()) {
        m_nActive = nPage;
        return TRUE;
    }
    CPropertyPage* old = GetActivePage();
    if (nPage != m_nActive && old && old->m_hWnd && !old->OnKillActive())
        return FALSE;
    return ShowPage(nPage);
}

void CPropertySheet::OnTabChanged(int index)
{
    // The page left may refuse (a wrong value): its tab stays.
    CPropertyPage* old = GetActivePage();
    if (old && old->m_hWnd && index != m_nActive && !old->OnKillActive()) {
        QSignalBlocker block(tabsOf(this));
        tabsOf(this)->setCurrentIndex(m_nActive);
        return;
    }
    ShowPage(index);
}

BOOL CPropertySheet::BuildWindow(CWnd* pOwner)
{
    QWidget* ownerWidget = pOwner && pOwner->GetQWidget() ? pOwner->GetQWidget()->window() : nullptr;
    auto* dlg = new AfxDialogWidget(ownerWidget);
    dlg->setWindowTitle(m_strCaption.ToQString());
    if (!AttachWidget(dlg, nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0)) {
        delete dlg;
        return FALSE;
    }
    auto* layout = new QVBoxLayout(dlg);
    auto* tabs = new QTabWidget(dlg);
    tabs->setObjectName(QStringLiteral("sheetTabs"));
    layout->addWidget(tabs);
    QSize pageSize(0, 0);
    for (CPropertyPage* page : m_pages) {
        auto* holder = new QWidget;
        CSize size = page->GetTemplateSize();
        pageSize = pageSize.expandedTo(QSize(size.cx, size.cy));
        tabs->addTab(holder, page->GetPageTitle().ToQString());
    }
    for (int i = 0; i < tabs->count(); ++i)
        tabs->widget(i)->setMinimumSize(pageSize);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    struct ButtonDef {
        int id;
        const char* text;
    } buttons[] = { { IDOK, "ОК" }, { IDCANCEL, "Отмена" }, { ID_APPLY_NOW, "Применить" } };
    for (const ButtonDef& b : buttons) {
        if (b.id == ID_APPLY_NOW && (m_psh.dwFlags & PSH_NOAPPLYNOW))
            continue;
        AfxControlCreate cc;
        cc.text = b.text;
        cc.id = (UINT)b.id;
        cc.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (b.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        cc.rect = QRect(0, 0, 80, 24);
        cc.parent = dlg;
        CWnd* button = CWnd::FromHandle(AfxCreateControl(AfxFindControlClass("Button"), cc, nullptr));
        row->addWidget(button->GetQWidget());
        if (b.id == ID_APPLY_NOW)
            button->EnableWindow(FALSE);
    }
    layout->addLayout(row);
    QObject::connect(tabs, &QTabWidget::currentChanged, dlg, [this](int index) {
        AfxGuardedCall(this, [&] { OnTabChanged(index); });
    });
    return ShowPage(qBound(0, m_nActive, GetPageCount() - 1)) || GetPageCount() == 0;
}

INT_PTR CPropertySheet::DoModal()
{
    CWnd* owner = m_pParentWnd ? m_pParentWnd : CWnd::GetActiveWindow();
    m_nModalResult = -1;
    if (!BuildWindow(owner))
        return -1;
    m_bModal = true;
    auto* dlg = static_cast<QDialog*>(GetQWidget());
    dlg->adjustSize();
    CenterWindow(owner);
    AfxModalRequest req;
    req.kind = AfxModalKind::Dialog;
    req.caption = m_strCaption;
    req.templateName = m_nIDCaption ? CString(QString::number(m_nIDCaption)) : m_strCaption;
    req.wnd = this;
    req.widget = dlg;
    AfxRunModal(req);
    if (m_nModalResult == -1)
        m_nModalResult = IDCANCEL;
    // The window and the pages' windows go now: the sheet may run again.
    if (QWidget* w = GetQWidget()) {
        if (WndRecord* rec = WndHandleTable::find(m_hWnd); rec && !rec->closing)
            AfxCallWndProc(this, m_hWnd, WM_DESTROY, 0, 0);
        delete w;
    }
    m_bModal = false;
    return m_nModalResult;
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_nModalResult = nEndID;
    auto* dlg = dynamic_cast<QDialog*>(GetQWidget());
    if (!dlg)
        return;
    AfxEndModalDialog(dlg, nEndID);
}

BOOL CPropertySheet::ApplyPages()
{
    CPropertyPage* active = GetActivePage();
    if (active && active->m_hWnd && !active->OnKillActive())
        return FALSE;
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = m_pages[i];
        if (!page->m_hWnd)
            continue;  // never shown: nothing changed on it
        if (!page->OnApply()) {
            SetActivePage(i);
            return FALSE;
        }
        page->SetModified(FALSE);
    }
    return TRUE;
}

void CPropertySheet::OnSheetOK()
{
    if (ApplyPages())
        EndDialog(IDOK);
}

void CPropertySheet::OnSheetApply() { ApplyPages(); }

void CPropertySheet::OnSheetCancel()
{
    for (CPropertyPage* page : m_pages) {
        if (page->m_hWnd && !page->OnQueryCancel())
            return;
    }
    for (CPropertyPage* page : m_pages) {
        if (page->m_hWnd)
            page->OnReset();
    }
    EndDialog(IDCANCEL);
}

void CPropertySheet::PageModified()
{
    bool any = false;
    for (CPropertyPage* page : m_pages)
        any = any || page->IsModified();
    if (CWnd* apply = GetDlgItem(ID_APPLY_NOW))
        apply->EnableWindow(any);
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return PreTranslateInput(pMsg);
    return FALSE;
}

BOOL CPropertySheet::PressButton(int nButton)
{
    int id = nButton == PSBTN_OK ? IDOK : nButton == PSBTN_CANCEL ? IDCANCEL : nButton == PSBTN_APPLYNOW ? ID_APPLY_NOW : 0;
    if (!id || !GetQWidget())
        return FALSE;
    SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(id)->GetSafeHwnd());
    return TRUE;
}
