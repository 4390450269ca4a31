#include "CCheckBookRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CCheckBookRecord::kTable = "ledmark_check_book";

BOOL CCheckBookRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "fil_id,d," + SqlAsText("number") + " as number,prim,tn,kol_k,kol_l,ser,n1,n2,icn";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    branch = row.Int("fil_id", 1);
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    tn = row["tn"];
    books = row["kol_k"];
    leaves = row["kol_l"];
    series = row["ser"];
    firstNumber = row["n1"];
    lastNumber = row["n2"];
    fio = row["icn"];
    return TRUE;
}

// The series is kept as typed, an empty one as an empty text; counts and
// book numbers left empty are NULL.
CString CCheckBookRecord::HeaderInsertSql(long)
{
    return FormatText("insert into ledmark_check_book (number,d,prim,tn,kol_k,kol_l,ser,n1,n2,icn,fil_id,m0,d0) "
                      "values \t\t\t('%s',%s,%s,%s,%s,%s,'%s',%s,%s,'%s',%d,%d,%s)",
                      MakeSqlStr(number), ChangeDateUS0(date, 0), NullStr(prim), NullInt0(tn), NullInt0(books),
                      NullInt0(leaves), MakeSqlStr(series), NullInt0(firstNumber), NullInt0(lastNumber),
                      MakeSqlStr(fio), branch, g_lTN, GetCurDateUS0(1));
}

CString CCheckBookRecord::HeaderUpdateSql(long, long realId)
{
    return FormatText("update ledmark_check_book set number='%s',d=%s,prim=%s,tn=%s,kol_k=%s,kol_l=%s,ser='%s',"
                      "n1=%s,n2=%s,icn='%s',fil_id=%d,m1=%d,d1=%s where real_id=%d",
                      MakeSqlStr(number), ChangeDateUS0(date, 0), NullStr(prim), NullInt0(tn), NullInt0(books),
                      NullInt0(leaves), MakeSqlStr(series), NullInt0(firstNumber), NullInt0(lastNumber),
                      MakeSqlStr(fio), branch, g_lTN, GetCurDateUS0(1), realId);
}

} // namespace nledmark
