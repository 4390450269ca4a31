#include "TariffList.h"

#include "CVenz.h"
#include "StaffNumbers.h"
#include "TariffFigures.h"
#include "TariffListColumns.h"
#include "TariffRows.h"
#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>


namespace nvenzol {

namespace {

using C = TariffCell;

// The assignments of the list: order kind 1, of the statement's positions,
// under the form, begun by D1 and not ended before D2.
CString Scope(const TariffListRequest& r, const CString& d1, const CString& d2)
{
    return FormatText("vf=%d and d1<=%s and (d2 is null or d2>=%s) and ssv1.nv=%d and kpr=1", r.vf, d1, d2, r.nv);
}

CString Field(_RecordsetPtr& rows, const char* name)
{
    return SafeArayToString(rows->GetCollect(name));
}

double Value(C cell, const TariffFigures& f)
{
    switch (cell) {
    case C::St: return 0;
    case C::O: return f.O;
    case C::H: return f.H;
    case C::IO: return f.IO;
    case C::S: return f.S;
    case C::ZR: return f.ZR;
    case C::ZV: return f.ZV;
    case C::P: return f.P;
    case C::T: case C::TTwo: return f.T;
    case C::KAT: return f.KAT;
    case C::UCH: return f.UCH;
    case C::ZVN: return f.ZVN;
    case C::OP: return f.OP;
    case C::DP: return f.DP;
    default: return 0;
    }
}

CString CellText(C cell, const TariffInput& in, const TariffFigures& f)
{
    switch (cell) {
    case C::Tab: return in.tn + "." + in.npp;
    case C::Fio: return in.fio;
    case C::Idol: return in.idol;
    case C::Raz: return in.raz;
    case C::Raz1: return in.raz1;
    case C::Raz2: return in.raz2;
    case C::Raz3: return in.raz3;
    case C::Ktgr: return in.ktgr;
    case C::DateKat: return in.dateKat;
    case C::NoKat: return in.noKat;
    case C::Stext: return f.Stext;
    case C::G: return ::Number(double(f.G), 0);
    case C::Reduction: return ::Number(0.0, 0);
    case C::PrRab: return ::Number(in.prRab, 0);
    case C::PlusKat: return ::Number(in.plusKat, 0);
    case C::PlusUchSt: return ::Number(in.plusUchSt, 0);
    case C::PlusZv: return ::Number(in.plusZv, 0);
    case C::PlusOpas: return ::Number(in.plusOpas, 0);
    case C::PlusDopl: return ::Number(in.plusDopl, 0);
    case C::K: return ftoa2(f.K);
    case C::St: return ftoa2(in.st);
    case C::Vr: return ftoa2(in.vr);
    case C::Spct: return ftoa2(f.Spct);
    case C::ZasRAB: return ftoa2(in.zasRAB);
    case C::Zv: return ftoa2(f.zv);
    case C::Premiya: return ftoa2(in.premiya);
    case C::TTwo: return ftoa2(f.T);
    case C::BTwo: return ftoa2(f.B);
    case C::B: return ftoa(f.B);
    case C::RuralPct: return ftoa2(0);
    case C::Rural: return ftoa(0);
    case C::Note: return CString();
    default: return ftoa(Value(cell, f));
    }
}

// The sums of a department, a category or the list, by cell.
struct Totals {
    std::map<C, double> sums;
    double st = 0;
    void Add(const TariffColumnSet& set, const TariffInput& in, const TariffFigures& f)
    {
        for (const TariffGroup& group : set.groups)
            for (C cell : group.cells)
                if (Summed(cell) && cell != C::St)
                    sums[cell] += Value(cell, f);
        st += in.st;
    }
    void Add(const Totals& other)
    {
        for (const auto& [cell, sum] : other.sums)
            sums[cell] += sum;
        st += other.st;
    }
    double T() const
    {
        const auto t = sums.find(C::T), two = sums.find(C::TTwo);
        return (t == sums.end() ? 0 : t->second) + (two == sums.end() ? 0 : two->second);
    }
};

CString Head(const TariffColumnSet& set)
{
    CString html = "<tr><td><br><table cellpadding=0 cellspacing=0 border=1 width=100%><tr>";
    CString subs;
    for (const TariffGroup& group : set.groups) {
        if (group.subs.empty()) {
            html += FormatText("<td align=center rowspan=2><b>%s</b></td>", group.caption);
            continue;
        }
        html += FormatText("<td align=center colspan=%d><b>%s</b></td>", int(group.subs.size()), group.caption);
        for (const char* sub : group.subs)
            subs += FormatText("<td align=center><b>%s</b></td>", sub);
    }
    html += "</tr><tr>" + subs + "</tr><tr>";
    const int columns = ColumnCount(set);
    for (int i = 0; i < columns; ++i) {
        const CString number = set.numbering.empty() ? FormatText("%d", i + 1) : CString(set.numbering[i].c_str());
        html += "<td align=center>" + number + "</td>";
    }
    return html + "</tr>";
}

CString Row(const TariffColumnSet& set, const TariffInput& in, const TariffFigures& f, bool fioFull)
{
    CString html = "<tr height=20>";
    for (const TariffGroup& group : set.groups)
        for (C cell : group.cells) {
            if (cell == C::Note)
                continue;
            CString text = CellText(cell, in, f);
            if (cell == C::Fio && fioFull)
                text.Replace(" ", "<br>");
            if (cell == C::Fio || cell == C::Idol)
                html += "<td>&nbsp;" + text + "</td>";
            else
                html += "<td align=right nowrap>&nbsp;" + text + "&nbsp;</td>";
        }
    return html + "<td>&nbsp;</td></tr>";
}

CString TotalRow(const TariffColumnSet& set, const CString& label, const Totals& totals)
{
    CString html = FormatText("<tr height=20><td colspan=%d><b>&nbsp;%s</b></td>", set.labelSpan, label);
    auto sum = [&totals](C cell) {
        if (cell == C::St)
            return ftoa2(totals.st);
        const auto found = totals.sums.find(cell);
        return ftoa(found == totals.sums.end() ? 0 : found->second);
    };
    int position = 0;
    for (const TariffGroup& group : set.groups) {
        const int width = int(group.cells.size());
        if (position + width <= set.labelSpan) {
            position += width;
            continue;
        }
        position += width;
        if (group.mergedTotal) {
            html += FormatText("<td align=right colspan=%d nowrap><b>&nbsp;%s&nbsp;</b></td>", width,
                               sum(group.cells.back()));
            continue;
        }
        for (C cell : group.cells)
            html += Summed(cell) ? "<td align=right nowrap><b>&nbsp;" + sum(cell) + "&nbsp;</b></td>"
                                 : CString("<td>&nbsp;</td>");
    }
    return html + "</tr>";
}

CString Commission(const TariffListRequest& r)
{
    CString html = "<tr><td><table> <tr height=30 valign=center><td colspan=3>Члены Тарификационной комиссии:</td>"
                   "<td colspan=3>&nbsp;</td><td>&nbsp;</td></tr>";
    for (const CString& number : r.members)
        html += FormatText("<tr height=25><td colspan=3>%s</td><td colspan=3>&nbsp;____________&nbsp;&nbsp;&nbsp;"
                           "&nbsp;</td><td colspan=7>%s</td></tr>",
                           GetFromSPR("ssv", GetTN(number, "dol"), nullptr), GetFio(number));
    return html + "</table></td></tr></td></tr></table>";
}

// Thrown when the script could not answer: the list stops, nothing is shown.
struct ScriptFailed : std::runtime_error {
    ScriptFailed() : std::runtime_error("script") {}
};

class Builder {
public:
    Builder(const TariffListRequest& r, const TariffColumnSet& set) : m_r(r), m_set(set) {}

    bool Build(TariffListPage& page);

private:
    void Category(const CString& kat, const CString& ikat, Totals& list);
    void Department(const CString& kat, const CString& prd, const CString& label, Totals& category);

    const TariffListRequest& m_r;
    const TariffColumnSet& m_set;
    TariffContext m_list;
    CString m_d1, m_d2, m_html;
    std::vector<CString> m_statements;

    _RecordsetPtr Open(const CString& sql)
    {
        m_statements.push_back(sql);
        return GetConnection()->Execute(_bstr_t(sql), nullptr, adCmdText);
    }
};

bool Builder::Build(TariffListPage& page)
{
    if (!OpenTariffContext(m_r.d1, m_r.d2, m_list))
        return false;
    m_d1 = ChangeDateUS0(m_r.d1, 0);
    m_d2 = ChangeDateUS0(m_r.d2, 0);

    const CString form = GetFromSPR("spr_venz_vf", FormatText("%d", m_r.vf), nullptr);
    const CString statement = GetFromSPR("nv", FormatText("%d", m_r.nv), nullptr);
    m_html = FormatText(
        "<table cellpadding=0 cellspacing=0 border=0 width=100%%> <tr><td><table width=100%%><tr><td align=center "
        "colspan=12 valign=top><b><font size=5>Тарификационный список работников</font></b>&nbsp;&nbsp;&nbsp;"
        "<b>ведомость</b>: %s</td><td colspan=6>Утверждаю<br>%s _____________ %s<br><br><i>%s</i></td></tr><tr><td "
        "valign=top align=center colspan=12><b>По состоянию на</b>: %s</td><td align=right colspan=6 "
        "valign=bottom><b>Форма № %d</b></td></tr></table></td></tr>",
        statement, GetConstant("ORG_RUK_DOL", 0), GetConstant("ORG_RUK", 1), form, m_r.d1, m_r.tp);
    m_html += Head(m_set);

    Totals list;
    std::vector<std::pair<CString, CString>> categories;
    {
        _RecordsetPtr rows = Open(FormatText("select distinct perso_tn_nip.kat,spr_paymar_kat.name as ikat from perso_tn_nip left "
                               "join ssv on ssv.id=perso_tn_nip.dol right join ssv1 on ssv1.id=ssv.id left join "
                               "spr_paymar_kat on spr_paymar_kat.id=perso_tn_nip.kat where %s group by "
                               "perso_tn_nip.kat,spr_paymar_kat.name order by perso_tn_nip.kat",
                               Scope(m_r, m_d1, m_d2)));
        for (; !rows->GetadoEOF(); rows->MoveNext())
            categories.emplace_back(Field(rows, "kat"), Field(rows, "ikat"));
    }
    for (const auto& [kat, ikat] : categories)
        Category(kat, ikat, list);
    m_html += TotalRow(m_set, "ВСЕГО ПО СПИСКУ", list);
    m_html += "</table></td></tr>";
    m_html += Commission(m_r);
    page.html = m_html;
    page.total = list.T();
    page.statements = m_statements;
    return true;
}

void Builder::Category(const CString& kat, const CString& ikat, Totals& list)
{
    CString checked;
    if (!CodeLiteral(kat, checked) || checked == "NULL")
        return;
    const int columns = ColumnCount(m_set);
    CString upper = ikat;
    upper.MakeUpper();
    m_html += FormatText("<tr height=20><td align=center colspan=%d>&nbsp;%s&nbsp;</td></tr>", columns, upper);
    std::vector<std::pair<CString, CString>> departments;
    {
        _RecordsetPtr rows = Open(FormatText("select distinct perso_tn_nip.prd,spr_prd.name as iprd,spr_prd.Real_npp from "
                               "perso_tn_nip left join ssv on ssv.id=perso_tn_nip.dol right join ssv1 on "
                               "ssv1.id=ssv.id left join spr_prd on spr_prd.id=perso_tn_nip.prd where %s and "
                               "perso_tn_nip.kat=%s group by perso_tn_nip.prd,spr_prd.name,spr_prd.Real_npp "
                               "order by spr_prd.Real_npp",
                               Scope(m_r, m_d1, m_d2), checked));
        for (; !rows->GetadoEOF(); rows->MoveNext())
            departments.emplace_back(Field(rows, "prd"), Field(rows, "iprd"));
    }
    Totals category;
    for (const auto& [prd, iprd] : departments) {
        const CString label = iprd + " " + ikat;
        m_html += FormatText("<tr height=20><td align=center colspan=%d>&nbsp;%s&nbsp;</td></tr>", columns, label);
        Department(checked, prd, label, category);
    }
    if (category.T() != 0)
        m_html += TotalRow(m_set, "Итого " + ikat, category);
    list.Add(category);
}

void Builder::Department(const CString& kat, const CString& prd, const CString& label, Totals& category)
{
    CString checked;
    if (!CodeLiteral(prd, checked) || checked == "NULL")
        return;
    const CString fio = m_r.fioFull ? GL_SqlFio() : GL_SqlFioShort();
    const CString group = m_r.newVariant ? ",spr_venz_gr.s as OklGr" : "";
    const CString groupJoin = m_r.newVariant ? "left join spr_venz_gr on spr_venz_gr.id=ssv.gr " : "";
    const CString sql = FormatText(
        "select uch_vred,kof,uch,ssv.kat as ktgr,vr,nsr,nsr_u,du,tn.dnbs,tn.dnbs_u,perso_tn_nip.*,%s as fio,ssv.name "
        "as idol,raz,ssv1.s as kontr%s from perso_tn_nip left join ssv on ssv.id=perso_tn_nip.dol %sright join ssv1 "
        "on ssv1.id=ssv.id left join spr_venz_vf on spr_venz_vf.id=perso_tn_nip.vf left join tn on "
        "tn.tn=perso_tn_nip.tn where perso_tn_nip.kat=%s and (du is null or du>%s) and %s and perso_tn_nip.prd=%s "
        "order by perso_tn_nip.tn",
        fio, group, groupJoin, kat, m_d2, Scope(m_r, m_d1, m_d2), checked);
    std::vector<TariffInput> inputs;
    {
        _RecordsetPtr rows = Open(sql);
        const RowReader reader(rows);
        for (; !rows->GetadoEOF(); rows->MoveNext())
            inputs.push_back(ReadRow(reader, m_r.newVariant));
    }
    Totals department;
    for (const TariffInput& in : inputs) {
        TariffFigures f;
        if (m_r.newVariant)
            f = NewFigures(in, m_list);
        else if (!ClassicFigures(in, m_list, f))
            throw ScriptFailed();
        department.Add(m_set, in, f);
        m_html += Row(m_set, in, f, m_r.fioFull);
    }
    if (department.T() != 0)
        m_html += TotalRow(m_set, "Итого " + label, department);
    category.Add(department);
}

} // namespace

bool BuildTariffList(const TariffListRequest& request, TariffListPage& page)
{
    CWaitCursor wait;
    page = TariffListPage();
    const TariffColumnSet* set = request.newVariant ? NewColumns(request.tp) : ClassicColumns(request.tp);
    if (!set) {
        AfxMessageBox("Неверный тип формы");
        return false;
    }
    try {
        Builder builder(request, *set);
        return builder.Build(page);
    } catch (const ScriptFailed&) {
        return false;
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
        return false;
    } catch (...) {
        AfxMessageBox("*** Unhandled Exception from CPrnJurnalBolView ***");
        return false;
    }
}

} // namespace nvenzol
