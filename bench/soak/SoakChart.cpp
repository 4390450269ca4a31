#include "SoakChart.h"

#include <appcore.h>
#include <gridbase.h>
#include <ndbcore.h>

#include <set>

using namespace nledmark;

namespace {

CString ColumnText(_RecordsetPtr& row, const char* name)
{
    return SafeArayToString(row->GetCollect(name));
}

} // namespace

bool SoakChart::Read()
{
    std::vector<SoakAccount> accounts;
    std::set<int> books;
    // Balance accounts only: source 0 and the off-balance accounts are
    // refused by the posting rules, the technical accounts of opening
    // balances are no account of a document.
    const long read = ForEachRow("select col0,col1,col2,col3,sb1,sb2,sb3,tp,kol from spr_plan_sch "
                                 "where col0>0 and col1<>'000' and tp in (1,2,3) and (zab is null or zab='') "
                                 "order by col0,col1,col2,col3",
                                 [&](_RecordsetPtr& row) {
                                     SoakAccount a;
                                     a.code = ColumnText(row, "col0") + ColumnText(row, "col1") + ColumnText(row, "col2")
                                              + ColumnText(row, "col3");
                                     for (int k = 0; k < 3; ++k) {
                                         a.books[k] = ColumnText(row, FormatText("sb%d", k + 1)).ToQString().toInt();
                                         if (a.books[k])
                                             books.insert(a.books[k]);
                                     }
                                     const int side = ColumnText(row, "tp").ToQString().toInt();
                                     a.debit = side != 2;
                                     a.credit = side != 1;
                                     a.quantity = ColumnText(row, "kol").ToQString().toInt() != 0;
                                     if (a.code.GetLength() == 9)
                                         accounts.push_back(a);
                                 });
    if (read < 0)
        return false;
    for (int book : books) {
        const CString table = I_GetSprTableName(book);
        CString key = I_GetSprFieldId(book);
        if (key.IsEmpty())
            key = "id";
        if (table.IsEmpty())
            continue;
        std::vector<CString>& keys = values_[book];
        if (ForEachRow(FormatText("select concat(%s,'') as v from %s where %s is not null order by 1 limit 40", key,
                                  table, key),
                       [&](_RecordsetPtr& row) { keys.push_back(ColumnText(row, "v")); })
            < 0)
            return false;
    }
    for (const SoakAccount& a : accounts) {
        bool usable = true;
        for (int book : a.books)
            usable = usable && (book == 0 || !values_[book].empty());
        if (!usable)
            continue;
        if (a.debit)
            debits_.push_back(a);
        if (a.credit)
            credits_.push_back(a);
        if (a.debit && a.books[0])
            withBooks_.push_back(a);
    }
    if (ForEachRow("select id from spr_fil order by id",
                   [&](_RecordsetPtr& row) { branches_.push_back(ColumnText(row, "id").ToQString().toInt()); })
        < 0)
        return false;
    return debits_.size() > 1 && credits_.size() > 1 && !withBooks_.empty() && !branches_.empty();
}

void SoakChart::Fill(SoakRandom& random, const SoakAccount& account, COperLine& line, int firstValue) const
{
    for (int k = 0; k < 3; ++k)
        if (account.books[k]) {
            const std::vector<CString>& keys = values_.at(account.books[k]);
            line[firstValue + k] = keys[random.Below((int)keys.size())];
        }
}

COperLine SoakChart::Line(SoakRandom& random, int number) const
{
    COperLine l;
    const SoakAccount& debit = debits_[random.Below((int)debits_.size())];
    const SoakAccount* credit = &credits_[random.Below((int)credits_.size())];
    while (credit->code == debit.code)
        credit = &credits_[random.Below((int)credits_.size())];
    l[OPER_DEBIT] = debit.code;
    l[OPER_CREDIT] = credit->code;
    Fill(random, debit, l, OPER_DEB_SB1);
    Fill(random, *credit, l, OPER_KRED_SB1);
    if (debit.quantity || credit->quantity)
        l[OPER_KOL] = FormatText("%d", random.Between(1, 40));
    l[OPER_SUM] = FormatText("%d.%02d", random.Between(1, 250000), random.Below(100));
    l[OPER_PRIM] = FormatText("Строка %d", number);
    return l;
}

COperLine SoakChart::RefusedLine(SoakRandom& random) const
{
    COperLine l = Line(random, 0);
    const SoakAccount& debit = withBooks_[random.Below((int)withBooks_.size())];
    if (l[OPER_CREDIT] == debit.code)
        l[OPER_CREDIT] = debit.code == credits_[0].code ? credits_[1].code : credits_[0].code;
    l[OPER_DEBIT] = debit.code;
    for (int k = 0; k < 3; ++k)
        l[OPER_DEB_SB1 + k].Empty();
    Fill(random, debit, l, OPER_DEB_SB1);
    l[OPER_DEB_SB1].Empty();
    l[OPER_PRIM] = "Строка без субконто";
    return l;
}

int SoakChart::Branch(SoakRandom& random) const
{
    return branches_[random.Below((int)branches_.size())];
}
