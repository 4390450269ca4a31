// CBookView ("BookView", dialog 382): the payroll clerk's pay record of an
// employee. On the left his payroll data in the employee's row (cost centre,
// category, main pay sheet, dismissal, union, taxpayer and insurance
// numbers, service allowance, start of medical service with the length of
// it); on the right one of his position rows (paymar_bux), with the facts and
// rates of its position shown read-only. Typing a personnel number loads the
// employee and his main row; typing a row number loads that row. A save
// checks every field, asks, and writes the employee and the row together
// (BookSave.h); the form stays open.
#pragma once
#include "BookSave.h"
#include "CMyFormView1.h"
#include "dlgkit.h"
#include "gridbase.h"

namespace npaymar {

class CBookView : public CMyFormView1 {
    DECLARE_DYNCREATE(CBookView)
public:
    CBookView();
    ~CBookView() override;

    void OnInitialUpdate() override;
    // The employee's data, then his main row into 1149.
    void OnChangeTn() override;
    // The row of 112 and 1149 into the row's fields.
    void OnChangeNpp() override;
    // The position's name, facts and rates.
    void OnChangeDol() override;

    // The save of command 1: TRUE when written.
    BOOL Save();

    CderivedEdit m_edits[11];
    CCellwork m_rates;
    CComboBox m_staj;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // The medical service from the start in 1135 to today (1112).
    void ShowMedStaj();
    // The calendar field is open when there is a choice to make.
    void EnableCalendar(const CString& calendar);
    void FillRates(const CString& position);
    // The checks of the save in their order; FALSE (said, focused) at the first failing.
    BOOL CheckFields(BookRecord& record);

    afx_msg void OnSaveCommand();
    afx_msg void OnLgoty();
    afx_msg void OnChangeNsr();
    afx_msg void OnRatesEditStart(short col, short row, CString* text, short* cancel);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace npaymar
