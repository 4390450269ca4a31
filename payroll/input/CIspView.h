// CIspView ("IspView", dialog 377): the writs of execution of an employee,
// one at a time: the deduction code (above 200), the total to pay with what
// remains of it after the payments the monthly run recorded, the monthly sum
// or percentage, the period, the recipient's kind, bank branch and account.
// A save checks every field in order, asks, and writes the writ under the
// next number when none is typed; a delete removes the writ with its payments.
#pragma once
#include "NumberedRecordView.h"
#include "dlgkit.h"

namespace npaymar {

class CIspView : public CNumberedRecordView {
    DECLARE_DYNCREATE(CIspView)
public:
    CIspView();
    ~CIspView() override;

    void OnInitialUpdate() override;
    // The deduction codes only.
    void OnVOUbtn() override;
    // The employees who have writs.
    void OnTNListbtn();
    // The save of command 1: TRUE when written.
    BOOL Save();

    CderivedEdit m_edits[6];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void LoadRecord() override;
    BOOL DeleteRecord(const CString& tn, const CString& npp) override;

    afx_msg void OnSaveCommand();

    DECLARE_MESSAGE_MAP()
};

// The text of what remains of a writ's total `sv` (a stored amount) after
// its payments: the whole total when it has none; "" for no total.
CString WritRemaining(const CString& tn, const CString& npp, const CString& sv);

} // namespace npaymar
