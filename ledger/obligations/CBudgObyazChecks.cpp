// The budget obligation: the checks of a save, which settle and test its one
// posting before anything is written.
#include "CBudgObyazView.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

namespace {

const char* const kConstants = "constants";

} // namespace

BOOL CBudgObyazView::ValidateDocument()
{
    const int branch = SelectedBranch(IDC_FIL);
    CString date, debit, credit;
    double total = 0;
    if (!CheckDateText(IDC_BUDG_DATE_TEXT, m_strDate, "Укажите Дату", date)
        || !RequireText(IDC_NUMBER, m_strNumber, "Укажите № документа")
        || !RequireText(IDC_BUDG_BASE_DOC, m_strIcn, "Укажите наименование документа") || !CheckBooks()
        || !CheckAccount(IDC_BUDG_DEBIT, m_strDebit, 1, "Укажите дебетовый счет", debit)
        || !CheckAccount(IDC_BUDG_CREDIT, m_strCredit, 2, "Укажите кредитовый счет", credit) || !SumMonths(total))
        return FALSE;
    const CBudgetSide d = BudgetSide(debit, m_strEkr, m_strPrd);
    const CBudgetSide k = BudgetSide(credit, m_strEkr, m_strPrd, m_strContract);
    const CString amount = ftoa0(total);
    const CPostingLine posting{debit, d.values[0], d.values[1], d.values[2], credit, k.values[0], k.values[1],
                               k.values[2], amount, CString(), GetFromSPR("spr_dogovora", m_strContract),
                               m_strKbkDebit, m_strKbkCredit};
    if (!CheckDepartment(d, k) || TestPosting(date, posting, branch) != 0)
        return FALSE;
    AfxGetApp()->WriteProfileString(kConstants, "ledmark_budg_obyaz_deb", debit);
    AfxGetApp()->WriteProfileString(kConstants, "ledmark_budg_obyaz_kred", credit);

    CBudgObyazRecord& r = m_record;
    r.date = date;
    r.number = m_strNumber;
    r.icn = m_strIcn;
    r.prim = m_strPrim;
    r.contract = m_strContract;
    r.ekr = m_strEkr;
    r.debit = m_strDebit;
    r.credit = m_strCredit;
    r.kbkDebit = m_strKbkDebit;
    r.kbkCredit = m_strKbkCredit;
    r.department = m_strPrd;
    r.grid = GetGridInOneString(m_grid, 0);
    r.total = amount;
    r.branch = branch;
    r.posting = posting;
    return TRUE;
}

void CBudgObyazView::RememberDefaults()
{
    AfxGetApp()->WriteProfileInt(kConstants, "select_fil", m_record.branch);
}

// The contract and the economic code must be rows of their books.
BOOL CBudgObyazView::CheckBooks()
{
    if (!RequireText(IDC_BUDG_CONTRACT, m_strContract, "Укажите Договор"))
        return FALSE;
    if (!SprOk("spr_dogovora", m_strContract)) {
        AfxMessageBox("Нет такого Договора");
        FocusField(IDC_BUDG_CONTRACT, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_BUDG_EKR, m_strEkr, "Укажите ЭКР"))
        return FALSE;
    if (!SprOk("spr_ekr", m_strEkr)) {
        AfxMessageBox("Нет такого ЭКР");
        FocusField(IDC_BUDG_EKR, TRUE);
        return FALSE;
    }
    return TRUE;
}

// The posting account of a side: the form's account with the economic code's
// KOSGU, which the chart must have.
BOOL CBudgObyazView::CheckAccount(UINT ctrlId, const CString& account, int side, const char* emptyMessage,
                                  CString& posting)
{
    if (!RequireText(ctrlId, account, emptyMessage))
        return FALSE;
    posting = PostingAccount(account, m_strEkr, side);
    if (posting.IsEmpty() || !GL_Valid_Sch0(posting, 0, -1)) {
        AfxMessageBox("Нет такого счета");
        FocusField(ctrlId, TRUE);
        return FALSE;
    }
    return TRUE;
}

BOOL CBudgObyazView::SumMonths(double& total)
{
    bool any = false;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString amount = m_grid.GetCellValue(OBYAZ_SUM, row);
        if (amount.IsEmpty())
            continue;
        total += atof(amount);
        any = true;
    }
    if (!any) {
        AfxMessageBox("Укажите помесячно");
        m_grid.SetFocus();
    }
    return any;
}

} // namespace nledmark
