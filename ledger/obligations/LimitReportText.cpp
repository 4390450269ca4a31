#include "LimitReportText.h"

#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <QDate>
#include <QStringList>

namespace nledmark {

CString TextColumnEquals(const char* column, long value)
{
    return FormatText(" and %s='%d'", column, value);
}

CString DateRange(const CString& from, const CString& to)
{
    return FormatText(" and d>=%s and d<=%s", (LPCTSTR)ChangeDateUS0(from, 0), (LPCTSTR)ChangeDateUS0(to, 0));
}

CString FirstDay(long year, int month)
{
    return FormatText("01.%02d.%04d", month ? month : 1, year);
}

CString LastDay(long year, int month)
{
    const int m = month ? month : 12;
    return FormatText("%02d.%02d.%04d", QDate(int(year), m, 1).daysInMonth(), m, year);
}

const char* const kEkrOrderSql = "select id from spr_ekr order by id";

std::vector<long> CodesInBookOrder(const std::set<long>& codes, bool& ok)
{
    std::vector<long> ordered;
    std::set<long> left = codes;
    const long rows = ForEachRow(kEkrOrderSql, [&](_RecordsetPtr& rs) {
        const long id = atol(SafeArayToString(rs->GetCollect("id")));
        if (left.erase(id))
            ordered.push_back(id);
    });
    if (rows < 0)
        ok = false;
    ordered.insert(ordered.end(), left.begin(), left.end());
    return ordered;
}

bool ReadTurnover(const CString& answer, double& debit, double& credit)
{
    const QStringList parts = answer.ToQString().split('@');
    if (parts.size() < 2)
        return false;
    bool okDebit = false, okCredit = false;
    debit = parts[0].trimmed().toDouble(&okDebit);
    credit = parts[1].trimmed().toDouble(&okCredit);
    return okDebit && okCredit;
}

CString InitialsFirst(const CString& fullName)
{
    const QStringList words = fullName.ToQString().split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return CString();
    QString text;
    for (qsizetype k = 1; k < words.size() && k < 3; ++k)
        text += words[k].left(1) + ". ";
    return CString(text + words[0]);
}

CString ExecutorFooter(const CString& position, const CString& name, const COleDateTime& date)
{
    CString footer = FormatText(
        "</table><br><b>Исполнитель</b>&nbsp;&nbsp;&nbsp;&nbsp;%s&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;___________&nbsp;&nbsp;"
        "(подпись)&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;(%s)<br><br>",
        (LPCTSTR)position, (LPCTSTR)name);
    footer += FormatText("\"<u>&nbsp;%d&nbsp;</u>\"&nbsp;&nbsp;&nbsp;<u>&nbsp;%s&nbsp;</u>&nbsp;&nbsp;&nbsp;<u>&nbsp;%d</u>г.",
                         date.GetDay(), (LPCTSTR)GetMonthName0(date.GetMonth()), date.GetYear());
    return footer;
}

CString ExecutorFooter()
{
    const CString tn = FormatText("%d", g_lTN);
    const CString position = GetFromSPR("ssv", GetTN(tn, "dol"), nullptr);
    return ExecutorFooter(position, InitialsFirst(GetFio(tn)), COleDateTime::GetCurrentTime());
}

namespace {

CString SignatureRow(const char* role, const CString& name, bool wide)
{
    const char* span = wide ? " colspan=4" : "";
    return FormatText(
        "<tr height=50><td valign=bottom><table cellpadding=0 cellspacing=0><tr><td>%s</td><td>________________</td>"
        "<td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td><td valign=bottom%s><u>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<i>%s</i>"
        "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</u></td></tr><tr height=10><td>&nbsp;</td>"
        "<td align=center valign=top>(подпись)</td><td>&nbsp;</td><td align=center valign=top%s>(расшифровка подписи)</td>"
        "</tr></table></td></tr>",
        role, span, (LPCTSTR)name, span);
}

} // namespace

CString HeadSignatures(int branch, const COleDateTime& date)
{
    CString rows = SignatureRow("Руководитель", GetFilRuk(branch, 1), true);
    rows += SignatureRow("Главный бухгалтер", GetConstant("ORG_GL_BUH", 1), false);
    const bool valid = date.GetStatus() == COleDateTime::valid;
    rows += FormatText("<tr height=35><td>\"<u>&nbsp;&nbsp;%02d&nbsp;&nbsp;</u>\"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<u>"
                       "&nbsp;&nbsp;&nbsp;<i>%s</i>&nbsp;&nbsp;&nbsp;</u>&nbsp;&nbsp;&nbsp;&nbsp;%d г.</td></tr>",
                       valid ? date.GetDay() : -1, valid ? (LPCTSTR)GetMonthName0(date.GetMonth()) : "",
                       valid ? date.GetYear() : -1);
    return rows + "</table>";
}

CString IncompleteNotice()
{
    return "</table></td></tr></table><p><font color=red><b>Отчет неполный: данные прочитаны не полностью "
           "(см. сообщение об ошибке). Итоги и подписи не выводятся.</b></font></p>";
}

} // namespace nledmark
