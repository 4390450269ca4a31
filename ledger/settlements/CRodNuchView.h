// CRodNuchView: the parents' fee accrual ("нач.род.платы", dialog 566). Each
// month the bookkeeper fills the grid with the debtors (every child with a
// teacher and a fee who has not left by the date, charged the full fee),
// corrects a few amounts and saves one posting per child: the settlement
// account (debit, with the child's counterparty and teacher) against the
// accrual account (credit, with the header's analytic codes).
#pragma once
#include "CRodFeeView.h"

namespace nledmark {

class CRodNuchView : public CRodFeeView {
    DECLARE_DYNCREATE(CRodNuchView)
public:
    static const char* const kTable;

    CRodNuchView();
    ~CRodNuchView() override;

    void OnInitialUpdate() override;
    void SetSql() override;

protected:
    CPostingLine RowPosting(const CString& contr, const CString& teacher, const CString& amount) const override;
    const char* NoRowsMessage() const override { return "Укажите кому начислили"; }
    void RememberDefaults() override;

    afx_msg void OnFill();
    afx_msg void OnReload();

private:
    // Header fields are written into the form only by the first load, so a
    // reload keeps an edited header and re-reads the table part.
    BOOL m_bFirstLoad = TRUE;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
