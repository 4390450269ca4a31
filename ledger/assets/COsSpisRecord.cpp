#include "COsSpisRecord.h"

#include "ScriptReadCache.h"
#include "StoredHeader.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

const char* const kColumns = "prik,prich,ekr,zab,fil_id,kbk_deb,d,deb,prim,grid,icn,s";

} // namespace

BOOL COsSpisRecord::Load(long realId)
{
    CStoredHeader row;
    if (!row.Read(HeaderTable(), realId, CString(kColumns) + "," + SqlAsText("number") + " as number"))
        return FALSE;
    prik = row["prik"];
    header.prich = row["prich"];
    header.ekr = row["ekr"];
    if (header.ekr.IsEmpty())
        header.ekr = "311000";
    header.zab = row["zab"];
    // Off-balance accounts kept by their two-digit number are of the first source.
    if (header.zab.GetLength() == 2)
        header.zab = "1" + header.zab;
    header.branch = row.Int("fil_id", 1);
    header.kbkDebit = row["kbk_deb"];
    header.date = row["d"];
    header.number = row["number"];
    header.debit = row["deb"];
    prim = row["prim"];
    grid = row["grid"];
    icn = row["icn"];
    sum = row["s"];
    return TRUE;
}

CString COsSpisRecord::HeaderInsertSql(long id)
{
    m_realId = -1;
    return FormatText("insert into ledmark_os_spis (id,number,d,deb,prim,s,icn,grid,fil_id,kbk_deb,m0,d0,zab,ekr,prik,"
                      "prich) values (%d,'%s',%s,'%s','%s',%s,'%s','%s',%d,%s,%d,%s,%s,%s,%s,%s)",
                      id, MakeSqlStr(header.number), ChangeDateUS0(header.date, 0), MakeSqlStr(header.debit),
                      MakeSqlStr(prim), DB_Digit(sum.IsEmpty() ? CString("0") : sum), MakeSqlStr(icn),
                      MakeSqlStr(grid), header.branch, NullInt0(header.kbkDebit), g_lTN, GetCurDateUS0(1),
                      NullStr(header.zab), NullInt0(header.ekr), NullStr(prik), NullStr(header.prich));
}

// The stored row is locked by now: what its earlier save did to the cards is
// given back first, in the same batch as the update.
CString COsSpisRecord::HeaderUpdateSql(long id, long realId)
{
    m_realId = realId;
    CString restore;
    CStoredHeader stored;
    if (stored.Read(HeaderTable(), realId, "grid,zab,d," + SqlAsText("number") + " as number"))
        restore = OsSpisRestoreSql(stored["grid"], stored["zab"], stored["number"], stored["d"]);
    return restore
           + FormatText("update ledmark_os_spis set id=%d,number='%s',d=%s,deb='%s',prim='%s',s=%s,icn='%s',grid='%s',"
                        "fil_id=%d,kbk_deb=%s,m1=%d,d1=%s,zab=%s,ekr=%s,prik=%s,prich=%s where real_id=%d",
                        id, MakeSqlStr(header.number), ChangeDateUS0(header.date, 0), MakeSqlStr(header.debit),
                        MakeSqlStr(prim), DB_Digit(sum.IsEmpty() ? CString("0") : sum), MakeSqlStr(icn),
                        MakeSqlStr(grid), header.branch, NullInt0(header.kbkDebit), g_lTN, GetCurDateUS0(1),
                        NullStr(header.zab), NullInt0(header.ekr), NullStr(prik), NullStr(header.prich), realId);
}

// The document's old postings are gone by now: each asset's balances are read
// as they stand, after the rows before it were posted.
BOOL COsSpisRecord::WritePostings(long id)
{
    appcore::CScriptReadCache::Forget();
    unsigned npp = 0;
    double total = 0;
    for (const COsSpisLine& line : lines) {
        COsSpisRow row;
        row.quantity = line.quantity;
        CString fault;
        if (!ReadOsCard(line.card, row.card)) {
            AfxMessageBox("Нет такого ОС: " + line.card);
            return FALSE;
        }
        if (!SettleOsSpisRow(header, nullptr, COsTaken(), row, fault)) {
            AfxMessageBox(fault);
            return FALSE;
        }
        for (const CPostingLine& l : row.postings)
            if (!GL_InsertProvodka((unsigned)id, ++npp, header.date, l.debit, l.debit1, l.debit2, l.debit3, l.credit,
                                   l.credit1, l.credit2, l.credit3, l.amount, l.quantity, l.note, l.kbkDebit,
                                   l.kbkCredit, header.branch, 0))
                return FALSE;
        const CString change = OsSpisRegisterSql(header, row);
        if (!change.IsEmpty() && !ExecuteSql(change))
            return FALSE;
        appcore::CScriptReadCache::Forget();
        total += row.shares.value;
    }
    sum = FormatNumber(total, "", 2);
    return ExecuteSql(FormatText("update ledmark_os_spis set s=%s where real_id=%d", sum, m_realId));
}

} // namespace nledmark
