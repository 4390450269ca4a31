#include "CCashOrderRecord.h"

#include "DbDialect.h"
#include "StoredHeader.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

namespace nledmark {

const CCashOrderKind kReceiptOrder = {
    "ledmark_pko", true, "kbk_deb", "kbk_kred", "kred", "pko_sch0", "where id<20000", false,
    "Ввести новый приходный к/о ? ", "Приходный кассовый ордер"};
const CCashOrderKind kExpenseOrder = {
    "ledmark_rko", false, "kbk_kred", "kbk_deb", "deb", "rko_sch0", "where id>20000", true,
    "Ввести новый расходный к/о ? ", "Расходный кассовый ордер"};

BOOL CCashOrderRecord::Load(long realId)
{
    CStoredHeader row;
    CString columns = FormatText("grid,%s as kbk,fil_id,%s as number,d,sch0,prd0,prd1,cn,icn,tn,fio,osn,pril,prim,id,s,"
                                 "sch1,%s as line_kbk",
                                 m_kind->kbkColumn, SqlAsText("number"), m_kind->lineKbkColumn);
    if (m_kind->hasDocument)
        columns += ",doc";
    if (!row.Read(m_kind->table, realId, columns))
        return FALSE;
    grid = row["grid"];
    kbk = row["kbk"];
    branch = row.Int("fil_id", 1);
    number = row["number"];
    date = row["d"];
    main = row["sch0"];
    division = row["prd0"];
    corrDivision = row["prd1"];
    purpose = row["cn"];
    purposeName = row["icn"];
    tn = row["tn"];
    fio = row["fio"];
    document = row["doc"];
    basis = row["osn"];
    attachment = row["pril"];
    comment = row["prim"];
    documentId = row["id"];
    sum = row["s"];
    if (grid.IsEmpty())
        ConvertSingleLine(row["sch1"], row["line_kbk"]);
    return TRUE;
}

// An order written before orders had lines keeps one account and KBK of the
// other side; its analytic values are those of its first posting.
void CCashOrderRecord::ConvertSingleLine(const CString& account, const CString& lineKbk)
{
    CString values[3];
    const long id = atol(documentId);
    if (IsDigitsOnly(documentId) && id > 0)
        for (int k = 0; k < 3; ++k)
            values[k] = ExecuteString(
                FormatText("select %s_sb%d as str from ledmark_provodki where id=%d and npp=1", m_kind->lineSide, k + 1,
                           id));
    const CString cells[CO_COLUMNS] = {lineKbk, account, values[0], values[1], values[2],
                                       sum.IsEmpty() ? CString() : FormatNumber(atof(sum), "", 2)};
    const CString cell = GetDelimiter0();
    grid.Empty();
    for (int col = 0; col < CO_COLUMNS; ++col)
        grid += (col ? cell : CString()) + cells[col];
}

CPostingLine CCashOrderRecord::Posting(const CString* cells) const
{
    CPostingLine p;
    CString& own = m_kind->mainIsDebit ? p.credit : p.debit;
    CString* ownValues[] = {m_kind->mainIsDebit ? &p.credit1 : &p.debit1, m_kind->mainIsDebit ? &p.credit2 : &p.debit2,
                            m_kind->mainIsDebit ? &p.credit3 : &p.debit3};
    (m_kind->mainIsDebit ? p.debit : p.credit) = main;
    (m_kind->mainIsDebit ? p.kbkDebit : p.kbkCredit) = kbk;
    (m_kind->mainIsDebit ? p.kbkCredit : p.kbkDebit) = cells[CO_KBK];
    own = cells[CO_ACCOUNT];
    for (int k = 0; k < 3; ++k)
        *ownValues[k] = cells[CO_SB1 + k];
    p.amount = cells[CO_SUM];
    p.amount.Replace(",", ".");
    p.note = PostingNote();
    return p;
}

CString CCashOrderRecord::PostingNote() const
{
    return purposeName + " " + (m_kind->hasDocument ? basis : comment);
}

CString CCashOrderRecord::HeaderInsertSql(long id)
{
    const CString doc = m_kind->hasDocument ? CString(",doc") : CString();
    const CString docValue = m_kind->hasDocument ? "'" + MakeSqlStr(document) + "'," : CString();
    return FormatText("insert into %s (id,number,d,sch0,prd0,prd1,cn,tn,fio%s,osn,pril,prim,icn,s,%s,fil_id,m0,d0,grid) "
                      "values \t\t\t(%d,'%s',%s,'%s',%s,%s,%s,%s,'%s',%s'%s','%s','%s','%s',%s,%s,%d,%d,%s,%s)",
                      m_kind->table, doc, m_kind->kbkColumn, id, MakeSqlStr(number), ChangeDateUS0(date, 0),
                      MakeSqlStr(main), NullInt0(division), NullInt0(corrDivision), NullInt0(purpose), NullInt0(tn),
                      MakeSqlStr(fio), docValue, MakeSqlStr(basis), MakeSqlStr(attachment), MakeSqlStr(comment),
                      MakeSqlStr(purposeName), DB_Digit(sum), NullInt0(kbk), branch, g_lTN, GetCurDateUS0(1),
                      NullStr(grid));
}

CString CCashOrderRecord::HeaderUpdateSql(long id, long realId)
{
    const CString doc = m_kind->hasDocument ? "doc='" + MakeSqlStr(document) + "'," : CString();
    return FormatText("update %s set id=%d,number='%s',d=%s,sch0='%s',prd0=%s,prd1=%s,cn=%s,tn=%s,fio='%s',%sosn='%s',"
                      "pril='%s',prim='%s',icn='%s',s=%s,%s=%s,fil_id=%d,m1=%d,d1=%s,grid=%s where real_id=%d",
                      m_kind->table, id, MakeSqlStr(number), ChangeDateUS0(date, 0), MakeSqlStr(main),
                      NullInt0(division), NullInt0(corrDivision), NullInt0(purpose), NullInt0(tn), MakeSqlStr(fio),
                      doc, MakeSqlStr(basis), MakeSqlStr(attachment), MakeSqlStr(comment), MakeSqlStr(purposeName),
                      DB_Digit(sum), m_kind->kbkColumn, NullInt0(kbk), branch, g_lTN, GetCurDateUS0(1), NullStr(grid),
                      realId);
}

BOOL CCashOrderRecord::WritePostings(long id)
{
    size_t refused = 0;
    refusedRow = -1;
    if (InsertPostings(id, date, branch, postings, &refused))
        return TRUE;
    if (refused < postingRows.size())
        refusedRow = postingRows[refused];
    return FALSE;
}

CString PassportQuery(const CString& tn)
{
    if (!IsDigitsOnly(tn))
        return CString();
    const CString blank = "''";
    return FormatText("select %s as str from tn where tn=%s",
                      SqlConcat({"'паспорт серии '", SqlIfNull("serp", blank), "' № '", SqlIfNull("nop", blank),
                                 "', выдан '", SqlIfNull("kv1", blank), "' '", SqlIfNull("kv2", blank)}),
                      tn);
}

} // namespace nledmark
