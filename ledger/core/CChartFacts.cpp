#include "CChartFacts.h"

#include "AccountDimensions.h"
#include "AccountFacts.h"
#include "ScriptReadCache.h"
#include "appcore.h"
#include "ledmark.h"
#include "ndbcore.h"

#include <QStringList>
#include <set>

namespace nledmark {

const CChartFacts::Account& CChartFacts::Of(const CString& account)
{
    auto found = m_accounts.find(account);
    if (found != m_accounts.end())
        return found->second;
    Account a;
    if (!account.IsEmpty()) {
        a.zab = GL_IsZab(account) != 0;
        a.valid = GL_Valid_Sch(account, 0, -1) != 0;
        a.kol = GL_Should_Have_Kol(account) != 0;
        for (short k = 1; k <= 3; ++k)
            a.book[k - 1] = GL_Get_SB(account, k);
    }
    return m_accounts.emplace(account, a).first->second;
}

void CChartFacts::LookUpAccounts(const std::vector<CString>& accounts)
{
    if (!appcore::CScriptReadCache::Active())
        return;
    std::vector<CString> asked;
    std::set<CString> seen;
    for (const CString& account : accounts)
        if (!account.IsEmpty() && m_accounts.count(account) == 0 && seen.insert(account).second)
            asked.push_back(account);
    if (asked.empty())
        return;
    const QStringList lines = GL_AccountFacts(asked).ToQString().split(QLatin1Char('\n'));
    if (lines.size() != (qsizetype)asked.size())
        return;  // the script failed (reported)
    std::vector<Account> facts;
    for (const QString& line : lines) {
        const QStringList numbers = line.split(QLatin1Char(' '));
        if (numbers.size() != 6)
            return;
        int n[6];
        for (int i = 0; i < 6; ++i) {
            bool ok = false;
            n[i] = numbers[i].toInt(&ok);
            if (!ok)
                return;
        }
        Account a;
        a.zab = n[0] != 0;
        a.valid = n[1] != 0;
        a.kol = n[2] != 0;
        for (int k = 0; k < 3; ++k)
            a.book[k] = n[3 + k];
        facts.push_back(a);
    }
    for (size_t i = 0; i < asked.size(); ++i)
        m_accounts.emplace(asked[i], facts[i]);
}

bool CChartFacts::ValueExists(const CString& account, short k, const CString& value)
{
    const CString key = FormatText("%s|%d|%s", account, (int)k, value);
    auto found = m_values.find(key);
    if (found == m_values.end())
        found = m_values.emplace(key, GL_Verify_SB(account, k, value) != 0).first;
    return found->second;
}

CString CChartFacts::Dimension(const CString& account, int k)
{
    const CString key = FormatText("%s|%d", account, k);
    auto found = m_dimensions.find(key);
    if (found == m_dimensions.end())
        found = m_dimensions.emplace(key, DimensionTable(account, k)).first;
    return found->second;
}

CString CChartFacts::Tail(const CString& account, const CString& ekr, int side)
{
    const CString key = FormatText("%s|%s|%d", account, ekr, side);
    auto found = m_tails.find(key);
    if (found == m_tails.end())
        found = m_tails.emplace(key, GL_GetTailFromEKR(account, ekr, side)).first;
    return found->second;
}

namespace {

// The test of one value as GL_Verify_SB and the posting script write it: the
// key compared as text (a number column compared with a text would take the
// text's leading digits).
CString ValueCountSql(const CString& table, const CString& key, const CString& value)
{
    return FormatText("select count(*) as cnt from %s where concat(%s,'')='%s'", table, key, MakeSqlStr(value));
}

} // namespace

void CChartFacts::LookUpValues(const std::vector<ValueAsk>& asks)
{
    if (!appcore::CScriptReadCache::Active())
        return;
    std::map<int, std::set<CString>> byBook;
    for (const ValueAsk& ask : asks) {
        if (ask.account.IsEmpty() || ask.value.IsEmpty() || ask.k < 1 || ask.k > 3)
            continue;
        const int book = Of(ask.account).book[ask.k - 1];
        if (book != 0)
            byBook[book].insert(ask.value);
    }
    // One query for all the books: a pass over each book in a derived table of
    // one row, each value counted by the same comparison as its own query.
    struct Asked {
        CString table, key, value;
    };
    std::vector<Asked> asked;
    CString columns, books;
    int passes = 0;
    for (const auto& [book, values] : byBook) {
        const CString table = I_GetSprTableName(book);
        const CString key = I_GetSprFieldId(book);
        if (table.IsEmpty() || key.IsEmpty())
            continue;
        CString counts;
        for (const CString& value : values) {
            const int n = (int)asked.size();
            counts += FormatText("%ssum(concat(%s,'')='%s') as c%d", counts.IsEmpty() ? "" : ",", key,
                                 MakeSqlStr(value), n);
            columns += FormatText("%sb%d.c%d", columns.IsEmpty() ? "" : ",", passes, n);
            asked.push_back({table, key, value});
        }
        books += FormatText("%s(select %s from %s) b%d", books.IsEmpty() ? "" : " cross join ", counts, table, passes);
        ++passes;
    }
    if (asked.empty())
        return;
    try {
        _RecordsetPtr rs = GetConnection()->Execute((const char*)FormatText("select %s from %s", columns, books));
        if (rs->GetadoEOF())
            return;
        long column = 0;
        for (const Asked& one : asked) {
            const _variant_t found = rs->GetCollect(column++);
            appcore::CScriptReadCache::KeepCount(ValueCountSql(one.table, one.key, one.value).ToStdString(),
                                                 found.isNull() || found.isEmpty() ? 0 : (long long)found);
        }
    } catch (const _com_error&) {
        // Each value is asked on its own, and a failure is reported there.
    }
}

} // namespace nledmark
