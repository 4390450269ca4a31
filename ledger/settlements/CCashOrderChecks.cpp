// The cash orders: the checks of a save in their order, and the postings
// they settle.
#include "CCashOrderView.h"

#include "ScriptReadCache.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

BOOL CCashOrderView::ValidateDocument()
{
    CCashOrderRecord r(Kind());
    if (!CheckHeader(r) || !CheckLines(r) || !CheckCodes(r))
        return FALSE;
    m_record = r;
    return TRUE;
}

BOOL CCashOrderView::CheckHeader(CCashOrderRecord& r)
{
    r.branch = SelectedBranch(IDC_FIL);
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_CO_MAIN, r.main);
    GetDlgItemText(KbkFieldId(), r.kbk);
    GetDlgItemText(IDC_CO_PRD0, r.division);
    GetDlgItemText(IDC_CO_PRD1, r.corrDivision);
    GetDlgItemText(IDC_SET_SOURCE, r.purpose);
    GetDlgItemText(IDC_SET_SOURCE_NAME, r.purposeName);
    GetDlgItemText(IDC_SET_TN, r.tn);
    GetDlgItemText(IDC_SET_FIO, r.fio);
    if (Kind().hasDocument)
        GetDlgItemText(IDC_CO_DOC, r.document);
    GetDlgItemText(IDC_CO_OSN, r.basis);
    GetDlgItemText(IDC_CO_PRIL, r.attachment);
    GetDlgItemText(IDC_CO_PRIM, r.comment);
    GetDlgItemText(IDC_SUM, r.sum);
    for (CString* code : {&r.main, &r.kbk, &r.division, &r.corrDivision, &r.purpose, &r.tn})
        code->Trim();
    r.sum.Replace(GetNumberDelimiter(), ".");
    r.sum.Replace(",", ".");
    // The lines as the form holds them, without the empty ones at the end.
    long last = m_grid.GetNRows() - 1;
    while (last >= 0 && LineIsEmpty(last))
        --last;
    for (long row = 0; row <= last; ++row) {
        if (row)
            r.grid += GetDelimiter();
        for (int col = 0; col < CO_COLUMNS; ++col)
            r.grid += (col ? GetDelimiter0() : CString()) + Cell(col, row);
    }
    if (!RequireText(IDC_NUMBER, r.number, "Укажите № документа")
        || !CheckDateControl(IDC_DATE, m_date, "Укажите Дату", r.date))
        return FALSE;
    if (!(atof(r.sum) > 0)) {
        AfxMessageBox("Укажите сумму");
        FocusField(IDC_SUM, FALSE);
        return FALSE;
    }
    if (!RequireText(IDC_CO_MAIN, r.main, "Укажите основной счет"))
        return FALSE;
    if (!GL_Valid_Sch(r.main, 0, -1)) {
        AfxMessageBox("Нет такого счета");
        FocusField(IDC_CO_MAIN, TRUE);
        return FALSE;
    }
    return TRUE;
}

// Each line that holds anything is tested as it will be posted; the first
// refused one becomes the current line (the script has said why).
BOOL CCashOrderView::CheckLines(CCashOrderRecord& r)
{
    // The lines name the same accounts: the scripts read the chart once.
    appcore::CScriptReadCache reads;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        if (LineIsEmpty(row))
            continue;
        CString cells[CO_COLUMNS];
        for (int col = 0; col < CO_COLUMNS; ++col)
            cells[col] = Cell(col, row).Trim();
        const CPostingLine posting = r.Posting(cells);
        if (!TestPostingLines({posting}, r.date, r.branch)) {
            m_grid.SetFocus();
            m_grid.SetCurCell(CO_ACCOUNT, row);
            return FALSE;
        }
        r.postings.push_back(posting);
        r.postingRows.push_back(row);
    }
    return TRUE;
}

// The codes of the reference books reach SQL only as whole numbers of rows
// that exist.
BOOL CCashOrderView::CheckCodes(const CCashOrderRecord& r)
{
    if (!CheckCode(IDC_CO_PRD0, r.division, "spr_prd", "Нет такого подразделения")
        || !CheckCode(IDC_CO_PRD1, r.corrDivision, "spr_prd", "Нет такого подразделения")
        || !CheckCode(IDC_SET_SOURCE, r.purpose, "spr_cn", "Нет такого целевого назначения"))
        return FALSE;
    if (!r.tn.IsEmpty() && (!IsDigitsOnly(r.tn) || !TnOk(r.tn))) {
        AfxMessageBox("Нет такого работника");
        FocusField(IDC_SET_TN, FALSE);
        return FALSE;
    }
    return TRUE;
}

BOOL CCashOrderView::CheckCode(UINT ctrlId, const CString& code, const char* table, const char* message)
{
    if (code.IsEmpty() || (IsDigitsOnly(code) && SprOk(table, code)))
        return TRUE;
    AfxMessageBox(message);
    FocusField(ctrlId, ctrlId != IDC_SET_SOURCE);
    return FALSE;
}

} // namespace nledmark
