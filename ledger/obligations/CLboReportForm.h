// The forms of the reports on limits of budget obligations: a branch (with
// "Все", remembered as "select_fil_prn"), a source of financing 0-4 with its
// name; the monthly reports add a KBK list and a division (shown only where
// account 130202000 keeps divisions), the period reports a period that starts
// as the user's working period. OK builds the page and shows it; the form
// stays open.
#pragma once
#include "CderivedFormview.h"
#include "LboMonthPages.h"
#include "LboPeriodPages.h"
#include "dlgkit.h"

namespace nledmark {

class CLboReportForm : public CderivedFormview {
    DECLARE_DYNAMIC(CLboReportForm)
public:
    void OnInitialUpdate() override;

    // The branch chosen (-2 for all), written to the profile for the next report.
    int ChosenBranch();
    // The branch chosen, not written anywhere.
    int SelectedBranch();

    CderivedComboBox m_comboBranch;  // 1115, item data = branch id, -2 all
    CderivedComboBox m_comboSource;  // 1016
    int m_nSource = 0;

protected:
    // The page prints across when `landscape`, in `fontSize` points.
    CLboReportForm(UINT dialogId, const char* title, int landscape, int fontSize);
    void DoDataExchange(CDataExchange* pDX) override;
    // Shows a page in a report window titled by the form.
    void ShowPage(const LimitPage& page);

    afx_msg void OnSourceChange();
    DECLARE_MESSAGE_MAP()

private:
    const char* m_title;
    int m_landscape, m_fontSize;
};

class CLboMonthForm : public CLboReportForm {
    DECLARE_DYNAMIC(CLboMonthForm)
public:
    void OnInitialUpdate() override;
    // The filter of the form; "" in `error` or the message that stops the run.
    LboMonthFilter Filter(CString& error);
    // Builds the page of `filter` (each report its own).
    virtual LimitPage Page(const LboMonthFilter& filter) = 0;

protected:
    using CLboReportForm::CLboReportForm;
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void OnPickKbk();
    afx_msg void OnDivisionChange();
    afx_msg void OnPickDivision();
    DECLARE_MESSAGE_MAP()

    CderivedEdit m_editDivision;  // 1028
    CderivedEdit m_editKbk;       // 1143
};

class CLboPeriodForm : public CLboReportForm {
    DECLARE_DYNAMIC(CLboPeriodForm)
public:
    LboPeriodFilter Filter();
    virtual LimitPage Page(const LboPeriodFilter& filter) = 0;

    COleDateTime m_dateFrom, m_dateTo;  // 1010, 1011

protected:
    CLboPeriodForm(UINT dialogId, const char* title, int landscape);
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
