#include "AccountBalance.h"

#include "ndbcore.h"

namespace nledmark {

CString BalanceAccount(const CString& account)
{
    const CString text = CString(account).Trim();
    return text.GetLength() < 6 ? CString() : text.Left(6) + "000";
}

bool ReadAccountBalance(const CString& date, const CString& account, const char* value1, const char* value2,
                        const char* value3, int branch, const char* kbk, const char* document,
                        LedgerBalance& balance)
{
    balance = LedgerBalance();
    const CString whole = BalanceAccount(account);
    const CString nextDay = AddDate(date, 0, 0, 1);
    if (whole.IsEmpty() || nextDay.IsEmpty())
        return false;
    return GL_ReadOst0(GL_GetOst0(nextDay, whole, value1, value2, value3, branch, kbk, document), balance);
}

CString BalanceUnread(const CString& account, const CString& value)
{
    return "Не удалось прочитать остаток по счету " + account + (value.IsEmpty() ? CString() : " (" + value + ")") +
           ": документ не может быть записан";
}

} // namespace nledmark
