// The waybill's save: the header's checks, the accounts of a posted waybill,
// the line check and the postings of the lines.
#include "COsNaklView.h"

#include "LineCells.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

const char* const kConstants = "constants";

const UINT kDebitFields[3] = {IDC_ON_DEBIT_SB1, IDC_ON_DEBIT_SB2, IDC_ON_DEBIT_SB3};
const UINT kCreditFields[3] = {IDC_ON_CREDIT_SB1, IDC_ON_CREDIT_SB2, IDC_ON_CREDIT_SB3};

} // namespace

void COsNaklView::ReadHeader(COsNaklRecord& r)
{
    static const std::pair<UINT, CString COsNaklRecord::*> fields[] = {
        {IDC_NUMBER, &COsNaklRecord::number},         {IDC_ON_ICN, &COsNaklRecord::icn},
        {IDC_ON_NOTE, &COsNaklRecord::prim},          {IDC_ON_DEBIT, &COsNaklRecord::debit},
        {IDC_ON_CREDIT, &COsNaklRecord::credit},      {IDC_ON_KBK_DEBIT, &COsNaklRecord::kbkDebit},
        {IDC_ON_KBK_CREDIT, &COsNaklRecord::kbkCredit}};
    for (const auto& [id, member] : fields) {
        GetDlgItemText(id, r.*member);
        (r.*member).Trim();
    }
    for (int k = 0; k < 3; ++k) {
        GetDlgItemText(kDebitFields[k], r.debitSb[k]);
        r.debitSb[k].Trim();
        GetDlgItemText(kCreditFields[k], r.creditSb[k]);
        r.creditSb[k].Trim();
    }
    r.branch = SelectedBranch(IDC_FIL);
    r.posted = !IsDlgButtonChecked(IDC_ON_NO_POSTING);
    r.grid = GetGridInOneString(m_grid, 0);
}

// An account of a posted waybill: given, in the chart, and posted with its
// analytic values, the item's own dimension taken by `sample`.
BOOL COsNaklView::CheckAccount(UINT field, const CString& account, const CString values[3], const CString& sample,
                               const char* emptyMessage)
{
    if (!RequireText(field, account, emptyMessage, TRUE))
        return FALSE;
    if (!GL_Valid_Sch(account, 0, -1)) {
        AfxMessageBox("Нет такого счета");
        FocusField(field, TRUE);
        return FALSE;
    }
    CString placed[3];
    PlaceItem(account, Kind().items, values, sample, placed);
    if (GL_TestSch(account, placed[0], placed[1], placed[2], 1, -1) != 0) {
        FocusField(field, TRUE);
        return FALSE;
    }
    return TRUE;
}

// Each row that holds anything names a known item and a quantity requested
// or released; the rows that pass make the postings and the total.
BOOL COsNaklView::CheckLines(COsNaklRecord& r)
{
    const bool materials = Kind().materials;
    r.lines.clear();
    double released = 0;
    const std::vector<OsNaklLine> rows = OsNaklLines(r.grid);
    for (long row = 0; row < long(rows.size()); ++row) {
        const OsNaklLine& line = rows[size_t(row)];
        if (line.Empty())
            continue;
        if (line.item.IsEmpty()) {
            ShowLineFault(row, ON_ITEM, materials ? "Укажите материал" : "Укажите основное средство");
            return FALSE;
        }
        if (!IsIdText(line.item) || !SprOk(Kind().items, line.item)) {
            ShowLineFault(row, ON_ITEM, materials ? "Нет такого материала" : "Нет такого основного средства");
            return FALSE;
        }
        if (atof(line.asked) == 0 && atof(line.released) == 0) {
            ShowLineFault(row, ON_ASKED, "Укажите количество");
            return FALSE;
        }
        released += atof(line.released);
        r.lines.push_back(line);
    }
    if (r.lines.empty()) {
        AfxMessageBox("Укажите что выдали-то");
        m_grid.SetFocus();
        return FALSE;
    }
    r.MakePostings();
    return TRUE;
}

BOOL COsNaklView::ValidateDocument()
{
    COsNaklRecord r(Mode());
    ReadHeader(r);
    if (!CheckDateControl(IDC_ON_DATE, m_date, "Укажите Дату", r.date)
        || !RequireText(IDC_NUMBER, r.number, "Укажите № документа", TRUE)
        || !RequireText(IDC_ON_ICN, r.icn, "Укажите основание", TRUE))
        return FALSE;
    // KBK reach the database as whole numbers only.
    for (const auto& [field, kbk] : {std::pair<UINT, CString>{IDC_ON_KBK_DEBIT, r.kbkDebit},
                                     std::pair<UINT, CString>{IDC_ON_KBK_CREDIT, r.kbkCredit}})
        if (!kbk.IsEmpty() && !IsIdText(kbk)) {
            AfxMessageBox("Нет такого КБК");
            FocusField(field, TRUE);
            return FALSE;
        }
    if (r.posted) {
        // The item's dimension of an account is tested with an item of the
        // waybill, else with one of the book.
        CString sample;
        for (const OsNaklLine& line : OsNaklLines(r.grid))
            if (sample.IsEmpty() && IsIdText(line.item))
                sample = line.item;
        if (sample.IsEmpty())
            sample = ExecuteString(FormatText("select min(id) as str from %s", Kind().items));
        if (!CheckAccount(IDC_ON_DEBIT, r.debit, r.debitSb, sample, "Укажите дебетовый счет")
            || !CheckAccount(IDC_ON_CREDIT, r.credit, r.creditSb, sample, "Укажите кредитовый счет"))
            return FALSE;
    }
    if (!CheckLines(r))
        return FALSE;
    if (GetRealId() != -1)
        r.storedId = m_record.storedId;
    m_record = r;
    return TRUE;
}

void COsNaklView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileString(kConstants, Kind().debitKey, m_record.debit);
    app->WriteProfileString(kConstants, Kind().creditKey, m_record.credit);
    app->WriteProfileInt(kConstants, "select_fil", m_record.branch);
}

// A saved waybill closes; the open lists are told of it first, while the
// form still exists.
void COsNaklView::AfterSave()
{
    PostOK(1, 1);
    OnCancel();
}

} // namespace nledmark
