// CBankSpisView: a bank statement of payments ("Банк спис.", dialog 576). The
// header names the main account the money left (the credit of every row, by
// default 230405000); each row names the debit account with its analytic
// values, the sum, the wording and the payment order it pays. Saving writes
// the statement and one posting per row, and with the box 1068 ticked the
// budget obligation (501.03 against 502.01) of each row whose debit keeps a
// contract; then the form closes.
#pragma once
#include "CBankStatementView.h"

namespace nledmark {

class CBankSpisView : public CBankStatementView {
    DECLARE_DYNCREATE(CBankSpisView)
public:
    CBankSpisView();
    ~CBankSpisView() override;

    void OnInitialUpdate() override;

    // The payment orders a row may pay (the chooser's query): dated up to the
    // statement, of the counterparty's organisation where the debit keeps
    // counterparties, of the row's sum when one matches.
    CString PaymentOrderQuery(long row);

protected:
    BOOL ValidateDocument() override;
    // Written after "Yes" only.
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    std::vector<CAnswerColumn> AnswerColumns() const override;
    void PickMainAccount() override;
    void PickCell(int col, long row) override;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
