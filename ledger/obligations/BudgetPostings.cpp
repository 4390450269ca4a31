#include "BudgetPostings.h"

#include "ledmark.h"

namespace nledmark {

namespace {

const char* const kDepartments = "spr_prd";
const char* const kContracts = "spr_dogovora";

} // namespace

CString AccountAsWhole(const CString& account)
{
    return account.GetLength() >= 6 ? account.Left(6) + "000" : account;
}

CString PostingAccount(const CString& account, const CString& ekr, int side)
{
    const CString head = account.Left(6);
    const CString posting = head + GL_GetTailFromEKR(head, ekr, side);
    return posting.GetLength() == 9 ? posting : CString();
}

BOOL KeepsDepartments(const CString& account)
{
    for (int n = 1; n <= 3; ++n)
        if (DimensionTable(account, n) == kDepartments)
            return TRUE;
    return FALSE;
}

CBudgetSide BudgetSide(const CString& account, const CString& ekr, const CString& department,
                       const CString& contract)
{
    CBudgetSide side;
    side.account = account;
    side.values[0] = ekr;
    bool contractPlaced = contract.IsEmpty();
    for (int n = 2; n <= 3; ++n) {
        const CString table = DimensionTable(account, n);
        if (table == kDepartments) {
            side.values[n - 1] = department;
            side.needsDepartment = true;
        } else if (table == kContracts && !contractPlaced) {
            side.values[n - 1] = contract;
            contractPlaced = true;
        }
    }
    if (!contractPlaced && side.values[1].IsEmpty() && DimensionTable(account, 2) != kDepartments)
        side.values[1] = contract;
    return side;
}

} // namespace nledmark
