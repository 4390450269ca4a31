// The advance report: the checks of a save, in their order, and the
// postings they settle.
#include "CAvansOtchView.h"

#include "ScriptReadCache.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kAccountKey = "ledmark_avans_otch_sch";
const char* const kPairKey = "ledmark_avans_otch_501";

CString WithPoint(CString text)
{
    text.Replace(",", ".");
    return text;
}

// Where the focus goes for a result of the posting test: a cell of the line,
// or a field of the first page (the date, the account, the person).
struct CPostingFault {
    int result;
    int column;   // the cell, or -1
    UINT field;   // the field, or 0
};

const CPostingFault kPostingFaults[] = {
    {1, -1, IDC_AV_DATE},       {2, AV_DEBIT, 0},    {3, AV_DEBIT1, 0},   {4, AV_DEBIT2, 0},
    {5, AV_DEBIT3, 0},          {6, -1, IDC_AV_ACCOUNT}, {7, -1, IDC_SET_TN}, {8, AV_CREDIT, 0},
    {9, AV_CREDIT, 0},          {10, AV_QUANTITY, 0}, {11, AV_CLAIMED, 0},
};

} // namespace

BOOL CAvansOtchView::ValidateDocument()
{
    CAvansOtchRecord r;
    const int page = m_nPage;
    ShowPage(0);
    if (!CheckHeader(r) || !CheckReceived(r))
        return FALSE;
    ShowPage(page);
    if (!CheckLines(r))
        return FALSE;
    m_record = r;
    return TRUE;
}

BOOL CAvansOtchView::CheckHeader(CAvansOtchRecord& r)
{
    r.branch = SelectedBranch(IDC_FIL);
    r.through501 = m_b501;
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_AV_ACCOUNT, r.account);
    GetDlgItemText(IDC_SET_TN, r.tn);
    GetDlgItemText(IDC_AV_PRD, r.department);
    GetDlgItemText(IDC_AV_ICN, r.icn);
    GetDlgItemText(IDC_SET_NOTE, r.prim);
    GetDlgItemText(IDC_AV_PREVIOUS, r.previousAdvance);
    GetDlgItemText(IDC_AV_SUM, r.sum);
    GetDlgItemText(IDC_AV_KBK_DEBIT, r.kbkDebit);
    GetDlgItemText(IDC_AV_KBK_CREDIT, r.kbkCredit);
    r.tn.Trim();
    r.department.Trim();
    r.previousAdvance = WithPoint(r.previousAdvance);
    r.sum = WithPoint(r.sum);
    if (!RequireText(IDC_NUMBER, r.number, "Укажите № документа")
        || !CheckDateControl(IDC_AV_DATE, m_date, "Укажите Дату", r.date)
        || !RequireText(IDC_AV_ACCOUNT, r.account, "Укажите корреспондирующий счет"))
        return FALSE;
    if (!GL_Valid_Sch(r.account, 0, -1)) {
        AfxMessageBox("Нет такого счета");
        FocusField(IDC_AV_ACCOUNT, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_SET_TN, r.tn, "Укажите подотчетное лицо"))
        return FALSE;
    if (!TnOk(r.tn)) {
        AfxMessageBox("Нет такого работника");
        FocusField(IDC_SET_TN, TRUE);
        return FALSE;
    }
    if (r.department.IsEmpty()) {
        r.department = GetTN(r.tn, "prd");
        SetDlgItemText(IDC_AV_PRD, r.department);
    }
    if (r.department.IsEmpty()) {
        AfxMessageBox("Не указано основное подразделение у подотчетного лица");
        FocusField(IDC_AV_PRD, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_AV_ICN, r.icn, "Укажите Назначение аванса"))
        return FALSE;
    if (atof(r.sum) == 0) {
        AfxMessageBox("Укажите сумму");
        FocusField(IDC_AV_SUM, FALSE);
        return FALSE;
    }
    return TRUE;
}

// The advances received: the amounts read as numbers, a filled date
// normalised; a date that is no date is refused with the focus on it.
BOOL CAvansOtchView::CheckReceived(CAvansOtchRecord& r)
{
    for (long row = 0; row < 3; ++row) {
        CString* cells = &r.received[row * 3];
        cells[0] = m_received.GetCellValue(0, row);
        cells[1] = m_received.GetCellValue(1, row);
        cells[2] = m_received.GetCellValue(2, row);
        if (!cells[2].IsEmpty()) {
            cells[2] = ftoa(atof(WithPoint(cells[2])));
            m_received.SetCellValue(2, row, cells[2]);
        }
        if (cells[1].IsEmpty())
            continue;
        const CString date = DMG(cells[1], 1, 0);
        if (date.IsEmpty()) {
            AfxMessageBox("Неверная дата получения аванса: " + cells[1]);
            m_received.SetFocus();
            m_received.SetCurCell(1, row);
            return FALSE;
        }
        cells[1] = date;
        m_received.SetCellValue(1, row, date);
    }
    return TRUE;
}

BOOL CAvansOtchView::CheckLines(CAvansOtchRecord& r)
{
    // The checks only read: the chart and the books are read once per query.
    appcore::CScriptReadCache reads;
    const CAvansHeader header{r.account, r.tn, r.department, r.kbkDebit, r.kbkCredit};
    m_record.date = r.date;
    m_record.branch = r.branch;
    CAvansChart chart;
    std::vector<CPostingLine> postings;
    bool filled = false;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        CString cells[AV_COLUMNS];
        bool empty = true;
        for (int col = 0; col < AV_COLUMNS; ++col) {
            cells[col] = m_grid.GetCellValue(col, row);
            empty = empty && cells[col].IsEmpty();
        }
        if (empty)
            continue;
        for (int col : {AV_CLAIMED, AV_ACCEPTED}) {
            cells[col] = WithPoint(cells[col]);
            m_grid.SetCellValue(col, row, cells[col]);
        }
        filled = true;
        if (!CheckLine(row, cells, header, chart, postings))
            return FALSE;
    }
    if (!filled) {
        AfxMessageBox("Укажите проводки");
        ShowPage(1);
        m_grid.SetFocus();
        return FALSE;
    }
    r.postings = postings;
    r.grid = GetGridInOneString(m_grid, 0);
    return TRUE;
}

// Both dates of a line must be given and be dates; a text that is no date
// gets the focus without a message.
BOOL CAvansOtchView::CheckLineDates(long row, const CString* cells)
{
    const std::pair<int, const char*> dates[] = {{AV_FROM, "Укажите дату начала"}, {AV_TO, "Укажите дату по"}};
    for (const auto& [col, message] : dates) {
        if (!cells[col].IsEmpty() && !DMG(cells[col], 0, 0).IsEmpty())
            continue;
        ShowPage(1);
        if (cells[col].IsEmpty())
            AfxMessageBox(message);
        m_grid.SetFocus();
        m_grid.SetCurCell(col, row);
        return FALSE;
    }
    return TRUE;
}

BOOL CAvansOtchView::CheckLine(long row, CString* cells, const CAvansHeader& header, CAvansChart& chart,
                               std::vector<CPostingLine>& postings)
{
    if (!CheckLineDates(row, cells))
        return FALSE;
    const std::pair<int, const char*> required[] = {{AV_CLAIMED, "Укажите Сумму по отчету"},
                                                     {AV_ACCEPTED, "Укажите Сумму принятую"}};
    for (const auto& [col, message] : required)
        if (atof(cells[col]) == 0) {
            ShowPage(1);
            ShowLineFault(row, col, message);
            return FALSE;
        }
    if (cells[AV_DEBIT].IsEmpty()) {
        ShowPage(1);
        ShowLineFault(row, AV_DEBIT, "Укажите счет по дебету");
        return FALSE;
    }
    const int debit = GL_TestSch(cells[AV_DEBIT], cells[AV_DEBIT1], cells[AV_DEBIT2], cells[AV_DEBIT3], 1, -1);
    if (debit != 0) {
        ShowPage(1);
        m_grid.SetFocus();
        m_grid.SetCurCell(debit >= 1 && debit <= 4 ? AV_DEBIT + debit - 1 : AV_DEBIT, row);
        return FALSE;
    }
    const CPostingLine main = MainPosting(cells, header, chart);
    if (GL_TestSch(main.credit, main.credit1, main.credit2, main.credit3, 1, -1) != 0) {
        ShowPage(1);
        m_grid.SetFocus();
        m_grid.SetCurCell(AV_CREDIT, row);
        return FALSE;
    }
    if (!TestPosting(row, main))
        return FALSE;
    postings.push_back(main);
    if (!m_b501)
        return TRUE;
    const CAvansPair pair = PairPosting(cells, header, chart);
    if (pair.outcome == PairOutcome::Made) {
        if (!TestPosting(row, pair.posting))
            return FALSE;
        postings.push_back(pair.posting);
    } else if (!pair.message.IsEmpty()) {
        AfxMessageBox(pair.message);
    }
    return TRUE;
}

// The posting's test with the document's date, branch and codes.
BOOL CAvansOtchView::TestPosting(long row, const CPostingLine& p)
{
    const int result = nledmark::TestPosting(m_record.date, p, m_record.branch);
    if (result == 0)
        return TRUE;
    ShowPostingFault(row, result);
    return FALSE;
}

// Every refusal stops the save; the script has told the user why. A result
// without a place of its own puts the focus on the line's debit.
void CAvansOtchView::ShowPostingFault(long row, int result)
{
    CPostingFault fault{result, AV_DEBIT, 0};
    for (const CPostingFault& known : kPostingFaults)
        if (known.result == result)
            fault = known;
    if (fault.field) {
        ShowPage(0);
        FocusField(fault.field, fault.field != IDC_AV_DATE);
        return;
    }
    ShowPage(1);
    m_grid.SetFocus();
    m_grid.SetCurCell(fault.column, row);
}

void CAvansOtchView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileString(kConstants, kAccountKey, m_record.account);
    app->WriteProfileInt(kConstants, kPairKey, m_record.through501);
    app->WriteProfileInt(kConstants, kSelectFil, m_record.branch);
}

} // namespace nledmark
