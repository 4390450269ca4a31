#include "CKnigaProdRecord.h"

#include "StoredHeader.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CKnigaProdRecord::kTable = "ledmark_kniga_prod";
const char* const CKnigaProdRecord::kAmountColumns[8] = {"nos18", "s18", "nos10", "s10", "nos20", "s20", "s0", "s00"};

namespace {

// The column of the date of payment: a word PostgreSQL reserves.
CString PaidColumn()
{
    return SqlReservedName("do");
}

// A checked amount, or NULL for an empty field.
CString Amount(const CString& number)
{
    return number.IsEmpty() ? CString("NULL") : number;
}

} // namespace

BOOL CKnigaProdRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "fil_id,iff,d," + SqlAsText("number") + " as number,s,d_sf," + PaidColumn()
        + " as paid,org,icn,nos18,s18,nos10,s10,nos20,s20,s0,s00";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    branch = row.Int("fil_id", 1);
    source = row.Int("iff", 1);
    date = row["d"];
    number = row["number"];
    total = row["s"];
    invoiceDate = row["d_sf"];
    paidDate = row["paid"];
    org = row["org"];
    orgName = row["icn"];
    for (int i = 0; i < 8; ++i)
        amounts[i] = row[kAmountColumns[i]];
    return TRUE;
}

CString CKnigaProdRecord::HeaderInsertSql(long)
{
    return FormatText("insert into ledmark_kniga_prod (iff,d,icn,number,s,d_sf,%s,org,nos18,s18,nos10,s10,nos20,s20,"
                      "s0,s00,fil_id,m0,d0) values (%d,%s,'%s','%s',%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%d,%d,%s)",
                      PaidColumn(), source, ChangeDateUS0(date, 0), MakeSqlStr(orgName), MakeSqlStr(number),
                      Amount(total), ChangeDateUS0(invoiceDate, 0), ChangeDateUS0(paidDate, 0), NullInt0(org),
                      Amount(amounts[0]), Amount(amounts[1]), Amount(amounts[2]), Amount(amounts[3]),
                      Amount(amounts[4]), Amount(amounts[5]), Amount(amounts[6]), Amount(amounts[7]), branch, g_lTN,
                      GetCurDateUS0(1));
}

CString CKnigaProdRecord::HeaderUpdateSql(long, long realId)
{
    return FormatText("update ledmark_kniga_prod set iff=%d,d=%s,icn='%s',number='%s',s=%s,d_sf=%s,%s=%s,org=%s,"
                      "nos18=%s,s18=%s,nos10=%s,s10=%s,nos20=%s,s20=%s,s0=%s,s00=%s,fil_id=%d,m1=%d,d1=%s "
                      "where real_id=%d",
                      source, ChangeDateUS0(date, 0), MakeSqlStr(orgName), MakeSqlStr(number), Amount(total),
                      ChangeDateUS0(invoiceDate, 0), PaidColumn(), ChangeDateUS0(paidDate, 0), NullInt0(org),
                      Amount(amounts[0]), Amount(amounts[1]), Amount(amounts[2]), Amount(amounts[3]),
                      Amount(amounts[4]), Amount(amounts[5]), Amount(amounts[6]), Amount(amounts[7]), branch, g_lTN,
                      GetCurDateUS0(1), realId);
}

} // namespace nledmark
