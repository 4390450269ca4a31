// CPrnSvodProvodkiView: the parameter form of the summary of postings by
// account ("svod_provodki", template and dialog 646): the branches, the
// period, the account, the KBK list, the analytic dimension to break the
// summary down by and the split by KBK. OK keeps the account and dimension
// for the next opening and runs the form's script "prn", which shows the
// summary.
#pragma once
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

class CPrnSvodProvodkiView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnSvodProvodkiView)
public:
    CPrnSvodProvodkiView();
    ~CPrnSvodProvodkiView() override;

    void OnInitialUpdate() override;

    // Lists the dimensions of the account typed that have a book, each
    // carrying its number (1-3), and selects the saved one for the saved
    // account, else the first.
    void RefillDimensions();
    // The dimension of the selected entry, -1 when none is.
    int Dimension() const;
    // The "prn" call of the form's current choices.
    CString PrnCall();

    CderivedEdit m_editFils, m_editAccount, m_editKbk;
    CderivedComboBox m_comboDimension;
    COleDateTime m_dateFrom, m_dateTo;
    int m_bSplit = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void OnSchBtn();
    afx_msg void OnKbkBtn();
    afx_msg void OnFILbtn();
    afx_msg void OnAccountChange();

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
