#include "COperByHandRecord.h"

#include "StoredHeader.h"
#include "gridbase.h"
#include "ndbcore.h"

#include <typeinfo>

namespace nledmark {

const char* const COperByHandRecord::kTable = "ledmark_oper_by_hand";

namespace {

CString Field(_RecordsetPtr& rs, const char* name)
{
    return SafeArayToString(rs->GetCollect(name));
}

COperLine LineOfPosting(_RecordsetPtr& rs)
{
    COperLine l;
    l[OPER_KBK_DEB] = Field(rs, "kbk_deb");
    l[OPER_DEBIT] = Field(rs, "deb0") + Field(rs, "deb1") + Field(rs, "deb2") + Field(rs, "deb3");
    l[OPER_KBK_KRED] = Field(rs, "kbk_kred");
    l[OPER_CREDIT] = Field(rs, "kred0") + Field(rs, "kred1") + Field(rs, "kred2") + Field(rs, "kred3");
    for (int k = 0; k < 3; ++k) {
        l[OPER_DEB_SB1 + k] = Field(rs, FormatText("deb_sb%d", k + 1));
        l[OPER_KRED_SB1 + k] = Field(rs, FormatText("kred_sb%d", k + 1));
    }
    l[OPER_KOL] = Field(rs, "kol");
    l[OPER_SUM] = Field(rs, "s");
    l[OPER_PRIM] = Field(rs, "prim");
    return l;
}

} // namespace

BOOL COperByHandRecord::Load(long realId)
{
    lines.clear();
    proposedNumber.Empty();
    CStoredHeader row;
    if (!row.Read(kTable, realId, "fil_id,d,cast(number as char) as number,prim,s,id"))
        return FALSE;
    branch = row.Int("fil_id", 1);
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    sum = row["s"];
    id = row.Int("id", 0);
    return id > 0 ? LoadLines() : TRUE;
}

BOOL COperByHandRecord::LoadLines()
{
    _RecordsetPtr rs = ExecuteRows(FormatText("select * from ledmark_provodki where id=%d order by npp", id));
    if (!rs)
        return FALSE;
    try {
        for (; !rs->adoEOF; rs->MoveNext())
            lines.push_back(LineOfPosting(rs));
        return TRUE;
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    }
    lines.clear();
    return FALSE;
}

CString COperByHandRecord::HeaderInsertSql(long documentId)
{
    return FormatText("insert into ledmark_oper_by_hand (id,d,number,s,prim,fil_id,m0,d0) "
                      "values (%d,%s,'%s',%s,'%s',%d,%d,%s)",
                      documentId, ChangeDateUS0(date, 0), MakeSqlStr(number), NullInt0(sum), MakeSqlStr(prim),
                      branch, g_lTN, GetCurDateUS0(1));
}

CString COperByHandRecord::HeaderUpdateSql(long documentId, long realId)
{
    return FormatText("update ledmark_oper_by_hand set id=%d,d=%s,number='%s',s=%s,prim='%s',fil_id=%d,m1=%d,d1=%s "
                      "where real_id=%d",
                      documentId, ChangeDateUS0(date, 0), MakeSqlStr(number), NullInt0(sum), MakeSqlStr(prim),
                      branch, g_lTN, GetCurDateUS0(1), realId);
}

BOOL COperByHandRecord::MakePostingStatements(CPostingStatements& statements)
{
    // A record built on the manual operation that writes postings of its own
    // (the closing run's operations) has lines that are not its postings: its
    // postings are written by its WritePostings in the save unless it makes
    // them ahead itself.
    if (typeid(*this) != typeid(COperByHandRecord))
        return TRUE;
    return statements.Make(date, branch, PostingsOfOperLines(lines));
}

bool COperByHandRecord::WritesOnlyHeaderAndPostings() const
{
    // Its lines are its postings; a record built on it may keep more.
    return typeid(*this) == typeid(COperByHandRecord);
}

BOOL COperByHandRecord::WritePostings(long documentId)
{
    return WritePostingBatch(documentId, date, branch, PostingsOfOperLines(lines));
}

} // namespace nledmark
