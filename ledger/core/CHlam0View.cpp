#include "CHlam0View.h"

#include "FormTitle.h"
#include "gridbase.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CHlam0View, CSelectIFView)

BEGIN_MESSAGE_MAP(CHlam0View, CSelectIFView)
    ON_COMMAND(IDOK, OnOK)
END_MESSAGE_MAP()

CHlam0View::CHlam0View() : CSelectIFView(IDD_SELECT_IF) {}

void CHlam0View::OnInitialUpdate()
{
    CSelectIFView::OnInitialUpdate();
    SetFormTitle(this, "Отчет по источникам финансирования");
    // The report is drawn up as of the period's end: the start is not asked,
    // and the end takes its place on the form.
    CWnd* startLabel = GetDlgItem(IDC_DATE1_LABEL);
    CWnd* start = GetDlgItem(IDC_DATE1);
    CWnd* endLabel = GetDlgItem(IDC_DATE2_LABEL);
    CWnd* end = GetDlgItem(IDC_DATE2);
    if (startLabel && start && endLabel && end) {
        CRect labelRect, dateRect;
        startLabel->GetWindowRect(&labelRect);
        start->GetWindowRect(&dateRect);
        ScreenToClient(&labelRect);
        ScreenToClient(&dateRect);
        startLabel->ShowWindow(SW_HIDE);
        start->ShowWindow(SW_HIDE);
        endLabel->SetWindowPos(nullptr, labelRect.left, labelRect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        end->SetWindowPos(nullptr, dateRect.left, dateRect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    ResizeParentToFit(FALSE);
}

CString CHlam0View::ReportCall()
{
    UpdateData(TRUE);
    CString branches;
    m_editFil.GetWindowText(branches);
    CString call;
    call.Format("prn(\"%s\",\"%s\",\"%s\")", (LPCTSTR)MakeParam(DMGtoStr(m_date2)), (LPCTSTR)MakeParam(GetIfList()),
                (LPCTSTR)MakeParam(branches));
    return call;
}

void CHlam0View::OnOK()
{
    CString branches;
    m_editFil.GetWindowText(branches);
    AfxGetApp()->WriteProfileString(BranchSection(), "select_fil_prn0", branches);
    const CString call = ReportCall();
    EXEC_ShowFormReport(call, 0, 0);
    EXEC_ShowFormReport(call, 1, 0);
}

} // namespace nledmark
