#include "CRodPlataRecord.h"

#include "StoredHeader.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <cstdlib>

namespace nledmark {

const char* const CRodPlataRecord::kTable = "ledmark_rod_plata";
const char* const CRodPlataRecord::kLineTable = "ledmark_rod_plata1";

namespace {

const char* const kIcn = "Ввод начальных остатков по родительской плате";

// The codes as an SQL list of numbers (they were checked to be numbers).
CString CodeList(const std::set<CString>& codes)
{
    CString list;
    for (const CString& code : codes)
        list += (list.IsEmpty() ? "" : ",") + code;
    return list;
}

} // namespace

BOOL CRodPlataRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = FormatText("kbk_deb,fil_id,d,%s as number,sch,prim", SqlAsText("number"));
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    kbk = row["kbk_deb"];
    branch = row.Int("fil_id", 1);
    date = row["d"];
    number = row["number"];
    account = row["sch"];
    prim = row["prim"];
    return TRUE;
}

std::vector<CRodBalanceLine> CRodPlataRecord::KeptLines(long realId) const
{
    std::vector<CRodBalanceLine> kept;
    if (realId < 0)
        return kept;
    ForEachRow(FormatText("select id,s1,s2,tnp from ledmark_rod_plata1 where real_id=%d order by id", realId),
               [&](_RecordsetPtr& rs) {
                   CRodBalanceLine line;
                   line.code = SafeArayToString(rs->GetCollect("id"));
                   line.s1 = SafeArayToString(rs->GetCollect("s1"));
                   line.s2 = SafeArayToString(rs->GetCollect("s2"));
                   line.teacher = SafeArayToString(rs->GetCollect("tnp"));
                   if (!shownCodes.count(line.code))
                       kept.push_back(line);
               });
    return kept;
}

std::vector<CPostingLine> CRodPlataRecord::PostingsOf(const CRodBalanceLine& line, const CString& contr) const
{
    std::vector<CPostingLine> result;
    const CString head = account.Left(6);
    const CString balanceEntry = account.Left(1) + "00000000";
    if (atof(line.s1) != 0) {
        CPostingLine p;
        p.debit = GL_GetFullSchDeb(head);
        p.debit1 = contr;
        p.debit2 = line.teacher;
        p.credit = balanceEntry;
        p.amount = line.s1;
        p.kbkDebit = p.kbkCredit = kbk;
        result.push_back(p);
    }
    if (atof(line.s2) != 0) {
        CPostingLine p;
        p.debit = balanceEntry;
        p.credit = GL_GetFullSchKred(head);
        p.credit1 = contr;
        p.credit2 = line.teacher;
        p.amount = line.s2;
        p.kbkDebit = p.kbkCredit = kbk;
        result.push_back(p);
    }
    return result;
}

CString CRodPlataRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into ledmark_rod_plata (id,number,d,sch,prim,icn,s,kbk_deb,fil_id,m0,d0) values "
                      "\t\t\t(%d,'%s',%s,'%s','%s','%s',%s,%s,%d,%d,%s)",
                      id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(account), MakeSqlStr(prim), kIcn,
                      DB_Digit(total), NullInt0(kbk), branch, g_lTN, GetCurDateUS0(1));
}

CString CRodPlataRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update ledmark_rod_plata set id=%d,number='%s',d=%s,sch='%s',prim='%s',icn='%s',s=%s,"
                      "kbk_deb=%s,fil_id=%d,m1=%d,d1=%s where real_id=%d",
                      id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(account), MakeSqlStr(prim), kIcn,
                      DB_Digit(total), NullInt0(kbk), branch, g_lTN, GetCurDateUS0(1), realId);
}

BOOL CRodPlataRecord::WritePostings(long id)
{
    return WritePostingBatch(id, date, branch, postings);
}

// A save replaces only the lines of the children the form lists.
CString CRodPlataRecord::LineTablesDeleteSql(long realId)
{
    if (!replacingShown)
        return FormatText("delete from ledmark_rod_plata1 where real_id=%d", realId);
    if (shownCodes.empty())
        return CString();
    return FormatText("delete from ledmark_rod_plata1 where real_id=%d and id in (%s)", realId, CodeList(shownCodes));
}

CString CRodPlataRecord::LineTablesInsertSql(long realId)
{
    CString sql;
    for (const CRodBalanceLine& l : lines)
        sql += FormatText("insert into ledmark_rod_plata1 (real_id,id,s1,s2,tnp) values (%d,%s,%s,%s,%s)\n", realId,
                          l.code, NullInt0(l.s1), NullInt0(l.s2), NullInt0(l.teacher));
    return sql;
}

} // namespace nledmark
