#include "OfficialFormViews.h"

#include "gridbase.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrn0503125_08View, CPrnOfficialView)

CPrn0503125_08View::CPrn0503125_08View() : CPrnOfficialView(IDD_PRN_0503125_08) {}

void CPrn0503125_08View::DoDataExchange(CDataExchange* pDX)
{
    CPrnOfficialView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OF_ACCOUNTS, m_accounts);
}

void CPrn0503125_08View::OnInitialUpdate()
{
    CPrnOfficialView::OnInitialUpdate();
    // The accounts of the consolidated settlements the form is printed for.
    const char* const accounts[] = {"0 304 04 000", "0 401 01 151", "0 401 01 180", "0 401 01 241", "0 401 01 251"};
    m_accounts.SetNRows(long(std::size(accounts)));
    for (long row = 0; row < long(std::size(accounts)); ++row)
        m_accounts.SetCellValue(0, row, accounts[row]);
}

CString CPrn0503125_08View::AccountList()
{
    CString list;
    for (long row = 0; row < m_accounts.GetNRows(); ++row) {
        if (!m_accounts.GetBCheck(row))
            continue;
        CString account = m_accounts.GetCellValue(0, row);
        account.Remove(' ');
        if (!list.IsEmpty())
            list += ",";
        list += account;
    }
    return list;
}

bool CPrn0503125_08View::CheckChoice()
{
    if (AccountList().IsEmpty()) {
        AfxMessageBox("Выберите счет");
        m_accounts.SetFocus();
        return false;
    }
    if (GetIfList().IsEmpty()) {
        AfxMessageBox("Выберите источники финансирования");
        m_grid.SetFocus();
        return false;
    }
    return true;
}

CString CPrn0503125_08View::MoreArguments()
{
    return ",\"" + MakeParam(AccountList()) + "\"";
}

} // namespace nledmark
