#include "MainBookPage.h"

#include "CheckBookPage.h"
#include "DbDialect.h"
#include "RegisterPage.h"
#include "SqlText.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <QDate>

namespace nledmark {

const char* const kNoKbk = "null";

bool MainBookKbkPages(const CString& list, std::vector<CString>& pages)
{
    pages.clear();
    CString ids;
    if (!CheckedIdList(list, ids))
        return false;
    if (ids.IsEmpty()) {
        pages.push_back(CString());
        return true;
    }
    const int parts = Length(ids, ",");
    for (int k = 1; k <= parts; ++k)
        pages.push_back(utoa(atol(GetPart(ids, ",", k))));
    return true;
}

bool MainBookAccountKnown(const CString& account)
{
    if (!IsDigitsOnly(account) || account.GetLength() != 9)
        return false;
    if (GL_Valid_Sch0(account, 0, -1) != 0)
        return true;
    const bool level = account.Left(1) == "0" || account.Mid(4, 2) == "00" || account.Mid(6, 3) == "000";
    return level && !GetSchName(account).IsEmpty();
}

std::vector<CBookMonth> PeriodMonths(const COleDateTime& from, const COleDateTime& to)
{
    std::vector<CBookMonth> months;
    if (from.GetStatus() != COleDateTime::valid || to.GetStatus() != COleDateTime::valid)
        return months;
    QDate first(from.GetYear(), from.GetMonth(), from.GetDay());
    const QDate last(to.GetYear(), to.GetMonth(), to.GetDay());
    while (first <= last) {
        QDate end(first.year(), first.month(), first.daysInMonth());
        if (end > last)
            end = last;
        months.push_back({COleDateTime(first.year(), first.month(), first.day(), 0, 0, 0),
                          COleDateTime(end.year(), end.month(), end.day(), 0, 0, 0)});
        first = QDate(first.year(), first.month(), 1).addMonths(1);
    }
    return months;
}

namespace {

CString SqlDate(const COleDateTime& date)
{
    return ChangeDateUS0(DMGtoStr(date), 0);
}

bool IsZeroPart(const CString& part)
{
    return atof(part) == 0;
}

// The text of a column that may be NULL, with `fallback` for NULL.
CString Column(_RecordsetPtr& rs, const char* name, const char* fallback, bool* wasNull = nullptr)
{
    const _variant_t value = rs->GetCollect(name);
    const bool none = value.vt == VT_NULL || value.vt == VT_EMPTY;
    if (wasNull)
        *wasNull = none;
    return none ? CString(fallback) : SafeArayToString(value);
}

struct SubAccount {
    CString code;
    double debit = 0, credit = 0;
};

// A correspondent account: its code for the turnover call ("" for postings
// without a second side), its KOSGU sub-columns and its totals.
struct Correspondent {
    CString code;
    CString caption;
    std::vector<SubAccount> subs;
    double debit = 0, credit = 0;
};

class MainBookPage {
public:
    MainBookPage(const CMainBookRequest& request, const CString& account, const CString& kbk, bool breakBefore)
        : m_request(request), m_account(account), m_kbk(kbk), m_breakBefore(breakBefore)
    {
    }

    LimitPage Build(bool dropEmpty);

private:
    void Filters();
    bool ReadCorrespondents();
    bool ReadKosgu(Correspondent& c, const CString& deb0, const CString& deb1, const CString& deb2, bool deb2Null,
                   const CString& deb3);
    CString Head() const;
    CString TableHead() const;
    bool Turnover(const CBookMonth& month, const CString& correspondent, double& debit, double& credit);
    bool Months(CString& rows);
    CString Totals() const;

    const CMainBookRequest& m_request;
    CString m_account, m_kbk;
    bool m_breakBefore;
    CString m_col0, m_col1, m_col2, m_col3;
    CString m_branchFilter, m_kbkDeb, m_kbkKred, m_ownDeb, m_ownKred, m_columns, m_columnsKred;
    CString m_from, m_to;
    std::vector<Correspondent> m_correspondents;
    bool m_hasData = false;
    bool m_oneSided = false;
    double m_openDebit = 0, m_openCredit = 0, m_closeDebit = 0, m_closeCredit = 0;
    double m_turnDebit = 0, m_turnCredit = 0;
};

void MainBookPage::Filters()
{
    m_col0 = GetFromTo(m_account, 0, 0);
    m_col1 = GetFromTo(m_account, 1, 3);
    m_col2 = GetFromTo(m_account, 4, 5);
    m_col3 = GetFromTo(m_account, 6, 8);
    m_from = SqlDate(m_request.from);
    m_to = SqlDate(m_request.to);
    m_branchFilter = GetFilsSql(m_request.branches);
    if (m_kbk == kNoKbk) {
        m_kbkDeb = " and kbk_deb is null";
        m_kbkKred = " and kbk_kred is null";
    } else if (!m_kbk.IsEmpty()) {
        m_kbkDeb = FormatText(" and kbk_deb=%d", atoi(m_kbk));
        m_kbkKred = FormatText(" and kbk_kred=%d", atoi(m_kbk));
    }
    // A sub-account "00" with a KOSGU code covers every sub-account with that
    // code, as the balance and turnover scripts read such an account.
    const bool allZero = IsZeroPart(m_col1) && IsZeroPart(m_col2) && IsZeroPart(m_col3);
    CString own = FormatText("and deb1='%s'", (LPCTSTR)m_col1);
    if (!IsZeroPart(m_col0))
        own += FormatText(" and deb0='%s'", (LPCTSTR)m_col0);
    if (!IsZeroPart(m_col2) || allZero)
        own += FormatText(" and deb2='%s'", (LPCTSTR)m_col2);
    if (!IsZeroPart(m_col3))
        own += FormatText(" and deb3='%s'", (LPCTSTR)m_col3);
    m_ownDeb = " " + own;
    m_ownKred = m_ownDeb;
    m_ownKred.Replace("deb", "kred");
    m_columns = "deb1";
    if (!IsZeroPart(m_col0))
        m_columns += ",deb0";
    m_columns += ",deb2";
    if (!IsZeroPart(m_col3))
        m_columns += ",deb3";
    m_columnsKred = m_columns;
    m_columnsKred.Replace("deb", "kred");
}

bool MainBookPage::ReadCorrespondents()
{
    // The debit side of the postings that credit the account, with the credit
    // side of those that debit it.
    const CString sql = FormatText(
        "select distinct %s from ( \t\t\tselect distinct %s from ledmark_provodki where d>=%s and d<=%s %s %s %s "
        "\t\t\tunion \t\t\tselect distinct %s from ledmark_provodki where d>=%s and d<=%s %s %s %s \t\t\t) q order by %s",
        (LPCTSTR)m_columns, (LPCTSTR)m_columns, (LPCTSTR)m_from, (LPCTSTR)m_to, (LPCTSTR)m_ownKred,
        (LPCTSTR)m_branchFilter, (LPCTSTR)m_kbkKred, (LPCTSTR)m_columnsKred, (LPCTSTR)m_from, (LPCTSTR)m_to,
        (LPCTSTR)m_ownDeb, (LPCTSTR)m_branchFilter, (LPCTSTR)m_kbkDeb, (LPCTSTR)m_columns);
    struct Row {
        CString deb0, deb1, deb2, deb3;
        bool deb2Null = false;
    };
    std::vector<Row> rows;
    const bool withSource = !IsZeroPart(m_col0), withKosgu = !IsZeroPart(m_col3);
    const long read = ForEachRow(sql, [&](_RecordsetPtr& rs) {
        bool noSide = false;
        Row row;
        row.deb1 = Column(rs, "deb1", "", &noSide);
        if (noSide) {
            m_oneSided = true;
            return;
        }
        row.deb0 = withSource ? Column(rs, "deb0", "0") : CString("0");
        row.deb2 = Column(rs, "deb2", "00", &row.deb2Null);
        row.deb3 = withKosgu ? Column(rs, "deb3", "000") : CString("000");
        rows.push_back(row);
    });
    if (read < 0)
        return false;
    for (const Row& row : rows) {
        m_hasData = true;
        Correspondent c;
        c.code = row.deb0 + row.deb1 + row.deb2 + row.deb3;
        c.caption = GL_Printable(c.code);
        if (!ReadKosgu(c, withSource ? row.deb0 : CString(), row.deb1, row.deb2, row.deb2Null,
                       withKosgu ? row.deb3 : CString()))
            return false;
        m_correspondents.push_back(c);
    }
    // Postings of the account without a second side (off-balance accounts)
    // stand in a column of their own, so the turnover is the whole of it.
    if (m_oneSided) {
        m_hasData = true;
        Correspondent c;
        c.caption = "без корреспонденции";
        c.subs.push_back({CString()});
        m_correspondents.push_back(c);
    }
    return true;
}

bool MainBookPage::ReadKosgu(Correspondent& c, const CString& deb0, const CString& deb1, const CString& deb2,
                             bool deb2Null, const CString& deb3)
{
    // The correspondent's own source and KOSGU, when it is read with them, keep
    // its sub-columns to its own postings.
    CString match = FormatText(" and deb1='%s'", (LPCTSTR)deb1);
    match += deb2Null ? CString(" and deb2 is null") : FormatText(" and deb2='%s'", (LPCTSTR)deb2);
    if (!deb0.IsEmpty())
        match += FormatText(" and deb0='%s'", (LPCTSTR)deb0);
    if (!deb3.IsEmpty())
        match += FormatText(" and deb3='%s'", (LPCTSTR)deb3);
    CString matchKred = match;
    matchKred.Replace("deb", "kred");
    const CString sql = FormatText(
        "select distinct deb3 from ( \t\t\t\tselect distinct deb3 from ledmark_provodki where d>=%s and d<=%s %s%s %s "
        "%s group by deb3 \t\t\t\tunion \t\t\t\tselect distinct kred3 as deb3 from ledmark_provodki where d>=%s and "
        "d<=%s %s%s %s %s group by kred3 \t\t\t\t) q group by deb3 order by deb3 desc",
        (LPCTSTR)m_from, (LPCTSTR)m_to, (LPCTSTR)m_ownKred, (LPCTSTR)match, (LPCTSTR)m_branchFilter,
        (LPCTSTR)m_kbkKred, (LPCTSTR)m_from, (LPCTSTR)m_to, (LPCTSTR)m_ownDeb, (LPCTSTR)matchKred,
        (LPCTSTR)m_branchFilter, (LPCTSTR)m_kbkDeb);
    const CString prefix = c.code.Left(6);
    const long read = ForEachRow(sql, [&](_RecordsetPtr& rs) {
        c.subs.push_back({prefix + Column(rs, "deb3", "000")});
    });
    return read >= 0;
}

CString MainBookPage::Head() const
{
    const CString title = m_kbk.IsEmpty() ? GL_Printable(m_account)
                          : m_kbk == kNoKbk ? GL_Printable(m_account) + " (без КБК)"
                                            : GL_Printable0(m_account, m_kbk, 0);
    return FormatText(
        "<table cellpadding=0 cellspacing=0 border=0 width=100%% valign=top%s> \t\t<tr height=20><td align=center>"
        "<h3>Главная книга</h3></td></tr> \t\t<tr height=20><td>Обороты по счету <b>%s</b>: %s</td></tr><tr "
        "height=35><td>период: <b>%s</b></td></tr> \t\t<tr height=20><td>Наименование учреждения: <b>%s</b></td></tr> "
        "\t\t<tr height=20><td>Единица измерения (ОКЕИ или ОКБ): ______________________________________________</td>"
        "</tr><tr><td><table cellpadding=2 cellspacing=0 border=0 width=100%% valign=top "
        "style=\"border-collapse:collapse\">",
        m_breakBefore ? (LPCTSTR)FormatText(" style=\"%s\"", kPageBreakBefore) : "", (LPCTSTR)HtmlText(title),
        (LPCTSTR)HtmlText(GetSchName(m_account)), (LPCTSTR)HtmlText(RegisterPeriodText(m_request.from, m_request.to)),
        (LPCTSTR)HtmlText(GetFilName0(m_request.branches)));
}

// Four head rows with sub-accounts, two without; repeated on every printed page.
CString MainBookPage::TableHead() const
{
    size_t subs = 0;
    for (const Correspondent& c : m_correspondents)
        subs += c.subs.size();
    const int span = subs ? 4 : 2;
    const CString cell = FormatText("style=\"%s\"", kCellBorder);
    CString first, second, third, fourth;
    for (const Correspondent& c : m_correspondents) {
        const int n = int(c.subs.size());
        first += FormatText("<td align=center colspan=%d %s><b>&nbsp;%s&nbsp;</b></td>", 2 * n, (LPCTSTR)cell,
                            (LPCTSTR)HtmlText(c.caption));
        second += FormatText("<td align=center colspan=%d %s>&nbsp;&nbsp;<b>Дебет</b>&nbsp;&nbsp;</td><td align=center "
                             "colspan=%d %s>&nbsp;&nbsp;<b>Кредит</b>&nbsp;&nbsp;</td>",
                             n, (LPCTSTR)cell, n, (LPCTSTR)cell);
        for (const SubAccount& s : c.subs) {
            third += FormatText("<td align=center colspan=2 %s>&nbsp;%s&nbsp;</td>", (LPCTSTR)cell,
                                (LPCTSTR)HtmlText(s.code.IsEmpty() ? CString() : GL_Printable(s.code)));
            fourth += FormatText("<td align=center width=80 %s>&nbsp;&nbsp;Дебет&nbsp;&nbsp;</td><td align=center "
                                 "width=80 %s>&nbsp;&nbsp;Кредит&nbsp;&nbsp;</td>",
                                 (LPCTSTR)cell, (LPCTSTR)cell);
        }
    }
    CString head = "<thead><tr>";
    for (const char* caption : {"Период", "Нач.ост.<br>дебет", "Нач.ост.<br>кредит"})
        head += FormatText("<td align=center rowspan=%d valign=top nowrap %s><b>%s</b></td>", span, (LPCTSTR)cell,
                           caption);
    head += first;
    head += FormatText("<td align=center colspan=2 valign=top %s><b>Оборот</b></td>", (LPCTSTR)cell);
    for (const char* caption : {"Кон.ост.<br>дебет", "Кон.ост.<br>кредит"})
        head += FormatText("<td align=center rowspan=%d valign=top nowrap %s><b>%s</b></td>", span, (LPCTSTR)cell,
                           caption);
    head += "</tr><tr>" + second;
    for (const char* caption : {"Дебет", "Кредит"})
        head += FormatText("<td align=center width=80 rowspan=%d %s>&nbsp;&nbsp;<b>%s</b>&nbsp;&nbsp;</td>", span - 1,
                           (LPCTSTR)cell, caption);
    head += "</tr>";
    if (subs)
        head += "<tr>" + third + "</tr><tr>" + fourth + "</tr>";
    return head + "</thead>";
}

bool MainBookPage::Turnover(const CBookMonth& month, const CString& correspondent, double& debit, double& credit)
{
    const CString answer = GL_GetOborotEx(DMGtoStr(month.from), DMGtoStr(month.to), m_account, nullptr, nullptr,
                                          nullptr, correspondent, m_request.branches, m_kbk, nullptr);
    return ReadTurnover(answer, debit, credit);
}

bool MainBookPage::Months(CString& rows)
{
    const std::vector<CBookMonth> months = PeriodMonths(m_request.from, m_request.to);
    bool subsShown = false;
    for (const Correspondent& c : m_correspondents)
        subsShown = subsShown || !c.subs.empty();
    const int span = subsShown ? 2 : 1;
    const CString cell = FormatText("style=\"%s\"", kCellBorder);
    for (size_t m = 0; m < months.size(); ++m) {
        const CBookMonth& month = months[m];
        LedgerBalance opening;
        if (!GL_ReadOst0(GL_GetOstEx0(DMGtoStr(month.from), m_account, nullptr, nullptr, nullptr, m_request.branches,
                                      m_kbk, nullptr),
                         opening))
            return false;
        if (opening.debit != 0 || opening.credit != 0)
            m_hasData = true;
        if (m == 0) {
            m_openDebit = opening.debit;
            m_openCredit = opening.credit;
        }
        CString first = FormatText("<tr><td nowrap rowspan=%d %s>&nbsp;%s %dг.</td><td align=right nowrap rowspan=%d "
                                   "%s>&nbsp;%s&nbsp;</td><td align=right nowrap rowspan=%d %s>&nbsp;%s&nbsp;</td>",
                                   span, (LPCTSTR)cell, (LPCTSTR)GetMonthName(month.from.GetMonth()),
                                   month.from.GetYear(), span, (LPCTSTR)cell, (LPCTSTR)ftoa0(opening.debit), span,
                                   (LPCTSTR)cell, (LPCTSTR)ftoa0(opening.credit));
        CString second;
        double monthDebit = 0, monthCredit = 0;
        // Postings without a second side are the account's whole turnover less
        // what its correspondents took.
        double whole[2] = {0, 0};
        if (m_oneSided && !Turnover(month, CString(), whole[0], whole[1]))
            return false;
        for (Correspondent& c : m_correspondents) {
            double d = 0, k = 0;
            if (!c.code.IsEmpty() && !Turnover(month, c.code, d, k))
                return false;
            if (c.code.IsEmpty()) {
                d = whole[0] - monthDebit;
                k = whole[1] - monthCredit;
            }
            monthDebit += d;
            monthCredit += k;
            c.debit += d;
            c.credit += k;
            const int n = int(c.subs.size());
            first += FormatText("<td align=right colspan=%d %s>&nbsp;<b>%s</b>&nbsp;</td><td align=right colspan=%d "
                                "%s>&nbsp;<b>%s</b>&nbsp;</td>",
                                n, (LPCTSTR)cell, (LPCTSTR)ftoa0(d), n, (LPCTSTR)cell, (LPCTSTR)ftoa0(k));
            for (SubAccount& s : c.subs) {
                double sd = d, sk = k;
                if (!s.code.IsEmpty() && !Turnover(month, s.code, sd, sk))
                    return false;
                s.debit += sd;
                s.credit += sk;
                second += FormatText("<td align=right %s>&nbsp;%s&nbsp;</td><td align=right %s>&nbsp;%s&nbsp;</td>",
                                     (LPCTSTR)cell, (LPCTSTR)ftoa(sd), (LPCTSTR)cell, (LPCTSTR)ftoa(sk));
            }
        }
        double closeDebit = opening.debit + monthDebit, closeCredit = opening.credit + monthCredit;
        NormalizeOst(closeDebit, closeCredit);
        m_closeDebit = closeDebit;
        m_closeCredit = closeCredit;
        m_turnDebit += monthDebit;
        m_turnCredit += monthCredit;
        first += FormatText("<td align=right rowspan=%d %s>&nbsp;%s&nbsp;</td><td align=right rowspan=%d "
                            "%s>&nbsp;%s&nbsp;</td><td align=right nowrap rowspan=%d %s>&nbsp;%s&nbsp;</td><td "
                            "align=right nowrap rowspan=%d %s>&nbsp;%s&nbsp;</td></tr>",
                            span, (LPCTSTR)cell, (LPCTSTR)ftoa0(monthDebit), span, (LPCTSTR)cell,
                            (LPCTSTR)ftoa0(monthCredit), span, (LPCTSTR)cell, (LPCTSTR)ftoa0(closeDebit), span,
                            (LPCTSTR)cell, (LPCTSTR)ftoa0(closeCredit));
        rows += first;
        if (subsShown)
            rows += "<tr>" + second + "</tr>";
    }
    return true;
}

CString MainBookPage::Totals() const
{
    bool subsShown = false;
    for (const Correspondent& c : m_correspondents)
        subsShown = subsShown || !c.subs.empty();
    const int span = subsShown ? 2 : 1;
    const CString cell = FormatText("style=\"%s\"", kCellBorder);
    CString row = FormatText("<tr><td align=center rowspan=%d %s>Итого</td><td align=right nowrap rowspan=%d "
                             "%s>%s&nbsp;</td><td align=right nowrap rowspan=%d %s>%s&nbsp;</td>",
                             span, (LPCTSTR)cell, span, (LPCTSTR)cell, (LPCTSTR)ftoa0(m_openDebit), span,
                             (LPCTSTR)cell, (LPCTSTR)ftoa0(m_openCredit));
    CString second;
    for (const Correspondent& c : m_correspondents) {
        const int n = int(c.subs.size());
        row += FormatText("<td align=right nowrap colspan=%d %s>&nbsp;<b>%s</b>&nbsp;</td><td align=right nowrap "
                          "colspan=%d %s>&nbsp;<b>%s</b>&nbsp;</td>",
                          n, (LPCTSTR)cell, (LPCTSTR)ftoa0(c.debit), n, (LPCTSTR)cell, (LPCTSTR)ftoa0(c.credit));
        for (const SubAccount& s : c.subs)
            second += FormatText("<td align=right nowrap %s>&nbsp;%s&nbsp;</td><td align=right nowrap "
                                 "%s>&nbsp;%s&nbsp;</td>",
                                 (LPCTSTR)cell, (LPCTSTR)ftoa0(s.debit), (LPCTSTR)cell, (LPCTSTR)ftoa0(s.credit));
    }
    row += FormatText("<td align=right rowspan=%d %s>&nbsp;%s&nbsp;</td><td align=right rowspan=%d "
                      "%s>&nbsp;%s&nbsp;</td><td align=right nowrap rowspan=%d %s>&nbsp;%s&nbsp;</td><td "
                      "align=right nowrap rowspan=%d %s>&nbsp;%s&nbsp;</td></tr>",
                      span, (LPCTSTR)cell, (LPCTSTR)ftoa0(m_turnDebit), span, (LPCTSTR)cell,
                      (LPCTSTR)ftoa0(m_turnCredit), span, (LPCTSTR)cell, (LPCTSTR)ftoa0(m_closeDebit), span,
                      (LPCTSTR)cell, (LPCTSTR)ftoa0(m_closeCredit));
    if (subsShown)
        row += "<tr>" + second + "</tr>";
    return row;
}

LimitPage MainBookPage::Build(bool dropEmpty)
{
    LimitPage page;
    if (!IsDigitsOnly(m_account) || m_account.GetLength() != 9) {
        page.complete = false;
        page.html = "<p><font color=red><b>Отчет неполный: неверный номер счета " + HtmlText(m_account) +
                    "</b></font></p>";
        return page;
    }
    CString head, tableHead, rows;
    bool ok = false;
    try {
        Filters();
        head = Head();
        ok = ReadCorrespondents();
        tableHead = TableHead();
        ok = ok && Months(rows);
    } catch (const std::exception&) {
        ReportRegisterException();
        ok = false;
    }
    if (ok && dropEmpty && !m_hasData)
        return page;
    if (head.IsEmpty())
        head = "<table width=100%><tr><td><table cellpadding=2 cellspacing=0 border=0 width=100% "
               "style=\"border-collapse:collapse\">";
    page.html = head + tableHead + rows;
    if (!ok) {
        page.complete = false;
        page.html += IncompleteNotice();
        return page;
    }
    page.html += Totals() + "</table></td></tr>" + RegisterSignatures() + "</table>";
    return page;
}

} // namespace

CString MainBookAccountsSql(const CMainBookRequest& request, const CString& branchFilter)
{
    CString kbkDeb, kbkKred;
    KbkListCondition(request.kbkList, "deb", kbkDeb);
    KbkListCondition(request.kbkList, "kred", kbkKred);
    const CString account = SqlConcat({"deb0", "deb1", "deb2", "'000'"});
    const CString date = SqlDate(request.to);
    return FormatText(
        "select distinct kbk,%s as sch,deb0,deb1,deb2 from ( \t\t\t\tselect distinct kbk_deb as kbk,deb0,deb1,deb2 "
        "from ledmark_provodki where d<=%s and deb3 is not null %s %s \t\t\t\tunion \t\t\t\tselect distinct kbk_kred "
        "as kbk,kred0 as deb0,kred1 as deb1,kred2 as deb2 from ledmark_provodki where d<=%s and kred3 is not null %s "
        "%s \t\t\t\t) q \t\t\t\tgroup by deb1,deb0,deb2,kbk \t\t\t\t order by deb1,deb0,deb2,kbk",
        (LPCTSTR)account, (LPCTSTR)date, (LPCTSTR)kbkDeb, (LPCTSTR)branchFilter, (LPCTSTR)date, (LPCTSTR)kbkKred,
        (LPCTSTR)branchFilter);
}

LimitPage BuildMainBookPage(const CMainBookRequest& request, const CString& account, const CString& kbk,
                            bool dropEmpty, bool breakBefore)
{
    return MainBookPage(request, account, kbk, breakBefore).Build(dropEmpty);
}

LimitPage BuildMainBook(const CMainBookRequest& request)
{
    LimitPage book;
    auto add = [&](const CString& account, const CString& kbk, bool dropEmpty) {
        const LimitPage page = BuildMainBookPage(request, account, kbk, dropEmpty, !book.html.IsEmpty());
        book.html += page.html;
        book.complete = book.complete && page.complete;
    };
    if (!request.allAccounts) {
        std::vector<CString> kbks;
        MainBookKbkPages(request.kbkList, kbks);
        for (const CString& kbk : kbks)
            add(request.account, kbk, false);
        return book;
    }
    struct Group {
        CString account, kbk;
    };
    std::vector<Group> groups;
    const long read = ForEachRow(MainBookAccountsSql(request, GetFilsSql(request.branches)), [&](_RecordsetPtr& rs) {
        groups.push_back({Column(rs, "sch", ""), Column(rs, "kbk", kNoKbk)});
    });
    if (read < 0) {
        book.complete = false;
        book.html += "<p><font color=red><b>Отчет неполный: список счетов прочитан не полностью "
                     "(см. сообщение об ошибке).</b></font></p>";
    }
    for (const Group& g : groups)
        if (IsDigitsOnly(g.account) && g.account.GetLength() == 9)
            add(g.account, g.kbk, true);
    return book;
}

} // namespace nledmark
