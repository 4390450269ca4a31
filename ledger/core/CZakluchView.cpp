#include "CZakluchView.h"

#include "COperByHandRecord.h"
#include "ClosingRun.h"
#include "CderivedDocument.h"
#include "FormTitle.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>

namespace nledmark {

IMPLEMENT_DYNCREATE(CZakluchView, CDocumentView)

BEGIN_MESSAGE_MAP(CZakluchView, CDocumentView)
    ON_COMMAND(IDOK, CloseYearAccounts)
END_MESSAGE_MAP()

namespace {

// The last day of the month in which the working period ends.
COleDateTime LastDayOfWorkingMonth()
{
    COleDateTime end = qwDMG(GetDPV2(), 1);
    if (end.GetStatus() != COleDateTime::valid)
        end = COleDateTime::GetCurrentTime();
    COleDateTime day;
    day.SetDate(end.GetYear(), end.GetMonth(), std::atoi(GetDaysPerMonth(end.GetMonth(), end.GetYear())));
    return day;
}

} // namespace

CZakluchView::CZakluchView() : CDocumentView(IDR_ZAKLUCH), m_date(LastDayOfWorkingMonth()) {}

CZakluchView::~CZakluchView() = default;

void CZakluchView::DoDataExchange(CDataExchange* pDX)
{
    CDocumentView::DoDataExchange(pDX);
    DDX_DateTimeCtrl(pDX, IDC_DATE, m_date);
}

void CZakluchView::OnInitialUpdate()
{
    CDocumentView::OnInitialUpdate();
    // The closing this form runs, as its menu item names it.
    static const char* const titles[] = {"Заключение счетов",         "Закрытие счета 106.04",
                                         "Закрытие счета 304.04",     "Закрытие 500-х счетов",
                                         "Закрытие счета 302 на 206", "Закрытие счета 206 на 302"};
    SetFormTitle(this, titles[ClosingModeOf(ClosingParam())]);
    ResizeParentToFit(FALSE);
}

int CZakluchView::ClosingParam() const
{
    const auto* document = dynamic_cast<CderivedDocument*>(CFormView::GetDocument());
    return document ? document->GetParam() : 0;
}

void CZakluchView::CloseYearAccounts()
{
    CWaitCursor wait;
    if (!UpdateData(TRUE))
        return;
    CClosingRun run(ClosingModeOf(ClosingParam()), DMGtoStr(m_date));
    const CString number = GL_NextNumber(COperByHandRecord::kTable, 0);
    if (run.Mode() == CLOSE_ANNUAL)
        run.ReadClosingList();
    if (GL_Verify_Date(DMGtoStr(m_date), 1) == 0)
        return;
    if (AfxMessageBox(run.Question(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (run.Run(number))
        OnCancel();
}

} // namespace nledmark
