// The employee forms whose body is a script of the configuration, on the
// employee selection form (dialog 398): the year's income certificate
// ("prn_ndfl2", template 639: the form's report PrepareTheReport(tn, year,
// month) per ticked employee) and the average-earnings certificates
// ("PrnSredView", template 431: GetSred(tn, months) for a subsidy, the
// document's kind 0, GetSred2 for the bank, kind 1). A call that fails or
// answers 0 ends the run there, its reason shown by the script.
#pragma once
#include "CSelectTN.h"

namespace npaymar {

class __attribute__((visibility("default"))) CPrnNDFL2View : public CSelectTN {
    DECLARE_DYNCREATE(CPrnNDFL2View)
public:
    CPrnNDFL2View();
    ~CPrnNDFL2View() override;
    void OnInitialUpdate() override;
    void BuildReport(int direct) override;
    CCellwork& Employees() { return m_grid; }
};

// Asks for the number of months ("6" offered): Cancel or "0" runs nothing and
// the form stays open, as it does for a text that is no whole number from 1.
class __attribute__((visibility("default"))) CPrnSredView : public CSelectTN {
    DECLARE_DYNCREATE(CPrnSredView)
public:
    CPrnSredView();
    ~CPrnSredView() override;
    void OnInitialUpdate() override;
    void BuildReport(int direct) override;
    CCellwork& Employees() { return m_grid; }
};

} // namespace npaymar
