#include "CSchFakRecord.h"

#include "DbDialect.h"
#include "StoredHeader.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

const char* const CSchFakRecord::kTable = "paymar_sch_fak";
const char* const CSchFakRecord::kLinesTable = "paymar_sch_fak1";

namespace {

// The column of the date of payment: a word PostgreSQL reserves.
CString PaidColumn()
{
    return SqlReservedName("do");
}

// A number as the database gives it, without the zeros after its last
// significant decimal ("2.500" → "2.5", "3.000" → "3").
CString TrimDecimals(CString number)
{
    if (number.Find('.') < 0)
        return number;
    number.TrimRight("0");
    number.TrimRight(".");
    return number;
}

} // namespace

BOOL CSchFakRecord::Load(long realId)
{
    CStoredHeader row;
    const CString columns = "fil_id,obrazec,sb_deb2,prim,kbk_deb,kbk_kred,vnim,org,org2,nv,d," + SqlAsText("number")
        + " as number,s,sch0,sch1,sb1,sb2,sb3,no_doc,date_doc," + PaidColumn() + " as paid,id,icn";
    if (!row.Read(kTable, realId, columns))
        return FALSE;
    branch = row.Int("fil_id", 0);
    sampleShown = row.Int("obrazec", 0) != 0;
    activity = row["sb_deb2"];
    note = row["prim"];
    kbkDebit = row["kbk_deb"];
    kbkCredit = row["kbk_kred"];
    sample = row["vnim"];
    org = row["org"];
    org2 = row["org2"];
    ls = row["nv"];
    date = row["d"];
    number = row["number"];
    sum = row["s"];
    debit = row["sch0"];
    credit = row["sch1"];
    sb[0] = row["sb1"];
    sb[1] = row["sb2"];
    sb[2] = row["sb3"];
    payDocNumber = row["no_doc"];
    payDocDate = row["date_doc"];
    paid = row["paid"];
    documentId = row["id"];
    buyerName = row["icn"];
    posted = atol(documentId) > 0;
    lines.clear();
    try {
        _RecordsetPtr rs;
        rs.CreateInstance(__uuidof(Recordset));
        rs->Open((const char*)FormatText("select discr,ei,kol,s from %s where real_id=%d order by npp1", kLinesTable,
                                         realId),
                 GetConnection().GetInterfacePtr(), adOpenForwardOnly, adLockReadOnly, adCmdText);
        while (!rs->adoEOF) {
            FieldsPtr fields = rs->GetFields();
            CSchFakLine line;
            line.name = SafeArayToString(fields->GetItem(0L)->GetValue());
            line.unit = SafeArayToString(fields->GetItem(1L)->GetValue());
            line.quantity = TrimDecimals(SafeArayToString(fields->GetItem(2L)->GetValue()));
            line.sum = SafeArayToString(fields->GetItem(3L)->GetValue());
            lines.push_back(line);
            rs->MoveNext();
        }
        rs->Close();
    } catch (const _com_error& e) {
        // The header is shown with the lines read so far.
        ReportDBError(e, 1, nullptr);
    }
    return TRUE;
}

CPostingLine CSchFakRecord::Posting() const
{
    CPostingLine p;
    p.debit = debit;
    p.debit1 = counterparty;
    p.debit2 = debit2;
    p.credit = credit;
    p.credit1 = sb[0];
    p.credit2 = sb[1];
    p.credit3 = sb[2];
    p.amount = sum;
    p.kbkDebit = kbkDebit;
    p.kbkCredit = kbkCredit;
    return p;
}

// The document id is null for an invoice kept without posting.
CString CSchFakRecord::HeaderInsertSql(long id)
{
    return FormatText("insert into paymar_sch_fak (%s,id,d,number,s,nv,org,org2,sch0,sch1,sb1,sb2,sb3,no_doc,date_doc,"
                      "prim,obrazec,vnim,fil_id,kbk_deb,kbk_kred,m0,d0,icn,sb_deb2) values \t\t\t\t\t "
                      "(%s,%s,%s,'%s',%s,%s,%s,%s,'%s','%s',%s,%s,%s,'%s',%s,%s,%d,%s,%d,%s,%s,%d,%s,'%s',%s)",
                      PaidColumn(), ChangeDateUS0(paid, 0), posted && id > 0 ? FormatText("%d", id) : CString("null"),
                      ChangeDateUS0(date, 0), MakeSqlStr(number), DB_Digit(sum), NullInt0(ls), NullInt0(org),
                      NullInt0(org2), MakeSqlStr(debit), MakeSqlStr(credit), NullInt0(sb[0]), NullInt0(sb[1]),
                      NullInt0(sb[2]), MakeSqlStr(payDocNumber), ChangeDateUS0(payDocDate, 0), NullStr(note),
                      sampleShown ? 1 : 0, NullStr(sample), branch, NullInt0(kbkDebit), NullInt0(kbkCredit), g_lTN,
                      GetCurDateUS0(1), MakeSqlStr(buyerName), NullStr(activity));
}

CString CSchFakRecord::HeaderUpdateSql(long id, long realId)
{
    return FormatText("update paymar_sch_fak set %s=%s,id=%s,d=%s,number='%s',s=%s,nv=%s,org=%s,org2=%s,sch0='%s',"
                      "sch1='%s',sb1=%s,sb2=%s,sb3=%s,no_doc='%s',date_doc=%s,prim=%s,obrazec=%d,vnim=%s,fil_id=%d,"
                      "kbk_deb=%s,kbk_kred=%s,m1=%d,d1=%s,icn='%s',sb_deb2=%s where real_id=%d",
                      PaidColumn(), ChangeDateUS0(paid, 0), posted && id > 0 ? FormatText("%d", id) : CString("null"),
                      ChangeDateUS0(date, 0), MakeSqlStr(number), DB_Digit(sum), NullInt0(ls), NullInt0(org),
                      NullInt0(org2), MakeSqlStr(debit), MakeSqlStr(credit), NullInt0(sb[0]), NullInt0(sb[1]),
                      NullInt0(sb[2]), MakeSqlStr(payDocNumber), ChangeDateUS0(payDocDate, 0), NullStr(note),
                      sampleShown ? 1 : 0, NullStr(sample), branch, NullInt0(kbkDebit), NullInt0(kbkCredit), g_lTN,
                      GetCurDateUS0(1), MakeSqlStr(buyerName), NullStr(activity), realId);
}

BOOL CSchFakRecord::WritePostings(long id)
{
    return InsertPostings(id, date, branch, {Posting()});
}

CString CSchFakRecord::LineTablesDeleteSql(long realId)
{
    return FormatText("delete from paymar_sch_fak1 where real_id=%d", realId);
}

// One insert of every line, numbered without gaps.
CString CSchFakRecord::LineTablesInsertSql(long realId)
{
    if (lines.empty())
        return CString();
    CString sql = "insert into paymar_sch_fak1 (real_id,npp1,discr,ei,kol,s) values ";
    int npp = 0;
    for (const CSchFakLine& line : lines) {
        sql += FormatText("%s(%d,%d,%s,%s,%s,%s)", npp ? "," : "", realId, npp, NullStr(line.name), NullStr(line.unit),
                          NullInt0(line.quantity), NullInt0(line.sum));
        ++npp;
    }
    return sql;
}

CString NextInvoiceNumberSql(int year, long realId)
{
    CString where = FormatText("d>=%s and d<=%s", ChangeDateUS0(FormatText("01.01.%04d", year), 0),
                               ChangeDateUS0(FormatText("31.12.%04d", year), 0));
    if (realId != -1)
        where += FormatText(" and real_id<>%d", realId);
    return SqlNextLeadingNumber("number", "paymar_sch_fak", where);
}

CString NextInvoiceNumber(int year, long realId)
{
    const CString next = ExecuteString(NextInvoiceNumberSql(year, realId));
    return next.IsEmpty() ? CString("1") : next;
}

} // namespace nledmark
