#include "TurnoverSheet.h"

#include "CHelpers.h"
#include "CheckBookPage.h"
#include "MainBookPage.h"
#include "MakeParam.h"
#include "RegisterPage.h"
#include "SqlText.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <exception>
#include <vector>

namespace nledmark {

namespace {

const char* const kScriptCall = "fn_ledmark_prn_osv(\"%s\",\"%s\",%d,\"%s\",%d,%s,\"%s\")";

CString SqlDate(const COleDateTime& date)
{
    return ChangeDateUS0(DMGtoStr(date), 0);
}

CString Text(_RecordsetPtr& rs, const char* column)
{
    return SafeArayToString(rs->GetCollect(column));
}

// A code of an account part as SQL text: the codes are fixed-width digits, any
// other text is quoted as text so that it cannot leave its literal.
CString CodeLiteral(const CString& code)
{
    return "'" + (IsDigitsOnly(code) ? code : MakeSqlStr(code)) + "'";
}

// The six figures of a row of tmp_0: opening, turnovers, closing; debit and
// credit each.
struct Figures {
    double v[6] = {0, 0, 0, 0, 0, 0};

    void Read(_RecordsetPtr& rs)
    {
        const char* const names[6] = {"db0", "kr0", "db", "kr", "db2", "kr2"};
        for (int i = 0; i < 6; ++i)
            v[i] = atof(Text(rs, names[i]));
        NormalizeOst(v[0], v[1]);
        NormalizeOst(v[4], v[5]);
    }
    bool Zero() const
    {
        for (double x : v)
            if (x != 0)
                return false;
        return true;
    }
};

CString Wrapped(const char* colour, const CString& text)
{
    return text.IsEmpty() ? text : FormatText("<font color='%s'>%s</font>", colour, (LPCTSTR)text);
}

CString AmountCells(const Figures& f, bool bold)
{
    CString cells;
    for (double x : f.v)
        cells += FormatText(bold ? "<td align=right><b>%s</b>&nbsp;</td>" : "<td align=right>%s&nbsp;</td>",
                            (LPCTSTR)ftoa0(x));
    return cells;
}

class TurnoverSheet {
public:
    TurnoverSheet(const CTurnoverSheetRequest& request, long connection)
        : m_request(request), m_connection(connection)
    {
    }

    LimitPage Build();

private:
    CString Head() const;
    bool ReadGroups(std::vector<CTurnoverGroup>& groups);
    bool Script(int mode, const CString& condition, const CTurnoverGroup& group);
    bool GroupRow(const CTurnoverGroup& group, CString& rows);
    bool KosguRows(const CTurnoverGroup& group, CString& rows);
    void Toggle() { m_colour = m_colour == "#eeeeee" ? "#dddddd" : "#eeeeee"; }

    const CTurnoverSheetRequest& m_request;
    long m_connection;
    CString m_branchFilter;
    CString m_colour = "#dddddd";
    Figures m_totals;
};

CString TurnoverSheet::Head() const
{
    CString head = FormatText(
        "<table width=100%% cellpadding=0 cellspacing=0 border=0><tr><td align=center><font color=brown><b>"
        "О Б О Р О Т Н О&nbsp;&nbsp;&nbsp;-&nbsp;&nbsp;С А Л Ь Д О В А Я&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;В Е Д О М О С Т Ь"
        " за %s %dг, с %s по %s</b></font></td></tr><tr><td>",
        (LPCTSTR)HtmlText(GetOtpName(g_lOtpId)), int(g_lYear), (LPCTSTR)DMGtoStr(m_request.from),
        (LPCTSTR)DMGtoStr(m_request.to));
    head += "<table width=100% cellpadding=0 cellspacing=0 border=1>"
            "<tr bgcolor='#CCCCFF'><td align=center rowspan=2>счет</td><td align=center rowspan=2>Наименование</td>"
            "<td align=center colspan=2>сальдо на начало периода</td><td align=center colspan=2>обороты за период</td>"
            "<td align=center colspan=2>сальдо на конец периода</td></tr><tr bgcolor='#CCCCFF'>";
    for (int i = 0; i < 3; ++i)
        head += "<td align=center width=70>дебет</td><td align=center width=70>кредит</td>";
    return head + "</tr>";
}

bool TurnoverSheet::ReadGroups(std::vector<CTurnoverGroup>& groups)
{
    CString kbkDeb, kbkKred;
    if (!KbkListCondition(m_request.kbkList, "deb", kbkDeb) || !KbkListCondition(m_request.kbkList, "kred", kbkKred)) {
        AfxMessageBox("Неверный список КБК");
        return false;
    }
    const long read = ForEachRow(TurnoverGroupsSql(m_request, kbkDeb, kbkKred, m_branchFilter), [&](_RecordsetPtr& rs) {
        CTurnoverGroup g;
        g.kbk = Text(rs, "kbk");
        if (g.kbk.IsEmpty())
            g.kbk = kNoKbk;
        g.ikbk = Text(rs, "ikbk");
        g.name = Text(rs, "name_pl");
        g.sch0 = Text(rs, "sch0");
        g.sch1 = Text(rs, "sch1");
        g.sch2 = Text(rs, "sch2");
        groups.push_back(g);
    });
    return read >= 0;
}

bool TurnoverSheet::Script(int mode, const CString& condition, const CTurnoverGroup& group)
{
    CString result;
    const CString call = TurnoverScriptCall(m_request, mode, condition, m_connection, group.kbk, m_branchFilter);
    if (!CHelpers::EXEC_GetFunctionValue(call, result, "Arm." + I_GetArmId()))
        return false;
    return atol(result) != 0;
}

bool TurnoverSheet::GroupRow(const CTurnoverGroup& group, CString& rows)
{
    const CString condition = TurnoverGroupCondition(group, m_branchFilter);
    if (!Script(0, condition, group))
        return false;
    Figures f;
    CString name = group.name;
    bool first = true;
    const long read = ForEachRow(
        FormatText("select sch0,sch1,sch2,sum(db0) as db0,sum(kr0) as kr0,sum(db) as db,sum(kr) as kr,sum(db2) as "
                   "db2,sum(kr2) as kr2,name as isch from tmp_0 \t\t\t\t\t\tleft join spr_plan_sch on col0=sch0 and "
                   "col1=sch1 and col2=sch2 and col3='000' \t\t\t\t\t\twhere user_id=%d \t\t\t\t\t\tgroup by "
                   "sch0,sch1,sch2,name \t\t\t\t\t\torder by sch1,sch2,sch0",
                   m_connection),
        [&](_RecordsetPtr& rs) {
            if (!first)
                return;
            first = false;
            const CString isch = Text(rs, "isch");
            if (!isch.IsEmpty())
                name = isch;
            f.Read(rs);
        });
    if (read < 0)
        return false;
    // A group whose figures all net to nothing is left out and does not
    // change the colour of the rows.
    if (f.Zero())
        return true;
    // The chart names most accounts at the level of every source: the
    // account's own name then comes from the chart's nearest level.
    if (name.IsEmpty())
        name = GetSchName(group.sch0 + group.sch1 + group.sch2 + "000");
    const long synthetic = atol(group.sch1);
    if (synthetic > 0 && synthetic < 500)
        for (int i = 0; i < 6; ++i)
            m_totals.v[i] += f.v[i];
    Toggle();
    const CString account = Wrapped("green", HtmlText(group.ikbk)) + " " + Wrapped("green", HtmlText(group.sch0)) +
                            " " + HtmlText(group.sch1) + " " + Wrapped("blue", HtmlText(group.sch2)) +
                            " <font color='brown'>000</font>";
    if (!m_request.expand) {
        rows += FormatText("<tr bgcolor=%s height=18><td align=left nowrap>&nbsp;%s&nbsp;</td><td>&nbsp;%s</td>%s</tr>",
                           (LPCTSTR)m_colour, (LPCTSTR)account, (LPCTSTR)HtmlText(name), (LPCTSTR)AmountCells(f, false));
        return true;
    }
    rows += FormatText("<tr bgcolor=%s height=18><td align=left nowrap>&nbsp;<b>%s</b>&nbsp;</td><td>&nbsp;%s</td>%s</tr>",
                       (LPCTSTR)m_colour, (LPCTSTR)account, (LPCTSTR)HtmlText(name), (LPCTSTR)AmountCells(f, true));
    if (!Script(1, condition, group))
        return false;
    return KosguRows(group, rows);
}

bool TurnoverSheet::KosguRows(const CTurnoverGroup& group, CString& rows)
{
    const long read = ForEachRow(
        FormatText("select sch0,sch1,sch2,sch3,sum(db0) as db0,sum(kr0) as kr0,sum(db) as db,sum(kr) as kr,sum(db2) as "
                   "db2,sum(kr2) as kr2,name as isch from tmp_0 \t\t\t\t\t\tleft join spr_plan_sch on col0=sch0 and "
                   "col1=sch1 and col2=sch2 and col3=sch3 \t\t\t\t\t\twhere user_id=%d \t\t\t\t\t\tgroup by "
                   "sch0,sch1,sch2,sch3,name \t\t\t\t\t\torder by sch1,sch2,sch0,sch3",
                   m_connection),
        [&](_RecordsetPtr& rs) {
            Figures f;
            f.Read(rs);
            if (f.Zero())
                return;
            const CString account = Wrapped("green", HtmlText(group.ikbk)) + " " +
                                    Wrapped("green", HtmlText(Text(rs, "sch0"))) + " " + HtmlText(Text(rs, "sch1")) +
                                    " " + Wrapped("blue", HtmlText(Text(rs, "sch2"))) + " " +
                                    Wrapped("brown", HtmlText(Text(rs, "sch3")));
            rows += FormatText("<tr bgcolor=%s height=18><td align=right nowrap>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
                               "&nbsp;%s&nbsp;</td><td>&nbsp;%s</td>%s</tr>",
                               (LPCTSTR)m_colour, (LPCTSTR)account, (LPCTSTR)HtmlText(Text(rs, "isch")),
                               (LPCTSTR)AmountCells(f, false));
        });
    return read >= 0;
}

LimitPage TurnoverSheet::Build()
{
    LimitPage page;
    page.html = Head();
    bool ok = false;
    try {
        m_branchFilter = GetFilsSql(m_request.branches);
        std::vector<CTurnoverGroup> groups;
        ok = ReadGroups(groups);
        for (size_t i = 0; ok && i < groups.size(); ++i)
            ok = GroupRow(groups[i], page.html);
    } catch (const std::exception&) {
        ReportRegisterException();
        ok = false;
    }
    if (!ok) {
        page.complete = false;
        page.html += IncompleteNotice();
        return page;
    }
    Toggle();
    page.html += FormatText("<tr bgcolor=%s height=18><td align=center colspan=2>Итого:</td>%s</tr>",
                            (LPCTSTR)m_colour, (LPCTSTR)AmountCells(m_totals, false));
    page.html += "</table></td></tr>" + RegisterSignatures() + "</table>";
    return page;
}

} // namespace

CString TurnoverGroupsSql(const CTurnoverSheetRequest& request, const CString& kbkDeb, const CString& kbkKred,
                          const CString& branchFilter)
{
    // Codes are fixed-width digits: their text order is their numeric order.
    const CString date = SqlDate(request.to);
    const int source = request.source;
    return FormatText(
        "select distinct kbk,sch0,sch1,sch2,spr_plan_sch.name as name_pl,spr_kbk.rasx as ikbk from \t\t( \t\t\tselect "
        "distinct kbk_deb as kbk,deb0 as sch0,deb1 as sch1,deb2 as sch2 from ledmark_provodki where deb3 is not null "
        "and d<=%s and (deb0='%d' or %d=0) %s %s group by kbk_deb,deb0,deb1,deb2 \t\t\tunion \t\t\tselect distinct "
        "kbk_kred as kbk,kred0 as sch0,kred1 as sch1,kred2 as sch2 from ledmark_provodki where kred3 is not null and "
        "d<=%s and (kred0='%d' or %d=0) %s %s group by kbk_kred,kred0,kred1,kred2 \t\t) q \t\tleft join spr_plan_sch "
        "on col0=sch0 and col1=sch1 and col2=sch2 and col3='000' \t\tleft join spr_kbk on spr_kbk.id=kbk \t\tgroup "
        "by kbk,sch0,sch1,sch2,spr_plan_sch.name,spr_kbk.rasx \t\torder by sch1,sch2,sch0,kbk",
        (LPCTSTR)date, source, source, (LPCTSTR)kbkDeb, (LPCTSTR)branchFilter, (LPCTSTR)date, source, source,
        (LPCTSTR)kbkKred, (LPCTSTR)branchFilter);
}

CString TurnoverGroupCondition(const CTurnoverGroup& group, const CString& branchFilter)
{
    // The postings without a KBK are a group of their own.
    const CString kbk = group.kbk == kNoKbk || !IsDigitsOnly(group.kbk) ? CString(" is null") : "=" + group.kbk;
    return FormatText(" and (deb0=%s and deb1=%s and deb2=%s) and kbk_deb%s%s", (LPCTSTR)CodeLiteral(group.sch0),
                      (LPCTSTR)CodeLiteral(group.sch1), (LPCTSTR)CodeLiteral(group.sch2), (LPCTSTR)kbk,
                      (LPCTSTR)branchFilter);
}

CString TurnoverScriptCall(const CTurnoverSheetRequest& request, int mode, const CString& condition,
                           long connection, const CString& kbk, const CString& branchFilter)
{
    const CString kbkArgument = IsDigitsOnly(kbk) ? kbk : CString(kNoKbk);
    return FormatText(kScriptCall, (LPCTSTR)DMGtoStr(request.from), (LPCTSTR)DMGtoStr(request.to), mode,
                      (LPCTSTR)MakeParam(condition), int(connection), (LPCTSTR)kbkArgument,
                      (LPCTSTR)MakeParam(branchFilter));
}

LimitPage BuildTurnoverSheet(const CTurnoverSheetRequest& request, long connection)
{
    return TurnoverSheet(request, connection).Build();
}

} // namespace nledmark
