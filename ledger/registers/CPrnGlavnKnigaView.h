// CPrnGlavnKnigaView: the form of the main book ("PrnGlavnKnigaView",
// template and dialog 510): the branches, the period, the account or every
// account at once, and the KBK list. OK builds the book (MainBookPage.h) and
// shows it in the report window across the sheet.
#pragma once
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

class CPrnGlavnKnigaView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnGlavnKnigaView)
public:
    CPrnGlavnKnigaView();
    ~CPrnGlavnKnigaView() override;

    void OnInitialUpdate() override;

    CderivedEdit m_editFils, m_editAccount, m_editKbk;
    COleDateTime m_dateFrom, m_dateTo;
    int m_bAllAccounts = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void OnSchBtn();
    afx_msg void OnAllAccounts();
    afx_msg void OnKbkBtn();
    afx_msg void OnFILbtn();

private:
    void EnableAccount();

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
