#include "CChartFacts.h"

#include "AccountDimensions.h"
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

} // namespace nledmark
