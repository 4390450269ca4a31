#include "PayrollPieces.h"

#include "gridbase.h"
#include "ndbcore.h"

#include <cmath>
#include <map>
#include <vector>

namespace {

// The income tax's pay code.
const long kIncomeTax = 201;

// A text of the database as a piece holds it: escaped, and "%" doubled since
// the piece is a format text.
QString Html(const CString& text)
{
    return text.ToQString().toHtmlEscaped().replace('%', QStringLiteral("%%"));
}

bool Number(const char* text, long& value)
{
    if (!text)
        return false;
    bool ok = false;
    value = QString::fromUtf8(text).trimmed().toLong(&ok);
    return ok;
}

// Kopecks, so that sums of many rows stay exact.
long long Kopecks(const CString& amount)
{
    return std::llround(atof(amount) * 100.0);
}

QString Money(long long kopecks)
{
    const long long whole = std::llabs(kopecks);
    return QStringLiteral("%1%2.%3")
        .arg(kopecks < 0 ? "-" : "")
        .arg(whole / 100)
        .arg(int(whole % 100), 2, 10, QChar('0'));
}

// An amount cell; an empty cell for nothing.
QString MoneyCell(long long kopecks, bool bold = false)
{
    if (kopecks == 0)
        return QStringLiteral("<td>&nbsp;</td>");
    return bold ? QStringLiteral("<td align=right nowrap><b>%1</b></td>").arg(Money(kopecks))
                : QStringLiteral("<td align=right nowrap>%1</td>").arg(Money(kopecks));
}

QString MonthTitle(long month, long year)
{
    return QStringLiteral("%1 %2 г.").arg(Html(GetMonthName(month))).arg(year);
}

const char* const kTable = "<table width=100%% cellpadding=2 cellspacing=0 "
                           "border=1 style=\"border-collapse:collapse\">";

struct Employee {
    bool found = false;
    CString name;
    CString department;
    CString position;
    CString inn;
};

// The employee's name, and the department and position of the main position
// row.
Employee ReadEmployee(long tn, bool& ok)
{
    Employee employee;
    const CString sql = FormatText("select %s as fio,spr_prd.name as prd,spr_paymar_dol.name as dol,tn.inn "
                                   "from tn "
                                   "left join paymar_bux on paymar_bux.tn=tn.tn and paymar_bux.osn=1 "
                                   "left join spr_prd on spr_prd.id=paymar_bux.prd "
                                   "left join spr_paymar_dol on spr_paymar_dol.id=paymar_bux.dol "
                                   "where tn.tn=%ld order by paymar_bux.npp",
                                   GL_SqlFio(), tn);
    if (ForEachRow(sql, [&employee](_RecordsetPtr& row) {
            if (employee.found)
                return;
            employee.found = true;
            employee.name = SafeArayToString(row->GetCollect("fio"));
            employee.department = SafeArayToString(row->GetCollect("prd"));
            employee.position = SafeArayToString(row->GetCollect("dol"));
            employee.inn = SafeArayToString(row->GetCollect("inn"));
        }) < 0)
        ok = false;
    return employee;
}

struct PayRow {
    long month = 0;
    long sheet = 0; // 0 unless read by sheet
    long code = 0;
    CString name;
    long long kopecks = 0;
};

// The employee's results of the months, by month (and sheet) and pay code.
std::vector<PayRow> ReadPay(long tn, long year, long from, long to, bool bySheet, bool& ok)
{
    std::vector<PayRow> rows;
    const char* sheet = bySheet ? ",paymar_nuz.nv" : "";
    const CString sql = FormatText("select paymar_nuz.ms%s,paymar_nuz.kou,spr_vou.name,sum(paymar_nuz.s) as "
                                   "s from paymar_nuz "
                                   "left join spr_vou on spr_vou.id=paymar_nuz.kou where paymar_nuz.g=%ld "
                                   "and paymar_nuz.tn=%ld and "
                                   "paymar_nuz.ms>=%ld and paymar_nuz.ms<=%ld group by "
                                   "paymar_nuz.ms%s,paymar_nuz.kou,spr_vou.name "
                                   "order by paymar_nuz.ms%s,paymar_nuz.kou",
                                   sheet, year, tn, from, to, sheet, sheet);
    if (ForEachRow(sql, [&rows, bySheet](_RecordsetPtr& row) {
            PayRow pay;
            pay.month = atol(SafeArayToString(row->GetCollect("ms")));
            if (bySheet)
                pay.sheet = atol(SafeArayToString(row->GetCollect("nv")));
            pay.code = atol(SafeArayToString(row->GetCollect("kou")));
            pay.name = SafeArayToString(row->GetCollect("name"));
            pay.kopecks = Kopecks(SafeArayToString(row->GetCollect("s")));
            if (pay.kopecks != 0)
                rows.push_back(pay);
        }) < 0)
        ok = false;
    return rows;
}

bool Accrual(long code)
{
    return code <= 200;
}

struct Totals {
    long long accrued = 0;
    long long deducted = 0;
    long long tax = 0;
    long long Net() const { return accrued - deducted; }
    void Add(const PayRow& row)
    {
        (Accrual(row.code) ? accrued : deducted) += row.kopecks;
        if (row.code == kIncomeTax)
            tax += row.kopecks;
    }
};

QString EmployeeHead(long tn, const Employee& employee)
{
    QString head = QStringLiteral("Таб. № %1 &nbsp; <b>%2</b>").arg(tn).arg(Html(employee.name));
    if (!employee.department.IsEmpty())
        head += QStringLiteral("<br>Подразделение: %1").arg(Html(employee.department));
    if (!employee.position.IsEmpty())
        head += QStringLiteral("<br>Должность: %1").arg(Html(employee.position));
    return head;
}

QString CodeCells(const PayRow& row)
{
    return QStringLiteral("<td align=center>%1</td><td>%2</td>").arg(row.code).arg(Html(row.name));
}

// The rows of one month as the pay slip and the settlement note show them:
// accruals, deductions, each with its total, and the amount to pay.
QString MonthBody(const std::vector<PayRow>& rows)
{
    Totals totals;
    QString accrued, deducted;
    for (const PayRow& row : rows) {
        totals.Add(row);
        (Accrual(row.code) ? accrued : deducted) += "<tr>" + CodeCells(row) + MoneyCell(row.kopecks) + "</tr>";
    }
    QString html = QStringLiteral("<tr><th width=10%%>Код</th><th>Вид "
                                  "оплаты</th><th width=20%%>Сумма</th></tr>");
    html += QStringLiteral("<tr><td colspan=3><b>Начислено</b></td></tr>") + accrued;
    html += QStringLiteral("<tr><td colspan=2 align=right>Итого начислено</td>%1</tr>").arg(MoneyCell(totals.accrued));
    html += QStringLiteral("<tr><td colspan=3><b>Удержано</b></td></tr>") + deducted;
    html += QStringLiteral("<tr><td colspan=2 align=right>Итого удержано</td>%1</tr>").arg(MoneyCell(totals.deducted));
    html += QStringLiteral("<tr><td colspan=2 align=right><b>К выдаче</b></td><td "
                           "align=right nowrap><b>%1</b></td></tr>")
                .arg(Money(totals.Net()));
    return html;
}

// The codes of the rows in code order, accruals first.
std::vector<std::pair<long, CString>> Codes(const std::vector<PayRow>& rows)
{
    std::map<long, CString> codes;
    for (const PayRow& row : rows)
        codes.emplace(row.code, row.name);
    return {codes.begin(), codes.end()};
}

} // namespace

CString GetRaschList(const char* tn, long month, bool& ok)
{
    long number = 0;
    if (!Number(tn, number))
        return CString();
    const std::vector<PayRow> rows = ReadPay(number, g_lYear, month, month, false, ok);
    if (rows.empty())
        return CString();
    const Employee employee = ReadEmployee(number, ok);
    QString html = QString(kTable);
    html += QStringLiteral("<tr><td colspan=3><b>Расчетный лист за %1</b><br>%2</td></tr>")
                .arg(MonthTitle(month, g_lYear), EmployeeHead(number, employee));
    html += MonthBody(rows) + "</table><br>";
    return CString(html);
}

CString GetRaschList(const char* tn, long month)
{
    bool ok = true;
    return GetRaschList(tn, month, ok);
}

CString GetZapiskaRaschet(long tn, long year, long month, bool& ok)
{
    const std::vector<PayRow> rows = ReadPay(tn, year, month, month, false, ok);
    if (rows.empty())
        return CString();
    const Employee employee = ReadEmployee(tn, ok);
    QString html = QStringLiteral("<p align=center>%1<br><b>Записка-расчет</b><br>за %2</p>")
                       .arg(Html(GetConstant("ORG_NAME")), MonthTitle(month, year));
    html += QString(kTable);
    html += QStringLiteral("<tr><td colspan=3>%1</td></tr>").arg(EmployeeHead(tn, employee));
    html += MonthBody(rows) + "</table>";
    html += QStringLiteral("<p>Главный бухгалтер ______________ "
                           "%1<br><br>Бухгалтер ______________</p>")
                .arg(Html(GetConstant("ORG_GL_BUH")));
    return CString(html);
}

CString GetZapiskaRaschet(long tn, long year, long month)
{
    bool ok = true;
    return GetZapiskaRaschet(tn, year, month, ok);
}

CString GetInd(const char* tn, long month, bool& ok)
{
    long number = 0;
    if (!Number(tn, number) || month < 1)
        return CString();
    const std::vector<PayRow> rows = ReadPay(number, g_lYear, 1, month, false, ok);
    if (rows.empty())
        return CString();
    const Employee employee = ReadEmployee(number, ok);
    std::map<std::pair<long, long>, long long> amounts; // (code, month)
    std::vector<Totals> byMonth(size_t(month) + 1);
    Totals year;
    std::map<long, long long> byCode;
    for (const PayRow& row : rows) {
        amounts[{row.code, row.month}] += row.kopecks;
        byMonth[size_t(row.month)].Add(row);
        year.Add(row);
        byCode[row.code] += row.kopecks;
    }
    QString html = QString(kTable);
    html += QStringLiteral("<tr><td colspan=%1><b>Индивидуальная карточка за %2 "
                           "г.</b><br>%3</td></tr>")
                .arg(month + 3)
                .arg(g_lYear)
                .arg(EmployeeHead(number, employee));
    html += QStringLiteral("<tr><th>Код</th><th>Вид оплаты</th>");
    for (long m = 1; m <= month; ++m)
        html += QStringLiteral("<th>%1</th>").arg(Html(GetMonthName(m)));
    html += QStringLiteral("<th>Итого</th></tr>");
    for (const auto& [code, name] : Codes(rows)) {
        PayRow row;
        row.code = code;
        row.name = name;
        html += "<tr>" + CodeCells(row);
        for (long m = 1; m <= month; ++m) {
            const auto found = amounts.find({code, m});
            html += MoneyCell(found == amounts.end() ? 0 : found->second);
        }
        html += MoneyCell(byCode[code], true) + "</tr>";
    }
    const struct {
        const char* title;
        long long (*of)(const Totals&);
    } lines[] = {
        {"Всего начислено", [](const Totals& t) { return t.accrued; }},
        {"Всего удержано", [](const Totals& t) { return t.deducted; }},
        {"К выдаче", [](const Totals& t) { return t.Net(); }},
    };
    for (const auto& line : lines) {
        html += QStringLiteral("<tr><td colspan=2><b>%1</b></td>").arg(line.title);
        for (long m = 1; m <= month; ++m)
            html += MoneyCell(line.of(byMonth[size_t(m)]));
        html += MoneyCell(line.of(year), true) + "</tr>";
    }
    html += "</table><br>";
    return CString(html);
}

CString GetInd(const char* tn, long month)
{
    bool ok = true;
    return GetInd(tn, month, ok);
}

CString GetKB(const char* tn, long month, bool& ok)
{
    long number = 0;
    if (!Number(tn, number) || month < 1)
        return CString();
    const std::vector<PayRow> rows = ReadPay(number, g_lYear, 1, month, true, ok);
    if (rows.empty())
        return CString();
    const Employee employee = ReadEmployee(number, ok);
    QString html = QString(kTable);
    html += QStringLiteral("<tr><td colspan=6><b>Как это было: %1 г., январь - "
                           "%2</b><br>%3</td></tr>")
                .arg(g_lYear)
                .arg(Html(GetMonthName(month)))
                .arg(EmployeeHead(number, employee));
    html += QStringLiteral("<tr><th>Месяц</th><th>Ведомость</th><th>Код</th><th>Вид "
                           "оплаты</th><th>Начислено</th><th>Удержано</th></tr>");
    Totals monthTotals;
    for (size_t i = 0; i < rows.size(); ++i) {
        const PayRow& row = rows[i];
        const bool first = i == 0 || rows[i - 1].month != row.month;
        html += QStringLiteral("<tr><td>%1</td><td align=center>%2</td>")
                    .arg(first ? Html(GetMonthName(row.month)) : QStringLiteral("&nbsp;"))
                    .arg(row.sheet);
        html += CodeCells(row) + MoneyCell(Accrual(row.code) ? row.kopecks : 0) +
                MoneyCell(Accrual(row.code) ? 0 : row.kopecks) + "</tr>";
        monthTotals.Add(row);
        if (i + 1 == rows.size() || rows[i + 1].month != row.month) {
            html += QStringLiteral("<tr><td colspan=4 align=right>Итого за %1, к "
                                   "выдаче %2</td>%3%4</tr>")
                        .arg(Html(GetMonthName(row.month)), Money(monthTotals.Net()),
                             MoneyCell(monthTotals.accrued, true), MoneyCell(monthTotals.deducted, true));
            monthTotals = Totals();
        }
    }
    html += "</table><br>";
    return CString(html);
}

CString GetKB(const char* tn, long month)
{
    bool ok = true;
    return GetKB(tn, month, ok);
}

CString GetDoxGod(long tn, long month, bool& ok)
{
    if (month < 1)
        return CString();
    const std::vector<PayRow> rows = ReadPay(tn, g_lYear, 1, month, false, ok);
    Totals totals;
    std::map<long, long long> byCode;
    for (const PayRow& row : rows) {
        totals.Add(row);
        if (Accrual(row.code))
            byCode[row.code] += row.kopecks;
    }
    if (byCode.empty() && totals.tax == 0)
        return CString();
    const Employee employee = ReadEmployee(tn, ok);
    QString html = QStringLiteral("<p align=center>%1<br><b>Справка о доходах за "
                                  "%2 год</b><br>(январь - %3)</p>")
                       .arg(Html(GetConstant("ORG_NAME")))
                       .arg(g_lYear)
                       .arg(Html(GetMonthName(month)));
    html += QStringLiteral("<p>Выдана %1, таб. № %2").arg(Html(employee.name)).arg(tn);
    if (!employee.inn.IsEmpty())
        html += QStringLiteral(", ИНН %1").arg(Html(employee.inn));
    html += "</p>" + QString(kTable) +
            QStringLiteral("<tr><th width=10%%>Код</th><th>Вид дохода</th><th "
                           "width=20%%>Сумма</th></tr>");
    for (const auto& [code, name] : Codes(rows)) {
        if (!Accrual(code))
            continue;
        PayRow row;
        row.code = code;
        row.name = name;
        html += "<tr>" + CodeCells(row) + MoneyCell(byCode[code]) + "</tr>";
    }
    html += QStringLiteral("<tr><td colspan=2 align=right><b>Общая сумма дохода</b></td>%1</tr>")
                .arg(MoneyCell(totals.accrued, true));
    html += QStringLiteral("<tr><td colspan=2 align=right><b>Сумма налога "
                           "удержанная</b></td>%1</tr></table>")
                .arg(MoneyCell(totals.tax, true));
    html += QStringLiteral("<p>Главный бухгалтер ______________ %1</p>").arg(Html(GetConstant("ORG_GL_BUH")));
    return CString(html);
}

CString GetDoxGod(long tn, long month)
{
    bool ok = true;
    return GetDoxGod(tn, month, ok);
}

CString GetDoxMes(long tn, long year, long month, long cumulative, bool& ok)
{
    if (month < 1)
        return CString();
    const std::vector<PayRow> rows = ReadPay(tn, year, 1, month, false, ok);
    if (rows.empty())
        return CString();
    std::vector<Totals> byMonth(size_t(month) + 1);
    for (const PayRow& row : rows)
        byMonth[size_t(row.month)].Add(row);
    const Employee employee = ReadEmployee(tn, ok);
    QString html = QStringLiteral("<p align=center>%1<br><b>Справка о доходе%2 за %3 год</b></p>")
                       .arg(Html(GetConstant("ORG_NAME")))
                       .arg(cumulative ? QStringLiteral(" нарастающим итогом") : QStringLiteral(" по месяцам"))
                       .arg(year);
    html += QStringLiteral("<p>Выдана %1, таб. № %2").arg(Html(employee.name)).arg(tn);
    if (!employee.department.IsEmpty())
        html += QStringLiteral(", %1").arg(Html(employee.department));
    html += "</p>" + QString(kTable);
    html += cumulative ? QStringLiteral("<tr><th>Месяц</th><th>Доход за месяц</th><th>Доход с начала "
                                        "года</th>"
                                        "<th>Налог за месяц</th><th>Налог с начала года</th></tr>")
                       : QStringLiteral("<tr><th>Месяц</th><th>Доход</th><th>Налог удержан</th></tr>");
    Totals sum;
    for (long m = 1; m <= month; ++m) {
        const Totals& t = byMonth[size_t(m)];
        sum.accrued += t.accrued;
        sum.tax += t.tax;
        html += QStringLiteral("<tr><td>%1</td>").arg(Html(GetMonthName(m))) + MoneyCell(t.accrued);
        if (cumulative)
            html += MoneyCell(sum.accrued);
        html += MoneyCell(t.tax);
        if (cumulative)
            html += MoneyCell(sum.tax);
        html += "</tr>";
    }
    html += cumulative ? QStringLiteral("<tr><td><b>Итого</b></td>%1<td>&nbsp;</"
                                        "td>%2<td>&nbsp;</td></tr>")
                             .arg(MoneyCell(sum.accrued, true), MoneyCell(sum.tax, true))
                       : QStringLiteral("<tr><td><b>Итого</b></td>%1%2</tr>")
                             .arg(MoneyCell(sum.accrued, true), MoneyCell(sum.tax, true));
    html += QStringLiteral("</table><p>Главный бухгалтер ______________ %1</p>").arg(Html(GetConstant("ORG_GL_BUH")));
    return CString(html);
}

CString GetDoxMes(long tn, long year, long month, long cumulative)
{
    bool ok = true;
    return GetDoxMes(tn, year, month, cumulative, ok);
}

CString GetNDFL1(const char* tn, long month, int, bool& ok)
{
    long number = 0;
    if (!Number(tn, number) || month < 1)
        return CString();
    const std::vector<PayRow> rows = ReadPay(number, g_lYear, 1, month, false, ok);
    if (rows.empty())
        return CString();
    std::vector<Totals> byMonth(size_t(month) + 1);
    for (const PayRow& row : rows)
        byMonth[size_t(row.month)].Add(row);
    const Employee employee = ReadEmployee(number, ok);
    QString html = QStringLiteral("<p align=center><b>Налоговая карточка по "
                                  "учету доходов и налога на доходы "
                                  "физических лиц за %1 год</b></p>")
                       .arg(g_lYear);
    html += QStringLiteral("<p>Налоговый агент: %1<br>Работник: %2, таб. № %3<br>ИНН: %4</p>")
                .arg(Html(GetConstant("ORG_NAME")), Html(employee.name))
                .arg(number)
                .arg(employee.inn.IsEmpty() ? QStringLiteral("&nbsp;") : Html(employee.inn));
    html += QString(kTable);
    html += QStringLiteral("<tr><th>Месяц</th><th>Доход</th><th>Доход с начала "
                           "года</th><th>Налог удержан</th>"
                           "<th>Налог с начала года</th></tr>");
    Totals sum;
    for (long m = 1; m <= month; ++m) {
        const Totals& t = byMonth[size_t(m)];
        sum.accrued += t.accrued;
        sum.tax += t.tax;
        html += QStringLiteral("<tr><td>%1</td>%2%3%4%5</tr>")
                    .arg(Html(GetMonthName(m)), MoneyCell(t.accrued), MoneyCell(sum.accrued), MoneyCell(t.tax),
                         MoneyCell(sum.tax));
    }
    html += QStringLiteral("<tr><td><b>Итого</b></td>%1<td>&nbsp;</"
                           "td>%2<td>&nbsp;</td></tr></table><br>")
                .arg(MoneyCell(sum.accrued, true), MoneyCell(sum.tax, true));
    return CString(html);
}

CString GetNDFL1(const char* tn, long month, int unused)
{
    bool ok = true;
    return GetNDFL1(tn, month, unused, ok);
}

namespace {

CString SheetBank(long sheet, const char* column, const char* constant)
{
    CString value = ExecuteString(FormatText("select %s as str from nv where id=%ld", column, sheet));
    value.Trim();
    return value.IsEmpty() ? GetConstant(constant) : value;
}

} // namespace

CString GetOrgRS(long sheet)
{
    return SheetBank(sheet, "rs", "ORG_RS");
}

CString GetOrgKS(long sheet)
{
    return SheetBank(sheet, "ks", "ORG_KS");
}

CString GetOrgBIK(long sheet)
{
    return SheetBank(sheet, "bik", "ORG_BIK");
}

CString GetOrgINN(long sheet)
{
    return SheetBank(sheet, "inn", "ORG_INN");
}
