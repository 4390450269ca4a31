// The monthly accrual run: the month's accruals (the script r_nach), the
// child-care allowance and the deductions (sp_paymar_ru), or on SQL Server the
// one procedure sp_paymar_rn_sd_yet, all in one transaction of the worker's
// own session; and the lock "paymar_pereschet" that keeps a second run, from
// this or another workstation, from starting meanwhile.
#pragma once
#include "afx.h"

#include <atomic>
#include <memory>

namespace npaymar {

// What the run's window and its worker share. The window may end before the
// worker does: the worker then posts to a handle that is gone, which is
// dropped, and the flags live on with the worker's reference.
struct AccrualRun {
    long year = 0;
    long month = 0;
    long projectType = 0;
    HWND window = nullptr;             // the run's window, where the worker posts
    std::atomic<bool> cancelled{false};  // the user cancelled: the worker rolls back at its next step
    std::atomic<bool> finished{false};   // the worker has ended, well or badly
    std::atomic<bool> succeeded{false};  // the month was written
    std::atomic<bool> refused{false};    // someone else is calculating: nothing ran
};

// Posted to the run's window with wParam 0 (the accruals are being computed)
// or 1 (the deductions).
constexpr UINT WM_ACCRUAL_STATUS = WM_APP + 0x176;

// The texts of the run's window.
CString AccrualStatusText(int stage, long year, long month);

// Takes the lock for this program in one step: it was free, or it is held by
// a connection the server no longer has (a program that died while running).
// False when someone else is running.
bool TakeAccrualLock();
// Frees the lock this program took; a lock another program took stays.
void ReleaseAccrualLock();

// The selection of the children due the allowance in a month, per dialect.
CString ChildCareChildrenSql(long year, long month);
// The limits of the allowance in a month: the maximum and the minima for one
// and for two or more children.
struct ChildCareLimits {
    double maximum;
    double oneChild;
    double twoChildren;
};
ChildCareLimits ChildCareLimitsOf(long year, long month);
// One child's amount of a month of `days` days: the average daily earnings
// of the parent, the days the child is due in the month and the parent's
// number of children. Kopecks at each step.
double ChildCareAmount(double average, long dueDays, long days, long children, const ChildCareLimits& limits);
// Adds the month's allowance to paymar_nu in one batch, on this thread's
// session and inside its transaction; false on a failure (reported).
bool AddChildCareAllowance(long year, long month);

// The statements the run sends on SQL Server, and the call of the deductions
// on the other dialects.
CString AccrualProcedureCall(long year, long month, long projectType);
CString DeductionsCall(long year, long month, long projectType);

// The whole run on the calling thread (not the user-interface thread): opens
// its own session and interpreter, runs the month in one transaction (rolled
// back when it fails or `run.cancelled` is set), frees the lock and sets
// `run.finished`; answers whether the month was written. Posts nothing.
bool RunAccrualOnThisThread(AccrualRun& run);
// The worker of the run's window (AfxBeginThread): `param` is a new
// std::shared_ptr<AccrualRun>, which the worker takes over. Posts the status
// texts, then WM_COMMAND IDOK when the month was written and not cancelled,
// WM_CLOSE when the run failed.
UINT AccrualWorker(LPVOID param);

} // namespace npaymar
