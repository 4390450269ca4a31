#include "JournalOpsPage.h"

#include "CheckBookPage.h"
#include "ConfigGlobals.h"
#include "MainBookPage.h"
#include "RegisterPage.h"
#include "ScriptReadCache.h"
#include "SqlText.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <algorithm>
#include <cmath>

namespace nledmark {

bool JournalFigures::IsZero() const
{
    return std::fabs(debit) < 0.005 && std::fabs(credit) < 0.005 && std::fabs(debitQuantity) < 0.0005 &&
           std::fabs(creditQuantity) < 0.0005;
}

void JournalFigures::Add(const JournalFigures& other)
{
    debit += other.debit;
    credit += other.credit;
    debitQuantity += other.debitQuantity;
    creditQuantity += other.creditQuantity;
}

namespace {

// A key's KBK and code: "kbk,code", or the code alone.
void SplitKey(const CString& key, CString& kbk, CString& code)
{
    const int comma = key.Find(',');
    kbk = comma < 0 ? CString() : key.Left(comma);
    code = comma < 0 ? key : key.Mid(comma + 1);
}

int CompareNumbers(long a, long b)
{
    return a < b ? -1 : a > b ? 1 : 0;
}

} // namespace

int CompareAccountKeys(const CString& a, const CString& b)
{
    CString kbkA, codeA, kbkB, codeB;
    SplitKey(a, kbkA, codeA);
    SplitKey(b, kbkB, codeB);
    if (int c = CompareNumbers(atol(codeA), atol(codeB)))
        return c;
    if (int c = CompareNumbers(atol(kbkA), atol(kbkB)))
        return c;
    if (int c = codeA.Compare(codeB))
        return c < 0 ? -1 : 1;
    if (int c = kbkA.Compare(kbkB))
        return c < 0 ? -1 : 1;
    return 0;
}

std::vector<CString> SortMapByAccount(const JournalFigureMap& map)
{
    std::vector<CString> keys;
    keys.reserve(map.size());
    for (const auto& entry : map)
        keys.push_back(entry.first);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const CString& a, const CString& b) { return CompareAccountKeys(a, b) < 0; });
    return keys;
}

namespace {

const char* const kCatchAllLabel = "CPrnJrnKassaView";

CString SqlDate(const COleDateTime& date)
{
    return RegisterSqlDate(date);
}

CString Column(_RecordsetPtr& rs, const char* name)
{
    return RegisterColumn(rs, name);
}

// A checked list of codes ("12,15") as quoted texts ("'12','15'"): the
// analytic columns hold text.
CString QuotedCodes(const CString& list)
{
    CString quoted;
    const int parts = Length(list, ",");
    for (int k = 1; k <= parts; ++k) {
        const CString code = GetPart(list, ",", k).Trim();
        if (code.IsEmpty())
            continue;
        quoted += (quoted.IsEmpty() ? "'" : ",'") + code + "'";
    }
    return quoted;
}

bool InList(const CString& list, const CString& code)
{
    const int parts = Length(list, ",");
    for (int k = 1; k <= parts; ++k)
        if (GetPart(list, ",", k).Trim() == code)
            return true;
    return false;
}

void Net(JournalFigures& f)
{
    NormalizeOst(f.debit, f.credit);
    NormalizeOst(f.debitQuantity, f.creditQuantity);
}

class JournalBuilder {
public:
    explicit JournalBuilder(const JournalChoice& choice) : m_c(choice), m_kbkLayout(choice.kbkLayout) {}
    LimitPage Build();

private:
    struct Account {
        AccountRow row;
        CString code;  // nine characters
    };

    void Prepare();
    CString Header() const;
    bool Balance(const CString& date, const Account& account, const CString filters[3], const CString& kbk,
                 JournalFigures& f);
    bool Incoming(CString& rows);
    bool IncomingByCode(CString& rows);
    bool Postings(CString& rows);
    bool Closing(CString& rows);
    const Account* MatchSide(const CString& code, const CString& kbk, const CString sb[3]) const;
    CString Name(const CString& code);
    CString Printable(const CString& account, const CString& kbk);
    CString KbkText(const CString& kbk);
    CString Key(const CString& kbk, const CString& code) const { return m_kbkLayout ? kbk + "," + code : code; }
    bool Breakdown() const { return m_n > 0 && m_book > 0; }

    CString Cell(const CString& text, const char* attributes = "") const;
    CString SplitCell(double quantity, double amount) const;
    CString CodeRow(const char* label, const CString& code, const JournalFigures& f);
    CString KbkCodeRow(const char* label, const CString& code, const CString& kbk, const JournalFigures& f);
    CString KbkBalanceRow(const char* label, const CString& code, const CString& name, const CString& account,
                          const CString& kbk, const JournalFigures& f);
    CString TotalRow(const char* label, const JournalFigures& f, const char* attributes = "") const;

    const JournalChoice& m_c;
    const bool m_kbkLayout;
    std::vector<Account> m_accounts;
    std::vector<CString> m_kbkParts;  // the KBK list's codes, or one "" for no restriction
    int m_n = 0, m_book = 0;
    bool m_offBalance = false, m_quantities = true;
    CString m_debitList, m_creditList, m_branchFilter, m_heads;
    JournalFigureMap m_ostIn, m_oborot;
    JournalFigures m_totals, m_turnovers;
    std::map<CString, CString> m_names, m_printable, m_kbkTexts;
};

void JournalBuilder::Prepare()
{
    m_n = m_c.breakdown.book > 0 ? m_c.breakdown.dimension : 0;
    m_book = m_c.breakdown.book;
    if (m_n < 1 || m_n > 3)
        m_n = 0;
    for (const AccountRow& row : m_c.accounts) {
        if (!JournalAccountValid(row))
            continue;
        const CString code = CAccountPartsGrid::FullAccount(m_c.source, row);
        if (code.GetLength() == 9)
            m_accounts.push_back({row, code});
    }
    if (m_c.kbks.IsEmpty()) {
        m_kbkParts.push_back(CString());
    } else {
        const int parts = Length(m_c.kbks, ",");
        for (int k = 1; k <= parts; ++k)
            m_kbkParts.push_back(GetPart(m_c.kbks, ",", k).Trim());
    }
    for (const Account& a : m_accounts) {
        m_offBalance = GL_IsZab(a.code) != 0;
        if (GL_Should_Have_Kol(a.code) == 0)
            m_quantities = false;
    }

    CString sourceDeb, sourceKred, filtersDeb, filtersKred, kbkDeb, kbkKred;
    if (m_c.source > 0) {
        sourceDeb = FormatText(" and deb0='%d'", m_c.source);
        sourceKred = FormatText(" and kred0='%d'", m_c.source);
    }
    for (int n = 0; n < 3; ++n) {
        if (m_c.filters[n].IsEmpty())
            continue;
        const CString codes = QuotedCodes(m_c.filters[n]);
        filtersDeb += FormatText(" and deb_sb%d in (%s)", n + 1, (LPCTSTR)codes);
        filtersKred += FormatText(" and kred_sb%d in (%s)", n + 1, (LPCTSTR)codes);
    }
    KbkListCondition(m_c.kbks, "deb", kbkDeb);
    KbkListCondition(m_c.kbks, "kred", kbkKred);
    for (const Account& a : m_accounts) {
        auto condition = [&](const char* side, const CString& source, const CString& filters, const CString& kbk) {
            CString text = FormatText("(%s1='%s'", side, (LPCTSTR)a.row.sint);
            if (!a.row.anal.IsEmpty())
                text += FormatText(" and %s2='%s'", side, (LPCTSTR)a.row.anal);
            if (!a.row.kosgu.IsEmpty())
                text += FormatText(" and %s3='%s'", side, (LPCTSTR)a.row.kosgu);
            return text + source + filters + kbk + ")";
        };
        const char* joint = m_debitList.IsEmpty() ? "" : " or ";
        m_debitList += joint + condition("deb", sourceDeb, filtersDeb, kbkDeb);
        m_creditList += joint + condition("kred", sourceKred, filtersKred, kbkKred);
        for (const CString& kbk : m_kbkParts) {
            const CString printable = kbk.IsEmpty() ? GL_Printable(a.code) : GL_Printable0(a.code, kbk, 1);
            if (!m_heads.IsEmpty())
                m_heads += ",<br>";
            m_heads += HtmlText(printable) + "&nbsp;&nbsp;" + HtmlText(GetSchName(a.code));
        }
    }
    m_debitList = "(" + m_debitList + ")";
    m_creditList = "(" + m_creditList + ")";
    m_branchFilter = GetFilsSql(m_c.branches);
}

CString JournalBuilder::Header() const
{
    const char* const gap = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
    CString head = FormatText(
        "<table cellpadding=0 cellspacing=0 border=0 width=100%% valign=top>"
        "<tr><td align=center><h3>%s%s№%s<u>%s%s%s</u></h3></td></tr>"
        "<tr><td>Дата(месяц): <b>%s</b></td></tr>"
        "<tr><td>Наименование учреждения: <b>%s</b></td></tr>"
        "<tr><td>Код по Сводному реестру: ______________________________</td></tr>"
        "<tr><td>Единица измерения: руб. (код по ОКЕИ ______)</td></tr>"
        "<tr height=35><td valign=top>№ счета:<br><b>%s</b></td></tr>"
        "<tr><td><table cellpadding=2 cellspacing=0 border=0 width=100%% style=\"border-collapse:collapse\">",
        (LPCTSTR)HtmlText(m_c.name), gap, gap, gap, (LPCTSTR)HtmlText(m_c.number), gap,
        (LPCTSTR)HtmlText(RegisterPeriodText(m_c.from, m_c.to)), (LPCTSTR)HtmlText(GetFilName((const char*)m_c.branches)),
        (LPCTSTR)m_heads);
    const CString cell = FormatText("align=center valign=top style=\"%s\"", kCellBorder);
    head += "<thead><tr>";
    head += FormatText("<td %s><b>Дата</b></td>", (LPCTSTR)cell);
    head += FormatText("<td %s><b>Номер<br>и наименование<br>документа</b></td>", (LPCTSTR)cell);
    head += FormatText("<td colspan=2 %s><b>%s</b></td>", (LPCTSTR)cell,
                       m_heads.Find("208") >= 0 ? "Ф. И. О." : "Наименование<br>показателя");
    for (const char* caption : {"Содержание операции", "Дебет<br>счета", "Кредит<br>счета", "Кол-<br>во", "Сумма"})
        head += FormatText("<td %s><b>%s</b></td>", (LPCTSTR)cell, caption);
    return head + "</tr></thead>";
}

bool JournalBuilder::Balance(const CString& date, const Account& account, const CString filters[3], const CString& kbk,
                             JournalFigures& f)
{
    LedgerBalance b;
    if (!GL_ReadOst0(GL_GetOstEx0(date, account.code, filters[0], filters[1], filters[2], m_c.branches, kbk, nullptr),
                     b))
        return false;
    f = {b.debit, b.credit, m_quantities ? b.debitQuantity : 0, m_quantities ? b.creditQuantity : 0};
    return true;
}

CString JournalBuilder::Cell(const CString& text, const char* attributes) const
{
    return FormatText("<td %s style=\"%s\">%s</td>", attributes, kCellBorder, (LPCTSTR)text);
}

CString JournalBuilder::SplitCell(double quantity, double amount) const
{
    return Cell(FormatText("<table cellpadding=0 cellspacing=0 width=100%% border=1 "
                           "style='border-collapse:collapse;border:none'><tr><td align=right nowrap width=50%%>%s</td>"
                           "<td align=right nowrap width=50%%>%s</td></tr></table>",
                           (LPCTSTR)Number0(quantity), (LPCTSTR)ftoa0(amount)));
}

// A code's balance or turnover: label, code, name, debit and credit split
// into quantity and amount.
CString JournalBuilder::CodeRow(const char* label, const CString& code, const JournalFigures& f)
{
    return "<tr>" + Cell(label, "colspan=2") + Cell(HtmlText(code)) + Cell(HtmlText(Name(code)), "colspan=2") +
           SplitCell(f.debitQuantity, f.debit) + SplitCell(f.creditQuantity, f.credit) + Cell("") + Cell("") + "</tr>";
}

// A turnover of a KBK and code: the KBK's text in green beside the name.
CString JournalBuilder::KbkCodeRow(const char* label, const CString& code, const CString& kbk, const JournalFigures& f)
{
    return "<tr>" + Cell(label, "colspan=2") + Cell(HtmlText(code)) + Cell(HtmlText(Name(code))) +
           Cell("<font color=green>" + HtmlText(KbkText(kbk)) + "</font>") + SplitCell(f.debitQuantity, f.debit) +
           SplitCell(f.creditQuantity, f.credit) + Cell("") + Cell("") + "</tr>";
}

// A balance in the posting columns: the account with its KBK on the side of
// the balance, the quantity and the amount of that side. Without a code the
// label spans the first five columns.
CString JournalBuilder::KbkBalanceRow(const char* label, const CString& code, const CString& name,
                                      const CString& account, const CString& kbk, const JournalFigures& f)
{
    const bool debit = std::fabs(f.debit) >= 0.005 || std::fabs(f.debitQuantity) >= 0.0005;
    const bool credit = std::fabs(f.credit) >= 0.005 || std::fabs(f.creditQuantity) >= 0.0005;
    const CString shown = "<b>" + HtmlText(Printable(account, kbk)) + "</b>";
    CString row = "<tr>";
    if (code.IsEmpty() && name.IsEmpty())
        row += Cell(label, "colspan=5");
    else
        row += Cell(label, "colspan=2") + Cell(HtmlText(code)) + Cell(HtmlText(name), "colspan=2");
    row += Cell(debit ? shown : CString(), "nowrap") + Cell(credit ? shown : CString(), "nowrap");
    row += Cell(Number0(std::fabs(f.debitQuantity) >= 0.0005 ? f.debitQuantity : f.creditQuantity), "align=right nowrap");
    row += Cell(ftoa0(std::fabs(f.debit) >= 0.005 ? f.debit : f.credit), "align=right nowrap");
    return row + "</tr>";
}

CString JournalBuilder::TotalRow(const char* label, const JournalFigures& f, const char* attributes) const
{
    CString row = "<tr>" + Cell(FormatText("<b>%s</b>", label), "colspan=5");
    row += Cell(FormatText("<table cellpadding=0 cellspacing=0 width=100%% border=1 "
                           "style='border-collapse:collapse;border:none'><tr><td align=right nowrap width=50%%>%s</td>"
                           "<td align=right nowrap width=50%%><b>%s</b></td></tr></table>",
                           (LPCTSTR)Number0(f.debitQuantity), (LPCTSTR)ftoa0(f.debit)),
                attributes);
    row += Cell(FormatText("<table cellpadding=0 cellspacing=0 width=100%% border=1 "
                           "style='border-collapse:collapse;border:none'><tr><td align=right nowrap width=50%%>%s</td>"
                           "<td align=right nowrap width=50%%><b>%s</b></td></tr></table>",
                           (LPCTSTR)Number0(f.creditQuantity), (LPCTSTR)ftoa0(f.credit)),
                attributes);
    return row + Cell("") + Cell("") + "</tr>";
}

CString JournalBuilder::Name(const CString& code)
{
    auto found = m_names.find(code);
    if (found != m_names.end())
        return found->second;
    const CString name = code.IsEmpty() || !Breakdown() ? CString() : GL_SB_Name(m_book, code);
    m_names[code] = name;
    return name;
}

CString JournalBuilder::Printable(const CString& account, const CString& kbk)
{
    const CString key = account + "|" + kbk;
    auto found = m_printable.find(key);
    if (found != m_printable.end())
        return found->second;
    return m_printable[key] = GL_Printable0(account, kbk, 1);
}

CString JournalBuilder::KbkText(const CString& kbk)
{
    if (kbk.IsEmpty())
        return CString();
    auto found = m_kbkTexts.find(kbk);
    if (found != m_kbkTexts.end())
        return found->second;
    return m_kbkTexts[kbk] = "(" + kbk + ") " + GetFromSPR("spr_kbk", kbk, "rasx");
}

// The incoming balance of the journal's accounts: per code of the breakdown,
// or whole (in the layout by KBK per account and KBK), with the same filters
// as the postings, so that incoming balance and turnovers make the outgoing one.
bool JournalBuilder::Incoming(CString& rows)
{
    if (Breakdown())
        return IncomingByCode(rows);
    const CString date = DMGtoStr(m_c.from);
    for (const Account& a : m_accounts) {
        for (const CString& kbk : m_kbkParts) {
            JournalFigures f;
            if (!Balance(date, a, m_c.filters, kbk, f))
                return false;
            m_totals.Add(f);
            if (m_kbkLayout && !f.IsZero()) {
                Net(f);
                rows += KbkBalanceRow("Входящий остаток всего", CString(), CString(), a.code, kbk, f);
            }
        }
    }
    Net(m_totals);
    if (!m_kbkLayout)
        rows += TotalRow("Входящий остаток всего", m_totals);
    return true;
}

bool JournalBuilder::IncomingByCode(CString& rows)
{
    const CString table = I_GetSprTableName(m_book), nameColumn = I_GetSprFieldName(m_book),
                  idColumn = I_GetSprFieldId(m_book);
    const bool named = IsSqlIdentifier(table.ToQString()) && IsSqlIdentifier(nameColumn.ToQString()) &&
                       IsSqlIdentifier(idColumn.ToQString());
    const CString joinDeb = m_offBalance ? "" : "and col2=deb2 and col3=deb3";
    const CString joinKred = m_offBalance ? "" : "and col2=kred2 and col3=kred3";
    const CString date = SqlDate(m_c.from);
    const char* kbkColumn = m_kbkLayout ? ",kbk" : "";
    CString sql = named ? FormatText("select distinct sb,%s.%s as isub%s from ( \t\t\t", (LPCTSTR)table,
                                     (LPCTSTR)nameColumn, kbkColumn)
                        : FormatText("select distinct sb,'' as isub%s from ( \t\t\t", kbkColumn);
    sql += FormatText("select distinct deb_sb%d as sb%s from ledmark_provodki left join spr_plan_sch on col0=deb0 and "
                      "col1=deb1 %s where sb%d=%d and d<%s and %s %s \t\t\t",
                      m_n, m_kbkLayout ? ",kbk_deb as kbk" : "", (LPCTSTR)joinDeb, m_n, m_book, (LPCTSTR)date,
                      (LPCTSTR)m_debitList, (LPCTSTR)m_branchFilter);
    sql += "union \t\t\t";
    sql += FormatText("select distinct kred_sb%d as sb%s from ledmark_provodki left join spr_plan_sch on col0=kred0 and "
                      "col1=kred1 %s where sb%d=%d and d<%s and %s %s \t\t\t",
                      m_n, m_kbkLayout ? ",kbk_kred as kbk" : "", (LPCTSTR)joinKred, m_n, m_book, (LPCTSTR)date,
                      (LPCTSTR)m_creditList, (LPCTSTR)m_branchFilter);
    sql += ") q \t\t\t";
    if (named)
        sql += FormatText("left join %s on %s.%s=q.sb \t\t\t", (LPCTSTR)table, (LPCTSTR)table, (LPCTSTR)idColumn);
    sql += m_kbkLayout ? "order by sb,kbk" : "order by sb";

    struct Record {
        CString code, name, kbk;
    };
    std::vector<Record> records;
    if (ForEachRow(sql, [&](_RecordsetPtr& rs) {
            records.push_back({Column(rs, "sb"), Column(rs, "isub"), m_kbkLayout ? Column(rs, "kbk") : CString()});
        }) < 0)
        return false;
    std::stable_sort(records.begin(), records.end(), [&](const Record& a, const Record& b) {
        return CompareAccountKeys(Key(a.kbk, a.code), Key(b.kbk, b.code)) < 0;
    });

    const CString day = DMGtoStr(m_c.from);
    for (const Record& r : records) {
        // Postings without a code have no balance of their own to ask: an
        // empty code would count every code of the account again.
        if (r.code.IsEmpty())
            continue;
        m_names[r.code] = r.name;
        CString filters[3] = {m_c.filters[0], m_c.filters[1], m_c.filters[2]};
        filters[m_n - 1] = r.code;
        JournalFigures sum;
        CString shownAccount;
        for (const Account& a : m_accounts) {
            // In the layout by KBK the postings without a KBK are asked as such
            // ("null"), never as an empty KBK, which counts every KBK.
            const std::vector<CString> kbks =
                m_kbkLayout ? std::vector<CString>{r.kbk.IsEmpty() ? CString(kNoKbk) : r.kbk} : m_kbkParts;
            for (const CString& kbk : kbks) {
                JournalFigures f;
                if (!Balance(day, a, filters, kbk, f))
                    return false;
                if (!f.IsZero() && shownAccount.IsEmpty())
                    shownAccount = a.code;
                sum.Add(f);
            }
        }
        Net(sum);
        if (sum.IsZero())
            continue;
        m_ostIn[Key(r.kbk, r.code)] = sum;
        rows += m_kbkLayout ? KbkBalanceRow("Входящий остаток", r.code, r.name, shownAccount, r.kbk, sum)
                            : CodeRow("Входящий остаток", r.code, sum);
        m_totals.Add(sum);
    }
    Net(m_totals);
    rows += TotalRow("Входящий остаток всего", m_totals);
    return true;
}

// The first of the journal's accounts that a side of a posting meets as the
// postings' condition does: the side's code is nine characters, source digit
// first, and the account's synthetic part (with its analytic and KOSGU parts
// when the row gives them) follows the source digit; the source, the
// analytic filters and the KBK list restrict as in the query.
const JournalBuilder::Account* JournalBuilder::MatchSide(const CString& code, const CString& kbk,
                                                          const CString sb[3]) const
{
    if (code.GetLength() < 9)
        return nullptr;
    if (m_c.source > 0 && atoi(code.Left(1)) != m_c.source)
        return nullptr;
    for (int n = 0; n < 3; ++n)
        if (!m_c.filters[n].IsEmpty() && !InList(m_c.filters[n], sb[n]))
            return nullptr;
    if (!m_c.kbks.IsEmpty() && !InList(m_c.kbks, kbk))
        return nullptr;
    for (const Account& a : m_accounts) {
        if (code.Mid(1, 3) != a.row.sint)
            continue;
        if (!a.row.anal.IsEmpty() && code.Mid(4, 2) != a.row.anal)
            continue;
        if (!a.row.kosgu.IsEmpty() && code.Mid(6, 3) != a.row.kosgu)
            continue;
        return &a;
    }
    return nullptr;
}

bool JournalBuilder::Postings(CString& rows)
{
    const CString sql = GL_SqlProvodki(SqlDate(m_c.from), SqlDate(m_c.to), "where " + FormatText("(((%s) or (%s)) %s)",
                                       (LPCTSTR)m_debitList, (LPCTSTR)m_creditList, (LPCTSTR)m_branchFilter), 1);
    if (sql.IsEmpty())
        return false;
    const long read = ForEachRow(sql, [&](_RecordsetPtr& rs) {
        const CString dbt = Column(rs, "dbt"), krdt = Column(rs, "krdt");
        const CString kbkDeb = Column(rs, "kbk_deb"), kbkKred = Column(rs, "kbk_kred");
        const CString sbDeb[3] = {Column(rs, "deb_sb1"), Column(rs, "deb_sb2"), Column(rs, "deb_sb3")};
        const CString sbKred[3] = {Column(rs, "kred_sb1"), Column(rs, "kred_sb2"), Column(rs, "kred_sb3")};
        const double amount = atof(Column(rs, "s")), quantity = atof(Column(rs, "kol"));
        const bool manual = atol(Column(rs, "doc_id")) == 1;
        const CString icn = Column(rs, "icn");
        CString code, name;
        bool named = false;
        auto side = [&](const CString& account, const CString& kbk, const CString sb[3], bool debit) {
            if (!MatchSide(account, kbk, sb))
                return;
            if (Breakdown()) {
                code = sb[m_n - 1];
                name = Name(code);
                named = true;
            }
            if (Breakdown() || m_kbkLayout) {
                JournalFigures& f = m_oborot[Key(kbk, Breakdown() ? code : CString())];
                (debit ? f.debit : f.credit) += amount;
                if (m_quantities)
                    (debit ? f.debitQuantity : f.creditQuantity) += quantity;
            }
            (debit ? m_turnovers.debit : m_turnovers.credit) += amount;
            if (m_quantities)
                (debit ? m_turnovers.debitQuantity : m_turnovers.creditQuantity) += quantity;
        };
        side(dbt, kbkDeb, sbDeb, true);
        side(krdt, kbkKred, sbKred, false);
        if (!named)
            code.Empty();
        CString document = Column(rs, "number");
        const CString docName = manual ? icn : Column(rs, "doc_name");
        if (!docName.IsEmpty())
            document += (document.IsEmpty() ? "" : ", ") + docName;
        const CString shownName = name.IsEmpty() && !manual ? icn : name;
        rows += "<tr>" + Cell(HtmlText(Column(rs, "d")), "nowrap") + Cell(HtmlText(document)) + Cell(HtmlText(code)) +
                Cell(HtmlText(shownName)) + Cell(HtmlText(Column(rs, "prim"))) +
                Cell("<b>" + HtmlText(Printable(dbt, kbkDeb)) + "</b>", "nowrap") +
                Cell("<b>" + HtmlText(Printable(krdt, kbkKred)) + "</b>", "nowrap") +
                Cell(Number0(quantity), "align=right nowrap") + Cell(ftoa0(amount), "align=right nowrap") + "</tr>";
    });
    return read >= 0;
}

// Turnovers per code (and KBK), their totals, the outgoing balance per code
// (and KBK), in the layout by KBK per account and KBK, and the journal's.
bool JournalBuilder::Closing(CString& rows)
{
    for (const CString& key : SortMapByAccount(m_oborot)) {
        const JournalFigures& f = m_oborot[key];
        CString kbk, code;
        SplitKey(key, kbk, code);
        if (!m_kbkLayout)
            code = key;
        rows += m_kbkLayout ? KbkCodeRow("обороты", code, kbk, f) : CodeRow("обороты", code, f);
        m_ostIn[key].Add(f);
    }
    rows += TotalRow("ИТОГО обороты", m_turnovers);
    if (Breakdown()) {
        for (const CString& key : SortMapByAccount(m_ostIn)) {
            JournalFigures f = m_ostIn[key];
            Net(f);
            if (f.IsZero())
                continue;
            CString kbk, code;
            SplitKey(key, kbk, code);
            if (!m_kbkLayout) {
                rows += CodeRow("остаток", key, f);
                continue;
            }
            const CString text = "<font color=green>" + HtmlText(KbkText(kbk)) + "</font>";
            const bool debit = std::fabs(f.debit) >= 0.005 || std::fabs(f.debitQuantity) >= 0.0005;
            const bool credit = std::fabs(f.credit) >= 0.005 || std::fabs(f.creditQuantity) >= 0.0005;
            rows += "<tr>" + Cell("остаток", "colspan=2") + Cell(HtmlText(code)) + Cell(HtmlText(Name(code)), "colspan=2") +
                    Cell(debit ? text : CString()) + Cell(credit ? text : CString()) +
                    Cell(Number0(std::fabs(f.debitQuantity) >= 0.0005 ? f.debitQuantity : f.creditQuantity),
                         "align=right nowrap") +
                    Cell(ftoa0(std::fabs(f.debit) >= 0.005 ? f.debit : f.credit), "align=right nowrap") + "</tr>";
        }
    }
    if (m_kbkLayout) {
        // The balance on the day after the period, with the postings' filters.
        const CString after = AddDate(DMGtoStr(m_c.to), 0, 0, 1);
        for (const Account& a : m_accounts) {
            for (const CString& kbk : m_kbkParts) {
                JournalFigures f;
                if (!Balance(after, a, m_c.filters, kbk, f))
                    return false;
                Net(f);
                if (f.IsZero())
                    continue;
                rows += KbkBalanceRow("Остаток всего", CString(), CString(), a.code, kbk, f);
            }
        }
    }
    JournalFigures outgoing = m_totals;
    outgoing.Add(m_turnovers);
    Net(outgoing);
    rows += TotalRow("Исходящий остаток", outgoing, m_kbkLayout ? "nowrap" : "");
    return true;
}

LimitPage JournalBuilder::Build()
{
    LimitPage page;
    CString head, rows;
    bool ok = false;
    // The page only reads: the chart rows, KBK names and books its script
    // calls look up are asked of the server once for the whole page.
    appcore::CScriptReadCache reads;
    try {
        Prepare();
        head = Header();
        ok = !m_accounts.empty() && Incoming(rows) && Postings(rows) && Closing(rows);
    } catch (...) {
        AfxReportCurrentException(kCatchAllLabel);
        ok = false;
    }
    if (head.IsEmpty())
        head = "<table width=100%><tr><td><table cellpadding=2 cellspacing=0 border=0 width=100% "
               "style=\"border-collapse:collapse\">";
    page.html = head + rows;
    if (!ok) {
        page.complete = false;
        page.html += IncompleteNotice();
        return page;
    }
    page.html += "</table></td></tr><tr><td height=35 valign=bottom>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Приложение на: "
                 "_____________ листах</td></tr>" +
                 RegisterSignatures() + "</table>";
    return page;
}

} // namespace

bool JournalAccountValid(const AccountRow& row)
{
    return row.sint.GetLength() == 3 && IsDigitsOnly(row.sint) &&
           (row.anal.IsEmpty() || (row.anal.GetLength() == 2 && IsDigitsOnly(row.anal))) &&
           (row.kosgu.IsEmpty() || (row.kosgu.GetLength() == 3 && IsDigitsOnly(row.kosgu)));
}

LimitPage BuildJournalHtml(const JournalChoice& choice)
{
    return JournalBuilder(choice).Build();
}

} // namespace nledmark
