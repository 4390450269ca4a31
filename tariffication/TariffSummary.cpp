#include "TariffSummary.h"

#include "StaffNumbers.h"
#include "TariffRows.h"
#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace nvenzol {

void TariffSums::Add(const TariffSums& other)
{
    for (int i = 0; i < 5; ++i) {
        all[i] += other.all[i];
        vacant[i] += other.vacant[i];
    }
}

namespace {

enum Sum { Rates = 0, Fund = 1, Harm = 2, Seniority = 3, Bonus = 4 };

// The positions of the assignments and their rates per statement.
const char* const kRates = "from perso_tn_nip left join ssv on ssv.id=perso_tn_nip.dol right join ssv1 on ssv1.id=ssv.id ";

struct ScriptFailed : std::runtime_error {
    ScriptFailed() : std::runtime_error("script") {}
};

CString Cells(const TariffSums& s)
{
    CString html = FormatText("<td align=right>%s&nbsp;</td><td align=right>%s&nbsp;</td>",
                              FormatNumber(s.all[Rates], "", 2), rtz(FormatNumber(s.vacant[Rates], "", 2)));
    for (int i = Fund; i <= Bonus; ++i)
        html += FormatText("<td align=right>%s&nbsp;</td><td align=right>%s&nbsp;</td>", ftoa(s.all[i]), ftoa(s.vacant[i]));
    return html + "</tr>";
}

CString Head(const TariffSummaryRequest& r)
{
    CString html = FormatText(
        "<table cellpadding=0 cellspacing=0 border=0 width=100%%> <tr><td><table width=100%%><tr> <td align=center "
        "colspan=12 valign=top><b><font size=5>Сводная по тарификации</font></b> &nbsp;&nbsp;&nbsp;<b>ведомость</b>: "
        "%s</td> <td colspan=6>Утверждаю<br>%s _____________ %s</td></tr> <tr><td valign=top align=center "
        "colspan=12><b>По состоянию на</b>: %s</td> <td align=right colspan=6 valign=bottom>&nbsp;</td></tr></table>"
        "</td></tr>",
        r.titles, GetConstant("ORG_RUK_DOL", 0), GetConstant("ORG_RUK", 1), r.d1);
    html += "<tr><td><br><table cellpadding=0 cellspacing=0 border=1 width=100%><tr>"
            "<td rowspan=2 align=center><b>Форма</b></td>";
    for (const char* group : {"Ставка", "Фонд оплаты", "Вредность", "Стаж", "Премия"})
        html += FormatText("<td colspan=2 align=center><b>%s</b></td>", group);
    html += "</tr><tr>";
    for (const char* cell : {"Основная", "Основной", "Основная", "Основной", "Основной"})
        html += FormatText("<td align=center><b>%s</b></td><td align=center><b>в т.ч.<br>вак.</b></td>", cell);
    return html + "</tr>";
}

class Summary {
public:
    explicit Summary(const TariffSummaryRequest& r) : m_r(r) {}

    bool Build(TariffSummaryPage& page)
    {
        if (!OpenTariffContext(m_r.d1, m_r.d2, m_list))
            return false;
        m_d1 = ChangeDateUS0(m_r.d1, 0);
        m_d2 = ChangeDateUS0(m_r.d2, 0);
        CString html = Head(m_r);
        std::vector<std::pair<CString, CString>> forms;
        {
            _RecordsetPtr rows = Open(FormatText(
                "select distinct perso_tn_nip.vf,spr_venz_vf.name as iform,spr_venz_vf.tp %sleft join spr_venz_vf on "
                "spr_venz_vf.id=perso_tn_nip.vf left join tn on tn.tn=perso_tn_nip.tn where perso_tn_nip.kat is not "
                "null and (du is null or du>%s) and vf is not null and d1<=%s and (d2 is null or d2>=%s) %s and "
                "ssv1.st>0 and ssv1.st is not null and kpr=1 order by perso_tn_nip.vf",
                kRates, m_d2, m_d1, m_d2, m_r.condition));
            for (; !rows->GetadoEOF(); rows->MoveNext())
                forms.emplace_back(SafeArayToString(rows->GetCollect("vf")), SafeArayToString(rows->GetCollect("iform")));
        }
        TariffSums total;
        for (const auto& [vf, iform] : forms) {
            html += FormatText("<tr height=20><td>&nbsp;<b>%s</b></td>", iform);
            for (int i = 0; i < 10; ++i)
                html += "<td>&nbsp;</td>";
            html += "</tr>";
            TariffSums form;
            Form(vf, form, html);
            html += "<tr height=20 align=right><td><i>Итого</i>&nbsp;</td>" + Cells(form);
            total.Add(form);
        }
        html += "<tr height=20 align=center><td>ИТОГО</td>" + Cells(total) + "</td></tr></table>";
        page.html = html;
        page.total = total;
        page.statements = m_statements;
        return true;
    }

private:
    void Form(const CString& vf, TariffSums& form, CString& html)
    {
        CString checkedVf;
        if (!CodeLiteral(vf, checkedVf) || checkedVf == "NULL")
            return;
        std::vector<std::pair<CString, CString>> categories;
        {
            _RecordsetPtr rows = Open(FormatText(
                "select distinct perso_tn_nip.kat,spr_paymar_kat.name as ikat %sleft join spr_paymar_kat on "
                "spr_paymar_kat.id=perso_tn_nip.kat where vf=%s and d1<=%s and (d2 is null or d2>=%s) %s and kpr=1 "
                "group by perso_tn_nip.kat,spr_paymar_kat.name order by perso_tn_nip.kat",
                kRates, checkedVf, m_d1, m_d2, m_r.condition));
            for (; !rows->GetadoEOF(); rows->MoveNext())
                categories.emplace_back(SafeArayToString(rows->GetCollect("kat")),
                                        SafeArayToString(rows->GetCollect("ikat")));
        }
        for (const auto& [kat, ikat] : categories) {
            CString checkedKat;
            if (!CodeLiteral(kat, checkedKat) || checkedKat == "NULL")
                continue;
            const TariffSums category = Category(checkedVf, checkedKat);
            if (category.Empty())
                continue;
            html += FormatText("<tr height=20><td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;%s</td>", ikat) + Cells(category);
            form.Add(category);
        }
    }

    // One statement gives both passes: every assignment counts in the first,
    // a vacancy (its name holds "Вакансия", as the list finds one) also in
    // the second.
    TariffSums Category(const CString& vf, const CString& kat)
    {
        std::vector<TariffInput> inputs;
        {
            _RecordsetPtr rows = Open(FormatText(
                "select uch_vred,kof,uch,raz,vr,nsr,nsr_u,du,tn.dnbs,tn.dnbs_u,perso_tn_nip.*,ssv1.s as kontr,%s as fio "
                "%sleft join spr_venz_vf on spr_venz_vf.id=perso_tn_nip.vf left join tn on tn.tn=perso_tn_nip.tn "
                "where perso_tn_nip.kat=%s and (du is null or du>%s) and kpr=1 and vf=%s %s and d1<=%s and (d2 is "
                "null or d2>=%s) order by perso_tn_nip.tn",
                GL_SqlFioShort(), kRates, kat, m_d2, vf, m_r.condition, m_d1, m_d2));
            const RowReader reader(rows);
            for (; !rows->GetadoEOF(); rows->MoveNext())
                inputs.push_back(ReadRow(reader, false));
        }
        TariffSums sums;
        for (const TariffInput& in : inputs) {
            TariffFigures f;
            if (!ClassicFigures(in, m_list, f))
                throw ScriptFailed();
            const double figures[5] = {in.st, f.T, f.H, f.S, f.P};
            const bool vacancy = Vacancy(in);
            for (int i = 0; i < 5; ++i) {
                sums.all[i] += figures[i];
                if (vacancy)
                    sums.vacant[i] += figures[i];
            }
        }
        return sums;
    }

    _RecordsetPtr Open(const CString& sql)
    {
        m_statements.push_back(sql);
        return GetConnection()->Execute(_bstr_t(sql), nullptr, adCmdText);
    }

    const TariffSummaryRequest& m_r;
    TariffContext m_list;
    CString m_d1, m_d2;
    std::vector<CString> m_statements;
};

} // namespace

bool BuildTariffSummary(const TariffSummaryRequest& request, TariffSummaryPage& page)
{
    CWaitCursor wait;
    page = TariffSummaryPage();
    try {
        Summary summary(request);
        return summary.Build(page);
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
