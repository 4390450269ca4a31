#include "ContractBalancePage.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <QStringList>
#include <array>
#include <map>

namespace nledmark {

namespace {

using Months = std::array<double, 12>;

// The 16 figures of a row: three months and a running period, four times.
std::array<double, 16> Figures(const Months& months)
{
    std::array<double, 16> figures{};
    double running = 0;
    for (int q = 0; q < 4; ++q) {
        for (int m = 0; m < 3; ++m) {
            figures[4 * q + m] = months[3 * q + m];
            running += months[3 * q + m];
        }
        figures[4 * q + 3] = running;
    }
    return figures;
}

CString Block(const CString& first, const Months& plan, const Months& fact)
{
    const std::array<double, 16> p = Figures(plan), f = Figures(fact);
    CString block = "<tr>" + first + "<td align=center nowrap>&nbsp;план&nbsp;</td>";
    for (double value : p)
        block += FormatText("<td align=right nowrap>%s&nbsp;</td>", (LPCTSTR)ftoa(value));
    block += "</tr><tr><td align=center nowrap>&nbsp;факт&nbsp;</td>";
    for (double value : f)
        block += FormatText("<td align=right nowrap>%s&nbsp;</td>", (LPCTSTR)ftoa(value));
    block += "</tr><tr><td align=center nowrap>&nbsp;остаток&nbsp;</td>";
    for (size_t k = 0; k < p.size(); ++k)
        block += FormatText("<td align=right nowrap>%s&nbsp;</td>", (LPCTSTR)ftoa0(p[k] - f[k]));
    return block + "</tr>";
}

// The contract's fields listed in the header, in their order.
const char* const kListed[] = {"idog", "rn", "iorg", "number", "d", "sd", "s"};

CString Header(long year, const CString lists[7], const CString& sourceName)
{
    CString page = FormatText("<table width=100%% cellpadding=0 cellspacing=0 border=0><tr height=35><td align=center>"
                              "<b>Бюджетные обязательства по договору<br>за %d год.</b></td></tr>",
                              year);
    static const char* const kCaptions[] = {"Договор", "Регистрационный №", "Организация", "Номер договора",
                                            "Дата договора", "Срок действия договора", "Сумма договора"};
    for (int k = 0; k < 7; ++k)
        page += FormatText("<tr><td>%s: %s</td></tr>", kCaptions[k], (LPCTSTR)lists[k]);
    page += FormatText("<tr><td>Источник финансирования: %s</td></tr>", (LPCTSTR)sourceName);
    page += "<tr><td><table width=100% cellpadding=0 cellspacing=0 border=1><tr>"
            "<td colspan=2 align=center><b>Э К Р</b></td>";
    static const char* const kColumns[] = {"январь", "февраль", "март", "I<br>кв.", "апрель", "май", "июнь",
                                           "6<br>месяцев", "июль", "август", "сентябрь", "9<br>месяцев",
                                           "октябрь", "ноябрь", "декабрь", "за год"};
    for (const char* caption : kColumns)
        page += FormatText("<td align=center><b>%s</b></td>", caption);
    return page + "</tr>";
}

} // namespace

CString ContractPlanQuery(const ContractBalanceFilter& filter)
{
    CString contracts;
    for (long id : filter.contracts)
        contracts += FormatText("%s%d", contracts.IsEmpty() ? " and dogovor in (" : ",", id);
    if (!contracts.IsEmpty())
        contracts += ")";
    return FormatText(
        "select dogovor,grid,spr_dogovora.*,spr_org.name as iorg,spr_dogovora.name as idog from ledmark_budg_rassh "
        "left join spr_dogovora on dogovor=spr_dogovora.id left join spr_org on spr_org.id=org "
        "where ledmark_budg_rassh.d>=%s and ledmark_budg_rassh.d<=%s%s and (%d=-2 or ledmark_budg_rassh.fil_id=%d) "
        "order by ledmark_budg_rassh.d,ledmark_budg_rassh.real_id",
        (LPCTSTR)ChangeDateUS0(FirstDay(filter.year, 0), 0), (LPCTSTR)ChangeDateUS0(LastDay(filter.year, 0), 0),
        (LPCTSTR)contracts, filter.branch, filter.branch);
}

CString ContractFactAccount(int source)
{
    return FormatText("%d50201000", source);
}

LimitPage ContractBalancePage(const ContractBalanceFilter& filter)
{
    LimitPage page;
    std::map<long, Months> plan;
    CString lists[7];
    const CString rowDelimiter = GetDelimiter(), cellDelimiter = GetDelimiter0();
    bool ok = ForEachRow(ContractPlanQuery(filter), [&](_RecordsetPtr& rs) {
                  bool used = false;
                  const CString grid = SafeArayToString(rs->GetCollect("grid"));
                  for (const QString& line : grid.ToQString().split(rowDelimiter.ToQString(), Qt::SkipEmptyParts)) {
                      const QStringList cells = line.split(cellDelimiter.ToQString());
                      if (cells.size() < 14 || cells[0].isEmpty())
                          continue;
                      if (!filter.ekr.IsEmpty() && CString(cells[0]) != filter.ekr)
                          continue;
                      if (filter.source > 0 && atol(CString(cells[13])) != filter.source)
                          continue;
                      Months& months = plan.try_emplace(atol(CString(cells[0]))).first->second;
                      for (int m = 0; m < 12; ++m)
                          months[m] += atof(CString(cells[1 + m]));
                      used = true;
                  }
                  if (!used)
                      return;
                  for (int k = 0; k < 7; ++k) {
                      const _variant_t value = rs->GetCollect(kListed[k]);
                      if (value.vt == VT_NULL || value.vt == VT_EMPTY)
                          continue;
                      lists[k] += (lists[k].IsEmpty() ? "" : "; ") + SafeArayToString(value);
                  }
              }) >= 0;
    page.html = Header(filter.year, lists, filter.sourceName);
    const CString account = ContractFactAccount(filter.source);
    Months planTotal{}, factTotal{};
    for (const auto& [code, months] : plan) {
        if (!ok)
            break;
        Months fact{};
        for (long contract : filter.contracts)
            for (int m = 1; m <= 12 && ok; ++m) {
                double debit = 0, credit = 0;
                ok = ReadTurnover(GL_GetOborot(FirstDay(filter.year, m), LastDay(filter.year, m), account,
                                               FormatText("%d", code), FormatText("%d", contract), nullptr, nullptr,
                                               filter.branch, nullptr, nullptr),
                                  debit, credit);
                fact[m - 1] += credit - debit;
            }
        if (!ok)
            break;
        page.html += Block(FormatText("<td align=right nowrap rowspan=3>%d&nbsp;</td>", code), months, fact);
        for (int m = 0; m < 12; ++m) {
            planTotal[m] += months[m];
            factTotal[m] += fact[m];
        }
    }
    if (!ok) {
        page.complete = false;
        page.html += IncompleteNotice();
        return page;
    }
    page.html += Block("<td align=right nowrap rowspan=3>итого&nbsp;</td>", planTotal, factTotal);
    page.html += "</table></td></tr></table>";
    return page;
}

} // namespace nledmark
