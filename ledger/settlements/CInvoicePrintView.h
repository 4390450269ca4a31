// CInvoicePrintView: the parameter form (dialog 494) of the registers and
// books of invoices: the branch ("Все" for all), the period and the source
// of financing (0 all, 1-4) with its name. OK hands them to the form's own
// report script as prn("dd.mm.yyyy","dd.mm.yyyy",branch,source), the branch
// -2 for all. The form preselects the branch of profile "select_fil_prn";
// each print says whether it writes the branch chosen back and whether its
// script answers the page (a book) or shows it itself (a register).
#pragma once
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

class CInvoicePrintView : public CderivedFormview {
    DECLARE_DYNAMIC(CInvoicePrintView)
public:
    void OnInitialUpdate() override;

    // The call text of the parameters shown.
    CString CallText();

    CderivedComboBox m_comboFil;
    CderivedComboBox m_comboSource;
    COleDateTime m_dateFrom, m_dateTo;
    int m_nSource = 0;

protected:
    enum class Run { Shows, AnswersPage };
    CInvoicePrintView(const char* title, bool writesBranchBack, Run run);
    ~CInvoicePrintView() override;

    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnPrint();
    afx_msg void OnSourceChange();

private:
    const char* m_title;
    bool m_writesBranchBack;
    Run m_run;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
