// The income-tax benefits of an employee: CLgotyView ("lgoty", dialog 664)
// his standing benefits (paymar_lgoty), opened on a personnel number given
// as the parameter text with that number fixed; CLgotyEditView ("lgoty_edit",
// dialog 665) his benefits of a month of the working year (paymar_m_), the
// month chosen in its list.
#pragma once
#include "LgotyGridView.h"

namespace npaymar {

class CLgotyView : public CLgotyGridView {
    DECLARE_DYNCREATE(CLgotyView)
public:
    CLgotyView();
    ~CLgotyView() override;

    void OnInitialUpdate() override;

protected:
    CString LoadSql(const CString& tn) override;
    CString DeleteSql(const CString& tn) override;
    CString InsertSql(const CString& tn, const CString& code, const CString& sum) override;
};

class CLgotyEditView : public CLgotyGridView {
    DECLARE_DYNCREATE(CLgotyEditView)
public:
    CLgotyEditView();
    ~CLgotyEditView() override;

    void OnInitialUpdate() override;
    // The month chosen (the working month until one is).
    long Month() const;

    CComboBox m_month;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CString LoadSql(const CString& tn) override;
    CString DeleteSql(const CString& tn) override;
    CString InsertSql(const CString& tn, const CString& code, const CString& sum) override;

    afx_msg void OnMonthChosen();

    DECLARE_MESSAGE_MAP()
};

} // namespace npaymar
