// The write-off of fixed assets: the checks of a save, in their order, and
// the end of the save.
#include "COsSpisView.h"

#include "LineCells.h"
#include "PostingLines.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <map>

namespace nledmark {

namespace {

const char* const kConstants = "constants";

CString Trimmed(const CString& text)
{
    return CString(text).Trim();
}

// A positive number as typed ("1", "0,5"); false for anything else.
bool PositiveQuantity(const CString& text, double& quantity)
{
    QString number;
    if (!NormalizeNumberText(CellDecimal(text).ToQString(), number))
        return false;
    quantity = number.toDouble();
    return quantity > 0;
}

} // namespace

void COsSpisView::ReadHeader(COsSpisRecord& r)
{
    COsSpisHeader& h = r.header;
    GetDlgItemText(IDC_NUMBER, h.number);
    GetDlgItemText(IDC_OSS_EKR, h.ekr);
    GetDlgItemText(IDC_OSS_DEBIT, h.debit);
    GetDlgItemText(IDC_OSS_KBK, h.kbkDebit);
    GetDlgItemText(IDC_OSS_ZAB, h.zab);
    GetDlgItemText(IDC_OSS_PRICH, h.prich);
    GetDlgItemText(IDC_OSS_PRIM, r.prim);
    GetDlgItemText(IDC_OSS_PRIK, r.prik);
    GetDlgItemText(IDC_OSS_NOTE, r.icn);
    for (CString* text : {&h.number, &h.ekr, &h.debit, &h.kbkDebit, &h.zab})
        text->Trim();
    h.branch = SelectedBranch(IDC_FIL);
    r.grid = GetGridInOneString(m_grid, 0);
}

BOOL COsSpisView::CheckHeader(const COsSpisRecord& r)
{
    const COsSpisHeader& h = r.header;
    if (!RequireText(IDC_NUMBER, h.number, "Укажите № документа", TRUE))
        return FALSE;
    if (!RequireText(IDC_OSS_EKR, h.ekr, "Укажите ЭКР", TRUE))
        return FALSE;
    if (!IsIdText(h.ekr) || !SprOk("spr_ekr", h.ekr)) {
        AfxMessageBox("Нет такого ЭКР");
        FocusField(IDC_OSS_EKR, TRUE);
        return FALSE;
    }
    // An empty account is asked for before it is looked up, so its own
    // message is the one shown.
    if (!RequireText(IDC_OSS_DEBIT, h.debit, "Укажите счет списания", TRUE))
        return FALSE;
    if (!GL_Valid_Sch(h.debit, 0, -1)) {
        AfxMessageBox("Нет такого счета по дебету");
        FocusField(IDC_OSS_DEBIT, TRUE);
        return FALSE;
    }
    if (!h.zab.IsEmpty() && !GL_Valid_Sch(h.zab, 0, -1)) {
        AfxMessageBox("Нет такого забалансового счета");
        FocusField(IDC_OSS_ZAB, TRUE);
        return FALSE;
    }
    if (!h.kbkDebit.IsEmpty() && !IsIdText(h.kbkDebit)) {
        AfxMessageBox("Нет такого КБК");
        FocusField(IDC_OSS_KBK, TRUE);
        return FALSE;
    }
    return RequireText(IDC_OSS_PRIM, Trimmed(r.prim), "Укажите содержание операции");
}

// Each row with a card and a quantity: the card's accounts, responsible
// person and department, its balances without this document's own postings
// (and less what earlier rows of the same card take), and every posting it
// will write tested before the question.
BOOL COsSpisView::CheckLines(COsSpisRecord& r)
{
    const long stored = GetRealId() != -1 ? StoredDocumentId(HeaderTable(), GetRealId()) : 0;
    const CString document = stored > 0 ? FormatText("%ld", stored) : CString();
    std::map<CString, COsTaken> taken;
    double total = 0;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString id = Trimmed(m_grid.GetCellValue(OSS_CARD, row));
        const CString quantityText = Trimmed(m_grid.GetCellValue(OSS_KOL, row));
        if (id.IsEmpty() || quantityText.IsEmpty())
            continue;
        COsSpisRow settled;
        if (!IsIdText(id) || !ReadOsCard(id, settled.card)) {
            ShowLineFault(row, OSS_CARD, "Нет такого ОС: " + id);
            return FALSE;
        }
        if (!PositiveQuantity(quantityText, settled.quantity)) {
            ShowLineFault(row, OSS_KOL, "Неверное количество: " + quantityText);
            return FALSE;
        }
        const COsCard& card = settled.card;
        if (card.schIz.IsEmpty()) {
            ShowLineFault(row, OSS_CARD, "У ОС " + card.name + "\nне указан счет дебета");
            return FALSE;
        }
        if (card.mol.IsEmpty()) {
            ShowLineFault(row, OSS_CARD, "У ОС " + card.name + "\nне указано МОЛ");
            return FALSE;
        }
        if (card.prd.IsEmpty()) {
            ShowLineFault(row, OSS_CARD, "У ОС " + card.name + "\nне указано подразделение");
            return FALSE;
        }
        CString fault;
        COsTaken& before = taken[card.id];
        if (!SettleOsSpisRow(r.header, document.IsEmpty() ? nullptr : (const char*)document, before, settled,
                             fault)) {
            ShowLineFault(row, OSS_CARD, fault);
            return FALSE;
        }
        // A card written off before has nothing left on its balance account:
        // its row would post the quantity of nothing as a zero residual.
        if (OsSpisNothingLeft(settled)) {
            ShowLineFault(row, OSS_CARD, "У ОС " + card.name + "\nнет остатка на балансе");
            return FALSE;
        }
        // More than is left would take no more value than there is but post
        // the whole quantity, driving the quantity on the balance account
        // below zero.
        if (settled.quantity > settled.count + 1e-9) {
            ShowLineFault(row, OSS_KOL,
                          "У ОС " + card.name + "\nна балансе осталось " + ::Number(settled.count, 0) + ", списывается " +
                              ::Number(settled.quantity, 0));
            return FALSE;
        }
        if (!TestPostingLines(settled.postings, r.header.date, r.header.branch)) {
            ShowLineFault(row, OSS_CARD, CString());
            return FALSE;
        }
        before.value += settled.shares.value;
        before.count += settled.quantity;
        before.depreciation += settled.shares.depreciation;
        total += settled.shares.value;
        r.lines.push_back({card.id, settled.quantity});
    }
    if (r.lines.empty()) {
        ShowLineFault(0, OSS_CARD, "Укажите что списываете");
        return FALSE;
    }
    r.sum = FormatNumber(total, "", 2);
    return TRUE;
}

BOOL COsSpisView::ValidateDocument()
{
    COsSpisRecord r;
    ReadHeader(r);
    if (!CheckDateControl(IDC_OSS_DATE, m_date, "Укажите Дату", r.header.date) || !CheckHeader(r) || !CheckLines(r))
        return FALSE;
    m_record = r;
    return TRUE;
}

void COsSpisView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileString(kConstants, "os_spis_ekr", m_record.header.ekr);
    app->WriteProfileString(kConstants, "os_spis_deb", m_record.header.debit);
    app->WriteProfileInt(kConstants, "select_fil", m_record.header.branch);
}

void COsSpisView::AfterSave()
{
    OfferNewDocument(IDC_OSS_DATE, 1);
}

} // namespace nledmark
