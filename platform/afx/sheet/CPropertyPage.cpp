#include "sheet/CPropertyPage.h"
#include "res/DialogBuilder.h"
#include "sheet/CPropertySheet.h"
#include <QWidget>

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage() = default;

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption, HINSTANCE hModule)
    : CDialog(nIDTemplate, nullptr, hModule), m_nIDCaption(nIDCaption)
{
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption, HINSTANCE hModule)
    : CDialog(lpszTemplateName, nullptr, hModule), m_nIDCaption(nIDCaption)
{
}

CPropertyPage::~CPropertyPage()
{
    if (m_pSheet)
        m_pSheet->RemovePage(this);
}

CString CPropertyPage::GetPageTitle() const
{
    if ((m_psp.dwFlags & PSP_USETITLE) && m_psp.pszTitle)
        return m_psp.pszTitle;
    CString title;
    if (m_nIDCaption && AfxLoadString(m_nIDCaption, title, m_hResModule))
        return title;
    const AfxDlgTemplate* t = AfxFindDialogTemplate(m_strTemplateName, m_hResModule);
    return t ? t->caption : CString();
}

CSize CPropertyPage::GetTemplateSize() const
{
    const AfxDlgTemplate* t = AfxFindDialogTemplate(m_strTemplateName, m_hResModule);
    QSize size = t ? AfxDialogUnitsOf(*t).toPixels(0, 0, t->cx, t->cy).size() : QSize();
    return CSize(size.width(), size.height());
}

BOOL CPropertyPage::CreatePage(CPropertySheet* pSheet, QWidget* pParentWidget)
{
    if (m_hWnd)
        return TRUE;
    HINSTANCE found = nullptr;
    const AfxDlgTemplate* t = AfxFindDialogTemplate(m_strTemplateName, m_hResModule, &found);
    if (!t) {
        qWarning("property page: dialog template %s not found", (const char*)m_strTemplateName);
        return FALSE;
    }
    auto* w = new QWidget(pParentWidget);
    if (!AttachWidget(w, nullptr, WS_CHILD | WS_VISIBLE | DS_CONTROL, 0)) {
        delete w;
        return FALSE;
    }
    m_pSheet = pSheet;
    QSize size = AfxCreateDialogControls(this, *t, found);
    w->setGeometry(QRect(QPoint(0, 0), size));
    w->show();
    m_nDefID = IDOK;
    SendMessage(WM_INITDIALOG, 0, 0);
    return TRUE;
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }
BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

// A page does not end anything itself: the sheet's buttons do.
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

void CPropertyPage::SetModified(BOOL bChanged)
{
    m_bModified = bChanged;
    if (m_pSheet)
        m_pSheet->PageModified();
}

BOOL CPropertyPage::PreTranslateMessage(MSG*)
{
    // Enter and Escape belong to the sheet, which sees them next.
    return FALSE;
}
