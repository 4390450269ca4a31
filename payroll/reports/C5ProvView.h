// C5ProvView ("exp_5_prov", template 638): the transfer of the working month's
// payroll posting 5 to the ledger. The date picker opens on the last day of
// the working month; OK asks "Перекинуть 5 проводку из з/п в журнал
// операций за <месяц> <год>г. ?" and, on Yes, has the workplace's script
// Prov_5 post the month on the picked date. Only a transfer that succeeded
// closes the form; a refused one leaves it open for another date.
#pragma once
#include "CderivedFormview.h"

namespace npaymar {

class __attribute__((visibility("default"))) C5ProvView : public CderivedFormview {
    DECLARE_DYNCREATE(C5ProvView)
public:
    C5ProvView();
    ~C5ProvView() override;

    void OnInitialUpdate() override;

    COleDateTime m_date;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnOK();

    DECLARE_MESSAGE_MAP()
};

} // namespace npaymar
