// Budget assignments and limits: the checks of a save. Every row is checked
// and every posting is settled and tested before the question, so a save
// either writes the document with all its postings or nothing at all.
#include "CBudgAsegView.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

BOOL CBudgAsegView::ValidateDocument()
{
    const int branch = SelectedBranch(IDC_FIL);
    CString date;
    if (!CheckDateControl(IDC_BUDG_DATE, m_date, "Укажите Дату", date)
        || !RequireText(IDC_NUMBER, m_strNumber, "Укажите № документа")
        || !RequireText(IDC_BUDG_BASE_DOC, m_strIcn, "Укажите наименование документа"))
        return FALSE;
    const bool posts = m_nKind != ASSIGNMENTS_QUARTER;
    double total = 0;
    if ((posts && !CheckAccounts()) || !CheckRows(total))
        return FALSE;
    m_record.postings.clear();
    if (posts && !SettlePostings(date, branch))
        return FALSE;
    m_record.date = date;
    m_record.number = m_strNumber;
    m_record.icn = m_strIcn;
    m_record.prim = m_strPrim;
    m_record.kind = m_nKind;
    m_record.source = m_nSource + 1;
    m_record.debit = m_strDebit;
    m_record.credit = m_strCredit;
    m_record.kbkDebit = m_strKbkDebit;
    m_record.kbkCredit = m_strKbkCredit;
    m_record.department = m_strPrd;
    m_record.grid = GetGridInOneString(m_grid, 0);
    m_record.total = ftoa0(total);
    m_record.branch = branch;
    return TRUE;
}

BOOL CBudgAsegView::CheckAccounts()
{
    if (!RequireText(IDC_BUDG_DEBIT, m_strDebit, "Укажите дебетовый счет"))
        return FALSE;
    if (!GL_Valid_Sch(m_strDebit, 0, -1)) {
        AfxMessageBox("Нет такого счета");
        FocusField(IDC_BUDG_DEBIT, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_BUDG_CREDIT, m_strCredit, "Укажите кредитовый счет"))
        return FALSE;
    if (!GL_Valid_Sch(m_strCredit, 0, -1)) {
        AfxMessageBox("Нет такого счета");
        FocusField(IDC_BUDG_CREDIT, TRUE);
        return FALSE;
    }
    return TRUE;
}

void CBudgAsegView::FocusRow(long row)
{
    m_grid.SetFocus();
    m_grid.SetCurCell(ASEG_EKR, row);
}

// A filled row needs an economic code of the book and an amount other than 0;
// a row without a code or amount stops the save on it without a message.
BOOL CBudgAsegView::CheckRows(double& total)
{
    bool any = false;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString ekr = Cell(ASEG_EKR, row);
        const CString amount = Cell(ASEG_SUM, row);
        if (ekr.IsEmpty() && amount.IsEmpty())
            continue;
        if (ekr.IsEmpty() || atof(amount) == 0) {
            FocusRow(row);
            return FALSE;
        }
        if (!SprOk("spr_ekr", ekr)) {
            AfxMessageBox("Нет такого ЭКР " + ekr);
            FocusRow(row);
            return FALSE;
        }
        total += atof(amount);
        any = true;
    }
    if (!any) {
        AfxMessageBox("Укажите лимиты");
        m_grid.SetFocus();
        return FALSE;
    }
    return TRUE;
}

// Each filled row's posting: its accounts with the economic code's KOSGU, its
// analytic values, and the posting script's test.
BOOL CBudgAsegView::SettlePostings(const CString& date, int branch)
{
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString ekr = Cell(ASEG_EKR, row);
        const CString amount = Cell(ASEG_SUM, row);
        if (ekr.IsEmpty() && amount.IsEmpty())
            continue;
        const CString debit = PostingAccount(m_strDebit, ekr, 1);
        const CString credit = PostingAccount(m_strCredit, ekr, 2);
        if (debit.IsEmpty() || credit.IsEmpty()) {
            AfxMessageBox("Для счета " + (debit.IsEmpty() ? m_strDebit : m_strCredit).Left(6) + "000 неизвестен "
                          + (debit.IsEmpty() ? "дебетовый" : "кредитовый") + " хвост для ЭКР " + ekr);
            FocusRow(row);
            return FALSE;
        }
        const CBudgetSide d = BudgetSide(debit, ekr, m_strPrd);
        const CBudgetSide k = BudgetSide(credit, ekr, m_strPrd);
        if (!CheckDepartment(d, k))
            return FALSE;
        CPostingLine line;
        line.debit = debit;
        line.debit1 = d.values[0];
        line.debit2 = d.values[1];
        line.debit3 = d.values[2];
        line.credit = credit;
        line.credit1 = k.values[0];
        line.credit2 = k.values[1];
        line.credit3 = k.values[2];
        line.amount = amount;
        line.note = Cell(ASEG_TEXT, row);
        line.kbkDebit = m_strKbkDebit;
        line.kbkCredit = m_strKbkCredit;
        if (TestPosting(date, line, branch) != 0) {
            FocusRow(row);
            return FALSE;
        }
        m_record.postings.push_back(line);
    }
    return TRUE;
}

} // namespace nledmark
