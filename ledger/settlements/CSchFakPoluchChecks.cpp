// The checks of a received invoice's save, in the order the user meets them:
// the dates, number and sum; then, for an invoice with postings, the
// supplier's account and every filled line with its pair through 501.03 and
// 502.01, each tested as the posting script will write it; for one without,
// its text. Nothing is written before all of them passed.
#include "CSchFakPoluchView.h"

#include "ScriptReadCache.h"
#include "TypedNumber.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

BOOL CSchFakPoluchView::ValidateDocument()
{
    CSchFakPoluchRecord r;
    r.branch = Branch();
    r.posted = !m_bNoPosting;
    r.b501 = m_b501 ? 1 : 0;
    CString date, invoiceDate, sum;
    GetDlgItemText(IDC_SFP_DATE, date);
    GetDlgItemText(IDC_SFP_NUMBER, r.number);
    GetDlgItemText(IDC_SFP_INVOICE_DATE, invoiceDate);
    GetDlgItemText(IDC_SUM, sum);
    GetDlgItemText(IDC_SFP_KBK, r.kbk);
    GetDlgItemText(IDC_SFP_TEXT, r.text);
    for (int k = 0; k < 3; ++k) {
        GetDlgItemText(IDC_SFP_SB1 + k, r.values[k]);
        r.values[k].Trim();
    }
    r.supplier = SupplierAccount();
    r.kbk.Trim();
    r.grid = GetGridInOneString(m_grid, 0);
    if (!CheckDateText(IDC_SFP_DATE, date.Trim(), "Укажите дату регистрации с/ф", r.date))
        return FALSE;
    if (!RequireText(IDC_SFP_NUMBER, r.number, "Укажите № с/ф"))
        return FALSE;
    if (!RequireText(IDC_SFP_INVOICE_DATE, invoiceDate.Trim(), "Укажите дату с/ф"))
        return FALSE;
    r.invoiceDate = DMG(invoiceDate, 1, 0);
    if (r.invoiceDate.IsEmpty()) {
        FocusField(IDC_SFP_INVOICE_DATE, TRUE);
        return FALSE;
    }
    r.sum = TypedNumber(sum);
    if (r.sum.IsEmpty() || atof(r.sum) == 0) {
        AfxMessageBox("Укажите сумму с/ф");
        FocusField(IDC_SUM, FALSE);
        return FALSE;
    }
    if (!r.kbk.IsEmpty() && !IsDigitsOnly(r.kbk)) {
        AfxMessageBox("КБК указывается целым числом");
        FocusField(IDC_SFP_KBK, TRUE);
        return FALSE;
    }
    if (r.posted) {
        if (!CheckPostings(r))
            return FALSE;
    } else if (!RequireText(IDC_SFP_TEXT, CString(r.text).Trim(), "Укажите цель")) {
        return FALSE;
    }
    m_record = r;
    return TRUE;
}

BOOL CSchFakPoluchView::CheckPostings(CSchFakPoluchRecord& r)
{
    if (!RequireText(IDC_SFP_SUPPLIER, r.supplier, "Укажите кредит счет"))
        return FALSE;
    if (!GL_Valid_Sch(r.supplier, 0, -1)) {
        AfxMessageBox("Нет такого счета");
        FocusField(IDC_SFP_SUPPLIER, TRUE);
        return FALSE;
    }
    const CReceivedHeader header{r.supplier, {r.values[0], r.values[1], r.values[2]}, r.kbk};
    CChartFacts chart;
    // The lines name the same accounts: the scripts read the chart once.
    appcore::CScriptReadCache reads;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        CString cells[SFP_COLUMNS];
        bool filled = false;
        for (int col = 0; col < SFP_COLUMNS; ++col) {
            cells[col] = Cell(col, row).Trim();
            filled = filled || (col <= SFP_SUM && !cells[col].IsEmpty());
        }
        if (!filled)
            continue;
        CReceivedLine line{cells[SFP_KBK], cells[SFP_ACCOUNT],
                           {cells[SFP_VALUE1], cells[SFP_VALUE2], cells[SFP_VALUE3]},
                           TypedNumber(cells[SFP_QUANTITY]), TypedNumber(cells[SFP_SUM]), cells[SFP_EKR]};
        if ((line.quantity.IsEmpty() && !cells[SFP_QUANTITY].IsEmpty())
            || (line.sum.IsEmpty() && !cells[SFP_SUM].IsEmpty())) {
            AfxMessageBox(FormatText("Строка %d: количество и сумма указываются числом", row + 1));
            FocusLine(row, line.sum.IsEmpty() ? SFP_SUM : SFP_QUANTITY);
            return FALSE;
        }
        std::vector<CPostingLine> lines{ReceivedLinePosting(line, header)};
        if (m_b501) {
            const CReceivedPair pair = ReceivedInvoicePair(chart, line, header);
            if (pair.outcome == ReceivedPairOutcome::Fault) {
                AfxMessageBox(pair.message);
                FocusLine(row, SFP_EKR);
                return FALSE;
            }
            if (pair.outcome == ReceivedPairOutcome::Made)
                lines.push_back(pair.posting);
        }
        if (!TestPostingLines(lines, r.date, r.branch)) {
            FocusLine(row, SFP_ACCOUNT);
            return FALSE;
        }
        r.postings.insert(r.postings.end(), lines.begin(), lines.end());
    }
    return TRUE;
}

} // namespace nledmark
