#include "CSchFakPoluchRecord.h"

#include "ndbcore.h"

namespace nledmark {

const char* const CSchFakPoluchRecord::kTable = "ledmark_sch_fak_poluch";

CString CSchFakPoluchRecord::StoredText() const
{
    CString stored = text;
    stored.Replace("\r\n", "<br>");
    stored.Replace("\n", "<br>");
    return stored;
}

CString CSchFakPoluchRecord::OneLineText() const
{
    CString line = StoredText();
    line.Replace("<br>", " ");
    return line;
}

CString CSchFakPoluchRecord::ShownText(const CString& stored)
{
    CString shown = stored;
    shown.Replace("\r\n", "\n");
    shown.Replace("<br>", "\n");
    shown.Replace("\n", "\r\n");
    return shown;
}

CString CSchFakPoluchRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into ledmark_sch_fak_poluch (kp_id,id,d,date_sf,number,s,sch_kred,icn,txt,fil_id,m0,d0,"
                      "sb1,sb2,sb3,kbk_kred,grid,b501) values (%d,%d,%s,%s,'%s',%s,%s,'%s','%s',%d,%d,%s,%s,%s,%s,%s,"
                      "%s,%d)",
                      kpId, posted ? id : 0, ChangeDateUS0(date, 0), ChangeDateUS0(invoiceDate, 0),
                      MakeSqlStr(number), DB_Digit(sum), NullStr(supplier), MakeSqlStr(OneLineText()),
                      MakeSqlStr(StoredText()), branch, g_lTN, GetCurDateUS0(1), NullStr(values[0]),
                      NullStr(values[1]), NullStr(values[2]), NullInt0(kbk), NullStr(grid), b501);
}

CString CSchFakPoluchRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update ledmark_sch_fak_poluch set kp_id=%d,id=%d,d=%s,date_sf=%s,number='%s',s=%s,icn='%s',"
                      "txt='%s',fil_id=%d,m1=%d,d1=%s,sch_kred=%s,sb1=%s,sb2=%s,sb3=%s,kbk_kred=%s,grid=%s,b501=%d "
                      "where real_id=%d",
                      kpId, posted ? id : 0, ChangeDateUS0(date, 0), ChangeDateUS0(invoiceDate, 0),
                      MakeSqlStr(number), DB_Digit(sum), MakeSqlStr(OneLineText()), MakeSqlStr(StoredText()),
                      branch, g_lTN, GetCurDateUS0(1), NullStr(supplier), NullStr(values[0]), NullStr(values[1]),
                      NullStr(values[2]), NullInt0(kbk), NullStr(grid), b501, realId);
}

// The purchase book row of the invoice: the linked one while it exists, else
// a new one, whose key the invoice then names.
BOOL CSchFakPoluchRecord::WriteLinkedRows(long realId)
{
    if (!writeBook || !hasBookRow)
        return TRUE;
    long kp = kpId;
    if (kp > 0 && ExecuteCount(FormatText("select count(*) as cnt from ledmark_kniga_pokupok where real_id=%d", kp)) == 0)
        kp = -1;
    const CString source = book.source.IsEmpty() ? CString("NULL") : "'" + MakeSqlStr(book.source) + "'";
    if (kp > 0) {
        if (!ExecuteSql(FormatText("update ledmark_kniga_pokupok set d=%s,number='%s',s=%s,d_sf=%s,d_uch=%s,org=%s,"
                                   "icn='%s',fil_id=%d,m1=%d,d1=%s,iff=%s where real_id=%d",
                                   ChangeDateUS0(date, 0), MakeSqlStr(number), DB_Digit(sum),
                                   ChangeDateUS0(invoiceDate, 0), ChangeDateUS0(date, 0), NullInt0(book.org),
                                   MakeSqlStr(book.orgName), branch, g_lTN, GetCurDateUS0(1), source, kp)))
            return FALSE;
    } else {
        if (!ExecuteSql(FormatText("insert into ledmark_kniga_pokupok (d,number,s,d_sf,d_uch,org,icn,fil_id,m0,d0,iff) "
                                   "values (%s,'%s',%s,%s,%s,%s,'%s',%d,%d,%s,%s)",
                                   ChangeDateUS0(date, 0), MakeSqlStr(number), DB_Digit(sum),
                                   ChangeDateUS0(invoiceDate, 0), ChangeDateUS0(date, 0), NullInt0(book.org),
                                   MakeSqlStr(book.orgName), branch, g_lTN, GetCurDateUS0(1), source)))
            return FALSE;
        kp = LastInsertId();
        if (kp <= 0)
            return FALSE;
    }
    if (!ExecuteSql(FormatText("update ledmark_sch_fak_poluch set kp_id=%d where real_id=%d", kp, realId)))
        return FALSE;
    kpId = kp;
    return TRUE;
}

BOOL CSchFakPoluchRecord::WritePostings(long id)
{
    return WritePostingBatch(id, date, branch, postings);
}

} // namespace nledmark
