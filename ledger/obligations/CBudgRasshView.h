// CBudgRasshView: the contract breakdown ("расш.к договору", dialog 582).
// The bookkeeper spreads a supplier contract over the months of the year, one
// line per economic code, source of financing and KBK. A new input line is
// offered only once every line is complete. The breakdown writes no
// postings; saving a new one renews the form for the next breakdown, saving
// a stored one closes it.
#pragma once
#include "CBudgRasshRecord.h"
#include "CCellwork.h"
#include "CPostingDocView.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class CBudgRasshView : public CPostingDocView {
    DECLARE_DYNCREATE(CBudgRasshView)
public:
    // The private messages: the trailing line, the answers of the economic
    // code and KBK choosers (the chosen id).
    static constexpr UINT kTrailingRowMsg = 0x464;
    static constexpr UINT kEkrAnswerMsg = 0x465;
    static constexpr UINT kKbkAnswerMsg = 0x469;

    CBudgRasshView();
    ~CBudgRasshView() override;

    void OnInitialUpdate() override;
    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return FALSE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long) override { return TRUE; }

    // The line's check: the economic code and the KBK known, a source given.
    // With messages the fault is told and its cell made current.
    BOOL CheckRow(long row, BOOL messages);

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedEdit m_editDate;
    CderivedEdit m_editNumber;
    CderivedEdit m_editContract;
    CderivedEdit m_editPrim;
    CString m_strDate;
    CString m_strNumber;
    CString m_strContract;
    CString m_strPrim;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    void OnSaveDeclined() override { FocusField(IDC_BUDG_DATE_TEXT, TRUE); }
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    void AfterSave() override;
    UINT NumberFieldId() const override;
    CCellwork* LinesGrid() override { return &m_grid; }
    std::vector<CAnswerColumn> AnswerColumns() const override;
    void OnAnswered(UINT msg, long row) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnContractPick();
    afx_msg void OnContractChange();
    afx_msg void OnClearLine();
    afx_msg LRESULT OnTrailingRow(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);

private:
    CString Cell(int col, long row) const { return m_grid.GetCellValue(col, row); }
    BOOL RowFault(long row, int col, const char* message, BOOL messages);
    BOOL CheckRows(double& total);

    CBudgRasshRecord m_record;
    BOOL m_bWasNew = FALSE;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
