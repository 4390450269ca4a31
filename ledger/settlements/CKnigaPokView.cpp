// The purchase book entry: load, source name, checks and the end of a save.
#include "CKnigaPokView.h"

#include "CHelpers.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CKnigaPokView, CUnpostedDocView)

BEGIN_MESSAGE_MAP(CKnigaPokView, CUnpostedDocView)
    ON_COMMAND(IDC_KP_ORG_PICK, OnOrgPick)
    ON_EN_CHANGE(IDC_SET_ORG, OnOrgChange)
    ON_CBN_SELCHANGE(IDC_KP_SOURCE, OnSourceChange)
    ON_COMMAND(ID_DOCUMENT_PRINT, OnPrint)
END_MESSAGE_MAP()

namespace {

const UINT kAmountIds[8] = {IDC_KP_NOS18, IDC_KP_S18, IDC_KP_NOS10, IDC_KP_S10,
                            IDC_KP_NOS20, IDC_KP_S20, IDC_KP_S0,    IDC_KP_S00};

} // namespace

CKnigaPokView::CKnigaPokView() : CUnpostedDocView(IDR_KNIGA_POK)
{
    m_editAccepted.SetType(EDIT_KIND_DATE);
    m_editInvoiceDate.SetType(EDIT_KIND_DATE);
    m_editPaid.SetType(EDIT_KIND_DATE);
    m_editOrg.SetType(EDIT_KIND_PLAIN);
    m_editTotal.SetType(EDIT_KIND_AMOUNT);
    for (CderivedEdit& edit : m_editAmounts)
        edit.SetType(EDIT_KIND_AMOUNT);
}

CKnigaPokView::~CKnigaPokView() = default;

void CKnigaPokView::DoDataExchange(CDataExchange* pDX)
{
    CUnpostedDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_KP_SOURCE, m_comboSource);
    DDX_Control(pDX, IDC_KP_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_KP_INVOICE_DATE, m_editInvoiceDate);
    DDX_Control(pDX, IDC_KP_TOTAL, m_editTotal);
    DDX_Control(pDX, IDC_KP_PAID, m_editPaid);
    DDX_Control(pDX, IDC_KP_ACCEPTED, m_editAccepted);
    DDX_Control(pDX, IDC_SET_ORG, m_editOrg);
    DDX_Control(pDX, IDC_KP_GTD, m_editGtd);
    for (int i = 0; i < 8; ++i)
        DDX_Control(pDX, kAmountIds[i], m_editAmounts[i]);
    DDX_CBIndex(pDX, IDC_KP_SOURCE, m_nSource);
}

// The sources of financing by their digit; the first one in a fresh form.
void CKnigaPokView::PrepareForm()
{
    for (const char* source : {"1", "2", "3", "4"})
        m_comboSource.AddString(source);
    m_comboSource.SetCurSel(0);
}

void CKnigaPokView::OnInitialUpdate()
{
    CUnpostedDocView::OnInitialUpdate();
    OnSourceChange();
}

void CKnigaPokView::SetSql()
{
    CWaitCursor wait;
    CKnigaPokRecord record;
    record.branch = RememberedBranch();
    if (GetRealId() == -1) {
        // A new entry keeps the source of the one before.
        UpdateData(TRUE);
        record.source = m_nSource + 1;
        record.accepted = DMGtoStr(COleDateTime::GetCurrentTime());
    } else if (!record.Load(GetRealId())) {
        OnCancel();
        return;
    } else {
        SetLoadedDate(record.accepted);
    }
    m_nSource = record.source >= 1 && record.source <= 4 ? record.source - 1 : 0;
    SetDlgItemText(IDC_KP_NUMBER, record.number);
    SetDlgItemText(IDC_KP_TOTAL, record.total);
    SetDlgItemText(IDC_KP_INVOICE_DATE, record.invoiceDate);
    SetDlgItemText(IDC_KP_PAID, record.paidDate);
    SetDlgItemText(IDC_KP_ACCEPTED, record.accepted);
    SetDlgItemText(IDC_SET_ORG, record.org);
    SetDlgItemText(IDC_KP_GTD, record.gtd);
    for (int i = 0; i < 8; ++i)
        SetDlgItemText(kAmountIds[i], record.amounts[i]);
    ShowBranch(record.branch);
    UpdateData(FALSE);
    OnSourceChange();
    FocusField(IDC_KP_NUMBER, FALSE);
}

BOOL CKnigaPokView::ValidateDocument()
{
    CKnigaPokRecord r;
    r.branch = SelectedBranch(IDC_FIL);
    r.source = m_nSource + 1;
    GetDlgItemText(IDC_KP_NUMBER, r.number);
    GetDlgItemText(IDC_KP_TOTAL, r.total);
    GetDlgItemText(IDC_KP_INVOICE_DATE, r.invoiceDate);
    GetDlgItemText(IDC_KP_PAID, r.paidDate);
    GetDlgItemText(IDC_KP_ACCEPTED, r.accepted);
    GetDlgItemText(IDC_SET_ORG, r.org);
    GetDlgItemText(IDC_SET_ORG_NAME, r.orgName);
    GetDlgItemText(IDC_KP_GTD, r.gtd);
    for (int i = 0; i < 8; ++i)
        GetDlgItemText(kAmountIds[i], r.amounts[i]);
    r.org.Trim();
    CString total = r.total;
    total.Replace(",", ".");
    if (!CheckDateText(IDC_KP_ACCEPTED, r.accepted, "Укажите дату принятия на учет", r.accepted))
        return FALSE;
    if (atof(total) == 0) {
        AfxMessageBox("Укажите сумму с/ф");
        FocusField(IDC_KP_TOTAL, FALSE);
        return FALSE;
    }
    if (!RequireText(IDC_SET_ORG, r.org, "Укажите код Организации"))
        return FALSE;
    if (!SprOk("spr_org", r.org)) {
        AfxMessageBox("Нет такой организации");
        FocusField(IDC_SET_ORG, TRUE);
        return FALSE;
    }
    m_record = r;
    return TRUE;
}

void CKnigaPokView::RememberDefaults()
{
    RememberBranch(m_record.branch);
}

// The offer of a new entry; the open lists are told of the saved one.
void CKnigaPokView::AfterSave()
{
    OfferNewDocument(IDC_KP_NUMBER, 1);
}

void CKnigaPokView::OnSourceChange()
{
    UpdateData(TRUE);
    SetDlgItemText(IDC_KP_SOURCE_NAME, GL_GetCol0_Name(FormatNumber(m_nSource + 1, "", 0)));
}

void CKnigaPokView::OnPrint()
{
    CHelpers::FN_OpenDocument0("ОтчКнигПокуп", 0, nullptr);
}

} // namespace nledmark
