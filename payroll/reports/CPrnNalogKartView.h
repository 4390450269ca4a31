// CPrnNalogKartView ("PrnNalogKartView", template and dialog 367): the income
// tax cards of the employees ticked in its own list, the employees with a
// month of the working year in paymar_M, each line "% 4d   %s" (personnel
// number, name) with the number as item data. "Выбрать Все" and "&Очистить"
// tick every line or none; OK shows the cards (nCalcset GetNDFL1) on one page
// across the sheet, print-direct prints them; nothing ticked says "Выберите
// работника" and the form stays; "Отменить" closes it.
#pragma once
#include "EmployeePages.h"
#include "appcore.h"

namespace npaymar {

class __attribute__((visibility("default"))) CPrnNalogKartView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnNalogKartView)
public:
    CPrnNalogKartView();
    ~CPrnNalogKartView() override;

    void OnInitialUpdate() override;
    void BuildReport(int direct);
    // Fills the list again from the database.
    void FillEmployees();

    CderivedCheckListBox m_listEmployees;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSelectAll();
    afx_msg void OnClear();
    afx_msg void OnOk();
    afx_msg void OnPrintDirect();
    afx_msg void OnClose();

    DECLARE_MESSAGE_MAP()
};

} // namespace npaymar
