// CBudgAsegView: budget assignments and limits ("Бюдж.ассигн.", dialog 578).
// For one source of financing the bookkeeper enters the amounts the budget
// gives, one per economic code: the monthly limits, the quarterly
// assignments or the assignments for the year. The monthly limits and the
// year's assignments post each row on their 501/503 accounts, whose defaults
// follow the kind and the source and are locked; the quarter is stored only.
// Several economic codes chosen at once fill consecutive rows. A save checks
// every row and tests every posting before anything is written, then closes
// the form.
#pragma once
#include "CBudgAsegRecord.h"
#include "CBudgetDocView.h"
#include "res/resource.h"

namespace nledmark {

// The private messages of the form: the trailing empty row, and the answer
// of the economic-code chooser ("a,b,c").
constexpr UINT kTrailingRowMsg = 0x464;
constexpr UINT kEkrAnswerMsg = 0x465;

class CBudgAsegView : public CBudgetDocView {
    DECLARE_DYNCREATE(CBudgAsegView)
public:
    CBudgAsegView();
    ~CBudgAsegView() override;

    void OnInitialUpdate() override;
    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }

    CderivedDTimeCtrl m_dateCtrl;
    CderivedComboBox m_comboKind;
    CderivedComboBox m_comboSource;
    COleDateTime m_date;
    int m_nKind = LIMITS_MONTHLY;
    int m_nSource = 0;  // the source of financing less 1

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    void OnSaveDeclined() override { FocusField(IDC_BUDG_DATE, FALSE); }
    CString DocumentDate() const override { return m_record.date; }
    std::vector<CString> PostedAccounts() override;
    void OnLinesChanged() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnKindOrSource();
    afx_msg void OnDebitPick();
    afx_msg void OnCreditPick();
    afx_msg LRESULT OnTrailingRow(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEkrAnswer(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);

private:
    CString Cell(int col, long row) const { return m_grid.GetCellValue(col, row); }
    BOOL LoadStored(int& branch);
    void ApplyDefaultAccounts();
    void LockAccountChoosers(BOOL locked);
    // The checks of a save (CBudgAsegChecks.cpp).
    BOOL CheckAccounts();
    BOOL CheckRows(double& total);
    BOOL SettlePostings(const CString& date, int branch);
    void FocusRow(long row);

    CBudgAsegRecord m_record;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
