// The dates of one month's reporting period (dialog 223, "Редактирование
// периода"), changed from the month view.
#pragma once
#include "afx.h"

class COtpFromTo : public CDialog {
public:
    explicit COtpFromTo(CWnd* pParent = nullptr);

    // Today unless set before the dialog runs.
    COleDateTime m_from;
    COleDateTime m_to;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    DECLARE_MESSAGE_MAP()
};
