// CBankPostupView: a bank statement of receipts ("Банк поступ.", dialog 577).
// The header names the main account the money arrived on (the debit of every
// row); each row names the credit account with its analytic values, the sum
// and the content. Saving writes the statement and one posting per row, or
// two through 201.03 when the box 1068 is ticked, then closes the form.
//
// The form keeps its statements in the table its mode names (the document's
// integer parameter: 0 ledmark_bank_postup, 1 ledmark_bank_postup0); any
// other mode does not open.
#pragma once
#include "CBankStatementView.h"

namespace nledmark {

class CBankPostupView : public CBankStatementView {
    DECLARE_DYNCREATE(CBankPostupView)
public:
    CBankPostupView();
    ~CBankPostupView() override;

    void OnInitialUpdate() override;

protected:
    BOOL ValidateDocument() override;
    void PickMainAccount() override;
    CString ChooserOtherAccount(long row) const override;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
