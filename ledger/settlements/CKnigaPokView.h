// CKnigaPokView: one entry of the VAT purchase book ("книга покупок", dialog
// 448): a received invoice with its supplier, its dates and its amounts by
// rate. It posts nothing and has no number of its own; a save offers to go
// on with a new entry in the same form. Its print opens the purchase book
// ("ОтчКнигПокуп").
#pragma once
#include "CKnigaPokRecord.h"
#include "CUnpostedDocView.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class CKnigaPokView : public CUnpostedDocView {
    DECLARE_DYNCREATE(CKnigaPokView)
public:
    CKnigaPokView();
    ~CKnigaPokView() override;

    void OnInitialUpdate() override;
    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }

    CderivedComboBox m_comboFil;
    CderivedComboBox m_comboSource;
    CderivedEdit m_editNumber, m_editInvoiceDate, m_editTotal, m_editPaid, m_editAccepted, m_editOrg, m_editGtd;
    CderivedEdit m_editAmounts[8];
    int m_nSource = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void PrepareForm() override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.accepted; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    UINT NumberFieldId() const override { return IDC_KP_NUMBER; }
    void AfterSave() override;

    afx_msg void OnSourceChange();
    afx_msg void OnPrint();

private:
    CKnigaPokRecord m_record;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
