// CRodFeeView: what the parents' fee accruals (CRodNuchView) and receipts
// (CRodPostView) share: a header of a debit and a credit account, one of them
// with its analytic codes, and a grid of one row per child (code, name, fee,
// amount, teacher) whose rows with a code and an amount post one entry each
// (the receipts two through 201.03 when asked).
//
// The grid: a code typed or chosen brings the child's name and fee, the fee
// also as the amount, and the leaving mark; an amount left empty takes the
// fee back; a row is appended when no cell is empty. The children book's
// window (button of column 0) answers 0x465, the employee chooser (column 4)
// 0x401. Command 32860 empties the current row after asking.
//
// The save checks the header in the documents' order, then every row with a
// code and an amount: the child's counterparty row (a child without one is
// refused by name), the test of the postings the row writes; then it writes
// header and postings as one transaction, closes the form and tells the lists.
#pragma once
#include "AnalyticRows.h"
#include "BankRows.h"
#include "CCellwork.h"
#include "CPostingDocView.h"
#include "CRodFeeRecord.h"
#include "CSchetEdit.h"
#include "dlgkit.h"

namespace nledmark {

// The cells of a row of a fee grid.
enum RodFeeColumn { ROD_CODE = 0, ROD_NAME, ROD_FEE, ROD_SUM, ROD_TEACHER, ROD_COLUMNS };

class CRodFeeView : public CPostingDocView {
    DECLARE_DYNAMIC(CRodFeeView)
public:
    static constexpr UINT kAddRowMsg = 0x464;
    static constexpr UINT kChildAnswer = 0x465;
    static constexpr UINT kTeacherAnswer = 0x401;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }

    const CRodFeeRecord& Record() const { return m_record; }

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedEdit m_editDate;
    CderivedEdit m_editNumber;
    CSchetEdit m_editDebit;
    CSchetEdit m_editCredit;
    CderivedEdit m_editKbkDebit;
    CderivedEdit m_editKbkCredit;
    CderivedEdit m_editValues[3];
    CderivedEdit m_editContent;
    CderivedEdit m_editPrim;
    CString m_strDate;
    CString m_strNumber;
    CString m_strDebit;
    CString m_strCredit;
    CString m_strKbkDebit;
    CString m_strKbkCredit;
    CString m_strValues[3];
    CString m_strContent;
    CString m_strPrim;

protected:
    // `analyticAccount`: the account field whose analytic codes the header
    // keeps (the credit of an accrual, the debit of a receipt).
    CRodFeeView(UINT nIDTemplate, const char* table, bool through, UINT analyticAccount);
    ~CRodFeeView() override;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void AfterSave() override;
    void OnSaveDeclined() override;
    UINT NumberFieldId() const override;
    CCellwork* LinesGrid() override { return &m_grid; }
    std::vector<CAnswerColumn> AnswerColumns() const override;
    void OnAnswered(UINT msg, long row) override;

    // The posting of a row with its code, amount and teacher, the child's
    // counterparty found; the postings the row writes (the receipts may route
    // it through 201.03).
    virtual CPostingLine RowPosting(const CString& contr, const CString& teacher, const CString& amount) const = 0;
    virtual std::vector<CPostingLine> RowPostings(const CPostingLine& posting) { return {posting}; }
    // "Укажите кому начислили" or "Укажите кто платил".
    virtual const char* NoRowsMessage() const = 0;

    // A new document's header: the next number of the table, today, the
    // content, the accounts remembered under the keys (else the defaults),
    // no codes, KBKs or note.
    void NewHeader(const char* content, const char* creditKey, const char* creditDefault, const char* debitKey,
                   const char* debitDefault);
    // The accounts and the branch remembered in the profile's "constants".
    void RememberAccounts(const char* creditKey, const char* debitKey);
    // The header fields into the form, the branch list filled.
    void ShowHeader(int branch);
    // The header of the stored document into the members; FALSE (the form
    // closes) when its row cannot be read.
    BOOL LoadStoredHeader(int& branch);
    // The row of the cell the child chooser or the employee chooser answers.
    void OpenChildBook(long row);
    void OpenTeacherChooser(long row);
    CString Cell(int col, long row) const { return m_grid.GetCellValue(col, row); }
    void FocusRow(long row, int col);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDebitPick();
    afx_msg void OnCreditPick();
    afx_msg void OnKbkDebitPick();
    afx_msg void OnKbkCreditPick();
    afx_msg BOOL OnAnalyticPickCommand(UINT id);
    afx_msg void OnAnalyticChange(UINT id);
    afx_msg void OnAnalyticAccountChange();
    afx_msg void OnClearRow();
    afx_msg LRESULT OnAddRow(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTeacherAnswer(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);

    CRodFeeRecord m_record;
    BOOL m_bLoading = FALSE;
    BOOL m_bFilling = FALSE;
    // The chooser filters of the account fields and the grid's top.
    const char* m_debitAccounts = "";
    const char* m_creditAccounts = "";
    int m_gridTop = 210;
    int m_gridBottomGap = 275;

private:
    UINT m_analyticAccount;
    long m_teacherRow = -1;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
