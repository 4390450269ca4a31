// CBolView ("bol", dialog 366): an employee's sick-leave certificates of the
// working month. The clerk picks the employee (his last certificate shows,
// the blank number starts a new one), types the first day of illness (pay
// code 5 is offered) and the periods with their payment percent; the form
// shows the twelve months of earnings, the average daily earnings, each
// period's daily amount (the average no more than the monthly maximum over
// the month's days, at the period's percent) and the sum to pay. A save
// checks every field, recomputes, asks, and writes the certificate with its
// split by pay sheet in one transaction; the print shows the calculation
// sheet of the stored certificate.
#pragma once
#include "CMyFormView1.h"
#include "dlgkit.h"
#include "gridbase.h"

namespace npaymar {

class CBolView : public CMyFormView1 {
    DECLARE_DYNCREATE(CBolView)
public:
    CBolView();
    ~CBolView() override;

    void OnInitialUpdate() override;
    // The name, the employee's certificates of the month with the blank
    // entry first, the last one loaded.
    void OnChangeTn() override;
    // The pay code's name in 1006, then the figures.
    void OnChangeVou() override;
    // The accrual codes only.
    void OnVOUbtn() override;
    // Enter in the number list moves on as Tab does; F8 deletes.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The figures of the fields as they stand: the months, the average, each
    // period's daily amount and sum, the total.
    void RecalcSickPay();
    // The certificate whose number is shown (none: a new one).
    void LoadSickLeave();
    // TRUE when written.
    BOOL SaveSickLeave();
    // TRUE when deleted.
    BOOL DeleteSickLeave();
    // The calculation sheet of the stored certificate (`flag` -1 shown, -2
    // printed at once); a certificate not stored as shown is saved instead.
    void PrintSickLeaveCertificate(int flag);
    // The days of a period's row without days off and holidays, into its
    // empty days cell (`committed` is the text of the cell being committed).
    void CountPeriodDays(long col, long row, CString* committed);

    CCellwork m_periods;
    CCellwork m_earnings;
    CComboBox m_numbers;
    CderivedEdit m_edits[3];

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnStartLeft();
    afx_msg void OnStartChanged();
    afx_msg void OnVouFocused();
    afx_msg void OnTNListbtn();
    afx_msg void OnNumberChosen();
    afx_msg LRESULT OnNumberPlaced(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPeriodsChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSaveCommand();
    afx_msg void OnDeleteCommand();
    afx_msg void OnPrintCommand();
    afx_msg void OnPrintDirect();
    void OnPeriodCommitted(short col, short row, short key, CString* text);
    void OnPeriodChanged(short col, short row, CString* text);
    void OnEarningsEdit(short col, short row, CString* text, short* cancel);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    // The shown certificate number, checked, or "".
    CString ShownNumber() const;
    // One row at the end of the periods grid stays free for a new period.
    void KeepEntryRow();
    BOOL RefuseCell(long col, long row, const CString& message);

    CString m_periodFilter;
    CString m_average;
    bool m_recalc = true;
    bool m_recalcPosted = false;
};

} // namespace npaymar
