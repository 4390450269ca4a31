// CKnigaPokView: one entry of the VAT purchase book ("книга покупок", dialog
// 448): a received invoice with its supplier, its dates and its amounts by
// rate. It posts nothing and has no number of its own; a save offers to go
// on with a new entry in the same form. Its print opens the purchase book
// ("ОтчКнигПокуп").
#pragma once
#include "CKnigaPokRecord.h"
#include "CVatBookEntryView.h"

namespace nledmark {

class CKnigaPokView : public CVatBookEntryView {
    DECLARE_DYNCREATE(CKnigaPokView)
public:
    CKnigaPokView();
    ~CKnigaPokView() override;

    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }

    CderivedEdit m_editAccepted, m_editGtd;

protected:
    const char* FormName() const override { return "Запись книги покупок"; }
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.accepted; }
    void RememberDefaults() override;

    afx_msg void OnPrint();

private:
    CKnigaPokRecord m_record;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
