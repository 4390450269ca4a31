#include "CVatBookEntryView.h"

#include "gridbase.h"
#include "ledmark.h"

namespace nledmark {

IMPLEMENT_DYNAMIC(CVatBookEntryView, CUnpostedDocView)

BEGIN_MESSAGE_MAP(CVatBookEntryView, CUnpostedDocView)
    ON_CBN_SELCHANGE(IDC_KP_SOURCE, OnSourceChange)
END_MESSAGE_MAP()

const UINT CVatBookEntryView::kAmountIds[8] = {IDC_KP_NOS18, IDC_KP_S18, IDC_KP_NOS10, IDC_KP_S10,
                                               IDC_KP_NOS20, IDC_KP_S20, IDC_KP_S0,    IDC_KP_S00};

CVatBookEntryView::CVatBookEntryView(UINT nIDTemplate) : CUnpostedDocView(nIDTemplate)
{
    m_editInvoiceDate.SetType(EDIT_KIND_DATE);
    m_editPaid.SetType(EDIT_KIND_DATE);
    m_editOrg.SetType(EDIT_KIND_PLAIN);
    m_editTotal.SetType(EDIT_KIND_AMOUNT);
    for (CderivedEdit& edit : m_editAmounts)
        edit.SetType(EDIT_KIND_AMOUNT);
}

CVatBookEntryView::~CVatBookEntryView() = default;

void CVatBookEntryView::DoDataExchange(CDataExchange* pDX)
{
    CUnpostedDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_KP_SOURCE, m_comboSource);
    DDX_Control(pDX, IDC_KP_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_KP_INVOICE_DATE, m_editInvoiceDate);
    DDX_Control(pDX, IDC_KP_TOTAL, m_editTotal);
    DDX_Control(pDX, IDC_KP_PAID, m_editPaid);
    DDX_Control(pDX, IDC_SET_ORG, m_editOrg);
    for (int i = 0; i < 8; ++i)
        DDX_Control(pDX, kAmountIds[i], m_editAmounts[i]);
    DDX_CBIndex(pDX, IDC_KP_SOURCE, m_nSource);
}

// The sources of financing by their digit; the first one in a fresh form.
void CVatBookEntryView::PrepareForm()
{
    for (const char* source : {"1", "2", "3", "4"})
        m_comboSource.AddString(source);
    m_comboSource.SetCurSel(0);
}

void CVatBookEntryView::OnInitialUpdate()
{
    CUnpostedDocView::OnInitialUpdate();
    OnSourceChange();
}

int CVatBookEntryView::ShownSource()
{
    UpdateData(TRUE);
    return m_nSource + 1;
}

void CVatBookEntryView::ShowEntry(int branch, int source, const CString& number, const CString& total,
                                  const CString& invoiceDate, const CString& paid, const CString& org,
                                  const CString amounts[8])
{
    m_nSource = source >= 1 && source <= 4 ? source - 1 : 0;
    SetDlgItemText(IDC_KP_NUMBER, number);
    SetDlgItemText(IDC_KP_TOTAL, total);
    SetDlgItemText(IDC_KP_INVOICE_DATE, invoiceDate);
    SetDlgItemText(IDC_KP_PAID, paid);
    SetDlgItemText(IDC_SET_ORG, org);
    for (int i = 0; i < 8; ++i)
        SetDlgItemText(kAmountIds[i], amounts[i]);
    ShowBranch(branch);
    UpdateData(FALSE);
    OnSourceChange();
    FocusField(IDC_KP_NUMBER, FALSE);
}

// The offer of a new entry; the open lists are told of the saved one.
void CVatBookEntryView::AfterSave()
{
    OfferNewDocument(IDC_KP_NUMBER, 1);
}

void CVatBookEntryView::OnSourceChange()
{
    UpdateData(TRUE);
    SetDlgItemText(IDC_KP_SOURCE_NAME, GL_GetCol0_Name(FormatNumber(m_nSource + 1, "-", 0)));
}

} // namespace nledmark
