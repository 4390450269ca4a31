// The contract breakdown: the line check and the checks of a save.
#include "CBudgRasshView.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

namespace {

const char* const kConstants = "constants";

bool RowIsEmpty(const CCellwork& grid, long row)
{
    for (long col = 0; col < grid.GetNCols(); ++col)
        if (!grid.GetCellValue(col, row).IsEmpty())
            return false;
    return true;
}

} // namespace

BOOL CBudgRasshView::RowFault(long row, int col, const char* message, BOOL messages)
{
    if (messages) {
        AfxMessageBox(message);
        m_grid.SetFocus();
        m_grid.SetCurCell(col, row);
    }
    return FALSE;
}

BOOL CBudgRasshView::CheckRow(long row, BOOL messages)
{
    const CString ekr = Cell(RASSH_EKR, row);
    const CString kbk = Cell(RASSH_KBK, row);
    if (ekr.IsEmpty())
        return RowFault(row, RASSH_EKR, "Укажите ЭКР", messages);
    if (!SprOk("spr_ekr", ekr))
        return RowFault(row, RASSH_EKR, "Нет такого ЭКР", messages);
    if (Cell(RASSH_SOURCE, row).IsEmpty())
        return RowFault(row, RASSH_SOURCE, "Укажите Источник финансирования", messages);
    if (kbk.IsEmpty())
        return RowFault(row, RASSH_KBK, "Укажите КБК", messages);
    if (!SprOk("spr_kbk", kbk))
        return RowFault(row, RASSH_KBK, "Нет такого КБК", messages);
    return TRUE;
}

// Every line that holds anything is checked; the month amounts of all lines
// make the total.
BOOL CBudgRasshView::CheckRows(double& total)
{
    bool anyMonth = false;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        if (RowIsEmpty(m_grid, row))
            continue;
        if (!CheckRow(row, TRUE))
            return FALSE;
        for (int col = RASSH_JANUARY; col <= RASSH_DECEMBER; ++col) {
            const CString amount = Cell(col, row);
            if (amount.IsEmpty())
                continue;
            total += atof(amount);
            anyMonth = true;
        }
    }
    if (!anyMonth) {
        AfxMessageBox("Укажите помесячно");
        m_grid.SetFocus();
        return FALSE;
    }
    return TRUE;
}

BOOL CBudgRasshView::ValidateDocument()
{
    const int branch = SelectedBranch(IDC_FIL);
    CString supplier;
    GetDlgItemText(IDC_BUDG_SUPPLIER_NAME, supplier);
    const CString icn = GetFromSPR("spr_dogovora", m_strContract) + ", " + supplier;
    CString date;
    double total = 0;
    if (!CheckDateText(IDC_BUDG_DATE_TEXT, m_strDate, "Укажите Дату", date)
        || !RequireText(IDC_NUMBER, m_strNumber, "Укажите № документа")
        || !RequireText(IDC_BUDG_CONTRACT, m_strContract, "Укажите Договор"))
        return FALSE;
    if (!SprOk("spr_dogovora", m_strContract)) {
        AfxMessageBox("Нет такого Договора");
        FocusField(IDC_BUDG_CONTRACT, TRUE);
        return FALSE;
    }
    if (!CheckRows(total))
        return FALSE;
    m_bWasNew = GetRealId() == -1;
    m_record.date = date;
    m_record.number = m_strNumber;
    m_record.contract = m_strContract;
    m_record.icn = icn;
    m_record.prim = m_strPrim;
    m_record.grid = GetGridInOneString(m_grid, 0);
    m_record.total = ftoa0(total);
    m_record.branch = branch;
    return TRUE;
}

void CBudgRasshView::RememberDefaults()
{
    AfxGetApp()->WriteProfileInt(kConstants, "select_fil", m_record.branch);
}

// A new breakdown renews the form for the next one; a stored one closes it.
void CBudgRasshView::AfterSave()
{
    PostOK(1, 1);
    if (m_bWasNew) {
        SetRealId(-1);
        SetLoadedDate(CString());
        SetSql();
    } else {
        OnCancel();
    }
}

} // namespace nledmark
