#include "CRnUd.h"

#include "ndbcore.h"
#include "res/resource.h"

namespace npaymar {

BEGIN_MESSAGE_MAP(CRnUd, CderivedDialog)
    ON_MESSAGE(WM_ACCRUAL_STATUS, OnStatus)
END_MESSAGE_MAP()

CRnUd::CRnUd(CWnd* parent) : CderivedDialog(IDD_RN_UD, parent) {}

CRnUd::~CRnUd()
{
    if (m_run && !m_run->finished)
        m_run->cancelled = true;
}

BOOL CRnUd::OnInitDialog()
{
    CderivedDialog::OnInitDialog();
    m_run = std::make_shared<AccrualRun>();
    m_run->year = g_lYear;
    m_run->month = g_lMonth;
    m_run->projectType = g_lProjectType;
    m_run->window = GetSafeHwnd();
    auto* handed = new std::shared_ptr<AccrualRun>(m_run);
    if (!AfxBeginThread(AccrualWorker, handed)) {
        delete handed;
        m_run->finished = true;
        AfxMessageBox("Не удалось начать расчет", MB_ICONSTOP);
        EndDialog(IDCANCEL);
    }
    return TRUE;
}

LRESULT CRnUd::OnStatus(WPARAM stage, LPARAM)
{
    SetDlgItemText(IDC_RN_STATUS, AccrualStatusText(int(stage), m_run->year, m_run->month));
    return 0;
}

// Only the worker's message that the month is written ends the window with
// IDOK: Enter does nothing while the run goes on.
void CRnUd::OnOK()
{
    if (m_asking || !m_run || !m_run->succeeded || m_run->cancelled)
        return;
    MessageBeep(MB_ICONEXCLAMATION);
    EndDialog(IDOK);
}

void CRnUd::OnCancel()
{
    if (m_asking)
        return;
    // A refused run has nothing to cancel: the worker says so before it
    // closes its session, so it may not have finished yet.
    if (m_run && !m_run->finished && !m_run->refused) {
        m_asking = true;
        const int answer = AfxMessageBox(FormatText("Отменить расчет начислений/удержаний за %s %ldг.? ",
                                                    GetMonthName(m_run->month), m_run->year),
                                         MB_YESNO | MB_ICONQUESTION);
        m_asking = false;
        if (answer != IDYES) {
            // The run may have ended while the question was open.
            if (m_run->finished && m_run->succeeded)
                OnOK();
            else if (m_run->finished && !m_run->refused)
                EndDialog(IDCANCEL);
            return;
        }
    }
    // The worker rolls back at its next step and frees the lock itself.
    if (m_run)
        m_run->cancelled = true;
    EndDialog(IDCANCEL);
}

} // namespace npaymar
