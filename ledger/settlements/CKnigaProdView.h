// CKnigaProdView: one entry of the VAT sales book ("книга продаж", dialog
// 449): an issued invoice with its buyer, its dates and its amounts by rate,
// of one source of financing. Its print opens the list of the period's
// entries ("ОтчКнигПродаж").
#pragma once
#include "CKnigaProdRecord.h"
#include "CVatBookEntryView.h"

namespace nledmark {

class CKnigaProdView : public CVatBookEntryView {
    DECLARE_DYNCREATE(CKnigaProdView)
public:
    CKnigaProdView();
    ~CKnigaProdView() override;

    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }

    CderivedEdit m_editDate;

protected:
    const char* FormName() const override { return "Запись книги продаж"; }
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;

    afx_msg void OnBuyerPick();
    afx_msg void OnBuyerChange();
    afx_msg void OnPrint();

private:
    // A date typed into `ctrlId`: "" for an empty field; a text that is no
    // date is refused with `message`.
    BOOL OptionalDate(UINT ctrlId, const CString& text, const char* message, CString& date);

    CKnigaProdRecord m_record;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
