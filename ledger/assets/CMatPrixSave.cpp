// The materials receipt: the checks of a save, the postings it writes, the
// received-invoice book row and the end of the save.
#include "CMatPrixView.h"

#include "AccountBalance.h"
#include "CChartFacts.h"
#include "CHelpers.h"
#include "gridbase.h"
#include "ledmark.h"
#include "LineCells.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <QRegularExpression>
#include <algorithm>

namespace nledmark {

namespace {

const char* const kConstants = "constants";

CString Trimmed(const CString& text)
{
    return CString(text).Trim();
}

} // namespace

BOOL CMatPrixView::ReadHeader(CMatPrixRecord& r)
{
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_MP_DEBIT, r.debit);
    GetDlgItemText(IDC_MP_CREDIT, r.credit);
    GetDlgItemText(IDC_MP_KBK_DEBIT, r.kbkDebit);
    GetDlgItemText(IDC_MP_KBK_CREDIT, r.kbkCredit);
    GetDlgItemText(IDC_SET_TN, r.tn);
    GetDlgItemText(IDC_MP_NOTE, r.prim);
    GetDlgItemText(IDC_MP_VAT_SUM, r.vatSum);
    static const UINT codes[3] = {IDC_MP_SB1, IDC_MP_SB2, IDC_MP_SB3};
    for (int k = 0; k < 3; ++k) {
        GetDlgItemText(codes[k], r.sb[k]);
        r.sb[k].Trim();
    }
    r.number.Trim();
    r.debit.Trim();
    r.credit.Trim();
    r.kbkDebit.Trim();
    r.kbkCredit.Trim();
    r.tn.Trim();
    r.vatSum = CellDecimal(r.vatSum);
    if (r.Mode() == kMatOpening)
        r.kbkCredit = r.kbkDebit;
    r.vat = r.Mode() == kMatReceipt ? m_vat : 0;
    r.vatRate = std::max(0, m_comboVatRate.GetCurSel());
    r.through106 = m_b106;
    r.through501 = r.Mode() == kMatReceipt ? m_b501 : 0;
    r.branch = SelectedBranch(IDC_FIL);
    r.invoiceId = m_invoiceId;
    return TRUE;
}

BOOL CMatPrixView::CheckHeader(const CMatPrixRecord& r)
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
    if (!RequireText(IDC_MP_DEBIT, r.debit, "Укажите Дебет счета", TRUE))
        return FALSE;
    if (!GL_Valid_Sch(r.debit, 0, -1)) {
        AfxMessageBox("Нет такого счета по дебету");
        FocusField(IDC_MP_DEBIT, TRUE);
        return FALSE;
    }
    if (!RequireText(IDC_MP_CREDIT, r.credit, "Укажите Кредит счета", TRUE))
        return FALSE;
    if (!GL_Valid_Sch(r.credit, 0, -1)) {
        AfxMessageBox("Нет такого счета по кредиту");
        FocusField(IDC_MP_CREDIT, TRUE);
        return FALSE;
    }
    return RequireText(IDC_MP_NOTE, Trimmed(r.prim), "Укажите содержание операции");
}

// Each line with an item: its test as the single posting it stands for, its
// postings (the pair through 106.01 when asked, the pair through 501.03 and
// 502.01), its share of the document's sum. A pair that cannot be made
// stops the save before anything is written.
BOOL CMatPrixView::CheckLines(CMatPrixRecord& r)
{
    CChartFacts chart;
    CSupplierSide supplier{r.credit, {r.sb[0], r.sb[1], r.sb[2]}};
    const CString department = GetTN(r.tn, "prd");
    double total = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString item = Trimmed(m_grid.GetCellValue(MP_ITEM, row));
        if (item.IsEmpty())
            continue;
        if (!IsIdText(item)) {
            ShowLineFault(row, MP_ITEM, "Нет такого материала: " + item);
            return FALSE;
        }
        if (!m_noRecalc && m_grid.GetCellValue(MP_KOL1, row).IsEmpty()) {
            RecalcRow(row);
            if (m_grid.GetCellValue(MP_KOL1, row).IsEmpty()) {
                ShowLineFault(row, MP_ITEM, BalanceUnread(r.debit, item));
                return FALSE;
            }
        }
        CMatPrixLine line;
        for (int col = 0; col < MP_COLUMNS; ++col)
            line.cells[col] = col == MP_NAME || col == MP_UNIT ? m_grid.GetCellValue(col, row)
                                                               : CellDecimal(m_grid.GetCellValue(col, row));
        const CString& ekr = line.cells[MP_EKR];
        CString credit[3];
        SupplierValues(chart, supplier, ekr, credit);
        CPostingLine tested;
        tested.debit = r.debit;
        tested.debit1 = item;
        tested.debit2 = r.tn;
        tested.credit = r.credit;
        tested.credit1 = credit[0];
        tested.credit2 = credit[1];
        tested.credit3 = credit[2];
        tested.amount = line.cells[MP_SUM];
        tested.quantity = line.cells[MP_KOL];
        tested.kbkDebit = r.kbkDebit;
        tested.kbkCredit = r.kbkCredit;
        if (TestPosting(r.date, tested, r.branch) != 0) {
            ShowLineFault(row, MP_ITEM, CString());
            return FALSE;
        }
        CPostingLine own;
        own.debit = r.debit;
        own.debit1 = item;
        own.debit2 = r.tn;
        own.amount = line.cells[MP_SUM];
        own.quantity = line.cells[MP_KOL];
        own.kbkDebit = r.kbkDebit;
        own.kbkCredit = r.kbkCredit;
        AppendOwnPostings(chart, own, supplier, ekr, r.through106 != 0, r.postings);
        if (r.through501) {
            const CBudgetPair501 pair =
                PurchasePair(chart, r.debit, supplier, ekr, own.amount, r.kbkDebit, r.kbkCredit, department);
            if (pair.outcome == PairOutcome501::Made) {
                // Tested here, before the question: a refusal inside the
                // save would come while its transaction holds the rows.
                if (!TestPostingLines({pair.posting}, r.date, r.branch)) {
                    ShowLineFault(row, MP_EKR, CString());
                    return FALSE;
                }
                r.postings.push_back(pair.posting);
            } else if (pair.outcome != PairOutcome501::EmptyContract) {
                ShowLineFault(row, MP_EKR, pair.message);
                return FALSE;
            }
        }
        total += atof(line.cells[MP_SUM]);
        r.lines.push_back(line);
    }
    if (r.lines.empty()) {
        ShowLineFault(0, MP_ITEM, "Укажите приходуемые материалы");
        return FALSE;
    }
    r.sum = FormatNumber(total, "", 2);
    if (r.vat && atof(r.vatSum) != 0) {
        const CPostingLine vat =
            PurchaseVat(supplier, r.vatSum, "Отражение НДС по приобретенным МЦ", r.kbkDebit, r.kbkCredit);
        if (!TestPostingLines({vat}, r.date, r.branch)) {
            FocusField(IDC_MP_VAT_SUM, TRUE);
            return FALSE;
        }
        r.postings.push_back(vat);
    }
    return TRUE;
}

BOOL CMatPrixView::ValidateDocument()
{
    CMatPrixRecord r(Mode());
    ReadHeader(r);
    if (!CheckDateControl(IDC_MP_DATE, m_date, "Укажите Дату", r.date) || !CheckHeader(r) || !CheckLines(r))
        return FALSE;
    m_record = r;
    return TRUE;
}

void CMatPrixView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    if (Mode() == kMatReceipt) {
        app->WriteProfileString(kConstants, "mat_prix_deb", m_record.debit);
        app->WriteProfileString(kConstants, "mat_prix_kred", m_record.credit);
        app->WriteProfileInt(kConstants, "mat_prix_501", m_record.through501);
        app->WriteProfileInt(kConstants, "mat_prix_106", m_record.through106);
    } else {
        app->WriteProfileString(kConstants, "mat_prix_deb0", m_record.debit);
    }
}

// After "Yes": the branch of new documents, then, for a receipt, whether the
// received-invoice book gets its row. Both are settled before the save's
// transaction opens.
BOOL CMatPrixView::OnSaveConfirmed()
{
    AfxGetApp()->WriteProfileInt(kConstants, "select_fil", m_record.branch);
    m_record.writeInvoice = false;
    if (Mode() == kMatReceipt
        && AfxMessageBox("Сделать изменения в книге счет-фактур полученных ? ", MB_YESNO | MB_ICONQUESTION)
               == IDYES)
        PrepareInvoice(m_record);
    return TRUE;
}

BOOL CMatPrixView::PrepareInvoice(CMatPrixRecord& r)
{
    CChartFacts chart;
    const int k = CounterpartyDimension(chart, r.credit);
    if (k == 0) {
        AfxMessageBox(NoCounterpartyMessage(r.credit));
        return FALSE;
    }
    CReceivedInvoiceRow& row = r.invoice;
    row.note = Trimmed(r.prim);
    row.date = r.date;
    row.counterpartyDimension = k;
    row.counterparty = r.sb[k - 1];
    row.counterpartyName = r.sb[k - 1].IsEmpty() ? CString() : GetFromSPR("spr_contr", r.sb[k - 1]);
    row.account = r.credit;
    row.number = r.number;
    row.sum = r.sum;
    row.branch = r.branch;
    r.writeInvoice = true;
    return TRUE;
}

// A book row that could not be written took the whole save back; the user
// is told once the transaction is over.
int CMatPrixView::Write(int ask)
{
    m_record.invoiceUnwritten = false;
    const int written = CPostingDocView::Write(ask);
    if (!written && m_record.invoiceUnwritten)
        AfxMessageBox("Строка книги счетов-фактур полученных не записана: документ не записан", MB_OK | MB_ICONSTOP);
    return written;
}

void CMatPrixView::AfterSave()
{
    if (m_record.writeInvoice) {
        m_invoiceId = m_record.invoiceId;
        CHelpers::I_OpenDocument(m_invoiceId, this, "СчФакПолуч", 0);
        OnCancel();
        PostOK(0, 0);
        return;
    }
    OfferNewDocument(IDC_MP_DATE, 1);
}

} // namespace nledmark
