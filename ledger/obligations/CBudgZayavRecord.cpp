#include "CBudgZayavRecord.h"

#include "StoredHeader.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CBudgZayavRecord::kTable = "ledmark_budg_zayavka";

namespace {

double Kopecks(double value)
{
    return atof(FormatNumber(value, "", 2));
}

} // namespace

CRequestFigures ComputeRequestRow(double quantity, double price)
{
    const double sum = Kopecks(quantity * price);
    const double tax = Kopecks(sum * 26.2 / 100);
    const double total = Kopecks(sum + tax);
    // Kopecks in thousands take five decimals at most; the binary noise of the
    // division is not shown.
    return {ftoa(sum), ftoa(tax), FormatNumber1(total / 1000, "", 5)};
}

BOOL CBudgZayavRecord::Load(long realId)
{
    CStoredHeader row;
    if (!row.Read(kTable, realId,
                  "sb1_kred,sb2_kred,sb3_kred,sb1_deb,sb2_deb,sb3_deb,kbk_kred,kbk_deb,fil_id,d,"
                  "cast(number as char) as number,prim,grid,icn,sch_deb,sch_kred"))
        return FALSE;
    for (int k = 0; k < 3; ++k) {
        creditValues[k] = row[FormatText("sb%d_kred", k + 1)];
        debitValues[k] = row[FormatText("sb%d_deb", k + 1)];
    }
    kbkCredit = row["kbk_kred"];
    kbkDebit = row["kbk_deb"];
    branch = row.Int("fil_id", 1);
    date = row["d"];
    number = row["number"];
    prim = row["prim"];
    grid = row["grid"];
    icn = row["icn"];
    debit = row["sch_deb"];
    credit = row["sch_kred"];
    return TRUE;
}

CString CBudgZayavRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into ledmark_budg_zayavka (id,number,d,sch_deb,sb1_deb,sb2_deb,sb3_deb,sch_kred,sb1_kred,"
                      "sb2_kred,sb3_kred,icn,prim,s,kbk_deb,kbk_kred,fil_id,m0,d0,grid) values "
                      "(%d,'%s',%s,'%s',%s,%s,%s,'%s',%s,%s,%s,%s,%s,%s,%s,%s,%d,%d,%s,%s)",
                      id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(debit), NullInt0(debitValues[0]),
                      NullInt0(debitValues[1]), NullInt0(debitValues[2]), MakeSqlStr(credit),
                      NullInt0(creditValues[0]), NullInt0(creditValues[1]), NullInt0(creditValues[2]), NullStr(icn),
                      NullStr(prim), NullInt0(total), NullInt0(kbkDebit), NullInt0(kbkCredit), branch, g_lTN,
                      GetCurDateUS0(1), NullStr(grid));
}

CString CBudgZayavRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update ledmark_budg_zayavka set id=%d,number='%s',d=%s,sch_deb='%s',sb1_deb=%s,sb2_deb=%s,"
                      "sb3_deb=%s,sch_kred='%s',sb1_kred=%s,sb2_kred=%s,sb3_kred=%s,icn=%s,prim=%s,s=%s,kbk_deb=%s,"
                      "kbk_kred=%s,fil_id=%d,m1=%d,d1=%s,grid=%s where real_id=%d",
                      id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(debit), NullInt0(debitValues[0]),
                      NullInt0(debitValues[1]), NullInt0(debitValues[2]), MakeSqlStr(credit),
                      NullInt0(creditValues[0]), NullInt0(creditValues[1]), NullInt0(creditValues[2]), NullStr(icn),
                      NullStr(prim), NullInt0(total), NullInt0(kbkDebit), NullInt0(kbkCredit), branch, g_lTN,
                      GetCurDateUS0(1), NullStr(grid), realId);
}

CPostingLine CBudgZayavRecord::Posting() const
{
    return CPostingLine{debit,  debitValues[0],  debitValues[1],  debitValues[2], credit,  creditValues[0],
                        creditValues[1], creditValues[2], total, CString(), icn, kbkDebit, kbkCredit};
}

BOOL CBudgZayavRecord::WritePostings(long id)
{
    return InsertPostings(id, date, branch, {Posting()});
}

} // namespace nledmark
