// The cash deposit announcement: load, the pickers, checks and print.
#include "CDocObyavlView.h"

#include "CHelpers.h"
#include "SettlementCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CDocObyavlView, CUnpostedDocView)

BEGIN_MESSAGE_MAP(CDocObyavlView, CUnpostedDocView)
    ON_COMMAND(IDC_OB_ACCOUNT_PICK, OnAccountPick)
    ON_EN_CHANGE(IDC_SET_ACCOUNT, OnAccountChange)
    ON_COMMAND(IDC_SET_SOURCE_PICK, OnSourcePick)
    ON_EN_CHANGE(IDC_SET_SOURCE, OnSourceChange)
    ON_COMMAND(IDC_OB_ORG_PICK, OnOrgPick)
    ON_EN_CHANGE(IDC_SET_ORG, OnOrgChange)
    ON_COMMAND(ID_DOCUMENT_PRINT, OnPrint)
END_MESSAGE_MAP()

CDocObyavlView::CDocObyavlView() : CUnpostedDocView(IDR_DOC_OBYAVL)
{
    m_editDate.SetType(EDIT_KIND_DATE);
    m_editAccount.SetType(EDIT_KIND_PLAIN);
    m_editSum.SetType(EDIT_KIND_AMOUNT);
    m_editSource.SetType(EDIT_KIND_PLAIN);
}

CDocObyavlView::~CDocObyavlView() = default;

void CDocObyavlView::DoDataExchange(CDataExchange* pDX)
{
    CUnpostedDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_SET_DATE_TEXT, m_editDate);
    DDX_Control(pDX, IDC_SET_ACCOUNT, m_editAccount);
    DDX_Control(pDX, IDC_OB_SUM, m_editSum);
    DDX_Control(pDX, IDC_SET_SOURCE, m_editSource);
    DDX_Control(pDX, IDC_SET_SOURCE_NAME, m_editSourceText);
    DDX_Control(pDX, IDC_SET_ORG, m_editOrg);
    DDX_Control(pDX, IDC_SET_NOTE, m_editPrim);
}

void CDocObyavlView::SetSql()
{
    CWaitCursor wait;
    CDocObyavlRecord record;
    record.branch = RememberedBranch();
    if (GetRealId() == -1) {
        record.number = ProposeNumber(GL_NextNumber(CDocObyavlRecord::kTable, 0));
        record.date = DMGtoStr(COleDateTime::GetCurrentTime());
    } else if (!record.Load(GetRealId())) {
        OnCancel();
        return;
    } else {
        SetLoadedDate(record.date);
    }
    // The source text after the code: the stored text stands, not the code's
    // name that the code's change has just written.
    SetDlgItemText(IDC_SET_DATE_TEXT, record.date);
    SetDlgItemText(IDC_NUMBER, record.number);
    SetDlgItemText(IDC_SET_NOTE, record.prim);
    SetDlgItemText(IDC_SET_ACCOUNT, record.account);
    SetDlgItemText(IDC_SET_SOURCE, record.source);
    SetDlgItemText(IDC_SET_SOURCE_NAME, record.sourceText);
    SetDlgItemText(IDC_OB_SUM, record.sum);
    SetDlgItemText(IDC_SET_ORG, record.org);
    ShowBranch(record.branch);
}

BOOL CDocObyavlView::ValidateDocument()
{
    CDocObyavlRecord r;
    r.branch = SelectedBranch(IDC_FIL);
    GetDlgItemText(IDC_SET_DATE_TEXT, r.date);
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_SET_NOTE, r.prim);
    GetDlgItemText(IDC_SET_ACCOUNT, r.account);
    GetDlgItemText(IDC_SET_SOURCE, r.source);
    GetDlgItemText(IDC_SET_SOURCE_NAME, r.sourceText);
    GetDlgItemText(IDC_OB_SUM, r.sum);
    GetDlgItemText(IDC_SET_ORG, r.org);
    r.account.Trim();
    r.source.Trim();
    r.org.Trim();
    if (!CheckDateText(IDC_SET_DATE_TEXT, r.date, "Укажите Дату", r.date)
        || !RequireText(IDC_NUMBER, r.number, "Укажите № документа")
        || !CheckBook(IDC_SET_ACCOUNT, "spr_ls", r.account, "Укажите код лицевого счета",
                      "Нет такого кода лицевого счета")
        || !CheckSum(r.sum) || !CheckSource(r.source, r.sourceText)
        || !CheckBook(IDC_SET_ORG, "spr_org", r.org, "Укажите кому даете деньги", "Нет такого кода организации"))
        return FALSE;
    m_record = r;
    return TRUE;
}

BOOL CDocObyavlView::CheckBook(UINT ctrlId, const char* table, const CString& code, const char* emptyMessage,
                               const char* unknownMessage)
{
    if (!RequireText(ctrlId, code, emptyMessage))
        return FALSE;
    if (SprOk(table, code))
        return TRUE;
    AfxMessageBox(unknownMessage);
    FocusField(ctrlId, TRUE);
    return FALSE;
}

// The sum at two decimals; one that rounds to zero is no deposit, and cash
// cannot be deposited in a negative amount either.
BOOL CDocObyavlView::CheckSum(CString& sum)
{
    CString typed = sum;
    typed.Replace(",", ".");
    typed.Remove(' ');
    sum = FormatNumber(atof(typed), "", 2);
    const double value = atof(sum);
    if (value > 0)
        return TRUE;
    AfxMessageBox(value == 0 ? "Укажите сумму" : "Сумма взноса должна быть больше нуля");
    FocusField(IDC_OB_SUM, TRUE);
    return FALSE;
}

// A code of the book, or, without a code, a text of the user's own.
BOOL CDocObyavlView::CheckSource(const CString& code, const CString& text)
{
    if (code.IsEmpty()) {
        if (!text.IsEmpty())
            return TRUE;
        AfxMessageBox("Укажите целевое назначение");
        FocusField(IDC_SET_SOURCE, FALSE);
        return FALSE;
    }
    if (SprOk("spr_cn", code))
        return TRUE;
    AfxMessageBox("Нет такого кода целевого назначения");
    FocusField(IDC_SET_SOURCE, TRUE);
    return FALSE;
}

void CDocObyavlView::RememberDefaults()
{
    RememberBranch(m_record.branch);
}

// The personal accounts of the branch chosen in the list.
void CDocObyavlView::OnAccountPick()
{
    CString filter;
    filter.Format("where fil_id=%d", SelectedBranch(IDC_FIL));
    CHelpers::GetInSpr("spr_ls", this, IDC_SET_ACCOUNT, filter, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CDocObyavlView::OnSourceChange()
{
    CString code;
    GetDlgItemText(IDC_SET_SOURCE, code);
    SetDlgItemText(IDC_SET_SOURCE_NAME, GetFromSPR("spr_cn", code, nullptr));
}

// The report file reads the stored row by its key (-1 before the first
// save, which it answers with a page that says so).
void CDocObyavlView::OnPrint()
{
    CString call;
    call.Format("PrepareTheReport(\"%d\")", GetRealId());
    CHelpers::EXEC_ShowExternalReport(GetAppPath() + "\\_sys\\_ExtReports\\ОбъявлНалич.extr", call);
}

} // namespace nledmark
