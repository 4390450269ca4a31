#include "CashBookSheet.h"

#include "CHelpers.h"
#include "CheckBookPage.h"
#include "DbDialect.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <map>
#include <set>

namespace nledmark {

namespace {

// The page, piece by piece ("%%" gives "%").
const char* const kHead =
    "<table width=730 cellpadding=0 cellspacing=0 border=0> \t\t<tr height=20><td>"
    " \t\t<table width=100%%><tr> \t\t<td nowrap><b>КАССА за %02d %s %dг.</b></td>"
    " \t\t<td align=center width=40%% nowrap><b>Форма 440</td> \t\t<td align=right><b>лист</b></td>"
    " \t\t<td width=10%% align=right> \t\t <table cellpadding=3 cellspacing=3 border=1><tr>"
    "<td align=center width=70><b>%d</b>&nbsp;</td></tr></table></td> \t\t</tr></table> \t\t</td>"
    "</tr> \t\t<tr height=20><td><b>Вкладной лист кассовой книги.</b></td></tr> \t\t<tr height=20>"
    "<td>Единица измерения (ОКЕИ или ОКБ): <b>руб.</b></td></tr> \t\t<tr><td>"
    "<table width=100%% cellpadding=0 cellspacing=0 border=1><tr> \t\t<td align=center rowspan=2><b>"
    "№ доку-<br>мента</b></td> \t\t<td align=center rowspan=2><b>От кого получено<br>"
    "или кому выдано</b></td> \t\t<td align=center rowspan=2><b>Номер<br>корр.<br>счета</b></td>"
    " \t\t<td align=center colspan=2 width=140><b>По бюджету</b></td>"
    " \t\t<td align=center colspan=2 width=140><b>По внебюджетным средствам</b></td> \t\t</tr><tr>"
    " \t\t<td align=center><b>Приход</b></td> \t\t<td align=center><b>Расход</b></td>"
    " \t\t<td align=center><b>Приход</b></td> \t\t<td align=center><b>Расход</b></td> \t\t</tr><tr>"
    " \t\t<td align=center><b>1</b></td> \t\t<td align=center><b>2</b></td> \t\t<td align=center><b>"
    "3</b></td> \t\t<td align=center><b>4</b></td> \t\t<td align=center><b>5</b></td>"
    " \t\t<td align=center><b>6</b></td> \t\t<td align=center><b>7</b></td> \t\t</tr>";
const char* const kOpeningRow =
    "<tr><td align=center colspan=3><b>Остаток на начало  дня</b></td><td align=right>"
    "&nbsp;%s&nbsp;</td><td align=center>%s&nbsp;</td><td align=right>&nbsp;%s&nbsp;</td>"
    "<td align=center>%s&nbsp;</td></tr>";
const char* const kLineRow =
    "<tr><td align=left nowrap>&nbsp;%s</td><td nowrap>&nbsp;%s</td><td align=right nowrap>"
    "&nbsp;%s&nbsp;</td><td align=right>&nbsp;%s&nbsp;</td><td align=right>&nbsp;%s&nbsp;</td>"
    "<td align=right>&nbsp;%s&nbsp;</td><td align=right>&nbsp;%s&nbsp;</td></tr>";
const char* const kTotalsRow =
    "<tr><td align=center colspan=3><b>Итого за день</b></td><td align=right>&nbsp;%s&nbsp;</td>"
    "<td align=right>&nbsp;%s&nbsp;</td><td align=right>&nbsp;%s&nbsp;</td><td align=right>"
    "&nbsp;%s&nbsp;</td></tr>";
const char* const kClosingRow =
    "<tr><td align=center colspan=3><b>Остаток на конец  дня</b></td><td align=right>"
    "&nbsp;%s&nbsp;</td><td align=right>&nbsp;%s&nbsp;</td><td align=right>&nbsp;%s&nbsp;</td>"
    "<td align=right>&nbsp;%s&nbsp;</td></tr>";
const char* const kSalaryRow =
    "<tr><td align=center colspan=3><b>в том числе на зарплату</b></td><td align=right>"
    "&nbsp;%s&nbsp;</td><td align=right>&nbsp;%s&nbsp;</td><td align=right>&nbsp;%s&nbsp;</td>"
    "<td align=right>&nbsp;%s&nbsp;</td></tr>";
const char* const kTableEnd =
    "</table></td></tr>";
const char* const kClosingTotal =
    "<tr height=40><td valign=bottom nowrap><table cellpadding=0 cellspacing=0 border=0 width=100%%>"
    "<tr><td width=50%% nowrap colspan=6>"
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<b>"
    "Общий остаток денежных средств в кассе на конец дня:</b></td>"
    "<td width=50%% align=right colspan=2>"
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<table cellpadding=3 cellspacing=3 border=1><tr><td align=right>"
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;%s&nbsp;</td></tr></table>"
    "</td></tr></table></td></tr>";
const char* const kCashier =
    "<tr><td height=35 valign=bottom>"
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Кассир:&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;_________________________&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;(Ф.И.О.)&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;%s</td>"
    "</tr>";
const char* const kDocumentsReceived =
    "<tr><td><br>Записи в кассовой книге проверил и документы<br>в количестве %s приходных<br>"
    "и %s расходных получил</td></tr>";
const char* const kChiefAccountant =
    "<tr><td height=35 valign=bottom>"
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Главный бухгалтер:&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;_________________________&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;(Ф.И.О.)&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;%s</td>"
    "</tr>";
const char* const kSheetCount =
    "<tr><td height=35 valign=bottom>"
    "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Количество листов кассовой книги за %s %dг.&nbsp;&nbsp;-&nbsp;&nbsp;&nbsp;<b>"
    "%s</b></td></tr>";
const char* const kQueryPiece =
    "select id,%d as doc_id,number,%s,'%s' as idoc from %s where d=%s %s ";
const char* const kQueryTail =
    ") q \t\t\tleft join ledmark_provodki on ledmark_provodki.id=q.id \t\twhere ((deb1='201' and deb2='04' %s) or (kred1='201' and kred2='04' %s))  \t\torder by doc_id,number,npp";
const char* const kIncomplete =
    "<tr><td><br><b><font color=#cc0000>Лист сформирован не полностью: %s. Итоги и остатки на конец дня "
    "не подсчитаны.</font></b></td></tr>";

// A cash posting: 201.04 on either side, with the KBK filters of each side.
CString CashCondition(const CCashBookFilter& filter)
{
    return FormatText("((deb1='201' and deb2='04'%s) or (kred1='201' and kred2='04'%s))",
                      KbkFilter(filter.kbks, "deb"), KbkFilter(filter.kbks, "kred"));
}

CString DateLiteral(int year, int month, int day)
{
    return ChangeDateUS0(FormatText("%02d.%02d.%04d", day, month, year), 0);
}

CString CountDaysSql(const CString& from, const CString& to, const CCashBookFilter& filter)
{
    return FormatText("select count(distinct d) as cnt from ledmark_provodki where d>=%s and d<=%s and %s%s", from, to,
                      CashCondition(filter), BranchFilter(filter.branches));
}

// A balance of the cash account at the start of the day: debit less credit,
// or FALSE when the balance script did not answer.
BOOL OpeningBalance(const CCashBookSheet& sheet, const char* account, double& balance)
{
    const CString answer = GL_GetOstEx0(DMGtoStr(sheet.date), account, nullptr, nullptr, nullptr,
                                        sheet.filter.branches, sheet.filter.kbks, nullptr);
    if (answer.IsEmpty())
        return FALSE;
    balance = atof(GetPart(answer, "@", 1)) - atof(GetPart(answer, "@", 2));
    return TRUE;
}

CString Money(double amount)
{
    return ftoa(RoundKopecks(amount));
}

// The four amount columns: budget in and out, off-budget in and out.
struct CAmounts {
    double cell[4] = {0, 0, 0, 0};
    void Add(const CAmounts& other)
    {
        for (int i = 0; i < 4; ++i)
            cell[i] += other.cell[i];
    }
    CString Row(const char* format) const
    {
        return FormatText(format, Money(cell[0]), Money(cell[1]), Money(cell[2]), Money(cell[3]));
    }
};

// The lines of the day, as the query gives them, with the day's totals, the
// salary totals and the documents received.
struct CDayLines {
    CString html;
    CAmounts totals, salary;
    std::set<long> receipts, expenses;  // the cash orders' document ids
};

BOOL ReadLines(const CCashBookSheet& sheet, CDayLines& day)
{
    // The account as registers print it, asked once per account and KBK.
    std::map<std::pair<CString, CString>, CString> printable;
    const long rows = ForEachRow(CashBookLinesSql(sheet.date, sheet.filter), [&](_RecordsetPtr& rs) {
        const CString debit = SafeArayToString(rs->GetCollect("dbt"));
        const CString credit = SafeArayToString(rs->GetCollect("krdt"));
        const double amount = atof(SafeArayToString(rs->GetCollect("s")));
        const long kind = atol(SafeArayToString(rs->GetCollect("doc_id")));
        const long id = atol(SafeArayToString(rs->GetCollect("id")));
        if (kind == 3)
            day.receipts.insert(id);
        else if (kind == 2)
            day.expenses.insert(id);
        const bool receipt = debit.Mid(1, 5) == "20104";
        const CString& cash = receipt ? debit : credit;
        const CString& other = receipt ? credit : debit;
        const CString otherKbk = SafeArayToString(rs->GetCollect(receipt ? "kbk_kred" : "kbk_deb"));
        CAmounts line;
        line.cell[(cash.Left(1) == "1" ? 0 : 2) + (receipt ? 0 : 1)] = amount;
        auto [place, fresh] = printable.try_emplace({other, otherKbk});
        if (fresh)
            place->second = GL_Printable0(other, otherKbk, 0);
        day.html += FormatText(kLineRow, HtmlText(SafeArayToString(rs->GetCollect("numbe"))),
                               HtmlText(SafeArayToString(rs->GetCollect("icn"))), HtmlText(place->second),
                               Money(line.cell[0]), Money(line.cell[1]), Money(line.cell[2]), Money(line.cell[3]));
        day.totals.Add(line);
        if (other.Mid(1, 5) == "30201")
            day.salary.Add(line);
    });
    return rows >= 0;
}

CString Signatures(const CCashBookSheet& sheet, const CDayLines& day)
{
    CString html = FormatText(kCashier, HtmlText(GetFioShort0(GetConstant("ORG_KASSIR", 0))));
    html += FormatText(kDocumentsReceived, CHelpers::GetWrittenRubles((double)day.receipts.size(), 1),
                       CHelpers::GetWrittenRubles((double)day.expenses.size(), 1));
    html += FormatText(kChiefAccountant, HtmlText(GetConstant("ORG_GL_BUH", 1)));
    if (sheet.lastDayOfMonth)
        html += FormatText(kSheetCount, GetMonthName(sheet.date.GetMonth()), sheet.date.GetYear(),
                           HtmlText(sheet.monthSheets));
    return html;
}

} // namespace

CString BranchFilter(const CString& ids)
{
    CString filter;
    const int parts = ids.IsEmpty() ? 0 : Length(ids, ",");
    for (int i = 1; i <= parts; ++i)
        filter += (i == 1 ? CString(" and (fil_id=") : CString(" or fil_id=")) + GetPart(ids, ",", i);
    return filter.IsEmpty() ? filter : filter + ")";
}

CString KbkFilter(const CString& ids, const char* side)
{
    CString filter;
    const int parts = ids.IsEmpty() ? 0 : Length(ids, ",");
    for (int i = 1; i <= parts; ++i)
        filter += FormatText(i == 1 ? " and (kbk_%s=%s" : " or kbk_%s=%s", side, GetPart(ids, ",", i));
    return filter.IsEmpty() ? filter : filter + ")";
}

std::array<CString, 3> CashSheetCountSql(const COleDateTime& date, const CCashBookFilter& filter)
{
    const int year = date.GetYear();
    const int month = date.GetMonth();
    const CString yearStart = DateLiteral(year, 1, 1);
    const COleDateTime nextMonth = month == 12 ? COleDateTime(year + 1, 1, 1, 0, 0, 0)
                                               : COleDateTime(year, month + 1, 1, 0, 0, 0);
    const COleDateTime monthEnd = nextMonth - COleDateTimeSpan(1, 0, 0, 0);
    return {CountDaysSql(yearStart, DateLiteral(year, month, date.GetDay()), filter),
            CountDaysSql(DateLiteral(year, month, 1), DateLiteral(year, month, monthEnd.GetDay()), filter),
            CountDaysSql(yearStart, DateLiteral(year, 12, 31), filter)};
}

CCashBookCounts CountCashSheets(const COleDateTime& date, const CCashBookFilter& filter)
{
    CCashBookCounts counts;
    if (date.GetStatus() != COleDateTime::valid)
        return counts;
    const std::array<CString, 3> sql = CashSheetCountSql(date, filter);
    counts.sheet = (long)ExecuteCount(sql[0]);
    counts.month = (long)ExecuteCount(sql[1]);
    counts.year = (long)ExecuteCount(sql[2]);
    return counts;
}

// One piece per kind of stored document that writes postings; the cash
// orders name their counterpart by the payer's or recipient's name.
CString CashBookLinesSql(const COleDateTime& date, const CCashBookFilter& filter)
{
    const CString row = GetDelimiter();
    const CString cell = GetDelimiter0();
    const CString kinds = I_GetDocumentsList();
    const CString day = ChangeDateUS0(DMGtoStr(date), 0);
    const CString branches = BranchFilter(filter.branches);
    CString pieces;
    const int count = kinds.IsEmpty() ? 0 : Length(kinds, row);
    for (int i = 1; i <= count; ++i) {
        const CString kind = GetPart(kinds, row, i);
        const long id = atol(GetPart(kind, cell, 1));
        const CString table = GetPart(kind, cell, 3);
        if (GetPart(kind, cell, 5) != "postings" || !IsSqlIdentifier(table.ToQString()))
            continue;
        const CString name = id == 2 || id == 3 ? CString("fio as icn") : GetPart(kind, cell, 4);
        pieces += FormatText("%sselect id,%d as doc_id,%s as number,%s,'%s' as idoc from %s where d=%s %s ",
                             pieces.IsEmpty() ? "" : " union ", id, SqlAsText("number"), name,
                             MakeSqlStr(GetPart(kind, cell, 2)), table, day, branches);
    }
    if (pieces.IsEmpty())
        pieces = "select 0 as id,0 as doc_id,'' as number,'' as icn,'' as idoc from spr_if where 1=0 ";
    return FormatText("select kbk_deb,kbk_kred,q.id,doc_id,%s as dbt,%s as krdt,ledmark_provodki.s,%s as numbe,icn,"
                      "number from (",
                      CHelpers::GL_SqlDeb(), CHelpers::GL_SqlKred(), SqlConcat({"idoc", "', № '", "number"}))
        + pieces
        + FormatText(kQueryTail, KbkFilter(filter.kbks, "deb"), KbkFilter(filter.kbks, "kred"));
}

COleDateTime LastCashDay(const COleDateTime& until)
{
    const CString last = ExecuteString(FormatText(
        "select max(d) as str from ledmark_provodki where d<=%s and ((deb1='201' and deb2='04') or (kred1='201' and "
        "kred2='04'))",
        ChangeDateUS0(DMGtoStr(until), 0)));
    COleDateTime date;
    date.SetStatus(COleDateTime::invalid);
    return last.IsEmpty() ? date : qwDMG(last, 1);
}

CCashBookPage BuildCashBookPage(const CCashBookSheet& sheet)
{
    CCashBookPage page;
    page.html = FormatText(kHead, sheet.date.GetDay(), GetMonthName0(sheet.date.GetMonth()), sheet.date.GetYear(),
                           sheet.number);
    double budget = 0, all = 0;
    CString faults;
    if (!OpeningBalance(sheet, "120104000", budget) || !OpeningBalance(sheet, "020104000", all)) {
        faults = "остаток на начало дня не получен";
        page.html += FormatText(kOpeningRow, "", "x", "", "x");
    } else {
        page.html += FormatText(kOpeningRow, Money(budget), "x", Money(all - budget), "x");
    }
    CDayLines day;
    const BOOL read = ReadLines(sheet, day);
    page.html += day.html;
    if (!read)
        faults += CString(faults.IsEmpty() ? "" : ", ") + "проводки дня прочитаны не все";
    page.complete = faults.IsEmpty();
    if (page.complete) {
        page.html += day.totals.Row(kTotalsRow);
        const double closing[2] = {budget + day.totals.cell[0] - day.totals.cell[1],
                                   all - budget + day.totals.cell[2] - day.totals.cell[3]};
        CAmounts rest;
        for (int group = 0; group < 2; ++group)
            rest.cell[group * 2 + (closing[group] < 0 ? 1 : 0)] = closing[group] < 0 ? -closing[group] : closing[group];
        page.html += rest.Row(kClosingRow);
        page.html += day.salary.Row(kSalaryRow);
        page.html += kTableEnd;
        page.html += FormatText(kClosingTotal, FormatNumber0(closing[0] + closing[1], "", 2));
    } else {
        page.html += kTableEnd;
        page.html += FormatText(kIncomplete, faults);
    }
    page.html += Signatures(sheet, day);
    page.html += "</table>";
    return page;
}

} // namespace nledmark
