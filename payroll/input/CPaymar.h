// CPaymar: the entry of the payroll module. Init registers the module's views
// and its named calls, but only in the payroll workplace: elsewhere no payroll
// form opens by its name. The list openers are what the payroll forms call to
// let the user pick a position row, an allowance or another payment.
#pragma once
#include "afx.h"

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

    // The worked-days list (mode 0 "СписокОтработаннымДням", 1
    // "СписокОтработаннымДням1"), told the caller's window; other modes open nothing.
    static void ShowDoplSpis(CWnd* caller, UINT mode);
    // The list of other payments ("ProchVipListView"), told the caller's window.
    static void ShowProchVip(CWnd* caller);
    // The employee's position rows ("BookListView"), answering the caller.
    static void ShowBookList(CWnd* caller, CString tn);
};

} // namespace npaymar
