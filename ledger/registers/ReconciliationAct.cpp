#include "ReconciliationAct.h"

#include "CheckBookPage.h"
#include "ConfigGlobals.h"
#include "RegisterPage.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <map>
#include <tuple>

namespace nledmark {

const SettlementAccount kSettlementAccounts[9] = {
    {"020500000", +1, "020500000"}, {"020600000", +1, "020600000"}, {"020601000", -1, "020600000"},
    {"020602000", -1, "020600000"}, {"020603000", -1, "020600000"}, {"030200000", +1, "130202000"},
    {"030201000", -1, "130202000"}, {"030202000", -1, "130202000"}, {"030203000", -1, "130202000"},
};

namespace {

// The account whose dimensions tell whether the act is kept per department.
const char* const kDepartmentAccount = "130202000";

// A document of the act: its date (sortable), the document's text, its
// number and the posting's document id, so two documents of one kind,
// number and date (in two branches) stay two rows.
struct DocumentKey {
    COleDateTime date;
    CString document, number;
    long id = 0;
    bool operator<(const DocumentKey& o) const
    {
        if (date != o.date)
            return date < o.date;
        if (int c = document.Compare(o.document))
            return c < 0;
        if (int c = number.Compare(o.number))
            return c < 0;
        return id < o.id;
    }
};

struct DocumentSums {
    double debit = 0, credit = 0;
    CString operation;
};

CString Row(const CString& date, const CString& document, const CString& number, double debit, double credit,
            const CString& text)
{
    CString row = FormatText("<tr><td align=right>%s&nbsp;</td><td>&nbsp;%s&nbsp;</td><td align=right>%s&nbsp;</td>"
                             "<td align=right nowrap>%s&nbsp;</td><td nowrap align=right>%s&nbsp;</td><td>&nbsp;%s</td>",
                             (LPCTSTR)HtmlText(date), (LPCTSTR)HtmlText(document), (LPCTSTR)HtmlText(number),
                             (LPCTSTR)ftoa0(debit), (LPCTSTR)ftoa0(credit), (LPCTSTR)text);
    for (int k = 0; k < 6; ++k)
        row += "<td>&nbsp;</td>";
    return row + "</tr>";
}

CString SummaryRow(const char* label, double debit, double credit)
{
    return FormatText("<tr><td align=center colspan=3>%s</td><td align=right nowrap>%s&nbsp;</td>"
                      "<td align=right nowrap>%s&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td>"
                      "<td align=center colspan=3>%s</td><td>&nbsp;</td><td>&nbsp;</td></tr>",
                      label, (LPCTSTR)ftoa0(debit), (LPCTSTR)ftoa0(credit), label);
}

class ActBuilder {
public:
    explicit ActBuilder(const CReconciliationRequest& r) : m_r(r) {}
    LimitPage Build();

private:
    CString Head() const;
    bool Incoming(double& debit, double& credit);
    bool Postings(CString& rows, double& debit, double& credit);
    CString Signatures() const;
    CString Name(const CString& account, const CString& code);

    const CReconciliationRequest& m_r;
    CString m_ourName, m_contrName, m_institution;
    std::map<std::pair<CString, CString>, CString> m_names;
};

CString ActBuilder::Head() const
{
    const char* const gap = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
    CString head = FormatText(
        "<table cellpadding=0 cellspacing=0 border=0 width=100%%>"
        "<tr><td align=center><b><font size=3>Акт сверки взаиморасчетов с %s по %s</font></b></td></tr>"
        "<tr height=25><td>Нами: <i><u>%s%s%s&nbsp;</u></i></td></tr>"
        "<tr height=25><td>и представителем: <i><u>%s%s%s&nbsp;</u></i></td></tr>"
        "<tr height=25><td>произведена сверка бухгалтерских взаиморасчетов по состоянию на "
        "<u>&nbsp;&nbsp;&nbsp;%s&nbsp;&nbsp;&nbsp;</u></td></tr>"
        "<tr height=25><td>В результате сверки установлено следующее</td></tr>"
        "<tr><td><br><table cellpadding=0 cellspacing=0 border=1 width=100%%><tr>"
        "<td align=center colspan=6><i>%s</i></td><td align=center colspan=6><i>%s</i></td></tr><tr>",
        (LPCTSTR)DMGtoStr(m_r.from), (LPCTSTR)DMGtoStr(m_r.to), gap, (LPCTSTR)HtmlText(m_ourName), gap, gap,
        (LPCTSTR)HtmlText(m_contrName), gap, (LPCTSTR)DMGtoStr(m_r.today), (LPCTSTR)HtmlText(m_institution),
        (LPCTSTR)HtmlText(m_contrName));
    const CString ours = "<td align=center width=65><b>Дата</b></td><td align=center width=65><b>Документ</b></td>"
                         "<td align=center width=50><b>Номер</b></td><td align=center width=60><b>Д-т</b></td>"
                         "<td align=center width=60><b>К-т</b></td>";
    // The counterparty's half mirrors ours: the operations next to the seam.
    return head + ours + "<td align=center><b>Наименование операций</b></td>"
                         "<td align=center><b>Наименование операций</b></td>" +
           ours + "</tr>";
}

bool ActBuilder::Incoming(double& debit, double& credit)
{
    debit = credit = 0;
    const CString date = DMGtoStr(m_r.from), contr = utoa(m_r.counterparty);
    const CString department = m_r.department > 0 ? utoa(m_r.department) : CString();
    for (const SettlementAccount& a : kSettlementAccounts) {
        const CString second = IsDepartmentDimension(a.analytics, 2) ? department : CString();
        const CString third = IsDepartmentDimension(a.analytics, 3) ? department : CString();
        LedgerBalance b;
        if (!GL_ReadOst0(GL_GetOstEx0(date, a.code, contr, second, third, m_r.branches, m_r.kbkList, nullptr), b))
            return false;
        debit += a.sign * b.debit;
        credit += a.sign * b.credit;
    }
    NormalizeOst(debit, credit);
    return true;
}

// The names of analytic values repeat from posting to posting: each is asked
// of the configuration once per account and code.
CString ActBuilder::Name(const CString& account, const CString& code)
{
    const auto key = std::make_pair(account, code);
    auto found = m_names.find(key);
    if (found == m_names.end())
        found = m_names.emplace(key, GL_SB_Name((const char*)account, short(1), (const char*)code)).first;
    return found->second;
}

bool ActBuilder::Postings(CString& rows, double& debit, double& credit)
{
    const CString sql = GL_SqlProvodki(RegisterSqlDate(m_r.from), RegisterSqlDate(m_r.to),
                                       "where " + ReconciliationCondition(m_r.counterparty, m_r.kbkList,
                                                                          GetFilsSql(m_r.branches)),
                                       1);
    if (sql.IsEmpty())
        return false;
    std::map<DocumentKey, DocumentSums> documents;
    const long read = ForEachRow(sql, [&](_RecordsetPtr& rs) {
        const CString dbt = RegisterColumn(rs, "dbt"), krdt = RegisterColumn(rs, "krdt");
        const CString debSynthetic = dbt.Mid(1, 3), kredSynthetic = krdt.Mid(1, 3);
        // An advance set off against the payable moves nothing between the parties.
        if ((debSynthetic == "206" && kredSynthetic == "302") || (debSynthetic == "302" && kredSynthetic == "206"))
            return;
        const double amount = atof(RegisterColumn(rs, "s"));
        const bool manual = atol(RegisterColumn(rs, "doc_id")) == 1;
        const CString document = manual ? RegisterColumn(rs, "icn") : RegisterColumn(rs, "doc_name");
        const CString operation = manual ? CString() : RegisterColumn(rs, "so");
        auto settlement = [](const CString& synthetic) {
            return synthetic == "205" || synthetic == "206" || synthetic == "302";
        };
        double d = 0, k = 0;
        CString names;
        auto addName = [&](const CString& account, const CString& code) {
            if (code.IsEmpty())
                return;
            const CString name = Name(account, code);
            names += (names.IsEmpty() ? "" : "<br>") + HtmlText(name);
        };
        if (settlement(debSynthetic)) {
            d = amount;
            addName(krdt, RegisterColumn(rs, "kred_sb1"));
        }
        if (settlement(kredSynthetic)) {
            k = amount;
            addName(dbt, RegisterColumn(rs, "deb_sb1"));
        }
        debit += d;
        credit += k;
        const CString date = RegisterColumn(rs, "d"), number = RegisterColumn(rs, "number");
        if (m_r.perPosting) {
            rows += Row(date, document, number, d, k, names.IsEmpty() ? HtmlText(operation) : names);
            return;
        }
        DocumentSums& sums = documents[{qwDMG(date, 1), document, number, atol(RegisterColumn(rs, "id"))}];
        sums.debit += d;
        sums.credit += k;
        sums.operation = operation;
    });
    for (const auto& [key, sums] : documents)
        rows += Row(DMGtoStr(key.date), key.document, key.number, sums.debit, sums.credit, HtmlText(sums.operation));
    return read >= 0;
}

CString ActBuilder::Signatures() const
{
    CString text = "<tr height=50><td valign=bottom>";
    text += FormatText(
        "<table cellpadding=0 cellspacing=0><tr><td>Руководитель</td><td>________________</td>"
        "<td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td><td valign=bottom colspan=4><u>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
        "<i>%s</i>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</u></td></tr><tr height=10><td>&nbsp;</td>"
        "<td align=center valign=top>(подпись)</td><td>&nbsp;</td><td align=center valign=top colspan=4>"
        "(расшифровка подписи)</td></tr></table></td></tr>",
        (LPCTSTR)HtmlText(GetFilRuk0(m_r.branches, 1)));
    text += FormatText(
        "<tr height=50><td valign=bottom><table cellpadding=0 cellspacing=0><tr><td>Главный бухгалтер</td>"
        "<td>________________</td><td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td><td valign=bottom><u>"
        "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<i>%s</i>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</u></td></tr>"
        "<tr height=10><td>&nbsp;</td><td align=center valign=top>(подпись)</td><td>&nbsp;</td>"
        "<td align=center valign=top>(расшифровка подписи)</td></tr></table></td></tr>",
        (LPCTSTR)HtmlText(GetConstant("ORG_GL_BUH", 1)));
    text += FormatText("<tr height=50><td>Представитель <i>%s</i> __________________________</td></tr>"
                       "<tr height=30><td>Представитель <i>%s</i> __________________________</td></tr>",
                       (LPCTSTR)HtmlText(m_ourName), (LPCTSTR)HtmlText(m_contrName));
    text += FormatText("<tr height=35><td>\"<u>&nbsp;&nbsp;%02d&nbsp;&nbsp;</u>\"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
                       "<u>&nbsp;&nbsp;&nbsp;<i>%s</i>&nbsp;&nbsp;&nbsp;</u>&nbsp;&nbsp;&nbsp;&nbsp;%d г.</td></tr>",
                       m_r.today.GetDay(), (LPCTSTR)GetMonthName0(m_r.today.GetMonth()), m_r.today.GetYear());
    return text + "</table>";
}

LimitPage ActBuilder::Build()
{
    const CString contr = utoa(m_r.counterparty);
    m_institution = GetFilName0(m_r.branches);
    m_ourName = m_r.department > 0 ? GetFromSPR("spr_prd", utoa(m_r.department), nullptr) : m_institution;
    m_contrName = GetFromSPR("spr_contr", contr, nullptr);
    LimitPage page;
    page.html = Head();
    double inDebit = 0, inCredit = 0, debit = 0, credit = 0;
    if (!Incoming(inDebit, inCredit)) {
        page.complete = false;
        page.html += IncompleteNotice();
        return page;
    }
    page.html += SummaryRow("Входящее сальдо", inDebit, inCredit);
    CString rows;
    const bool read = Postings(rows, debit, credit);
    page.html += rows;
    if (!read) {
        page.complete = false;
        page.html += IncompleteNotice();
        return page;
    }
    page.html += SummaryRow("Итого обороты", debit, credit);
    double closingDebit = inDebit + debit, closingCredit = inCredit + credit;
    NormalizeOst(closingDebit, closingCredit);
    page.html += SummaryRow("Итого остаток", closingDebit, closingCredit) + "</table></td></tr>";
    page.html += Signatures();
    return page;
}

} // namespace

bool IsDepartmentDimension(const char* account, short n)
{
    return I_GetSprTableName(GL_Get_SB(account, n)) == "spr_prd";
}

bool ActHasDepartment()
{
    for (short n = 1; n <= 3; ++n)
        if (IsDepartmentDimension(kDepartmentAccount, n))
            return true;
    return false;
}

CString ReconciliationCondition(long counterparty, const CString& kbkList, const CString& branchFilter)
{
    CString kbkDeb, kbkKred;
    if (!kbkList.IsEmpty()) {
        kbkDeb = " and kbk_deb in (" + kbkList + ")";
        kbkKred = " and kbk_kred in (" + kbkList + ")";
    }
    // The analytic columns hold text: the id is compared as a quoted literal.
    const CString id = "'" + utoa(counterparty) + "'";
    const char* const notSub = "2<>'01' and %s2<>'02' and %s2<>'03'";
    auto side = [&](const char* s, const char* synthetic, const CString& kbk, bool subAccounts) {
        CString text = FormatText("(%s1='%s' and %s_sb1=%s", s, synthetic, s, (LPCTSTR)id);
        if (subAccounts)
            text += FormatText(" and %s", s) + FormatText(notSub, s, s);
        return text + kbk + ")";
    };
    return "(((" + side("deb", "205", kbkDeb, false) + " or " + side("kred", "205", kbkKred, false) + ") or (" +
           side("deb", "302", kbkDeb, true) + " or " + side("kred", "302", kbkKred, true) + " or " +
           side("deb", "206", kbkDeb, true) + " or " + side("kred", "206", kbkKred, true) + ")) " + branchFilter + ")";
}

LimitPage BuildReconciliationAct(const CReconciliationRequest& request)
{
    return ActBuilder(request).Build();
}

} // namespace nledmark
