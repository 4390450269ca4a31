#include "ClosingRun.h"

#include "COperByHandRecord.h"
#include "ScriptReadCache.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <cstdlib>
#include <initializer_list>

namespace nledmark {

namespace {

using Row = std::vector<CString>;

// The rows of a query with the named columns, read whole before anything else
// asks the database.
BOOL ReadRows(const CString& sql, std::initializer_list<const char*> columns, std::vector<Row>& rows)
{
    rows.clear();
    const long count = ForEachRow(sql, [&](_RecordsetPtr& rs) {
        Row row;
        for (const char* column : columns)
            row.push_back(SafeArayToString(rs->GetCollect(column)));
        rows.push_back(std::move(row));
    });
    return count >= 0;
}

// The n-th number (1-based) of an answer "debit@credit@...".
double AnswerNumber(const CString& answer, int n)
{
    const QStringList parts = answer.ToQString().split(QLatin1Char('@'));
    return n <= parts.size() ? parts.at(n - 1).trimmed().toDouble() : 0;
}

CString Amount(double value)
{
    return FormatNumber(value, "", 2);
}

CString BookTable(const CString& account, short k)
{
    return I_GetSprTableName(GL_Get_SB(account, k));
}

// A manual operation of the run: its postings are made into statements one by
// one, and the first the posting script refuses is remembered for the report.
class CClosingRecord : public COperByHandRecord {
public:
    std::vector<CPostingLine> postings;
    int refused = -1;

    BOOL WritePostings(long documentId) override
    {
        CString batch;
        for (size_t i = 0; i < postings.size(); ++i) {
            const CPostingLine& l = postings[i];
            const CString sql = GL_InsertProvodka0((unsigned)documentId, unsigned(i + 1), date, l.debit, l.debit1,
                                                   l.debit2, l.debit3, l.credit, l.credit1, l.credit2, l.credit3,
                                                   l.amount, l.quantity, l.note, l.kbkDebit, l.kbkCredit, branch, 0);
            if (sql.IsEmpty()) {
                refused = int(i);
                return FALSE;
            }
            batch += sql + "\n";
        }
        return batch.IsEmpty() || ExecuteSql(batch);
    }
};

CString NextNumber(const CString& number)
{
    return FormatText("%ld", std::atol(number) + 1);
}

} // namespace

CClosingRun::CClosingRun(ClosingMode mode, const CString& date)
    : m_mode(mode), m_date(date), m_sqlDate(ChangeDateUS0(date, 0)), m_balanceDate(AddDate(date, 0, 0, 1))
{
}

CString CClosingRun::Question() const
{
    switch (m_mode) {
    case CLOSE_10604: return "Закрыть счет 106.04? ";
    case CLOSE_30404: return "Закрыть счет 304 04? ";
    case CLOSE_500: return "Закрыть 500-е счета ? ";
    case CLOSE_302_206: return "Закрыть счет 302? ";
    case CLOSE_206_302: return "Закрыть счет 206? ";
    default: return "Закрыть счета ? ";
    }
}

CString CClosingRun::Note() const
{
    switch (m_mode) {
    case CLOSE_10604: return "Закрытие счета 106.04";
    case CLOSE_30404: return "Закрытие счета 304.04";
    case CLOSE_500: return "Закрытие 500-х счетов";
    case CLOSE_302_206: return "Закрытие счета 302 на 206";
    case CLOSE_206_302: return "Закрытие счета 206 на 302";
    default: return "Заключение счетов текущего отчетного года";
    }
}

void CClosingRun::ReadClosingList()
{
    m_entries = ClosingEntries(GetZaklSch());
}

BOOL CClosingRun::Produce(int branch, CClosingPostings& out)
{
    out = CClosingPostings();
    switch (m_mode) {
    case CLOSE_10604: return Produce10604(branch, out);
    case CLOSE_30404: return Produce30404(branch, out);
    case CLOSE_500: return Produce500(branch, out);
    case CLOSE_302_206: return Produce302(branch, out);
    case CLOSE_206_302: return Produce206(branch, out);
    default: return ProduceAnnual(branch, out);
    }
}

BOOL CClosingRun::ProduceAnnual(int branch, CClosingPostings& out)
{
    for (const CClosingEntry& entry : m_entries) {
        const CString c1 = entry.closed.Mid(1, 3), c2 = entry.closed.Mid(4, 2), c3 = entry.closed.Mid(6, 3);
        for (int source = 1; source <= 4; ++source) {
            std::vector<Row> rows;
            if (!ReadRows(AnnualClosingQuery(m_sqlDate, source, c1, c2, c3, branch),
                          {"kbk", "col3", "sb1", "sb2", "sb3"}, rows))
                return FALSE;
            const CString digit = FormatText("%d", source);
            for (const Row& r : rows) {
                CString account = digit + c1 + c2 + r[1];
                if (!GL_Valid_Sch0(account, 0, -1))
                    account = digit + entry.closed.Mid(1, 8);
                const CString correspondent = digit + entry.target.Mid(1, 8);
                const CString balance = GL_GetOst0(m_balanceDate, account, r[2], r[3], r[4], branch, r[0], nullptr);
                const CAnnualPosting rule = AnnualClosingPosting(account, AnswerNumber(balance, 1), AnswerNumber(balance, 2));
                if (!rule.post)
                    continue;
                CPostingLine l;
                if (rule.accountOnDebit) {
                    l.debit = account;
                    l.debit1 = r[2], l.debit2 = r[3], l.debit3 = r[4];
                    l.credit = correspondent;
                } else {
                    l.debit = correspondent;
                    l.credit = account;
                    l.credit1 = r[2], l.credit2 = r[3], l.credit3 = r[4];
                }
                l.amount = Amount(rule.amount);
                l.kbkDebit = l.kbkCredit = r[0];
                out.lines.push_back(l);
            }
        }
    }
    return TRUE;
}

BOOL CClosingRun::Produce10604(int branch, CClosingPostings& out)
{
    std::vector<Row> rows;
    if (!ReadRows(Closing10604Query(m_sqlDate, branch), {"kbk", "col0", "sb1", "sb2", "sb3", "s"}, rows))
        return FALSE;
    for (const Row& r : rows) {
        const double amount = std::atof(Amount(std::atof(r[5])));
        if (amount == 0)
            continue;
        out.total += amount;
        CPostingLine l;
        l.debit = r[1] + "40101" + Closing10604Kosgu(r[1], r[2]);
        l.debit1 = r[2];
        l.credit = r[1] + "10604440";
        l.credit1 = r[2], l.credit2 = r[3], l.credit3 = r[4];
        l.amount = Amount(amount);
        l.kbkDebit = l.kbkCredit = r[0];
        out.lines.push_back(l);
    }
    return TRUE;
}

BOOL CClosingRun::Produce30404(int branch, CClosingPostings& out)
{
    std::vector<Row> rows;
    if (!ReadRows(Closing30404Query(m_sqlDate, branch),
                  {"kol", "kbk_deb", "deb0", "deb1", "deb2", "deb3", "deb_sb1", "deb_sb2", "deb_sb3", "kbk_kred", "kred0",
                   "kred1", "kred2", "kred3", "kred_sb1", "kred_sb2", "kred_sb3", "s"},
                  rows))
        return FALSE;
    for (const Row& r : rows) {
        const double amount = std::atof(Amount(std::atof(r[17])));
        if (amount == 0)
            continue;
        out.total += amount;
        CPostingLine l;
        l.debit = r[2] + r[3] + r[4] + r[5];
        l.debit1 = r[6], l.debit2 = r[7], l.debit3 = r[8];
        l.credit = r[10] + r[11] + r[12] + r[13];
        l.credit1 = r[14], l.credit2 = r[15], l.credit3 = r[16];
        l.amount = Amount(-amount);
        l.quantity = r[0];
        l.kbkDebit = r[1];
        l.kbkCredit = r[9];
        out.lines.push_back(l);
    }
    return TRUE;
}

// The year's turnovers up to the operation date: turnovers dated after it are
// not the year's closing (the query reads the postings up to the date too).
BOOL CClosingRun::Produce500(int branch, CClosingPostings& out)
{
    std::vector<Row> rows;
    if (!ReadRows(Closing500Query(m_sqlDate, branch), {"kbk", "col0", "col1", "col2", "col3", "sb1", "sb2", "sb3"},
                  rows))
        return FALSE;
    const CString from = "01.01." + m_date.Right(4);
    for (const Row& r : rows) {
        const CString account = r[1] + r[2] + r[3] + r[4];
        const CString turnover = GL_GetOborot(from, m_date, account, r[5], r[6], r[7], nullptr, branch, r[0], nullptr);
        const double debit = std::atof(Amount(AnswerNumber(turnover, 1)));
        const double credit = std::atof(Amount(AnswerNumber(turnover, 2)));
        const CString zero = r[1] + "00000000";
        if (debit != 0) {
            CPostingLine l;
            l.debit = account;
            l.debit1 = r[5], l.debit2 = r[6], l.debit3 = r[7];
            l.credit = zero;
            l.amount = Amount(-debit);
            l.kbkDebit = l.kbkCredit = r[0];
            out.lines.push_back(l);
            out.total += debit;
        }
        if (credit != 0) {
            CPostingLine l;
            l.debit = zero;
            l.credit = account;
            l.credit1 = r[5], l.credit2 = r[6], l.credit3 = r[7];
            l.amount = Amount(-credit);
            l.kbkDebit = l.kbkCredit = r[0];
            out.lines.push_back(l);
            out.total -= credit;
        }
    }
    return TRUE;
}

namespace {

// A balance row of 302 or 206 with the analytic values its account keeps.
struct CBalanceRow {
    CString kbk, source, col0, col2;
    CString sb[3];
    CString tables[3];
};

CBalanceRow BalanceRowOf(const Row& r, const char* synthetic)
{
    CBalanceRow b;
    b.kbk = r[0];
    b.col0 = r[1];
    b.col2 = r[2];
    b.source = r[1] + synthetic + r[2] + "000";
    for (short k = 0; k < 3; ++k) {
        b.tables[k] = BookTable(b.source, short(k + 1));
        b.sb[k] = b.tables[k].IsEmpty() ? CString() : r[3 + k];
    }
    return b;
}

// The full account of the other side with the row's analytic number.
CString OtherAccount(const CBalanceRow& b, const char* synthetic)
{
    return GL_GetFullSchDeb(b.col0 + synthetic + FormatText("%02d", std::atoi(b.col2)));
}

// The debit values: each value of the row goes to the first dimension of the
// debit account that keeps the same reference book.
void MapValues(const CBalanceRow& b, const CString (&debitTables)[3], CString (&values)[3])
{
    for (int j = 0; j < 3; ++j) {
        if (b.tables[j].IsEmpty())
            continue;
        for (int k = 0; k < 3; ++k)
            if (debitTables[k] == b.tables[j]) {
                values[k] = b.sb[j];
                break;
            }
    }
}

} // namespace

BOOL CClosingRun::Produce302(int branch, CClosingPostings& out)
{
    std::vector<Row> rows;
    if (!ReadRows(ClosingBalancesQuery(m_sqlDate, "302", branch), {"kbk", "col0", "col2", "sb1", "sb2", "sb3"}, rows))
        return FALSE;
    for (const Row& r : rows) {
        const CBalanceRow b = BalanceRowOf(r, "302");
        const CString balance = GL_GetOst0(m_balanceDate, b.source, b.sb[0], b.sb[1], b.sb[2], branch, b.kbk, nullptr);
        const double debit = AnswerNumber(balance, 1), credit = AnswerNumber(balance, 2);
        if (debit == 0 && credit == 0)
            continue;
        CPostingLine l;
        l.credit = GL_GetFullSchKred(b.source.Left(6));
        l.debit = OtherAccount(b, "206");
        CString tables[3], values[3];
        for (short k = 0; k < 3; ++k)
            tables[k] = BookTable(l.debit, short(k + 1));
        MapValues(b, tables, values);
        // The quantity of the balance: debit quantity less credit quantity.
        if (GL_Should_Have_Kol(l.debit) || GL_Should_Have_Kol(l.credit))
            l.quantity = Number(AnswerNumber(balance, 3) - AnswerNumber(balance, 4), 1);
        if (std::atof(Amount(debit)) == 0 && std::atof(l.quantity) == 0)
            continue;
        l.debit1 = values[0], l.debit2 = values[1], l.debit3 = values[2];
        l.credit1 = b.sb[0], l.credit2 = b.sb[1], l.credit3 = b.sb[2];
        l.amount = Amount(debit);
        l.kbkDebit = l.kbkCredit = b.kbk;
        out.lines.push_back(l);
        out.total += std::atof(l.amount);
    }
    return TRUE;
}

BOOL CClosingRun::Produce206(int branch, CClosingPostings& out)
{
    std::vector<Row> rows;
    if (!ReadRows(ClosingBalancesQuery(m_sqlDate, "206", branch), {"kbk", "col0", "col2", "sb1", "sb2", "sb3"}, rows))
        return FALSE;
    for (const Row& r : rows) {
        const CBalanceRow b = BalanceRowOf(r, "206");
        const CString balance = GL_GetOst0(m_balanceDate, b.source, b.sb[0], b.sb[1], b.sb[2], branch, b.kbk, nullptr);
        const double amount = std::atof(Amount(AnswerNumber(balance, 1)));
        if (amount == 0)
            continue;
        CPostingLine l;
        l.credit = GL_GetFullSchKred(b.source.Left(6));
        l.debit = OtherAccount(b, "302");
        CString tables[3], values[3], contractor;
        for (short k = 0; k < 3; ++k) {
            tables[k] = BookTable(l.debit, short(k + 1));
            if (tables[k] == "spr_contr")
                contractor = b.sb[k];
        }
        const CString contract = contractor.IsEmpty() ? CString() : GetDefDogovor(GetOrgFromContr(contractor), nullptr);
        for (int k = 0; k < 3; ++k) {
            if (tables[k] == "spr_dogovora")
                values[k] = contract;
            if (tables[k] == "spr_ekr")
                values[k] = "226000";
        }
        MapValues(b, tables, values);
        l.debit1 = values[0], l.debit2 = values[1], l.debit3 = values[2];
        l.credit1 = b.sb[0], l.credit2 = b.sb[1], l.credit3 = b.sb[2];
        l.amount = Amount(amount);
        l.kbkDebit = l.kbkCredit = b.kbk;
        out.lines.push_back(l);
        out.total += amount;
    }
    return TRUE;
}

BOOL CClosingRun::Run(const CString& firstNumber)
{
    std::vector<int> branches;
    if (ForEachRow("select id from spr_fil order by id",
                   [&](_RecordsetPtr& rs) { branches.push_back(std::atoi(SafeArayToString(rs->GetCollect("id")))); })
        < 0)
        return FALSE;
    CString number = firstNumber;
    CString failure;
    {
        CDbTransaction run;
        if (!run.IsUsable())
            return FALSE;
        BOOL written = TRUE;
        for (int branch : branches) {
            CClosingPostings postings;
            {
                // The balances of one branch only read: each is read once.
                appcore::CScriptReadCache reads;
                written = Produce(branch, postings);
            }
            if (!written)
                break;
            if (postings.lines.empty()) {
                I_GetNextDoc_Ptr();
            } else {
                CClosingRecord record;
                record.date = m_date;
                record.number = number;
                record.sum = m_mode == CLOSE_ANNUAL ? CString() : Amount(postings.total);
                record.prim = Note();
                record.branch = branch;
                record.postings = postings.lines;
                long realId = -1;
                written = SaveStoredDocument(record, realId);
                if (!written) {
                    failure = FormatText("Филиал %d: операция не записана", branch);
                    if (record.refused >= 0) {
                        const CPostingLine& l = postings.lines[size_t(record.refused)];
                        failure = FormatText("Филиал %d: проводка Дт %s Кт %s на сумму %s не записана", branch,
                                             l.debit.IsEmpty() ? CString("-") : l.debit,
                                             l.credit.IsEmpty() ? CString("-") : l.credit, l.amount);
                    }
                    break;
                }
            }
            number = NextNumber(number);
        }
        if (written && run.Commit())
            return TRUE;
        run.Rollback();
    }
    if (!failure.IsEmpty())
        AfxMessageBox(failure + ".\nЗакрытие не выполнено: ничего не записано.", MB_OK | MB_ICONSTOP);
    return FALSE;
}

} // namespace nledmark
