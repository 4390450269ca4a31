// COSIznosView: the depreciation run ("os_iznos", dialog 507): the operation
// date, the debit accounts of depreciation of other sources (1158) and of
// source 2 (1071) and the date a card's depreciation starts from. OK asks,
// runs every branch (DepreciationRun.h), says what each branch came to,
// prints the journal of depreciation and closes the form.
#pragma once
#include "CSchetEdit.h"
#include "CderivedFormview.h"

namespace nledmark {

class COSIznosView : public CderivedFormview {
    DECLARE_DYNCREATE(COSIznosView)
public:
    COSIznosView();
    ~COSIznosView() override;

    void OnInitialUpdate() override;

    CSchetEdit m_editDebit;   // 1158 "Дебет прочие"
    CSchetEdit m_editDebit2;  // 1071 "Дебет платный"
    COleDateTime m_date;      // 1010
    int m_nTypeDate = 0;      // 0 d_post, 1 d_ekspl

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnRun();
    afx_msg void OnDebitPick();
    afx_msg void OnDebit2Pick();

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bRunning = FALSE;
};

} // namespace nledmark
