// CVatBookEntryView: what the entries of the VAT purchase and sales books
// share: the invoice's number, date, total and date of payment, the
// counterparty, the eight amounts by rate (nos18, s18, nos10, s10, nos20,
// s20, s0, s00), the source of financing 1-4 with its name and the branch.
// Neither posts; a save offers to go on with a new entry in the same form.
// Each book adds its own date field, its checks and its print.
#pragma once
#include "CUnpostedDocView.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class CVatBookEntryView : public CUnpostedDocView {
    DECLARE_DYNAMIC(CVatBookEntryView)
public:
    void OnInitialUpdate() override;

    // The amount fields in the order of the columns nos18, s18, nos10, s10,
    // nos20, s20, s0, s00.
    static const UINT kAmountIds[8];

    CderivedComboBox m_comboFil;
    CderivedComboBox m_comboSource;
    CderivedEdit m_editNumber, m_editInvoiceDate, m_editTotal, m_editPaid, m_editOrg;
    CderivedEdit m_editAmounts[8];
    int m_nSource = 0;

protected:
    explicit CVatBookEntryView(UINT nIDTemplate);
    ~CVatBookEntryView() override;

    void DoDataExchange(CDataExchange* pDX) override;
    void PrepareForm() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    UINT NumberFieldId() const override { return IDC_KP_NUMBER; }
    void AfterSave() override;

    // A new entry keeps the source of the one before (1..4).
    int ShownSource();
    // The fields both books show, the branch list and the source with its
    // name; the focus on the number.
    void ShowEntry(int branch, int source, const CString& number, const CString& total, const CString& invoiceDate,
                   const CString& paid, const CString& org, const CString amounts[8]);

    afx_msg void OnSourceChange();

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
