// COperByHandView: the manual operation form ("<вручную>", dialog 514). The
// bookkeeper enters a dated, numbered operation of one branch and a free table
// of postings, each line with its own accounts, analytic values, budget
// classification codes, quantity, amount and content. The operation is one
// row of ledmark_oper_by_hand; its lines are the postings under its id and are
// read back from them. A save ends with the offer of a new operation in the
// same form.
#pragma once
#include "CCellwork.h"
#include "COperByHandRecord.h"
#include "CPostingDocView.h"
#include "dlgkit.h"

namespace nledmark {

class COperByHandView : public CPostingDocView, public INumberDated {
    DECLARE_DYNCREATE(COperByHandView)
public:
    COperByHandView();
    ~COperByHandView() override;

    void OnInitialUpdate() override;

    // The stored side: the record the checks filled, saved as the record
    // itself saves (its posting statements made before the save, which then
    // goes to the server as one call).
    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }
    BOOL MakePostingStatements(CPostingStatements& statements) override
    {
        return m_record.MakePostingStatements(statements);
    }
    bool WritesOnlyHeaderAndPostings() const override { return m_record.WritesOnlyHeaderAndPostings(); }
    CString* Number() override { return m_record.Number(); }
    CString ProposedNumber() const override { return m_record.ProposedNumber(); }
    CString NumberDate() const override { return m_record.NumberDate(); }

    CCellwork m_grid;
    CderivedEdit m_editPrim;
    CderivedEdit m_editNumber;
    CderivedEdit m_editSum;
    CderivedComboBox m_comboFil;
    CderivedDTimeCtrl m_dateCtrl;
    COleDateTime m_date;
    CString m_strPrim;
    CString m_strNumber;
    CString m_strSum;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL LoadDocument() override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    void AfterSave() override;
    UINT NumberFieldId() const override;
    CCellwork* LinesGrid() override { return &m_grid; }
    std::vector<CAnswerColumn> AnswerColumns() const override;
    void OnAnswered(UINT msg, long row) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    // Events of the lines grid.
    afx_msg void OnLinesRowEnter(short col, short row, short* flag);
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);
    afx_msg void OnLinesCellMoved(short col, short row);

private:
    // Loading (COperByHandView.cpp).
    BOOL LoadStored(int& branch, CString& date);
    void ShowLines(const std::vector<COperLine>& lines);
    std::vector<COperLine> ReadLines() const;
    void ShowCheckedLines(const std::vector<COperLine>& lines);

    // The lines (COperByHandLines.cpp).
    CString Cell(int col, long row) const { return m_grid.GetCellValue(col, row); }
    void SetCell(int col, long row, const CString& text);
    void FillDefaultContent(long row, const CString& debit, const CString& credit);
    void RefreshRow(long row, bool debit, bool credit);
    void RefreshSide(long row, int accountColumn);
    void RefreshQuantity(long row);

    COperByHandRecord m_record;
    BOOL m_bLoading = FALSE;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
