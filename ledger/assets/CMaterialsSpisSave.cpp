// The materials write-off: the checks of a save, the postings it writes and
// the end of the save.
#include "CMaterialsSpisView.h"

#include "AccountBalance.h"
#include "AccountDimensionRows.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "LineCells.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <QRegularExpression>

namespace nledmark {

namespace {

const char* const kConstants = "constants";

CString Trimmed(const CString& text)
{
    return CString(text).Trim();
}

// Whether dimension n of the account is kept by the economic codes' book.
bool IsEkrDimension(const CString& account, int n)
{
    const int book = ChartDimensionBook(account, n);
    return book != 0 && I_GetSprTableName(book) == "spr_ekr";
}

} // namespace

void CMaterialsSpisView::ReadHeader(CMaterialsSpisRecord& r)
{
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_MS_DEBIT, r.debit);
    GetDlgItemText(IDC_MS_CREDIT, r.credit);
    GetDlgItemText(IDC_MS_KBK_DEBIT, r.kbkDebit);
    GetDlgItemText(IDC_MS_KBK_CREDIT, r.kbkCredit);
    GetDlgItemText(IDC_SET_TN, r.tn);
    GetDlgItemText(IDC_MS_WHOM, r.whom);
    GetDlgItemText(IDC_MS_NOTE, r.prim);
    GetDlgItemText(IDC_MS_ZAB, r.zab);
    static const UINT codes[3] = {IDC_MS_SB1, IDC_MS_SB2, IDC_MS_SB3};
    for (int k = 0; k < 3; ++k) {
        GetDlgItemText(codes[k], r.sb[k]);
        r.sb[k].Trim();
    }
    for (CString* text : {&r.number, &r.debit, &r.credit, &r.kbkDebit, &r.kbkCredit, &r.tn, &r.whom, &r.zab})
        text->Trim();
    r.branch = SelectedBranch(IDC_FIL);
    r.grid = GetGridInOneString(m_grid, 0);
}

BOOL CMaterialsSpisView::CheckHeader(const CMaterialsSpisRecord& r)
{
    if (!RequireText(IDC_NUMBER, r.number, "Укажите № документа", TRUE))
        return FALSE;
    if (!RequireText(IDC_SET_TN, r.tn, "Укажите МОЛ", TRUE))
        return FALSE;
    if (!TnOk(r.tn)) {
        AfxMessageBox("Нет такого работника");
        FocusField(IDC_SET_TN, TRUE);
        return FALSE;
    }
    if (!r.whom.IsEmpty() && !TnOk(r.whom)) {
        AfxMessageBox("Нет такого работника");
        FocusField(IDC_MS_WHOM, TRUE);
        return FALSE;
    }
    if (!r.zab.IsEmpty() && !GL_Valid_Sch(r.zab, 0, -1)) {
        AfxMessageBox("Нет такого счета");
        FocusField(IDC_MS_ZAB, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_MS_DEBIT, r.debit, "Укажите Дебет счета", TRUE))
        return FALSE;
    if (!GL_Valid_Sch(r.debit, 0, -1)) {
        AfxMessageBox("Нет такого счета по дебету");
        FocusField(IDC_MS_DEBIT, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_MS_CREDIT, r.credit, "Укажите Кредит счета", TRUE))
        return FALSE;
    if (!GL_Valid_Sch(r.credit, 0, -1)) {
        AfxMessageBox("Нет такого счета по кредиту");
        FocusField(IDC_MS_CREDIT, TRUE);
        return FALSE;
    }
    return RequireText(IDC_MS_NOTE, Trimmed(r.prim), "Укажите Причину списания");
}

// Each row with an item and a quantity: its figures (a balance that could not
// be read stops the save), its posting from stock to the expense account
// with the row's economic code where the account keeps one, and the
// off-balance posting; both tested before the question.
BOOL CMaterialsSpisView::CheckLines(CMaterialsSpisRecord& r)
{
    bool ekrDimension[3];
    for (int k = 0; k < 3; ++k)
        ekrDimension[k] = IsEkrDimension(r.debit, k + 1);
    // The source of financing as the off-balance account's third value.
    const CString zabSource =
        !r.zab.IsEmpty() && I_GetSprTableName(ChartDimensionBook(r.zab, 3)) == "spr_if" ? r.credit.Left(1) : CString();
    double total = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString item = Trimmed(m_grid.GetCellValue(MS_ITEM, row));
        const CString quantity = CellDecimal(m_grid.GetCellValue(MS_KOL, row));
        if (item.IsEmpty() || quantity.IsEmpty())
            continue;
        if (!IsIdText(item)) {
            ShowLineFault(row, MS_ITEM, "Нет такого материала: " + item);
            return FALSE;
        }
        const CString recipient = Trimmed(m_grid.GetCellValue(MS_WHOM, row));
        if (!recipient.IsEmpty() && !TnOk(recipient)) {
            ShowLineFault(row, MS_WHOM, "Нет такого работника: " + recipient);
            return FALSE;
        }
        if (!m_noRecalc && m_grid.GetCellValue(MS_KOL1, row).IsEmpty())
            RecalcRow(row);
        if (m_grid.GetCellValue(MS_KOL1, row).IsEmpty() || m_grid.GetCellValue(MS_SUM, row).IsEmpty()) {
            ShowLineFault(row, MS_ITEM, BalanceUnread(r.credit, item));
            return FALSE;
        }
        CMaterialsSpisLine line;
        for (int col = 0; col < MS_COLUMNS; ++col)
            line.cells[col] = col == MS_NAME || col == MS_UNIT ? m_grid.GetCellValue(col, row)
                                                               : CellDecimal(m_grid.GetCellValue(col, row));
        CPostingLine posting;
        posting.debit = r.debit;
        CString* debitValues[3] = {&posting.debit1, &posting.debit2, &posting.debit3};
        for (int k = 0; k < 3; ++k)
            *debitValues[k] = ekrDimension[k] ? line.cells[MS_EKR] : r.sb[k];
        posting.credit = r.credit;
        posting.credit1 = item;
        posting.credit2 = r.tn;
        posting.amount = line.cells[MS_SUM];
        posting.quantity = line.cells[MS_KOL];
        posting.kbkDebit = r.kbkDebit;
        posting.kbkCredit = r.kbkCredit;
        std::vector<CPostingLine> own{posting};
        if (!r.zab.IsEmpty()) {
            CPostingLine offBalance;
            offBalance.debit = r.zab;
            offBalance.debit1 = item;
            offBalance.debit2 = r.tn;
            offBalance.debit3 = zabSource;
            offBalance.amount = posting.amount;
            offBalance.quantity = posting.quantity;
            offBalance.kbkDebit = r.kbkDebit;
            own.push_back(offBalance);
        }
        if (!TestPostingLines(own, r.date, r.branch)) {
            ShowLineFault(row, MS_ITEM, CString());
            return FALSE;
        }
        r.postings.insert(r.postings.end(), own.begin(), own.end());
        total += atof(posting.amount);
        r.lines.push_back(line);
    }
    if (r.lines.empty()) {
        ShowLineFault(0, MS_ITEM, "Укажите Материалы для списания");
        return FALSE;
    }
    r.sum = FormatNumber(total, "", 2);
    return TRUE;
}

BOOL CMaterialsSpisView::ValidateDocument()
{
    CMaterialsSpisRecord r;
    ReadHeader(r);
    if (!CheckDateControl(IDC_MS_DATE, m_date, "Укажите Дату", r.date) || !CheckHeader(r) || !CheckLines(r))
        return FALSE;
    r.grid = GetGridInOneString(m_grid, 0);
    m_record = r;
    return TRUE;
}

void CMaterialsSpisView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileString(kConstants, "mat_spis_deb", m_record.debit);
    app->WriteProfileString(kConstants, "mat_spis_kred", m_record.credit);
}

BOOL CMaterialsSpisView::OnSaveConfirmed()
{
    AfxGetApp()->WriteProfileInt(kConstants, "select_fil", m_record.branch);
    return TRUE;
}

void CMaterialsSpisView::AfterSave()
{
    OfferNewDocument(IDC_MS_DATE, 1);
}

} // namespace nledmark
