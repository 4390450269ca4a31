// The budget request: the checks of a save and its end.
#include "CBudgZayavView.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

const char* const kConstants = "constants";

} // namespace

BOOL CBudgZayavView::CheckAccount(UINT ctrlId, const CString& account, const char* emptyMessage,
                                  const char* unknownMessage)
{
    if (!RequireText(ctrlId, account, emptyMessage))
        return FALSE;
    if (!GL_Valid_Sch(account, 0, -1)) {
        AfxMessageBox(unknownMessage);
        FocusField(ctrlId, TRUE);
        return FALSE;
    }
    return TRUE;
}

BOOL CBudgZayavView::ValidateDocument()
{
    const int branch = SelectedBranch(IDC_FIL);
    CString date;
    if (!CheckDateText(IDC_BUDG_DATE_TEXT, m_strDate, "Укажите Дату", date)
        || !RequireText(IDC_NUMBER, m_strNumber, "Укажите № документа")
        || !CheckAccount(IDC_REQ_DEBIT, m_strDebit, "Укажите Дебет счета", "Нет такого счета по дебету")
        || !CheckAccount(IDC_REQ_CREDIT, m_strCredit, "Укажите Кредит счета", "Нет такого счета по кредиту")
        || !RequireText(IDC_BUDG_BASE_DOC, m_strIcn, "Укажите содержание операции"))
        return FALSE;
    // The grand total: the totals in thousands of every indicator. A request
    // without indicators, or one that comes to nothing, asks for them.
    double grand = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        grand += atof(m_grid.GetCellValue(ZAYAV_TOTAL, row)) * 1000;
    const CString total = FormatNumber(grand, "", 2);
    if (m_grid.GetNRows() == 0 || atof(total) == 0) {
        AfxMessageBox("Укажите показатели");
        m_grid.SetFocus();
        return FALSE;
    }
    CBudgZayavRecord& r = m_record;
    r.date = date;
    r.number = m_strNumber;
    r.debit = m_strDebit;
    r.credit = m_strCredit;
    for (int k = 0; k < 3; ++k) {
        r.debitValues[k] = m_strDebitValues[k];
        r.creditValues[k] = m_strCreditValues[k];
    }
    r.kbkDebit = m_strKbkDebit;
    r.kbkCredit = m_strKbkCredit;
    r.icn = m_strIcn;
    r.prim = m_strPrim;
    r.grid = GetGridInOneString(m_grid, 0);
    r.total = total;
    r.branch = branch;
    const CPostingLine posting = r.Posting();
    return TestPosting(date, posting, branch) == 0;
}

void CBudgZayavView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt(kConstants, "select_fil", m_record.branch);
    app->WriteProfileString(kConstants, "ledmark_budg_zayavka_deb", m_record.debit);
    app->WriteProfileString(kConstants, "ledmark_budg_zayavka_kred", m_record.credit);
}

// The form stays open on the saved request.
void CBudgZayavView::AfterSave()
{
    FocusField(IDC_BUDG_DATE_TEXT, TRUE);
    PostOK(1, 1);
}

} // namespace nledmark
