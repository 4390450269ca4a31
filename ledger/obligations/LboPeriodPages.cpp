#include "LboPeriodPages.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <array>

namespace nledmark {

namespace {

struct Period {
    CString from, to, yearStart; // dd.mm.yyyy
    CString source;              // the source digit of the accounts
};

Period PeriodOf(const LboPeriodFilter& filter)
{
    Period p;
    p.from = DMGtoStr(filter.from);
    p.to = DMGtoStr(filter.to);
    p.yearStart = FirstDay(filter.from.GetYear(), 0);
    p.source = FormatNumber(filter.source, "-", 0);
    return p;
}

// The KBK argument of a turnover: a pair without KBK selects the postings without one.
CString KbkArgument(const CString& kbk)
{
    return kbk.IsEmpty() ? CString("null") : kbk;
}

// One turnover of account A (against B when given); false when it failed.
struct Turnovers {
    const LboPeriodFilter& filter;
    CString kbk;
    bool ok = true;

    std::pair<double, double> operator()(const CString& from, const CString& to, const CString& a, const CString& b)
    {
        double debit = 0, credit = 0;
        const CString answer = GL_GetOborot(from, to, a, nullptr, nullptr, nullptr, b.IsEmpty() ? nullptr : (LPCTSTR)b,
                                            filter.branch, KbkArgument(kbk), nullptr);
        if (!ReadTurnover(answer, debit, credit))
            ok = false;
        return {debit, credit};
    }
};

CString IspHeading(const Period& p, const LboPeriodFilter& filter)
{
    CString page = FormatText(
        "<table width=100%% cellpadding=0 cellspacing=0 border=0><tr><td align=center><b>Исполнение лимитов\t"
        "бюджетных обязательств получателем средств бюджета<br>по состоянию с %s по %s</b></td></tr>"
        "<tr><td>Организация: <i>%s</i></td></tr><tr><td>Источник финансирования: <i>%s</i></td></tr>"
        "<tr><td><table width=100%% cellpadding=0 cellspacing=0 border=1>",
        (LPCTSTR)p.from, (LPCTSTR)p.to, (LPCTSTR)GetFilName(filter.branch),
        (LPCTSTR)GL_GetCol0_Name(FormatText("%d", filter.source)));
    page += "<tr><td align=center colspan=5>КОД</td>"
            "<td align=center colspan=2>Лимиты бюджетных<br>обязательств ( ЛБО)<br>Дт 501.05 Кт 501.03</td>"
            "<td align=center colspan=2>Принятые бюджетные<br>обязательства с начала года</td>"
            "<td align=center colspan=2>Объем финансирования<br>расходов</td>"
            "<td align=center colspan=2>Кассовые расходы</td>"
            "<td align=center colspan=2>Не использовано лимитов<br>бюджетных обязательств</td>"
            "<td align=center rowspan=2>Не<br>использовано<br>объемов<br>финансирова-<br>ния</td></tr><tr>";
    static const char* const kHeadings[] = {
        "по<br>ППП", "по<br>ФКР", "по<br>КЦСР", "по<br>КВР", "по<br>ЭКР", "На год",
        "В том числе<br>текущее<br>изменение<br>за месяц", "Учтено<br>501.03 Кт 502.01",
        "Исполнено<br>Дт ------ Кт 304.05", "Получено<br>Дт 201.01 Кт 304.04", "Отозвано<br>Дт 304.04 Кт 201.01",
        "Расход<br>Дт ------ Кт 304.05", "Восстановлено<br>Дт 304.05 Кт ------", "Всего",
        "В том числе не<br>исполнено<br>учтенных<br>бюджетных<br>обязательств"};
    for (const char* heading : kHeadings)
        page += FormatText("<td align=center>%s</td>", heading);
    page += "</tr><tr>";
    for (int n = 1; n <= 16; ++n)
        page += FormatText("<td align=center>%d</td>", n);
    return page + "</tr>";
}

} // namespace

void SplitKbkCode(const CString& code, CString parts[4])
{
    const QString text = code.ToQString();
    parts[0] = CString(text.mid(0, 3));
    parts[1] = CString(text.mid(3, 4));
    parts[2] = CString(text.mid(7, 6));
    parts[3] = CString(text.mid(13));
}

LimitPage LimitsExecutionReportPage(const LboPeriodFilter& filter)
{
    const Period p = PeriodOf(filter);
    LimitPage page;
    page.html = IspHeading(p, filter);
    CString debit = "and ((deb1='501' and deb2='05') or (deb1='502' and deb2='01') or (deb1='501' and deb2='03'))";
    if (filter.source != 0)
        debit += TextColumnEquals("deb0", filter.source);
    if (filter.branch != -2)
        debit += FormatText(" and fil_id=%d", filter.branch);
    CString credit = debit;
    credit.Replace("deb", "kred");
    const CString range = DateRange(p.yearStart, p.to);
    const CString sql = FormatText(
        "select kbk,col3 from (select kbk_deb as kbk,deb3 as col3 from ledmark_provodki where 1=1%s %s "
        "group by kbk_deb,deb3 union select kbk_kred as kbk,kred3 as col3 from ledmark_provodki where 1=1%s %s "
        "group by kbk_kred,kred3) q group by kbk,col3 order by kbk,col3",
        (LPCTSTR)range, (LPCTSTR)debit, (LPCTSTR)range, (LPCTSTR)credit);
    std::vector<std::pair<CString, CString>> pairs;
    bool ok = ForEachRow(sql, [&](_RecordsetPtr& rs) {
                  pairs.emplace_back(SafeArayToString(rs->GetCollect("kbk")), SafeArayToString(rs->GetCollect("col3")));
              }) >= 0;
    std::array<double, 11> totals{};
    const CString& s = p.source;
    for (const auto& [kbk, k] : pairs) {
        if (!ok)
            break;
        CString code[4];
        if (!kbk.IsEmpty())
            SplitKbkCode(GetFromSPR("spr_kbk", kbk, "rasx"), code);
        Turnovers t{filter, kbk};
        const CString limit = s + "50105" + k, transit = s + "50103000";
        const CString obligation = s + "50201" + k, spent = s + "30405" + k;
        const CString received = s + "20101" + k, financing = s + "30404000";
        std::array<double, 11> v{};
        auto [d6, c6] = t(p.yearStart, p.to, limit, transit);
        auto [d7, c7] = t(p.from, p.to, limit, transit);
        auto [d8, c8] = t(p.yearStart, p.to, obligation, transit);
        auto [d9, c9] = t(p.yearStart, p.to, spent, CString());
        auto [d10, c10] = t(p.yearStart, p.to, received, financing);
        auto [d11, c11] = t(p.yearStart, p.to, financing, received);
        auto [d12a, c12a] = t(p.yearStart, p.to, spent, CString());
        auto [d12b, c12b] = t(p.yearStart, p.to, received, CString());
        auto [d13, c13] = t(p.yearStart, p.to, received, financing);
        (void)c13;
        v[0] = d6 - c6;
        v[1] = d7 - c7;
        v[2] = c8 - d8;
        v[3] = c9;
        (void)d9;
        v[4] = c10 - d10;
        v[5] = c11 - d11;
        v[6] = c12a + c12b;
        v[7] = d12a + d12b - d13;
        v[8] = v[0] - v[2];
        v[9] = v[2] - v[3];
        v[10] = v[4] - v[5] - v[6] + v[7];
        if (!t.ok) {
            ok = false;
            break;
        }
        page.html += "<tr>";
        for (const CString& part : {code[0], code[1], code[2], code[3], k})
            page.html += FormatText("<td align=center>&nbsp;%s&nbsp;</td>", (LPCTSTR)part);
        for (size_t n = 0; n < v.size(); ++n) {
            page.html += FormatText("<td align=right nowrap>&nbsp;%s&nbsp;</td>", (LPCTSTR)ftoa0(v[n]));
            totals[n] += v[n];
        }
        page.html += "</tr>";
    }
    if (!ok) {
        page.complete = false;
        page.html += IncompleteNotice();
        return page;
    }
    page.html += "<tr><td align=center colspan=5>Итого</td>";
    for (double total : totals)
        page.html += FormatText("<td align=right nowrap>&nbsp;%s&nbsp;</td>", (LPCTSTR)ftoa0(total));
    page.html += "</tr></table></td></tr>" + HeadSignatures(filter.branch, filter.to);
    return page;
}

LimitPage LimitsCardPage(const LboPeriodFilter& filter)
{
    const Period p = PeriodOf(filter);
    LimitPage page;
    const CString account = p.source + "50105";
    page.html = FormatText(
        "<table width=100%% cellpadding=0 cellspacing=0 border=0><tr><td align=center><b>Карточка<br>учета лимитов "
        "бюджетных обязательств<br>с %s по %s</b></td></tr><tr><td><table width=100%% border=0><tr><td valign=top>"
        "Наименование органа, осуществляющего<br>кассовое обслуживание исполнения<br>бюджета (главный распорядитель,"
        "<br>распорядитель, получатель): <i>%s</i><br>"
        "Наименование бюджета:   __________________________________________<br>"
        "Вид средств: ___________________________________________________<br>"
        "Наименование  органа, осуществляющего<br>кассовое обслуживание исполнения<br>бюджета (главный распорядитель,"
        "<br>распорядитель, получатель) __________________________________________<br>"
        "Наименование бюджета:   _________________________________________<br>"
        "Единица измерения:\t<u>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;руб&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
        "&nbsp;&nbsp;&nbsp;&nbsp;</u><br>Источник финансирования: <i>%s</i></td><td>%s</td></tr></table></td></tr>"
        "<tr><td><table width=100%% cellpadding=0 cellspacing=0 border=1><tr><td align=center rowspan=2>Номер счета</td>"
        "<td align=center colspan=2>Лимиты бюджетных обязательств ( ЛБО)</td><td align=center rowspan=2>Примечание</td>"
        "</tr><tr><td align=center>На год</td><td align=center>В том числе<br>текущее<br>изменение<br>за месяц</td></tr>"
        "<tr><td align=center>1</td><td align=center>2</td><td align=center>3</td><td align=center>4</td></tr>",
        (LPCTSTR)p.from, (LPCTSTR)p.to, (LPCTSTR)GetFilName(filter.branch),
        (LPCTSTR)GL_GetCol0_Name(FormatText("%d", filter.source)), (LPCTSTR)GetOKUD("", nullptr, "0511024"));
    CString debit = "and deb1='501' and deb2='05'";
    if (filter.source != 0)
        debit += TextColumnEquals("deb0", filter.source);
    CString credit = debit;
    credit.Replace("deb", "kred");
    const CString range = DateRange(p.yearStart, p.to);
    const CString branch = FormatText(" and (%d=-2 or fil_id=%d)", filter.branch, filter.branch);
    // Debit and credit rows of equal sums are both counted: the halves are
    // added with union all.
    const CString sql = FormatText(
        "select kbk,col3,sum(s) as s from (select kbk_deb as kbk,deb3 as col3,sum(s) as s from ledmark_provodki "
        "where 1=1%s %s%s group by kbk_deb,deb3 union all select kbk_kred as kbk,kred3 as col3,sum(s) as s "
        "from ledmark_provodki where 1=1%s %s%s group by kbk_kred,kred3) q group by kbk,col3 order by kbk,col3",
        (LPCTSTR)range, (LPCTSTR)debit, (LPCTSTR)branch, (LPCTSTR)range, (LPCTSTR)credit, (LPCTSTR)branch);
    struct Row {
        CString kbk, kosgu;
        double year;
    };
    std::vector<Row> rows;
    bool ok = ForEachRow(sql, [&](_RecordsetPtr& rs) {
                  rows.push_back({SafeArayToString(rs->GetCollect("kbk")), SafeArayToString(rs->GetCollect("col3")),
                                  atof(SafeArayToString(rs->GetCollect("s")))});
              }) >= 0;
    double yearTotal = 0, changeTotal = 0;
    for (const Row& row : rows) {
        if (!ok)
            break;
        const CString full = account + row.kosgu;
        double debitTurnover = 0, creditTurnover = 0;
        if (!ReadTurnover(GL_GetOborot(p.from, p.to, full, nullptr, nullptr, nullptr, nullptr, filter.branch,
                                       KbkArgument(row.kbk), nullptr),
                          debitTurnover, creditTurnover)) {
            ok = false;
            break;
        }
        const double change = debitTurnover - creditTurnover;
        yearTotal += row.year;
        changeTotal += change;
        page.html += FormatText("<tr><td align=right>&nbsp;%s&nbsp;</td><td align=right>&nbsp;%s&nbsp;</td>"
                                "<td align=right>&nbsp;%s&nbsp;</td><td>&nbsp;%s</td></tr>",
                                (LPCTSTR)GL_Printable0(full, row.kbk, 0), (LPCTSTR)FormatNumber0(row.year, "", 2),
                                (LPCTSTR)FormatNumber0(change, "", 2), "");
    }
    if (!ok) {
        page.complete = false;
        page.html += IncompleteNotice();
        return page;
    }
    page.html += FormatText("<tr><td align=center>Итого</td><td align=right>&nbsp;%s&nbsp;</td>"
                            "<td align=right>&nbsp;%s&nbsp;</td><td>&nbsp;</td></tr></table></td></tr>",
                            (LPCTSTR)FormatNumber0(yearTotal, "", 2), (LPCTSTR)FormatNumber0(changeTotal, "", 2));
    page.html += HeadSignatures(filter.branch, filter.to);
    return page;
}

} // namespace nledmark
