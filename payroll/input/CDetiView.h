// CDetiView ("DetiView", dialog 375): an employee's children, one at a time:
// the birth date and whether the child-care allowance is accrued up to one
// and a half and up to three years, with the employee's single-parent mark.
// A save asks, then writes the child (under the next number when none is
// typed) and the mark together; the form stays open on the employee.
#pragma once
#include "NumberedRecordView.h"
#include "dlgkit.h"

namespace npaymar {

class CDetiView : public CNumberedRecordView {
    DECLARE_DYNCREATE(CDetiView)
public:
    CDetiView();
    ~CDetiView() override;

    void OnInitialUpdate() override;
    // The single-parent mark, then the children (the base's).
    void OnChangeTn() override;
    // The employees who have children, but those dismissed before the working month.
    void OnTNListbtn();
    // The save of command 1: TRUE when written.
    BOOL Save();

    CderivedEdit m_edits[2];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void LoadRecord() override;

    afx_msg void OnSaveCommand();

    DECLARE_MESSAGE_MAP()
};

} // namespace npaymar
