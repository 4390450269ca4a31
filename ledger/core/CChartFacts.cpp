#include "CChartFacts.h"

#include "ledmark.h"

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

bool CChartFacts::ValueExists(const CString& account, short k, const CString& value)
{
    const CString key = FormatText("%s|%d|%s", account, (int)k, value);
    auto found = m_values.find(key);
    if (found == m_values.end())
        found = m_values.emplace(key, GL_Verify_SB(account, k, value) != 0).first;
    return found->second;
}

} // namespace nledmark
