// The catering menu requirement: the checks of a save, the stored texts and
// one posting per product row from the responsible person's stock.
#include "CMenuTrebView.h"

#include "AccountBalance.h"
#include "LineCells.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

const char* const kConstants = "constants";

CString Trimmed(const CString& text)
{
    return CString(text).Trim();
}

} // namespace

void CMenuTrebView::ReadHeader(CMenuTrebRecord& r)
{
    static const std::pair<UINT, CString CMenuTrebRecord::*> fields[] = {
        {IDC_NUMBER, &CMenuTrebRecord::number},       {IDC_MT_ICN, &CMenuTrebRecord::icn},
        {IDC_MT_NOTE, &CMenuTrebRecord::prim},        {IDC_MT_DEBIT, &CMenuTrebRecord::debit},
        {IDC_MT_CREDIT, &CMenuTrebRecord::credit},    {IDC_SET_TN, &CMenuTrebRecord::tn},
        {IDC_MT_KBK_DEBIT, &CMenuTrebRecord::kbkDebit}, {IDC_MT_KBK_CREDIT, &CMenuTrebRecord::kbkCredit}};
    for (const auto& [id, member] : fields) {
        GetDlgItemText(id, r.*member);
        (r.*member).Trim();
    }
    static const UINT codes[3] = {IDC_MT_SB1, IDC_MT_SB2, IDC_MT_SB3};
    for (int k = 0; k < 3; ++k) {
        GetDlgItemText(codes[k], r.sb[k]);
        r.sb[k].Trim();
    }
    r.branch = SelectedBranch(IDC_FIL);
}

BOOL CMenuTrebView::CheckHeader(const CMenuTrebRecord& r)
{
    if (!RequireText(IDC_NUMBER, r.number, "Укажите № документа", TRUE)
        || !RequireText(IDC_MT_ICN, r.icn, "Укажите основание", TRUE)
        || !RequireText(IDC_SET_TN, r.tn, "Укажите МОЛ", TRUE))
        return FALSE;
    if (!IsIdText(r.tn) || !TnOk(r.tn)) {
        AfxMessageBox("Нет такого работника");
        FocusField(IDC_SET_TN, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_MT_DEBIT, r.debit, "Укажите Дебет счета", TRUE))
        return FALSE;
    if (!GL_Valid_Sch(r.debit, 0, -1)) {
        AfxMessageBox("Нет такого счета по дебету");
        FocusField(IDC_MT_DEBIT, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_MT_CREDIT, r.credit, "Укажите Кредит счета", TRUE))
        return FALSE;
    if (!GL_Valid_Sch(r.credit, 0, -1)) {
        AfxMessageBox("Нет такого счета по кредиту");
        FocusField(IDC_MT_CREDIT, TRUE);
        return FALSE;
    }
    return TRUE;
}

BOOL CMenuTrebView::CheckCategories()
{
    for (long row = 0; row < m_cats.GetNRows(); ++row)
        if (m_cats.GetBCheck(row) && atof(CellDecimal(m_cats.GetCellValue(1, row))) <= 0) {
            AfxMessageBox("Укажите кол-во довольствующихся");
            m_cats.SetCurCell(1, row);
            m_cats.SetFocus0();
            return FALSE;
        }
    return TRUE;
}

// Each row with a product: a known product, a quantity above 0 and a stock
// that could be read; its posting from the stock to the expense account.
BOOL CMenuTrebView::CheckRows(CMenuTrebRecord& r)
{
    const long total = TotalColumn();
    r.postings.clear();
    r.total = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString code = Trimmed(m_grid.GetCellValue(MT_CODE, row));
        const CString quantity = CellDecimal(m_grid.GetCellValue(total, row));
        if (code.IsEmpty() && quantity.IsEmpty())
            continue;
        if (code.IsEmpty()) {
            ShowLineFault(row, MT_CODE, "Укажите материал");
            return FALSE;
        }
        if (!IsIdText(code) || !SprOk("spr_stovan_mat", code)) {
            ShowLineFault(row, MT_CODE, "Нет такого материала");
            return FALSE;
        }
        if (atof(quantity) <= 0) {
            ShowLineFault(row, MT_FIRST_CAT, "Укажите количество");
            return FALSE;
        }
        if (m_grid.GetCellValue(MT_KOL1, row).IsEmpty()) {
            ShowLineFault(row, MT_CODE, BalanceUnread(r.credit, code));
            return FALSE;
        }
        CPostingLine line;
        line.debit = r.debit;
        line.debit1 = r.sb[0];
        line.debit2 = r.sb[1];
        line.debit3 = r.sb[2];
        line.credit = r.credit;
        line.credit1 = code;
        line.credit2 = r.tn;
        line.amount = CellDecimal(m_grid.GetCellValue(total + 1, row));
        line.quantity = quantity;
        line.kbkDebit = r.kbkDebit;
        line.kbkCredit = r.kbkCredit;
        r.postings.push_back(line);
        r.total += atof(line.amount);
    }
    return TRUE;
}

BOOL CMenuTrebView::ValidateDocument()
{
    UpdateData(TRUE);
    CMenuTrebRecord r;
    ReadHeader(r);
    if (!CheckDateControl(IDC_MT_DATE, m_date, "Укажите Дату", r.date) || !CheckHeader(r) || !CheckCategories()
        || !CheckRows(r)) {
        PostMessage(kFirstAnswerMsg);
        return FALSE;
    }
    m_record = r;
    return TRUE;
}

void CMenuTrebView::RememberDefaults()
{
    AfxGetApp()->WriteProfileString(kConstants, "mat_menu_treb_deb", m_record.debit);
    AfxGetApp()->WriteProfileString(kConstants, "mat_menu_treb_kred", m_record.credit);
}

// After "Yes": the stored texts of the categories and the meals, the branch
// of new documents.
BOOL CMenuTrebView::OnSaveConfirmed()
{
    StoreGridToMeal(m_meal);
    m_record.katDov = KatDovText(CategoryEntries());
    m_record.grid = MealsText(m_meals);
    AfxGetApp()->WriteProfileInt(kConstants, "select_fil", m_record.branch);
    EnsureSpareRow();
    return TRUE;
}

} // namespace nledmark
