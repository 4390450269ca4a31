// The printed documents of chosen employees on the employee selection form
// (dialog 398): each ticked employee's document in one page of the report
// window (EmployeePages.h). OK shows the page, print-direct prints it; with
// nobody ticked the form says "Выберите работника" and stays open; after the
// report the form closes.
#pragma once
#include "CSelectTN.h"
#include "EmployeePages.h"

namespace npaymar {

class __attribute__((visibility("default"))) CEmployeePageView : public CSelectTN {
    DECLARE_DYNAMIC(CEmployeePageView)
public:
    ~CEmployeePageView() override;
    // The base's list, under the form's viewer title.
    void OnInitialUpdate() override;
    void BuildReport(int direct) override;
    // The list of employees (personnel number in column 0).
    CCellwork& Employees() { return m_grid; }

protected:
    // `closesFrame`: the form closes by WM_CLOSE posted to its frame, else by OnCancel.
    explicit CEmployeePageView(bool closesFrame);
    virtual EmployeePageLook Look() const = 0;
    // One employee's text (see EmployeeText).
    virtual bool Text(long tn, CString& text, CString& why) = 0;
    // The writer of the texts; none writes each text as it stands.
    virtual EmployeeWriter Writer() { return {}; }

private:
    bool m_closesFrame;
};

// The ticked employees of a selection list; empty after saying "Выберите
// работника" with the focus in the list.
std::vector<long> ChosenEmployees(CCellwork& grid);

#define NPAYMAR_EMPLOYEE_PAGE_VIEW(name)                                 \
    class __attribute__((visibility("default"))) name : public CEmployeePageView { \
        DECLARE_DYNCREATE(name)                                          \
    public:                                                              \
        name();                                                          \
        ~name() override;                                                \
                                                                         \
    protected:                                                           \
        EmployeePageLook Look() const override;                          \
        bool Text(long tn, CString& text, CString& why) override;        \
    };

// "PrnDoxGodView" (404): the income certificate for the year.
NPAYMAR_EMPLOYEE_PAGE_VIEW(CPrnDoxGodView)
// "PrnDoxMesView" (403): the income certificate by month.
NPAYMAR_EMPLOYEE_PAGE_VIEW(CPrnDoxMesView)
// "PrnDoxMesNarostView" (644): the same from the year's start.
NPAYMAR_EMPLOYEE_PAGE_VIEW(CPrnDoxMesNarostView)
// "PrnIndView" (415): the individual earnings card, across the sheet.
NPAYMAR_EMPLOYEE_PAGE_VIEW(CPrnIndView)
// "PrnKBView" (408): "Как это было", always shown, never printed at once.
NPAYMAR_EMPLOYEE_PAGE_VIEW(CPrnKBView)
// "PrnKSView" (416): the card-certificate of the month, the form's script GetKS.
NPAYMAR_EMPLOYEE_PAGE_VIEW(CPrnKSView)
// "PrnRaschListView" (407): the pay slips of the month.
NPAYMAR_EMPLOYEE_PAGE_VIEW(CPrnRaschListView)
// "prn_zapiska_raschet" (586): the settlement note of the month.
NPAYMAR_EMPLOYEE_PAGE_VIEW(CPrnZapiskaRaschetView)

#undef NPAYMAR_EMPLOYEE_PAGE_VIEW

} // namespace npaymar
