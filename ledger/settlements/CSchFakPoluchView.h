// CSchFakPoluchView: the received invoice ("сч.фак.получ.", dialog 440): the
// supplier's invoice registered on its date of receipt with its number, date,
// sum and the text of what was supplied; the supplier's account (the credit
// side) with its KBK and analytic values; one debit line per row of the grid.
// A save posts each line against the supplier and, with 1069 set, also its
// pair through 501.03 and 502.01; "Не проводить документ" keeps the invoice
// without postings. On request it writes its row of the VAT purchase book in
// the same transaction and opens that row after the save.
#pragma once
#include "CCellwork.h"
#include "CPostingDocView.h"
#include "CSchFakPoluchRecord.h"
#include "CSchetEdit.h"
#include "ReceivedInvoicePostings.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

// The columns of the debit lines.
enum {
    SFP_KBK,
    SFP_ACCOUNT,
    SFP_VALUE1,
    SFP_VALUE2,
    SFP_VALUE3,
    SFP_QUANTITY,
    SFP_SUM,
    SFP_EKR,
    SFP_COLUMNS
};

class CSchFakPoluchView : public CPostingDocView {
    DECLARE_DYNCREATE(CSchFakPoluchView)
public:
    CSchFakPoluchView();
    ~CSchFakPoluchView() override;

    void OnInitialUpdate() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return m_record.HasPostings(); }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WriteLinkedRows(long realId) override { return m_record.WriteLinkedRows(realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }
    const CSchFakPoluchRecord& Record() const { return m_record; }

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CSchetEdit m_editSupplier;
    CderivedEdit m_editDate, m_editNumber, m_editInvoiceDate, m_editSum, m_editKbk, m_editText;
    CderivedEdit m_editValues[3];
    int m_bNoPosting = 0;
    int m_b501 = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL LoadDocument() override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    BOOL OnSaveConfirmed() override;
    void AfterSave() override;
    UINT NumberFieldId() const override { return IDC_SFP_DATE; }
    CCellwork* LinesGrid() override { return &m_grid; }
    std::vector<CAnswerColumn> AnswerColumns() const override;

    afx_msg void OnSupplierPick();
    afx_msg void OnKbkPick();
    afx_msg void OnValuePick(UINT id);
    afx_msg void OnValueChange(UINT id);
    afx_msg void OnSupplierChange();
    afx_msg void OnNoPosting();
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);

private:
    // The supplier's account as typed, six characters completed with "000".
    CString SupplierAccount() const;
    int Branch() const;
    CString Cell(int col, long row) const { return m_grid.GetCellValue(col, row); }
    // Shows or hides the posting fields and the grid by "Не проводить документ".
    void ShowPostingFields();
    // The checks of a posted invoice: the supplier's account, then each filled
    // line with its pair, tested as the posting script will write them.
    BOOL CheckPostings(CSchFakPoluchRecord& r);
    void FocusLine(long row, int col);

    CSchFakPoluchRecord m_record;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
