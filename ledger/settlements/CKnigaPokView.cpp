// The purchase book entry: load, checks and the print.
#include "CKnigaPokView.h"

#include "CHelpers.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CKnigaPokView, CVatBookEntryView)

BEGIN_MESSAGE_MAP(CKnigaPokView, CVatBookEntryView)
    ON_COMMAND(IDC_KP_ORG_PICK, OnOrgPick)
    ON_EN_CHANGE(IDC_SET_ORG, OnOrgChange)
    ON_COMMAND(ID_DOCUMENT_PRINT, OnPrint)
END_MESSAGE_MAP()

CKnigaPokView::CKnigaPokView() : CVatBookEntryView(IDR_KNIGA_POK)
{
    m_editAccepted.SetType(EDIT_KIND_DATE);
}

CKnigaPokView::~CKnigaPokView() = default;

void CKnigaPokView::DoDataExchange(CDataExchange* pDX)
{
    CVatBookEntryView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_KP_ACCEPTED, m_editAccepted);
    DDX_Control(pDX, IDC_KP_GTD, m_editGtd);
}

void CKnigaPokView::SetSql()
{
    CWaitCursor wait;
    CKnigaPokRecord record;
    record.branch = RememberedBranch();
    if (GetRealId() == -1) {
        record.source = ShownSource();
        record.accepted = DMGtoStr(COleDateTime::GetCurrentTime());
    } else if (!record.Load(GetRealId())) {
        OnCancel();
        return;
    } else {
        SetLoadedDate(record.accepted);
    }
    SetDlgItemText(IDC_KP_ACCEPTED, record.accepted);
    SetDlgItemText(IDC_KP_GTD, record.gtd);
    ShowEntry(record.branch, record.source, record.number, record.total, record.invoiceDate, record.paidDate,
              record.org, record.amounts);
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

void CKnigaPokView::OnPrint()
{
    CHelpers::FN_OpenDocument0("ОтчКнигПокуп", 0, nullptr);
}

} // namespace nledmark
