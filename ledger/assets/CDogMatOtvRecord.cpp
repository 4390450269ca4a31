#include "CDogMatOtvRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CDogMatOtvRecord::kStandardText =
    "с хранением, обработкой, продажей (отпуском), перевозкой или применением в процессе производства переданных "
    "ему ценностей";

BOOL CDogMatOtvRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "fil_id,d," + SqlAsText("number") + " as number,prim,tn,txt,job,icn";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    branch = row.Int("fil_id", 1);
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    tn = row["tn"];
    txt = row["txt"];
    job = row["job"];
    fio = row["icn"];
    return TRUE;
}

CString CDogMatOtvRecord::HeaderInsertSql(long)
{
    return FormatText("insert into ledmark_dog_mat_otv (d,icn,job,txt,number,tn,prim,fil_id) values "
                      "\t\t\t(%s,'%s','%s','%s','%s',%s,'%s',%d)",
                      ChangeDateUS0(date, 0), MakeSqlStr(fio), MakeSqlStr(job), MakeSqlStr(txt), MakeSqlStr(number),
                      NullInt0(tn), MakeSqlStr(prim), branch);
}

CString CDogMatOtvRecord::HeaderUpdateSql(long, long realId)
{
    return FormatText("update ledmark_dog_mat_otv set d=%s,icn='%s',job='%s',txt='%s',number='%s',tn=%s,prim='%s',"
                      "fil_id=%d where real_id=%d",
                      ChangeDateUS0(date, 0), MakeSqlStr(fio), MakeSqlStr(job), MakeSqlStr(txt), MakeSqlStr(number),
                      NullInt0(tn), MakeSqlStr(prim), branch, realId);
}

} // namespace nledmark
