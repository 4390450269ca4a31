#include "ObligationsExecutionPage.h"

#include "ConfigGlobals.h"
#include "LboPeriodPages.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <QStringList>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>

namespace nledmark {

namespace {

// A code as the database compares a text column with a number: whole numbers
// by their value ("0225000" is 225000), other texts as they stand.
std::string CodeKey(const CString& text)
{
    CString trimmed = text;
    trimmed.Trim();
    return IsWholeNumber(trimmed) ? std::to_string(atol(trimmed)) : trimmed.ToStdString();
}

CString Field(_RecordsetPtr& rs, const char* name)
{
    return SafeArayToString(rs->GetCollect(name));
}

// A text with `item` joined: alone into an empty text, else after "<br>".
void Join(CString& text, const CString& item)
{
    text += text.IsEmpty() ? item : "<br>" + item;
}

// The settlement accounts of suppliers: 302.xx but 302.01-302.03.
CString SettlementSide(const char* side)
{
    return FormatText("(%s1='302' and %s2<>'01' and %s2<>'02' and %s2<>'03')", side, side, side, side);
}

struct Posting {
    double s = 0;
    CString d, number;
};
// Counterparty, economic code, KBK ("" for none).
using PartyCode = std::tuple<long, std::string, std::string>;
using Postings = std::map<PartyCode, std::vector<Posting>>;

// A line of a bank payment document: its document's date, the economic code,
// the counterparty of the debit account's first counterparty dimension ("" when
// it has none), the payment order and the line's own amount.
struct BankLine {
    CString docDate;
    std::string ekr, party;
    CString order;
    double amount = 0;
};

struct Breakdown {
    long contract = 0;
    std::vector<QStringList> rows;
};

struct Contract {
    CString term, number, date;
};

struct Order {
    CString date, number;
};

struct Group {
    CString kbk, ekr, kbkCode;
    double s = 0;
};

// What one run reads once for every group.
struct RunData {
    std::set<long> breakdownParties;
    std::set<PartyCode> postingParties;
    std::map<long, CString> names;
    std::vector<long> nameOrder;
    Postings invoices, payments;
    std::vector<BankLine> bank;
    std::map<long, std::vector<Breakdown>> breakdowns;
    std::map<long, Contract> contracts;
    std::map<CString, Order> orders;
};

class Builder {
public:
    explicit Builder(const ObligationsFilter& filter)
        : m_filter(filter), m_fromText(DMGtoStr(filter.from)), m_toText(DMGtoStr(filter.to)),
          m_from(ChangeDateUS0(m_fromText, 0)), m_to(ChangeDateUS0(m_toText, 0)),
          m_creditSql(CreditSide(filter.sourceSql))
    {
    }

    LimitPage Build();

private:
    bool Read(const CString& sql, const std::function<void(_RecordsetPtr&)>& each)
    {
        if (m_ok && (sql.IsEmpty() || ForEachRow(sql, each) < 0))
            m_ok = false;
        return m_ok;
    }
    CString Branch(const char* column = "fil_id") const
    {
        return FormatText("(%d=-2 or %s=%d)", m_filter.branch, column, m_filter.branch);
    }
    void ReadParties();
    void ReadPostings(const char* side, const CString& sourceSql, Postings& into);
    void ReadBank();
    void ReadBreakdowns();
    void ReadNames();
    bool SourceCounts(const QString& cell) const;
    double Unregistered(const Group& group);
    CString PartyRow(const Group& group, long party);
    CString Head() const;

    const ObligationsFilter& m_filter;
    const CString m_fromText, m_toText, m_from, m_to, m_creditSql;
    RunData m_data;
    bool m_ok = true;
};

void Builder::ReadParties()
{
    // Every counterparty with invoices for a code and KBK, or paid from the
    // personal or the bank account; the counterparties of the period's
    // breakdowns stand in every group (ReadBreakdowns).
    const CString sql = FormatText(
        "select distinct kred_sb1 as org,kred_sb2 as ekr,kbk_kred as kbk from ledmark_provodki where d>=%s and d<=%s "
        "and %s and %s %s union select distinct deb_sb1 as org,deb_sb2 as ekr,kbk_deb as kbk from ledmark_provodki "
        "where d>=%s and d<=%s and %s and ((kred1='304' and kred2='05') or (kred1='201' and kred2='01')) and %s %s",
        (LPCTSTR)m_from, (LPCTSTR)m_to, (LPCTSTR)SettlementSide("kred"), (LPCTSTR)Branch(),
        (LPCTSTR)m_filter.sourceSql, (LPCTSTR)m_from, (LPCTSTR)m_to, (LPCTSTR)SettlementSide("deb"),
        (LPCTSTR)Branch(), (LPCTSTR)m_creditSql);
    Read(sql, [this](_RecordsetPtr& rs) {
        const CString org = Field(rs, "org");
        if (IsWholeNumber(org))
            m_data.postingParties.emplace(atol(org), CodeKey(Field(rs, "ekr")), CodeKey(Field(rs, "kbk")));
    });
}

void Builder::ReadPostings(const char* side, const CString& sourceSql, Postings& into)
{
    const CString condition = FormatText("where %s %s and %s", (LPCTSTR)SettlementSide(side), (LPCTSTR)sourceSql,
                                         (LPCTSTR)Branch());
    const CString org = FormatText("%s_sb1", side), ekr = FormatText("%s_sb2", side), kbk = FormatText("kbk_%s", side);
    Read(GL_SqlProvodki(m_from, m_to, condition, 0), [&](_RecordsetPtr& rs) {
        const CString party = Field(rs, org);
        if (!IsWholeNumber(party))
            return;
        Posting posting;
        posting.s = atof(Field(rs, "s"));
        posting.d = Field(rs, "d");
        posting.number = Field(rs, "number");
        into[{atol(party), CodeKey(Field(rs, ekr)), CodeKey(Field(rs, kbk))}].push_back(posting);
    });
}

void Builder::ReadBank()
{
    std::map<CString, int> partyDimension; // account -> the first dimension kept in spr_contr, 0 none
    std::set<long> orders;
    const CString rowDelimiter = GetDelimiter(), cellDelimiter = GetDelimiter0();
    Read(FormatText("select d,grid,s,number from ledmark_bank_spis where d>=%s and d<=%s  and %s order by d,number",
                    (LPCTSTR)m_from, (LPCTSTR)m_to, (LPCTSTR)Branch()),
         [&](_RecordsetPtr& rs) {
             const CString date = Field(rs, "d");
             for (const QString& line : Field(rs, "grid").ToQString().split(rowDelimiter.ToQString())) {
                 const QStringList cells = line.split(cellDelimiter.ToQString());
                 if (cells.size() < 8 || cells[0].isEmpty())
                     continue;
                 const CString account(cells[1]);
                 auto dimension = partyDimension.find(account);
                 if (dimension == partyDimension.end()) {
                     int found = 0;
                     for (short n = 1; n <= 3 && !found; ++n)
                         if (I_GetSprTableName(GL_Get_SB(account, n)) == "spr_contr")
                             found = n;
                     dimension = partyDimension.emplace(account, found).first;
                 }
                 BankLine bank;
                 bank.docDate = date;
                 bank.ekr = CodeKey(CString(cells[0]));
                 if (dimension->second)
                     bank.party = CodeKey(CString(cells[dimension->second + 1]));
                 bank.order = CString(cells[7]).Trim();
                 bank.amount = atof(CString(cells[5]));
                 if (IsWholeNumber(bank.order))
                     orders.insert(atol(bank.order));
                 m_data.bank.push_back(bank);
             }
         });
    CString list;
    for (long npp : orders)
        list += FormatText("%s%d", list.IsEmpty() ? "" : ",", npp);
    if (!list.IsEmpty())
        Read(FormatText("select npp,d,cast(number as char) as number from plpor where npp in (%s)", (LPCTSTR)list),
             [this](_RecordsetPtr& rs) {
                 m_data.orders[Field(rs, "npp")] = {Field(rs, "d"), Field(rs, "number")};
             });
}

void Builder::ReadBreakdowns()
{
    const CString rowDelimiter = GetDelimiter(), cellDelimiter = GetDelimiter0();
    std::set<long> contracts;
    Read(FormatText("select spr_contr.id as org,dogovor,grid from ledmark_budg_rassh left join spr_dogovora on "
                    "ledmark_budg_rassh.dogovor=spr_dogovora.id left join spr_contr on spr_contr.id_tip=spr_dogovora.org "
                    "and tip=0 where ledmark_budg_rassh.d>=%s and ledmark_budg_rassh.d<=%s and %s "
                    "order by ledmark_budg_rassh.d,ledmark_budg_rassh.real_id",
                    (LPCTSTR)m_from, (LPCTSTR)m_to, (LPCTSTR)Branch("ledmark_budg_rassh.fil_id")),
         [&](_RecordsetPtr& rs) {
             const CString org = Field(rs, "org");
             if (!IsWholeNumber(org))
                 return;
             m_data.breakdownParties.insert(atol(org));
             const CString contract = Field(rs, "dogovor");
             if (!IsWholeNumber(contract))
                 return;
             Breakdown breakdown;
             breakdown.contract = atol(contract);
             contracts.insert(breakdown.contract);
             for (const QString& line : Field(rs, "grid").ToQString().split(rowDelimiter.ToQString()))
                 breakdown.rows.push_back(line.split(cellDelimiter.ToQString()));
             m_data.breakdowns[atol(org)].push_back(std::move(breakdown));
         });
    CString list;
    for (long id : contracts)
        list += FormatText("%s%d", list.IsEmpty() ? "" : ",", id);
    if (!list.IsEmpty())
        Read(FormatText("select id,sd,cast(number as char) as number,d from spr_dogovora where id in (%s)",
                        (LPCTSTR)list),
             [this](_RecordsetPtr& rs) {
                 m_data.contracts[atol(Field(rs, "id"))] = {GetPart(Field(rs, "sd"), ":", 1), Field(rs, "number"),
                                                            Field(rs, "d")};
             });
}

void Builder::ReadNames()
{
    std::set<long> ids = m_data.breakdownParties;
    for (const PartyCode& party : m_data.postingParties)
        ids.insert(std::get<0>(party));
    CString list;
    for (long id : ids)
        list += FormatText("%s%d", list.IsEmpty() ? "" : ",", id);
    std::vector<long> named;
    if (!list.IsEmpty())
        Read(FormatText("select id,name from spr_contr where id in (%s) order by name,id", (LPCTSTR)list),
             [&](_RecordsetPtr& rs) {
                 const long id = atol(Field(rs, "id"));
                 m_data.names[id] = Field(rs, "name");
                 named.push_back(id);
             });
    // A counterparty missing from the book has no name and comes first, as
    // an empty name sorts.
    for (long id : ids)
        if (!m_data.names.count(id))
            m_data.nameOrder.push_back(id);
    m_data.nameOrder.insert(m_data.nameOrder.end(), named.begin(), named.end());
}

bool Builder::SourceCounts(const QString& cell) const
{
    if (m_filter.sources.empty())
        return true;
    const std::string code = CodeKey(CString(cell));
    for (const CString& source : m_filter.sources)
        if (CodeKey(source) == code)
            return true;
    return false;
}

double Builder::Unregistered(const Group& group)
{
    // Obligations not subject to registration: the personal account's and the
    // bank account's turnovers against the cash desk, per source.
    const std::vector<CString> every{"0"};
    const std::vector<CString>& sources = m_filter.sources.empty() ? every : m_filter.sources;
    const CString kbk = group.kbk.IsEmpty() ? CString("null") : group.kbk;
    double sum = 0;
    for (const CString& source : sources)
        for (const char* account : {"30405000", "20101000"}) {
            if (!m_ok)
                return sum;
            double debit = 0, credit = 0;
            if (!ReadTurnover(GL_GetOborot(m_fromText, m_toText, source + account, group.ekr, nullptr, nullptr,
                                           "020104000", m_filter.branch, kbk, nullptr),
                              debit, credit))
                m_ok = false;
            sum += credit;
        }
    return sum;
}

// An amount added into a line of invoices or payments: lines of one number
// and date make one, rounded to kopecks.
void Merge(std::map<std::string, CString>& lines, const CString& key, double s)
{
    auto found = lines.find(key.ToStdString());
    double amount = s;
    if (found != lines.end())
        amount = atof(FormatNumber(atof(found->second) + s, "", 2));
    lines[key.ToStdString()] = FormatNumber(amount, "", 2);
}

CString Builder::PartyRow(const Group& group, long party)
{
    const PartyCode code{party, CodeKey(group.ekr), CodeKey(group.kbk)};
    bool shown = false;
    double debt = 0, paid = 0, planned = 0;
    CString invoiceNumbers, invoiceSums, paymentDocs, paymentSums, orders, statementDates, orderSums, terms, contracts;

    std::map<std::string, CString> lines;
    if (auto found = m_data.invoices.find(code); found != m_data.invoices.end())
        for (const Posting& posting : found->second) {
            if (posting.s == 0)
                continue;
            debt += posting.s;
            Merge(lines, "&nbsp;№ " + posting.number + " от " + posting.d, posting.s);
        }
    shown = shown || !lines.empty();
    for (const auto& [key, value] : lines)
        if (atof(value) != 0) {
            Join(invoiceNumbers, CString(key.c_str()));
            Join(invoiceSums, ftoa0(atof(value)) + "&nbsp;");
        }

    lines.clear();
    if (auto found = m_data.payments.find(code); found != m_data.payments.end())
        for (const Posting& posting : found->second) {
            paid += posting.s;
            if (posting.s == 0)
                continue;
            debt -= posting.s;
            Merge(lines, "&nbsp;№ " + posting.number + ", от " + posting.d, posting.s);
        }
    shown = shown || !lines.empty();
    for (const auto& [key, value] : lines) {
        Join(paymentDocs, CString(key.c_str()));
        Join(paymentSums, ftoa0(atof(value)) + "&nbsp;");
    }

    const std::string partyKey = std::to_string(party);
    for (const BankLine& bank : m_data.bank) {
        if (bank.ekr != std::get<1>(code) || bank.party != partyKey || bank.order.IsEmpty())
            continue;
        shown = true;
        const auto order = m_data.orders.find(bank.order);
        const Order found = order == m_data.orders.end() ? Order() : order->second;
        Join(statementDates, bank.docDate);
        Join(orders, "&nbsp;№ " + found.number + ", от " + found.date);
        Join(orderSums, FormatNumber0(bank.amount, "", 2) + "&nbsp;");
    }

    std::map<long, double> plans;
    if (auto found = m_data.breakdowns.find(party); found != m_data.breakdowns.end())
        for (const Breakdown& breakdown : found->second)
            for (const QStringList& cells : breakdown.rows) {
                if (cells.size() < 15 || CodeKey(CString(cells[0])) != std::get<1>(code)
                    || CodeKey(CString(cells[14])) != std::get<2>(code) || !SourceCounts(cells[13]))
                    continue;
                double& plan = plans[breakdown.contract];
                for (int m = 1; m <= 12; ++m)
                    plan += atof(CString(cells[m]));
            }
    shown = shown || !plans.empty();
    for (const auto& [id, plan] : plans) {
        planned += plan;
        const auto contract = m_data.contracts.find(id);
        const Contract found = contract == m_data.contracts.end() ? Contract() : contract->second;
        Join(terms, found.term);
        Join(contracts, found.number);
        contracts += ",&nbsp;" + found.date;
    }
    if (!shown)
        return CString();

    const auto name = m_data.names.find(party);
    const CString cells[] = {name == m_data.names.end() ? CString() : name->second,
                             contracts,
                             ftoa0(planned),
                             terms,
                             invoiceNumbers,
                             invoiceSums,
                             CString(),
                             paymentDocs,
                             paymentSums,
                             orders,
                             statementDates,
                             orderSums,
                             ftoa0(debt),
                             ftoa0(planned - paid)};
    return FormatText(
        "<td valign=top>&nbsp;%s&nbsp;</td><td valign=top nowrap>&nbsp;%s&nbsp;</td><td align=right valign=top "
        "nowrap>&nbsp;%s&nbsp;</td><td valign=top nowrap>&nbsp;%s&nbsp;</td><td valign=top nowrap>&nbsp;%s&nbsp;</td>"
        "<td align=right valign=top nowrap>&nbsp;%s&nbsp;</td><td valign=top nowrap>&nbsp;%s&nbsp;</td><td valign=top "
        "nowrap>&nbsp;%s&nbsp;</td><td valign=top nowrap align=right>&nbsp;%s&nbsp;</td><td valign=top nowrap>&nbsp;"
        "%s&nbsp;</td><td valign=top nowrap>&nbsp;%s&nbsp;</td><td valign=top nowrap align=right>&nbsp;%s&nbsp;</td>"
        "<td valign=top nowrap align=right>&nbsp;%s&nbsp;</td><td valign=top nowrap align=right>&nbsp;%s&nbsp;</td>"
        "</tr>",
        (LPCTSTR)cells[0], (LPCTSTR)cells[1], (LPCTSTR)cells[2], (LPCTSTR)cells[3], (LPCTSTR)cells[4],
        (LPCTSTR)cells[5], (LPCTSTR)cells[6], (LPCTSTR)cells[7], (LPCTSTR)cells[8], (LPCTSTR)cells[9],
        (LPCTSTR)cells[10], (LPCTSTR)cells[11], (LPCTSTR)cells[12], (LPCTSTR)cells[13]);
}

CString Builder::Head() const
{
    CString head = FormatText(
        "<table width=100%% cellpadding=0 cellspacing=0 border=0><tr><td align=center><b>Исполнение денежных "
        "обязательств получателя бюджетных средств<br>на период с  %s по %s</b></td></tr>"
        "<tr><td><table width=100%% cellpadding=0 cellspacing=0 border=1>",
        (LPCTSTR)m_fromText, (LPCTSTR)m_toText);
    head += "<tr><td align=center rowspan=2>№<br>п/п</td>"
            "<td align=center rowspan=2>Бюджетная<br>классифика-<br>ция расходов</td>"
            "<td align=center rowspan=2>Бюджетные<br>ассигнования<br>на год<br>с<br>изменениями</td>"
            "<td align=center rowspan=2>Бюджетные<br>обязательства<br>не подлежащие<br>регистрации</td>"
            "<td align=center rowspan=2>Наименование поставщика</td>"
            "<td align=center colspan=3>Договор</td>"
            "<td align=center colspan=3>Денежное обязательство<br>(счет-фактура)</td>"
            "<td align=center colspan=2>Документ оплаты<br>(выписка банка)</td>"
            "<td align=center colspan=3>Платежное поручение</td>"
            "<td align=center rowspan=2>Кредиторская<br>задолженность</td>"
            "<td align=center rowspan=2>Не<br>исполнение<br>договора</td></tr><tr>";
    for (const char* caption : {"№ и дата", "Сумма", "срок<br>действия", "№ и дата", "Сумма", "Условия и сроки оплаты",
                                "№ и дата", "Сумма", "№ и дата", "Дата выписки", "Сумма"})
        head += FormatText("<td align=center>%s</td>", caption);
    head += "</tr><tr>";
    for (int n = 1; n <= 18; ++n)
        head += FormatText("<td align=center>%d</td>", n);
    return head + "</tr>";
}

LimitPage Builder::Build()
{
    LimitPage page;
    page.html = Head();
    try {
        std::vector<Group> groups;
        Read(ObligationGroupsQuery(m_filter), [&](_RecordsetPtr& rs) {
            groups.push_back({Field(rs, "kbk"), Field(rs, "ekr"), Field(rs, "ikbk"), atof(Field(rs, "s"))});
        });
        if (!groups.empty()) {
            ReadParties();
            ReadBreakdowns();
            ReadNames();
            ReadPostings("kred", m_creditSql, m_data.invoices);
            ReadPostings("deb", m_filter.sourceSql, m_data.payments);
            ReadBank();
        }
        int number = 0;
        for (const Group& group : groups) {
            if (!m_ok)
                break;
            const double unregistered = Unregistered(group);
            if (!m_ok)
                break;
            CString parts[4];
            SplitKbkCode(group.kbkCode, parts);
            const CString classification = FormatText(
                "<font color=green>%s %s %s %s</font>&nbsp; <font color=brown>%s</font>", (LPCTSTR)parts[0],
                (LPCTSTR)parts[1], (LPCTSTR)parts[2], (LPCTSTR)parts[3], (LPCTSTR)group.ekr);
            CString rows;
            int count = 0;
            const std::string ekr = CodeKey(group.ekr), kbk = CodeKey(group.kbk);
            for (long party : m_data.nameOrder) {
                if (!m_data.breakdownParties.count(party) && !m_data.postingParties.count({party, ekr, kbk}))
                    continue;
                const CString row = PartyRow(group, party);
                if (!row.IsEmpty()) {
                    // The first row continues the group's head; a further one opens its own.
                    rows += (count ? "<tr>" : "") + row;
                    ++count;
                }
            }
            ++number;
            if (count == 0)
                rows = "<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td>"
                       "<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td>"
                       "<td>&nbsp;</td><td>&nbsp;</td></tr>";
            const int span = count ? count : 1;
            page.html += FormatText(
                "<tr><td valign=top align=right rowspan=%d>&nbsp;%d&nbsp;</td><td valign=top align=right nowrap "
                "rowspan=%d>&nbsp;%s&nbsp;</td><td valign=top align=right rowspan=%d>&nbsp;%s&nbsp;</td><td valign=top "
                "align=right rowspan=%d>&nbsp;%s&nbsp;</td>",
                span, number, span, (LPCTSTR)classification, span, (LPCTSTR)ftoa0(group.s), span,
                (LPCTSTR)ftoa0(unregistered));
            page.html += rows;
        }
    } catch (const std::exception&) {
        AfxMessageBox("*** Unhandled Exception from CPrnLboMes0View ***");
        m_ok = false;
    }
    if (!m_ok) {
        page.complete = false;
        page.html += IncompleteNotice();
        return page;
    }
    page.html += "</table></td></tr>" + HeadSignatures(m_filter.branch, m_filter.to);
    return page;
}

} // namespace

CString CreditSide(const CString& debitSide)
{
    CString credit = debitSide;
    credit.Replace("deb", "kred");
    return credit;
}

bool SingleBranch(const CString& list, int& branch)
{
    std::vector<long> ids;
    for (const QString& raw : list.ToQString().split(',')) {
        const CString part = CString(raw.trimmed());
        if (part.IsEmpty())
            continue;
        if (!IsWholeNumber(part))
            return false;
        ids.push_back(atol(part));
    }
    if (ids.size() > 1)
        return false;
    branch = ids.empty() ? -2 : int(ids.front());
    return true;
}

CString ObligationGroupsQuery(const ObligationsFilter& filter)
{
    return FormatText("select distinct kbk_deb as kbk,deb_sb1 as ekr,spr_kbk.rasx as ikbk,sum(s) as s from "
                      "ledmark_provodki \t\tleft join spr_kbk on spr_kbk.id=kbk_deb \t\twhere deb_sb1 >= 200000 and "
                      "d>=%s and d<=%s %s and deb1='503' and deb2='01' and (%d=-2 or ledmark_provodki.fil_id=%d) %s "
                      "\t\tgroup by deb_sb1,kbk_deb,spr_kbk.rasx \t\torder by ekr,kbk_deb,spr_kbk.rasx",
                      (LPCTSTR)ChangeDateUS0(DMGtoStr(filter.from), 0), (LPCTSTR)ChangeDateUS0(DMGtoStr(filter.to), 0),
                      (LPCTSTR)filter.sourceSql, filter.branch, filter.branch, "");
}

LimitPage ObligationsExecutionPage(const ObligationsFilter& filter)
{
    return Builder(filter).Build();
}

} // namespace nledmark
