#include "DepreciationRun.h"

#include "AccountBalance.h"
#include "DepreciationRules.h"
#include "ScriptReadCache.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <utility>

namespace nledmark {

namespace {

const char* const kOperationNote = "НАЧИСЛЕНИЕ АМОРТИЗАЦИИ";
const char* const kPostingNote = "начислена амортизация";

// A card as the run reads it.
struct CardRow {
    CString id, sch, schIz, dPost, dEkspl, normIzn, vrasx, kbkDeb, kbkKred;
};

// A card that takes a register row: its figures and the posting's accounts.
struct CardDepreciation {
    CString id, start, debit, credit, debit1, debit2, kbkDeb, kbkKred;
    double value = 0, quantity = 0, accumulated = 0, amount = 0;
    int monthsLeft = 0;
};

CString Field(_RecordsetPtr& rs, const char* name)
{
    return SafeArayToString(rs->GetCollect(name));
}

CString Money(double value)
{
    return ftoa(RoundKopecks(value));
}

BOOL IsDigits(const CString& text)
{
    if (text.IsEmpty())
        return FALSE;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return FALSE;
    return TRUE;
}

// The analytic value the debit account keeps in a dimension whose book is
// `table`: the economic code of depreciation, the card's kind of expense,
// else none.
CString DebitValue(const CString& table, const CString& vrasx)
{
    if (table == "spr_ekr")
        return "271000";
    if (table == "spr_v_rasx")
        return vrasx.IsEmpty() ? CString("1") : vrasx;
    return CString();
}

// What the run asks of the chart per account, asked once per account: the
// cards of a branch share a handful of accounts.
class ChartAnswers {
public:
    bool OffBalance(const CString& account)
    {
        auto it = m_offBalance.find(account);
        if (it == m_offBalance.end())
            it = m_offBalance.emplace(account, GL_IsZab(account) != 0).first;
        return it->second;
    }
    const CString& CreditOf(const CString& prefix)
    {
        auto it = m_credit.find(prefix);
        if (it == m_credit.end())
            it = m_credit.emplace(prefix, GL_GetFullSchKred(prefix)).first;
        return it->second;
    }
    // The books of dimensions 1 and 2 of a debit account.
    const std::pair<CString, CString>& BooksOf(const CString& debit)
    {
        auto it = m_books.find(debit);
        if (it == m_books.end())
            it = m_books
                     .emplace(debit, std::make_pair(I_GetSprTableName(GL_Get_SB(debit, 1)),
                                                    I_GetSprTableName(GL_Get_SB(debit, 2))))
                     .first;
        return it->second;
    }

private:
    std::map<CString, bool> m_offBalance;
    std::map<CString, CString> m_credit;
    std::map<CString, std::pair<CString, CString>> m_books;
};

} // namespace

BOOL ValidDepreciationDebit(const CString& account)
{
    if (account.GetLength() != 9 || !IsDigits(account))
        return FALSE;
    if (GL_Valid_Sch0(account, 0, -1))
        return TRUE;
    // Source 0 stands for every source: the posting takes the source of the
    // card's depreciation account, so the account must exist under some.
    if (account[0] != '0')
        return FALSE;
    return ExecuteCount(FormatText("select count(*) as cnt from spr_plan_sch where col0<>0 and col1='%s' and "
                                   "col2='%s' and col3='%s'",
                                   account.Mid(1, 3), account.Mid(4, 2), account.Mid(6, 3))) > 0;
}

CDepreciationRun::CDepreciationRun(const CString& date, const CString& debitOther, const CString& debitPaid,
                                   int dateKind)
    : m_date(date), m_sqlDate(ChangeDateUS0(date, 0)), m_debitOther(CString(debitOther).Trim()),
      m_debitPaid(CString(debitPaid).Trim()), m_dateKind(dateKind)
{
    const COleDateTime day = qwDMG(date, 1);
    if (day.GetStatus() == COleDateTime::valid) {
        m_year = day.GetYear();
        m_month = day.GetMonth();
        m_monthStart = FormatText("01.%02d.%04d", m_month, m_year);
    }
}

BOOL CDepreciationRun::Check()
{
    if (!ValidDepreciationDebit(m_debitOther)) {
        AfxMessageBox("Неверный счет \"Дебет прочие\": " + m_debitOther, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    if (!ValidDepreciationDebit(m_debitPaid)) {
        AfxMessageBox("Неверный счет \"Дебет платный\": " + m_debitPaid, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    if (m_year == 0) {
        AfxMessageBox("Неверная дата операции: " + m_date, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    // The script says why it refuses a date.
    return GL_Verify_Date(m_date, 1) != 0;
}

BranchDepreciationResult CDepreciationRun::RunBranch(int branch)
{
    BranchDepreciationResult result;
    result.branch = branch;
    result.outcome = BranchDepreciation::Failed;
    const CString where = FormatText(" where g=%d and ms=%d and fil_id=%d", m_year, m_month, branch);

    // The earlier run of the month: its document id and operation number.
    long earlier = 0;
    if (ForEachRow("select doc_id from ledmark_prn_iz1" + where,
                   [&](_RecordsetPtr& rs) { earlier = std::atol(Field(rs, "doc_id")); })
        < 0)
        return result;
    const CString skipDocument = earlier > 0 ? FormatText("%ld", earlier) : CString();

    std::vector<CardRow> cards;
    const CString cardsSql = FormatText(
        "select id,sch,sch_iz,d_post,d_ekspl,norm_izn,vrasx,kbk_deb,kbk_kred from spr_osn_sr "
        "where nach_izn>0 and (d_ekspl<=%s or d_post<=%s) and sch<>'' and sch_iz<>'' and fil_id=%d "
        "and (d_vybit is null or d_vybit>%s) order by id",
        m_sqlDate, m_sqlDate, branch, m_sqlDate);
    if (ForEachRow(cardsSql, [&](_RecordsetPtr& rs) {
            cards.push_back({Field(rs, "id"), Field(rs, "sch"), Field(rs, "sch_iz"), Field(rs, "d_post"),
                             Field(rs, "d_ekspl"), Field(rs, "norm_izn"), Field(rs, "vrasx"), Field(rs, "kbk_deb"),
                             Field(rs, "kbk_kred")});
        })
        < 0)
        return result;

    const CString tailOther = m_debitOther.Mid(1), tailPaid = m_debitPaid.Mid(1);
    std::vector<CardDepreciation> rows;
    double total = 0;
    // The chart, the books and the actuality date are read once for all
    // cards, for their balances and for their postings' checks, until the
    // branch writes.
    std::optional<appcore::CScriptReadCache> reads;
    reads.emplace();
    {
        ChartAnswers chart;
        for (const CardRow& card : cards) {
            if (card.id.IsEmpty() || card.sch.GetLength() < 9 || card.schIz.GetLength() < 6)
                continue;
            // A card moved off balance keeps its off-balance account in sch.
            if (chart.OffBalance(card.sch))
                continue;
            LedgerBalance asset, depreciation;
            if (!ReadAccountBalance(m_date, card.sch, card.id, nullptr, nullptr, -2, nullptr,
                                    earlier > 0 ? (const char*)skipDocument : nullptr, asset)) {
                AfxMessageBox(FormatText("Филиал %d: ", branch) + BalanceUnread(BalanceAccount(card.sch), card.id),
                              MB_OK | MB_ICONSTOP);
                return result;
            }
            AssetFigures figures;
            figures.value = asset.Sum();
            figures.quantity = asset.Quantity();
            figures.start = m_dateKind == 1 ? card.dEkspl : card.dPost;
            figures.usefulLife = std::atoi(card.normIzn);
            figures.monthStart = m_monthStart;
            if (figures.value == 0 || figures.quantity == 0 || figures.start.IsEmpty())
                continue;
            if (!ReadAccountBalance(m_date, card.schIz, card.id, nullptr, nullptr, -2, nullptr,
                                    earlier > 0 ? (const char*)skipDocument : nullptr, depreciation)) {
                AfxMessageBox(FormatText("Филиал %d: ", branch) +
                                  BalanceUnread(BalanceAccount(card.schIz), card.id),
                              MB_OK | MB_ICONSTOP);
                return result;
            }
            figures.accumulated = -depreciation.Sum();
            const AssetDepreciation d = DepreciateAsset(figures);
            if (d.skip != DepreciationSkip::None)
                continue;
            CardDepreciation row;
            row.id = card.id;
            row.start = figures.start;
            row.value = figures.value;
            row.quantity = figures.quantity;
            row.accumulated = figures.accumulated;
            row.amount = d.amount;
            row.monthsLeft = d.monthsLeft;
            const CString prefix = card.schIz.Left(6);
            row.debit = prefix.Left(1) + (prefix[0] == '2' ? tailPaid : tailOther);
            row.credit = chart.CreditOf(prefix);
            const std::pair<CString, CString>& books = chart.BooksOf(row.debit);
            row.debit1 = DebitValue(books.first, card.vrasx);
            row.debit2 = DebitValue(books.second, card.vrasx);
            row.kbkDeb = card.kbkDeb;
            row.kbkKred = card.kbkKred;
            rows.push_back(row);
            total = RoundKopecks(total + d.amount);
        }
    }

    const CString clearEarlier = earlier > 0 ? FormatText("delete from ledmark_oper_by_hand where id=%ld\n"
                                                          "delete from ledmark_provodki where id=%ld\n",
                                                          earlier, earlier)
                                             : CString();
    const CString clearRegister =
        "delete from ledmark_prn_iz" + where + "\n" + "delete from ledmark_prn_iz1" + where + "\n";
    if (total == 0) {
        if (earlier == 0) {
            result.outcome = BranchDepreciation::Nothing;
            return result;
        }
        // Without its own postings the earlier run books nothing now: it
        // no longer holds and goes.
        reads.reset();
        if (!ExecuteSql(clearEarlier + clearRegister, nullptr, 0, 1, -1))
            return result;
        result.outcome = BranchDepreciation::Removed;
        return result;
    }

    const long documentId = earlier > 0 ? earlier : I_GetNextDoc_Ptr();
    if (documentId <= 0)
        return result;
    CString number;
    if (earlier > 0)
        number = ExecuteString(FormatText("select number as str from ledmark_oper_by_hand where id=%ld", earlier));
    if (number.IsEmpty())
        number = GL_NextNumber("ledmark_oper_by_hand", 1);

    CString batch = clearEarlier + clearRegister;
    batch += FormatText("insert into ledmark_oper_by_hand (id,d,number,s,prim,m0,d0,fil_id) values "
                        "(%ld,%s,'%s',%s,'%s',%ld,%s,%d)\n",
                        documentId, m_sqlDate, MakeSqlStr(number), NullInt0(Money(total)), kOperationNote, g_lTN,
                        GetCurDateUS0(1), branch);
    batch += FormatText("insert into ledmark_prn_iz1 (g,ms,doc_id,fil_id) values (%d,%d,%ld,%d)\n", m_year, m_month,
                        documentId, branch);
    int counter = 0;
    for (const CardDepreciation& row : rows) {
        batch += FormatText("insert into ledmark_prn_iz (d,kol,g,ms,id,s_bal,s_iz,s,mes_ost,deb,kred,kbk_deb,kbk_kred,"
                            "fil_id) values (%s,%s,%d,%d,%s,%s,%s,%s,%s,'%s','%s',%s,%s,%d)\n",
                            ChangeDateUS0(row.start, 0), NullInt0(rtz(FormatNumber(row.quantity, "-", 10))), m_year,
                            m_month, NullInt0(row.id), NullInt0(Money(row.value)), NullInt0(Money(row.accumulated)),
                            NullInt0(Money(row.amount)), NullInt0(FormatText("%d", row.monthsLeft)),
                            MakeSqlStr(row.debit), MakeSqlStr(row.credit), NullInt0(row.kbkDeb),
                            NullInt0(row.kbkKred), branch);
        if (row.amount == 0)
            continue;
        const CString posting =
            GL_InsertProvodka0((unsigned)documentId, (unsigned)++counter, m_date, row.debit, row.debit1, row.debit2,
                               nullptr, row.credit, row.id, nullptr, nullptr, Money(row.amount), nullptr,
                               kPostingNote, row.kbkDeb, row.kbkKred, branch, 0);
        if (posting.IsEmpty()) {
            AfxMessageBox(FormatText("Филиал %d: проводка по карточке %s (Дт %s Кт %s на сумму %s) не записана.\n"
                                     "Амортизация филиала не начислена.",
                                     branch, row.id, row.debit, row.credit, Money(row.amount)),
                          MB_OK | MB_ICONSTOP);
            return result;
        }
        batch += posting + "\n";
    }
    reads.reset();
    if (!ExecuteSql(batch, nullptr, 0, 1, -1))
        return result;
    result.outcome = BranchDepreciation::Written;
    result.total = total;
    result.postings = counter;
    return result;
}

BOOL CDepreciationRun::Run()
{
    m_results.clear();
    std::vector<int> branches;
    if (ForEachRow("select id from spr_fil order by id",
                   [&](_RecordsetPtr& rs) { branches.push_back(std::atoi(Field(rs, "id"))); })
        < 0)
        return FALSE;
    for (int branch : branches) {
        m_results.push_back(RunBranch(branch));
        if (m_results.back().outcome == BranchDepreciation::Failed)
            return FALSE;
    }
    return TRUE;
}

CString CDepreciationRun::Summary() const
{
    CString text = FormatText("Амортизация за %02d.%04d:", m_month, m_year);
    for (const BranchDepreciationResult& r : m_results) {
        const CString name = GetFilName(r.branch);
        text += "\n" + (name.IsEmpty() ? FormatText("Филиал %d", r.branch) : name) + ": ";
        switch (r.outcome) {
        case BranchDepreciation::Written:
            text += FormatText("начислено %s, проводок %d", Money(r.total), r.postings);
            break;
        case BranchDepreciation::Removed:
            text += "начислять нечего, прежний расчет за месяц удален";
            break;
        case BranchDepreciation::Nothing:
            text += "начислять нечего";
            break;
        case BranchDepreciation::Failed:
            text += "не начислена";
            break;
        }
    }
    return text;
}

} // namespace nledmark
