// CSredView ("SredView", dialog 388): an employee's payment by average
// earnings in the working month: the pay code, the date the calculation
// starts from and the days to pay; the form shows the months of the average,
// the average daily actual earnings and the amount. A save checks the
// fields, recomputes, asks, and writes the payment with its split by pay
// sheet in one transaction; the certificate prints the stored calculation.
#pragma once
#include "AverageEarnings.h"
#include "CMyFormView1.h"
#include "dlgkit.h"
#include "gridbase.h"

namespace npaymar {

class CSredView : public CMyFormView1 {
    DECLARE_DYNCREATE(CSredView)
public:
    CSredView();
    ~CSredView() override;

    void OnInitialUpdate() override;
    // The name, then the payment of the month stored for the employee.
    void OnChangeTn() override;
    // The name, then the figures.
    void OnChangeVou() override;
    // The accrual codes only.
    void OnVOUbtn() override;

    // The figures of the fields as they stand; `quiet` keeps a missing
    // calendar norm unsaid (the save says why it stops).
    AverageEarnings RecalcAverageEarnings(bool quiet = false);
    // TRUE when written.
    BOOL SaveAverageEarnings();
    // TRUE when deleted.
    BOOL DeleteAverageEarnings();
    // The employees with a payment in the working month.
    void ShowAverageEarningsList();
    // The certificate of the stored payment (`flag` -1 shown, -2 printed at
    // once); a payment not stored as shown is saved instead.
    void PrintAverageEarningsCertificate(int flag);

    CCellwork m_grid;
    CderivedEdit m_edits[4];

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnDaysChanged();
    afx_msg void OnDateLeft();
    afx_msg void OnSaveCommand();
    afx_msg void OnDeleteCommand();
    afx_msg void OnPrintCommand();
    afx_msg void OnPrintDirect();
    void OnGridEdit(short col, short row, CString* text, short* cancel);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    void ReloadShown();

    bool m_loading = false;
};

} // namespace npaymar
