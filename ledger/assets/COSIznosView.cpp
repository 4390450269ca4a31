#include "COSIznosView.h"

#include "naddviews.h"
#include "DepreciationRun.h"
#include "FormTitle.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(COSIznosView, CderivedFormview)

BEGIN_MESSAGE_MAP(COSIznosView, CderivedFormview)
    ON_COMMAND(IDOK, OnRun)
    ON_COMMAND(IDC_IZ_DEBIT_PICK, OnDebitPick)
    ON_COMMAND(IDC_IZ_DEBIT2_PICK, OnDebit2Pick)
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kDebitKey = "iznos_sch_deb";
const char* const kDebit2Key = "iznos_sch_deb2";
const char* const kTypeDateKey = "m_nTypeDate";
const char* const kDebitDefault = "040101271";
const char* const kDebit2Default = "210604340";

} // namespace

COSIznosView::COSIznosView() : CderivedFormview(IDR_OS_IZNOS)
{
    m_editDebit.SetType(0);
    m_date = qwDMG(GetDPV2(), 1);
    if (m_date.GetStatus() != COleDateTime::valid)
        m_date = COleDateTime::GetCurrentTime();
    m_nTypeDate = (int)AfxGetApp()->GetProfileInt(kConstants, kTypeDateKey, 0) == 1 ? 1 : 0;
}

COSIznosView::~COSIznosView() = default;

void COSIznosView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_IZ_DEBIT, m_editDebit);
    DDX_Control(pDX, IDC_IZ_DEBIT2, m_editDebit2);
    DDX_Radio(pDX, IDC_IZ_TYPE_POST, m_nTypeDate);
    DDX_DateTimeCtrl(pDX, IDC_DATE, m_date);
}

void COSIznosView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Начисление амортизации");
    ResizeParentToFit(FALSE);
    m_editDebit.SetWindowText(AfxGetApp()->GetProfileString(kConstants, kDebitKey, kDebitDefault));
    m_editDebit2.SetWindowText(AfxGetApp()->GetProfileString(kConstants, kDebit2Key, kDebit2Default));
}

void COSIznosView::OnDebitPick()
{
    CString current;
    m_editDebit.GetWindowText(current);
    CExtFuncs::OnSprPlanSch0(this, IDC_IZ_DEBIT, -1, current, 1, nullptr, kDebitDefault);
}

void COSIznosView::OnDebit2Pick()
{
    CString current;
    m_editDebit2.GetWindowText(current);
    CExtFuncs::OnSprPlanSch0(this, IDC_IZ_DEBIT2, -1, current, 1, nullptr, "210604340,040101271");
}

// One run at a time: a second OK while the first is at work does nothing.
void COSIznosView::OnRun()
{
    if (m_bRunning)
        return;
    m_bRunning = TRUE;
    CWaitCursor wait;
    if (!UpdateData(TRUE)) {
        m_bRunning = FALSE;
        return;
    }
    const CString date = DMGtoStr(m_date);
    if (AfxMessageBox("Произвести расчет амортизации на " + date + " ? ", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        m_bRunning = FALSE;
        return;
    }
    AfxGetApp()->WriteProfileInt(kConstants, kTypeDateKey, m_nTypeDate);
    CString debit, debit2;
    m_editDebit.GetWindowText(debit);
    m_editDebit2.GetWindowText(debit2);
    CDepreciationRun run(date, debit, debit2, m_nTypeDate);
    if (!run.Check()) {
        m_bRunning = FALSE;
        return;
    }
    AfxGetApp()->WriteProfileString(kConstants, kDebitKey, debit.Trim());
    AfxGetApp()->WriteProfileString(kConstants, kDebit2Key, debit2.Trim());
    const BOOL done = run.Run();
    m_bRunning = FALSE;
    if (!done) {
        AfxMessageBox(run.Summary() + "\nРасчет остановлен: следующие филиалы не рассчитаны, журнал не печатается.",
                      MB_OK | MB_ICONSTOP);
        return;
    }
    AfxMessageBox(run.Summary(), MB_OK | MB_ICONINFORMATION);
    CHelpers::EXEC_Execute("Command_PrnJrnAmort(\"" + MakeParam(date) + "\")", nullptr);
    OnCancel();
}

} // namespace nledmark
