#include "CMolTransferRecord.h"

#include "LineCells.h"
#include "MolTransferPostings.h"
#include "StoredHeader.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"

#include <algorithm>

namespace nledmark {

namespace {

MolBalanceRow ReadBalanceRow(_RecordsetPtr& rs, bool holding)
{
    auto field = [&rs](const char* name) { return SafeArayToString(rs->GetFields()->GetItem(name)->GetValue()); };
    MolBalanceRow row;
    row.kbk = field("kbk");
    row.source = field("col0");
    row.analytic = field("col2");
    row.item = field("sb1");
    row.third = field(holding ? "sb3" : "prd");
    if (holding)
        row.kosgu = field("col3");
    row.quantity = field("kol");
    row.sum = field("s");
    return row;
}

} // namespace

BOOL CMolTransferRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = FormatText("bVspom,%s as list,kbk1,kbk2,fil_id,fil_id2,d,%s as number,prim,icn,tn,tn2",
                                       m_kind->listColumn, (LPCTSTR)SqlAsText("number"));
    if (!row.Read(HeaderTable(), realId, columns))
        return FALSE;
    mode = row.Int("bVspom", 0);
    items = row["list"];
    senderKbks = row["kbk1"];
    receiverKbk = row["kbk2"];
    senderBranch = row.Int("fil_id", 1);
    receiverBranch = row.Int("fil_id2", senderBranch);
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    icn = row["icn"];
    sender = row["tn"];
    receiver = row["tn2"];
    return TRUE;
}

CString CMolTransferRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into %s (bVspom,id,number,d,prim,icn,tn,tn2,m0,d0,fil_id,fil_id2,%s,kbk1,kbk2) values "
                      "(%d,%d,'%s',%s,'%s','%s',%s,%s,%d,%s,%d,%d,%s,%s,%s)",
                      m_kind->table, m_kind->listColumn, mode, id, MakeSqlStr(number), ChangeDateUS0(date, 0),
                      MakeSqlStr(prim), MakeSqlStr(icn), NullInt0(sender), NullInt0(receiver), g_lTN,
                      GetCurDateUS0(1), senderBranch, receiverBranch, NullStr(items), NullStr(senderKbks),
                      NullStr(receiverKbk));
}

CString CMolTransferRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update %s set id=%d,bVspom=%d,number='%s',d=%s,prim='%s',icn='%s',tn=%s,tn2=%s,m1=%d,d1=%s,"
                      "fil_id=%d,fil_id2=%d,%s=%s,kbk1=%s,kbk2=%s where real_id=%d",
                      m_kind->table, id, mode, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(prim),
                      MakeSqlStr(icn), NullInt0(sender), NullInt0(receiver), g_lTN, GetCurDateUS0(1), senderBranch,
                      receiverBranch, m_kind->listColumn, NullStr(items), NullStr(senderKbks), NullStr(receiverKbk),
                      realId);
}

// The register gives the receiver the cards whose balances the document
// moved, by id, so a re-save with another receiver moves the same cards.
void CMolTransferRecord::CardMoved(const CString& item)
{
    if (m_kind->movesCards && IsIdText(item) && std::find(movedCards.begin(), movedCards.end(), item) == movedCards.end())
        movedCards.push_back(item);
}

BOOL CMolTransferRecord::BuildBatch(long id, CString& batch)
{
    std::vector<CPostingLine> lines;
    movedCards.clear();
    BOOL read = ForEachRow(MainBalanceSql(*this), [&](_RecordsetPtr& rs) {
        const MolBalanceRow row = ReadBalanceRow(rs, false);
        if (!MovesSomething(row))
            return;
        AppendMainPostings(*this, row, lines);
        CardMoved(row.item);
    }) >= 0;
    // The other accounts that keep the items by responsible person.
    const int book = I_GetSprIdFromCaption(m_kind->bookCaption);
    std::vector<CString> accounts;
    if (read && book > 0)
        read = ForEachRow(HoldingAccountsSql(*m_kind, book, int(I_GetSprId("tn"))), [&](_RecordsetPtr& rs) {
                   accounts.push_back(SafeArayToString(rs->GetFields()->GetItem("col1")->GetValue()));
               }) >= 0;
    for (const CString& synthetic : accounts) {
        if (!read)
            break;
        read = ForEachRow(HoldingBalanceSql(*this, synthetic), [&](_RecordsetPtr& rs) {
                   const MolBalanceRow row = ReadBalanceRow(rs, true);
                   if (!MovesSomething(row))
                       return;
                   AppendHoldingPostings(*this, synthetic, row, lines);
                   CardMoved(row.item);
               }) >= 0;
    }
    if (!read)
        return FALSE;
    CString statements;
    if (!AppendPostingStatements(id, date, senderBranch, lines, statements))
        return FALSE;
    posted = lines.size();
    statements += CardsUpdateSql(receiver, movedCards);
    batch = statements;
    return TRUE;
}

BOOL CMolTransferRecord::WritePostings(long id)
{
    posted = 0;
    CString batch;
    if (!BuildBatch(id, batch))
        return FALSE;
    return batch.IsEmpty() || ExecuteSql(batch);
}

} // namespace nledmark
