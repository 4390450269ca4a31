// CRodPostView: the parents' fee receipts ("пост.род.платы", dialog 565). As
// money comes in the bookkeeper enters, per child, the amount paid, finding
// the child by code, through the children book (F3, the button of the code
// column) or by a fragment of the name (F7). Each row posts the cash or bank
// account (debit, with the header's analytic codes) against the settlement
// account (credit, with the child's counterparty and teacher), or, with the
// box "Корресп-вать через 201 03 счет" ticked, two postings through the
// transit account 201.03.
#pragma once
#include "CRodFeeView.h"
#include "FragmentSearch.h"

namespace nledmark {

class CRodPostView : public CRodFeeView {
    DECLARE_DYNCREATE(CRodPostView)
public:
    static const char* const kTable;

    CRodPostView();
    ~CRodPostView() override;

    void OnInitialUpdate() override;
    void SetSql() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    int m_nThrough = 0;  // b210

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CPostingLine RowPosting(const CString& contr, const CString& teacher, const CString& amount) const override;
    std::vector<CPostingLine> RowPostings(const CPostingLine& posting) override;
    const char* NoRowsMessage() const override { return "Укажите кто платил"; }
    void RememberDefaults() override;

private:
    // F7: the child whose name holds the fragment goes into the current row;
    // several are offered in the children chooser, opened on the fragment.
    void SearchChild();

    naddviews::SearchMemory m_search;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
