// CBankFinansView: financing received from a bank statement ("Финансир.",
// dialog 642). The bookkeeper chooses the source of financing and the
// counterparty and enters one row per economic code with its sum; each row
// posts on the accounts its source and code give (FinancingAccount). A save
// offers a new document in the same form.
#pragma once
#include "CBankFinansRecord.h"
#include "CCellwork.h"
#include "CPostingDocView.h"
#include "dlgkit.h"

namespace nledmark {

class CBankFinansView : public CPostingDocView {
    DECLARE_DYNCREATE(CBankFinansView)
public:
    CBankFinansView();
    ~CBankFinansView() override;

    void OnInitialUpdate() override;
    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedComboBox m_comboSource;
    CderivedDTimeCtrl m_dateCtrl;
    CderivedEdit m_editNumber;
    CderivedEdit m_editIcn;
    CderivedEdit m_editKbk;
    CderivedEdit m_editContr;
    CderivedEdit m_editPrim;
    COleDateTime m_date;
    CString m_strNumber;
    CString m_strIcn;
    CString m_strKbk;
    CString m_strContr;
    CString m_strPrim;

    // The source of financing chosen in the list (1 when none).
    int Source() const;
    const CBankFinansRecord& Record() const { return m_record; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    void AfterSave() override;
    void OnSaveDeclined() override;
    UINT NumberFieldId() const override;
    CCellwork* LinesGrid() override { return &m_grid; }
    std::vector<CAnswerColumn> AnswerColumns() const override;
    void OnAnswered(UINT msg, long row) override;
    void OnLinesChanged() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnKbkPick();
    afx_msg void OnContrPick();
    afx_msg void OnContrChange();
    afx_msg void OnHeaderChange();
    afx_msg LRESULT OnTrailingRow(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEkrAnswer(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);

private:
    CString Cell(int col, long row) const { return m_grid.GetCellValue(col, row); }
    BOOL LoadStored(int& branch, int& source);
    // The content of a row from the accounts of its code.
    void ContentOf(long row, const CString& ekr);
    // The row check; `headerKbk` is the code the rows without their own take.
    BOOL CheckRow(long row, const CString& headerKbk);
    void FocusRow(long row, int col);

    CBankFinansRecord m_record;
    BOOL m_bLoading = FALSE;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
