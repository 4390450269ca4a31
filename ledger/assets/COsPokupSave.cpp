// The purchase of fixed assets: the checks of a save, the postings it
// writes, the received-invoice book row and the end of the save.
#include "COsPokupView.h"

#include "CChartFacts.h"
#include "CHelpers.h"
#include "LineCells.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <algorithm>
#include <map>
#include <vector>

namespace nledmark {

namespace {

const char* const kConstants = "constants";
const char* const kEconomicCodes = "spr_ekr";

CString Trimmed(const CString& text)
{
    return CString(text).Trim();
}

// What the save reads of an asset card, in one query.
struct CAssetCard {
    CString sch, kbkDebit, schIz, kbkCredit, iznosAll, mol, prd;
};

// Keyed by the id's number, so "007" typed finds the card of 7.
using CAssetCards = std::map<long long, CAssetCard>;

// The cards of the rows' assets, in one query; an id without a card is
// missing from the map, and its row then reads as a card with nothing set.
BOOL ReadAssetCards(const std::vector<CString>& ids, CAssetCards& cards)
{
    cards.clear();
    if (ids.empty())
        return TRUE;
    CString list;
    for (const CString& id : ids)
        list += (list.IsEmpty() ? "" : ",") + id;
    const long read = ForEachRow(
        "select id,sch,kbk_deb,sch_iz,kbk_kred,iznos_all,mol,prd from spr_osn_sr where id in (" + list + ")",
        [&](_RecordsetPtr& rs) {
            auto field = [&](const char* name) { return SafeArayToString(rs->GetFields()->GetItem(name)->GetValue()); };
            CAssetCard& card = cards[atoll(field("id"))];
            card.sch = field("sch");
            card.kbkDebit = field("kbk_deb");
            card.schIz = field("sch_iz");
            card.kbkCredit = field("kbk_kred");
            card.iznosAll = field("iznos_all");
            card.mol = field("mol");
            card.prd = field("prd");
        });
    return read >= 0;
}

// A 9-character account from a shorter text, as the account field would
// complete it on the side given.
CString FullAccount(const CString& account, bool debit)
{
    if (account.GetLength() >= 9 || account.IsEmpty())
        return account;
    return debit ? GL_GetFullSchDeb(account) : GL_GetFullSchKred(account);
}

// The analytic values the rows' postings name of their cards: the asset, its
// responsible person and department on its account, the asset on the account
// of its depreciation. Asked of their books at once, before the rows are
// tested one by one.
std::vector<CChartFacts::ValueAsk> AskedValues(const CAssetCards& cards)
{
    std::vector<CChartFacts::ValueAsk> asks;
    for (const auto& [number, card] : cards) {
        const CString id = FormatText("%lld", number);
        if (!card.sch.IsEmpty()) {
            const CString account = FullAccount(card.sch, true);
            asks.push_back({account, 1, id});
            asks.push_back({account, 2, card.mol});
            asks.push_back({account, 3, card.prd});
        }
        if (card.schIz.GetLength() >= 6)
            asks.push_back({GL_GetFullSchKred(card.schIz.Left(6)), 1, id});
    }
    return asks;
}

} // namespace

void COsPokupView::ReadHeader(COsPokupRecord& r)
{
    GetDlgItemText(IDC_NUMBER, r.number);
    GetDlgItemText(IDC_OP_CREDIT, r.credit);
    GetDlgItemText(IDC_OP_KBK, r.kbk);
    GetDlgItemText(IDC_OP_NOTE, r.prim);
    GetDlgItemText(IDC_OP_TEXT, r.text);
    GetDlgItemText(IDC_OP_VAT_SUM, r.vatSum);
    static const UINT codes[3] = {IDC_OP_SB1, IDC_OP_SB2, IDC_OP_SB3};
    for (int k = 0; k < 3; ++k) {
        GetDlgItemText(codes[k], r.sb[k]);
        r.sb[k].Trim();
    }
    r.number.Trim();
    r.credit.Trim();
    r.kbk.Trim();
    r.vatSum = CellDecimal(r.vatSum);
    r.vat = m_vat;
    r.vatRate = std::max(0, m_comboVatRate.GetCurSel());
    r.through106 = m_b106;
    r.through501 = m_b501;
    r.branch = SelectedBranch(IDC_FIL);
    r.invoiceId = m_invoiceId;
    r.grid = GetGridInOneString(m_grid, 0);
}

BOOL COsPokupView::CheckHeader(const COsPokupRecord& r)
{
    if (!RequireText(IDC_NUMBER, r.number, "Укажите № документа", TRUE))
        return FALSE;
    if (!RequireText(IDC_OP_CREDIT, r.credit, "Укажите Кредит счета", TRUE))
        return FALSE;
    if (!GL_Valid_Sch(r.credit, 0, -1)) {
        AfxMessageBox("Нет такого счета по кредиту");
        FocusField(IDC_OP_CREDIT, TRUE);
        return FALSE;
    }
    return RequireText(IDC_OP_TEXT, Trimmed(r.text), "Укажите содержание операции");
}

// Each row with an asset: the card's account, responsible person and
// department, its postings (the asset's own, or the pair through 106.01;
// the pair through 501.03 and 502.01; the initial depreciation), each tested
// before the question, and its share of the document's sum. A row that
// cannot be posted stops the save before anything is written.
BOOL COsPokupView::CheckLines(COsPokupRecord& r)
{
    CChartFacts chart;
    const CString credit = FullAccount(r.credit, false);
    const CSupplierSide supplier{credit, {r.sb[0], r.sb[1], r.sb[2]}};
    const CString source = credit.Left(1);
    std::vector<CString> ids;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString id = CellId(m_grid.GetCellValue(OP_ASSET, row));
        if (!id.IsEmpty())
            ids.push_back(id);
    }
    CAssetCards cards;
    if (!ReadAssetCards(ids, cards))
        return FALSE;
    chart.LookUpValues(AskedValues(cards));
    double total = 0;
    int assets = 0;
    CString firstEkr;  // the economic code the VAT's supplier side is kept by
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString asset = Trimmed(m_grid.GetCellValue(OP_ASSET, row));
        if (asset.IsEmpty())
            continue;
        const CString id = CellId(asset);
        const CString name = m_grid.GetCellValue(OP_NAME, row);
        const auto found = id.IsEmpty() ? cards.end() : cards.find(atoll(id));
        const CAssetCard card = found == cards.end() ? CAssetCard() : found->second;
        if (card.sch.IsEmpty()) {
            ShowLineFault(row, OP_ASSET, "У ОС " + name + "\nне указан счет дебета");
            return FALSE;
        }
        if (card.mol.IsEmpty()) {
            ShowLineFault(row, OP_ASSET, "У ОС " + name + "\nне указано МОЛ");
            return FALSE;
        }
        if (card.prd.IsEmpty()) {
            ShowLineFault(row, OP_ASSET, "У ОС " + name + "\nне указано подразделение");
            return FALSE;
        }
        const CString quantity = CellDecimal(m_grid.GetCellValue(OP_KOL, row));
        const CString amount = CellDecimal(m_grid.GetCellValue(OP_SUM, row));
        const CString ekr = CellId(m_grid.GetCellValue(OP_EKR, row));
        std::vector<CPostingLine> lines;
        CPostingLine own;
        own.debit = FullAccount(card.sch, true);
        own.debit1 = id;
        own.debit2 = card.mol;
        own.debit3 = card.prd;
        own.amount = amount;
        own.quantity = quantity;
        own.kbkDebit = card.kbkDebit;
        own.kbkCredit = r.kbk;
        AppendOwnPostings(chart, own, supplier, ekr, r.through106 != 0, lines);
        if (r.through501) {
            const CBudgetPair501 pair =
                PurchasePair(chart, credit, supplier, ekr, amount, card.kbkDebit, r.kbk, card.prd);
            if (pair.outcome == PairOutcome501::NoEkr) {
                ShowLineFault(row, OP_EKR,
                              "Не указан ЭКР у счетов " + source + "50103 и " + source + "50201");
                return FALSE;
            }
            if (pair.outcome != PairOutcome501::Made && pair.outcome != PairOutcome501::EmptyContract) {
                ShowLineFault(row, OP_EKR, pair.message);
                return FALSE;
            }
            if (pair.outcome == PairOutcome501::Made)
                lines.push_back(pair.posting);
        }
        // The depreciation the asset came with, when the card names a sum.
        if (atof(CellDecimal(card.iznosAll)) != 0) {
            const CString debit = Trimmed(m_grid.GetCellValue(OP_IZNOS_SCH, row));
            if (card.schIz.GetLength() < 6) {
                ShowLineFault(row, OP_ASSET, "У ОС " + name + "\nне указан счет амортизации");
                return FALSE;
            }
            if (debit.IsEmpty()) {
                ShowLineFault(row, OP_IZNOS_SCH, "У ОС " + name + "\nне указан счет первоначальной амортизации");
                return FALSE;
            }
            CPostingLine depreciation;
            depreciation.debit = FullAccount(debit, true);
            CString* values[3] = {&depreciation.debit1, &depreciation.debit2, &depreciation.debit3};
            for (int k = 1; k <= 3; ++k)
                if (chart.Dimension(depreciation.debit, k) == kEconomicCodes)
                    *values[k - 1] = ekr;
            depreciation.credit = GL_GetFullSchKred(card.schIz.Left(6));
            depreciation.credit1 = id;
            depreciation.amount = CellDecimal(card.iznosAll);
            depreciation.note = "первоначальная амортизация";
            depreciation.kbkDebit = card.kbkCredit;
            depreciation.kbkCredit = card.kbkCredit;
            lines.push_back(depreciation);
        }
        // Tested here, before the question: a refusal inside the save would
        // come while its transaction holds the rows.
        if (!TestPostingLines(lines, r.date, r.branch)) {
            ShowLineFault(row, OP_ASSET, CString());
            return FALSE;
        }
        r.postings.insert(r.postings.end(), lines.begin(), lines.end());
        total += atof(amount);
        if (assets++ == 0)
            firstEkr = ekr;
    }
    if (assets == 0) {
        ShowLineFault(0, OP_ASSET, "Укажите что купили");
        return FALSE;
    }
    r.sum = FormatNumber(total, "", 2);
    if (r.vat && atof(r.vatSum) != 0) {
        // The supplier's economic code is not a field of the form: its side of
        // the VAT takes the code of the first asset, as each asset's own
        // posting takes its row's.
        CSupplierSide vatSupplier = supplier;
        SupplierValues(chart, supplier, firstEkr, vatSupplier.values);
        const CPostingLine vat =
            PurchaseVat(vatSupplier, r.vatSum, "Отражение НДС по приобретенным ОС", "", r.kbk);
        if (!TestPostingLines({vat}, r.date, r.branch)) {
            FocusField(IDC_OP_VAT_SUM, TRUE);
            return FALSE;
        }
        r.postings.push_back(vat);
    }
    return TRUE;
}

BOOL COsPokupView::ValidateDocument()
{
    COsPokupRecord r;
    ReadHeader(r);
    if (!CheckDateControl(IDC_OP_DATE, m_date, "Укажите Дату", r.date) || !CheckHeader(r) || !CheckLines(r))
        return FALSE;
    m_record = r;
    return TRUE;
}

void COsPokupView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileString(kConstants, "os_pokup_kred", m_record.credit);
    app->WriteProfileInt(kConstants, "os_pokup_106", m_record.through106);
    app->WriteProfileInt(kConstants, "select_fil", m_record.branch);
    app->WriteProfileInt(kConstants, "os_pokup_501", m_record.through501);
}

// After "Yes": whether the received-invoice book gets its row, settled
// before the save's transaction opens.
BOOL COsPokupView::OnSaveConfirmed()
{
    m_record.writeInvoice = false;
    if (AfxMessageBox("Сделать изменения в книге счет-фактур полученных ? ", MB_YESNO | MB_ICONQUESTION) == IDYES)
        PrepareInvoice(m_record);
    return TRUE;
}

BOOL COsPokupView::PrepareInvoice(COsPokupRecord& r)
{
    CChartFacts chart;
    const CString credit = FullAccount(r.credit, false);
    const int k = CounterpartyDimension(chart, credit);
    if (k == 0) {
        AfxMessageBox(NoCounterpartyMessage(credit));
        return FALSE;
    }
    CReceivedInvoiceRow& row = r.invoice;
    row.note = Trimmed(r.text);
    row.date = r.date;
    row.counterpartyDimension = k;
    row.counterparty = r.sb[k - 1];
    row.counterpartyName = r.sb[k - 1].IsEmpty() ? CString() : GetFromSPR("spr_contr", r.sb[k - 1]);
    row.account = credit;
    row.number = r.number;
    row.sum = r.sum;
    row.branch = r.branch;
    r.writeInvoice = true;
    return TRUE;
}

// A book row that could not be written took the whole save back; the user
// is told once the transaction is over.
int COsPokupView::Write(int ask)
{
    m_record.invoiceUnwritten = false;
    const int written = CPostingDocView::Write(ask);
    if (!written && m_record.invoiceUnwritten)
        AfxMessageBox("Строка книги счетов-фактур полученных не записана: документ не записан", MB_OK | MB_ICONSTOP);
    return written;
}

// The book row opens only now, after the save's transaction: it shows what
// was committed.
void COsPokupView::AfterSave()
{
    if (m_record.writeInvoice) {
        m_invoiceId = m_record.invoiceId;
        CHelpers::I_OpenDocument(m_invoiceId, this, "СчФакПолуч", 0);
    }
    OnCancel();
    PostOK(1, 1);
}

} // namespace nledmark
