// CPaymar: the entry of the payroll module. Init registers the module's views
// and its named calls, but only in the payroll workplace: elsewhere no payroll
// form opens by its name. The list openers are what the payroll forms call to
// let the user pick a position row, an allowance or another payment.
#pragma once
#include "afx.h"

class CCellwork;

namespace npaymar {

class __attribute__((visibility("default"))) CPaymar {
public:
    CPaymar() = default;
    CPaymar(const CPaymar&) = default;
    CPaymar& operator=(const CPaymar&) = default;
    virtual ~CPaymar();

    // In the workplace "ПАЙМАР" (letter case counts) creates one template per
    // view and registers the calls the workplace's commands make; elsewhere
    // nothing. Always 1.
    static int Init();
    // Opens the personal card of the personnel module.
    static void OnKadryLk();
    // The monthly accrual run of the working month, in its window.
    static void OnRlRn();

    // The worked-days list (mode 0 "СписокОтработаннымДням", 1
    // "СписокОтработаннымДням1"), told the caller's window; other modes open nothing.
    static void ShowDoplSpis(CWnd* caller, UINT mode);
    // The list of other payments ("ProchVipListView"), told the caller's window.
    static void ShowProchVip(CWnd* caller);
    // The employee's position rows ("BookListView"), answering the caller.
    static void ShowBookList(CWnd* caller, CString tn);

    // The average daily earnings of employee `tn` that sick pay and the
    // child-care allowance are paid from, over `months` months before `date`
    // (up to its own month when his history is short), of the pay codes
    // grouped under `group`: "1234.56", or "" when no day counts or a read
    // failed (never a figure of part of the months). `periodFilter` receives
    // the months as an SQL condition; `grid`, when given, one row per month
    // (year, month, days, earnings, bonus) and the totals at row `months`.
    static CString BOL_SRED_DAY(const char* tn, const char* date, const char* group, CCellwork* grid,
                                CString& periodFilter, int months);
    // The days of a month that do not count for employee `tn`: by the
    // personnel time sheet when it has marks that month (-1 when every day
    // was worked), else by his sick leaves and vacations (0 without any).
    static int GetDNbol(const char* tn, long year, long month);
    // The bonus amounts of employee `tn` in the months `periodFilter` selects.
    static double GetPremKV(const char* tn, const char* periodFilter);
};

} // namespace npaymar
