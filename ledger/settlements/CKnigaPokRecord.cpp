#include "CKnigaPokRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CKnigaPokRecord::kTable = "ledmark_kniga_pokupok";
const char* const CKnigaPokRecord::kAmountColumns[8] = {"nos18", "s18", "nos10", "s10", "nos20", "s20", "s0", "s00"};

namespace {

// The column of the date of payment: a word PostgreSQL reserves.
CString PaidColumn()
{
    return SqlReservedName("do");
}

} // namespace

BOOL CKnigaPokRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "fil_id,iff," + SqlAsText("number") + " as number,s,d_sf," + PaidColumn()
        + " as paid,d_uch,org,gtd,nos18,s18,nos10,s10,nos20,s20,s0,s00,icn";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    branch = row.Int("fil_id", 1);
    source = row.Int("iff", 1);
    number = row["number"];
    total = row["s"];
    invoiceDate = row["d_sf"];
    paidDate = row["paid"];
    accepted = row["d_uch"];
    org = row["org"];
    gtd = row["gtd"];
    orgName = row["icn"];
    for (int i = 0; i < 8; ++i)
        amounts[i] = row[kAmountColumns[i]];
    return TRUE;
}

CString CKnigaPokRecord::HeaderInsertSql(long)
{
    return FormatText("insert into ledmark_kniga_pokupok (iff,d,number,s,d_sf,%s,d_uch,org,gtd,nos18,s18,nos10,s10,"
                      "nos20,s20,s0,s00,icn,fil_id,m0,d0) values (%d,%s,'%s',%s,%s,%s,%s,%s,'%s',%s,%s,%s,%s,%s,%s,"
                      "%s,%s,'%s',%d,%d,%s)",
                      PaidColumn(), source, ChangeDateUS0(accepted, 0), MakeSqlStr(number), DB_Digit(total),
                      ChangeDateUS0(invoiceDate, 0), ChangeDateUS0(paidDate, 0), ChangeDateUS0(accepted, 0),
                      NullInt0(org), MakeSqlStr(gtd), DB_Digit(amounts[0]), DB_Digit(amounts[1]),
                      DB_Digit(amounts[2]), DB_Digit(amounts[3]), DB_Digit(amounts[4]), DB_Digit(amounts[5]),
                      DB_Digit(amounts[6]), DB_Digit(amounts[7]), MakeSqlStr(orgName), branch, g_lTN,
                      GetCurDateUS0(1));
}

CString CKnigaPokRecord::HeaderUpdateSql(long, long realId)
{
    return FormatText("update ledmark_kniga_pokupok set iff=%d,d=%s,icn='%s',number='%s',s=%s,d_sf=%s,%s=%s,d_uch=%s,"
                      "org=%s,gtd='%s',nos18=%s,s18=%s,nos10=%s,s10=%s,nos20=%s,s20=%s,s0=%s,s00=%s,fil_id=%d,m1=%d,"
                      "d1=%s where real_id=%d",
                      source, ChangeDateUS0(accepted, 0), MakeSqlStr(orgName), MakeSqlStr(number), DB_Digit(total),
                      ChangeDateUS0(invoiceDate, 0), PaidColumn(), ChangeDateUS0(paidDate, 0),
                      ChangeDateUS0(accepted, 0), NullInt0(org), MakeSqlStr(gtd), DB_Digit(amounts[0]),
                      DB_Digit(amounts[1]), DB_Digit(amounts[2]), DB_Digit(amounts[3]), DB_Digit(amounts[4]),
                      DB_Digit(amounts[5]), DB_Digit(amounts[6]), DB_Digit(amounts[7]), branch,
                      g_lTN, GetCurDateUS0(1), realId);
}

} // namespace nledmark
