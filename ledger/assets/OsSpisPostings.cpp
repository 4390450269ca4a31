#include "OsSpisPostings.h"

#include "AccountBalance.h"
#include "LineCells.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <algorithm>
#include <cmath>

namespace nledmark {

namespace {

double Kopecks(double value)
{
    return atof(FormatNumber(value, "", 2));
}

bool Same(double a, double b)
{
    return std::fabs(a - b) < 1e-9;
}

CString Amount(double value)
{
    return FormatNumber(value, "", 2);
}

CString Quantity(double value)
{
    return Same(value, 0) ? CString() : Number(value, 0);
}

// The table of the reference book of dimension n of the account.
CString DimensionTable(const CString& account, short n)
{
    const int book = GL_Get_SB(account, n);
    return book > 0 ? I_GetSprTableName(book) : CString();
}

} // namespace

BOOL ReadOsCard(const CString& id, COsCard& card)
{
    card = COsCard();
    if (!IsIdText(id))
        return FALSE;
    long rows = ForEachRow(
        FormatText("select id,name,vrasx+0 as vrasx,sch,sch_old,kbk_deb,sch_iz,kbk_kred,mol,prd from spr_osn_sr "
                   "where id=%s",
                   id),
        [&card](_RecordsetPtr& rs) {
            auto text = [&rs](const char* column) { return SafeArayToString(rs->GetCollect(column)).Trim(); };
            card.id = text("id");
            card.name = text("name");
            card.vrasx = text("vrasx");
            card.sch = text("sch");
            card.schOld = text("sch_old");
            card.kbkDeb = text("kbk_deb");
            card.schIz = text("sch_iz");
            card.kbkKred = text("kbk_kred");
            card.mol = text("mol");
            card.prd = text("prd");
        });
    return rows > 0 && !card.id.IsEmpty();
}

COsShares OsSpisShares(double value, double count, double depreciation, double quantity)
{
    COsShares shares;
    const bool whole = Same(quantity, count);
    const double unitValue = Same(count, 0) ? value : Kopecks(value / count);
    shares.value = whole ? value : std::min(Kopecks(quantity * unitValue), value);
    // The whole quantity takes all of the depreciation too, so no kopeck of it
    // stays on a card that has left the books.
    const double unitDepreciation = Same(count, 0) ? depreciation : Kopecks(depreciation / count);
    shares.depreciation = whole ? depreciation : std::min(Kopecks(quantity * unitDepreciation), depreciation);
    return shares;
}

BOOL SettleOsSpisRow(const COsSpisHeader& header, const char* document, const COsTaken& taken, COsSpisRow& row,
                     CString& fault)
{
    const COsCard& card = row.card;
    // A card moved off balance earlier keeps its value under its former account.
    const CString balanceSch = GL_IsZab(card.sch) ? card.schOld : card.sch;
    row.balanceAccount = balanceSch;
    LedgerBalance asset, depreciation;
    if (!ReadAccountBalance(header.date, balanceSch, card.id, card.mol, card.prd, header.branch, nullptr, document,
                            asset)) {
        fault = BalanceUnread(balanceSch, card.id);
        return FALSE;
    }
    if (!ReadAccountBalance(header.date, card.schIz, card.id, nullptr, nullptr, header.branch, card.kbkKred, document,
                            depreciation)) {
        fault = BalanceUnread(card.schIz, card.id);
        return FALSE;
    }
    row.assetAccount = GL_GetFullSchKred(balanceSch.Left(6));
    row.deprAccount = GL_GetFullSchDeb(card.schIz.Left(6));
    row.value = Kopecks(asset.Sum() - taken.value);
    row.count = asset.Quantity() - taken.count;
    row.depreciation = Kopecks(-depreciation.Sum() - taken.depreciation);
    row.shares = OsSpisShares(row.value, row.count, row.depreciation, row.quantity);
    row.postings.clear();

    const double q = row.quantity;
    double residual = row.shares.value;
    double residualQuantity = q;
    if (!Same(row.shares.depreciation, 0)) {
        CPostingLine line;
        line.debit = row.deprAccount;
        line.debit1 = card.id;
        line.credit = row.assetAccount;
        line.credit1 = card.id;
        line.credit2 = card.mol;
        line.credit3 = card.prd;
        line.amount = Amount(row.shares.depreciation);
        line.quantity = Quantity(q);
        line.note = "Списана начисленная сумма амортизации";
        line.kbkDebit = card.kbkKred;
        line.kbkCredit = card.kbkDeb;
        row.postings.push_back(line);
        residual = Kopecks(row.shares.value - row.shares.depreciation);
        residualQuantity = 0;
    }
    if (!Same(residual, 0) || !Same(residualQuantity, 0)) {
        CPostingLine line;
        line.debit = header.debit;
        CString* values[3] = {&line.debit1, &line.debit2, &line.debit3};
        for (short n = 1; n <= 3; ++n) {
            const CString table = DimensionTable(header.debit, n);
            if (table == "spr_ekr")
                *values[n - 1] = header.ekr;
            else if (table == "spr_v_rasx")
                *values[n - 1] = card.vrasx;
        }
        line.credit = row.assetAccount;
        line.credit1 = card.id;
        line.credit2 = card.mol;
        line.credit3 = card.prd;
        line.amount = Amount(residual);
        line.quantity = Quantity(residualQuantity);
        line.note = "Списана остаточная стоимость";
        line.kbkDebit = header.kbkDebit;
        line.kbkCredit = card.kbkDeb;
        row.postings.push_back(line);
    }
    if (!header.zab.IsEmpty()) {
        // The asset stays in use off the balance at the value written off.
        CPostingLine line;
        line.debit = header.zab;
        line.debit1 = card.id;
        line.debit2 = card.mol;
        if (DimensionTable(header.zab, 3) == "spr_if")
            line.debit3 = row.assetAccount.Left(1);
        line.amount = Amount(row.shares.value);
        line.quantity = Quantity(q);
        line.kbkDebit = card.kbkDeb;
        row.postings.push_back(line);
    }
    return TRUE;
}

bool OsSpisNothingLeft(const COsSpisRow& row)
{
    return Same(row.value, 0) && row.count < 1e-9;
}

bool OsSpisTakesTheRest(const COsSpisRow& row)
{
    return Same(Kopecks(row.value - row.shares.value), 0) && row.quantity > row.count - 1e-9;
}

CString OsSpisRegisterSql(const COsSpisHeader& header, const COsSpisRow& row)
{
    if (!header.zab.IsEmpty()) {
        // The former account is the balance account the value left, also
        // for a card that was off balance before.
        return FormatText("update spr_osn_sr set sch='%s',sch_old=%s where id=%s", MakeSqlStr(header.zab),
                          NullStr(row.balanceAccount), row.card.id);
    }
    // One shelving of three written off leaves two on the balance and in the
    // inventory: the card keeps no disposal date until its last unit goes.
    if (!OsSpisTakesTheRest(row))
        return CString();
    return FormatText("update spr_osn_sr set d_vybit=%s,no_vybit='%s',PrichVyb=%s where id=%s",
                      ChangeDateUS0(header.date, 0), MakeSqlStr(header.number), NullStr(header.prich), row.card.id);
}

std::vector<CString> OsSpisGridCards(const CString& grid)
{
    std::vector<CString> ids;
    const CString rows = GetDelimiter(), cells = GetDelimiter0();
    const int count = Length(grid, rows);
    for (int n = 1; n <= count; ++n) {
        const CString row = GetPart(grid, rows, n);
        const CString id = CellId(GetPart(row, cells, 1));
        const CString quantity = CString(GetPart(row, cells, 3)).Trim();
        if (!id.IsEmpty() && !quantity.IsEmpty())
            ids.push_back(id);
    }
    return ids;
}

CString OsSpisRestoreSql(const CString& grid, const CString& zab, const CString& number, const CString& date)
{
    CString batch;
    for (const CString& id : OsSpisGridCards(grid)) {
        if (!zab.IsEmpty())
            batch += FormatText("update spr_osn_sr set sch=sch_old,sch_old=null where id=%s and sch='%s' and "
                                "sch_old is not null\n",
                                id, MakeSqlStr(zab));
        else
            batch += FormatText("update spr_osn_sr set d_vybit=null,no_vybit=null,PrichVyb=null where id=%s and "
                                "no_vybit='%s' and d_vybit=%s\n",
                                id, MakeSqlStr(number), ChangeDateUS0(date, 0));
    }
    return batch;
}

} // namespace nledmark
