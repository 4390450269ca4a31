#include "CPrnLboMes0View.h"

#include "CHelpers.h"
#include "FormTitle.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnLboMes0View, CSelectIFView)

BEGIN_MESSAGE_MAP(CPrnLboMes0View, CSelectIFView)
    ON_COMMAND(IDOK, OnOK)
END_MESSAGE_MAP()

CPrnLboMes0View::CPrnLboMes0View() : CSelectIFView(IDD_SELECT_IF) {}

void CPrnLboMes0View::OnInitialUpdate()
{
    if (m_date1.GetStatus() == COleDateTime::valid)
        m_date1.SetDateTime(m_date1.GetYear(), 1, 1, 0, 0, 0);
    CSelectIFView::OnInitialUpdate();
    SetFormTitle(this, "Исполнение денежных обязательств");
}

ObligationsFilter CPrnLboMes0View::Filter(CString& error)
{
    UpdateData(TRUE);
    error.Empty();
    ObligationsFilter filter;
    filter.from = m_date1;
    filter.to = m_date2;
    if (m_date1.GetStatus() != COleDateTime::valid || m_date2.GetStatus() != COleDateTime::valid) {
        error = "Укажите период";
        return filter;
    }
    CString branches;
    m_editFil.GetWindowText(branches);
    if (!SingleBranch(branches, filter.branch)) {
        error = "Выберите один филиал или все";
        return filter;
    }
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        if (m_grid.GetBCheck(row))
            filter.sources.push_back(m_grid.GetCellValue(0, row));
    // No source checked takes every source, for the contracts as for the postings.
    if (!filter.sources.empty())
        filter.sourceSql = GetIfSql();
    return filter;
}

void CPrnLboMes0View::OnOK()
{
    CWaitCursor wait;
    CString error;
    const ObligationsFilter filter = Filter(error);
    if (!error.IsEmpty()) {
        AfxMessageBox(error);
        return;
    }
    CString branches;
    m_editFil.GetWindowText(branches);
    AfxGetApp()->WriteProfileInt("constants", "select_fil_prn", filter.branch);
    AfxGetApp()->WriteProfileString(BranchSection(), "select_fil_prn0", branches);
    const LimitPage page = ObligationsExecutionPage(filter);
    CHelpers::DisplayMessage(page.html, GetDocument()->GetTitle(), 1, 8, "#f5f5FF", -1, -1);
}

} // namespace nledmark
