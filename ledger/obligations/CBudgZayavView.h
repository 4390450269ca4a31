// CBudgZayavView: the budget request ("Бюдж.заявка", dialog 645). The
// bookkeeper prepares a request for the transfer of a subvention: a table of
// indicators whose sums, tax of 26.2 % and totals in thousands the form
// computes as a quantity or an amount is entered, and a debit and a credit
// account, each with the analytic values its dimensions ask for. A save
// posts the grand total once and leaves the form open; the form prints
// itself through its report ("prn(real_id)").
#pragma once
#include "CBudgZayavRecord.h"
#include "CCellwork.h"
#include "CPostingDocView.h"
#include "CSchetEdit.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class CBudgZayavView : public CPostingDocView {
    DECLARE_DYNCREATE(CBudgZayavView)
public:
    static constexpr UINT kTrailingRowMsg = 0x464;

    CBudgZayavView();
    ~CBudgZayavView() override;

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
    CderivedEdit m_editDate;
    CderivedEdit m_editNumber;
    CderivedEdit m_editIcn;
    CderivedEdit m_editPrim;
    CSchetEdit m_editDebit;
    CSchetEdit m_editCredit;
    CString m_strDate;
    CString m_strNumber;
    CString m_strIcn;
    CString m_strPrim;
    CString m_strDebit;
    CString m_strCredit;
    CString m_strKbkDebit;
    CString m_strKbkCredit;
    CString m_strDebitValues[3];
    CString m_strCreditValues[3];

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
    void OnLinesChanged() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDebitPick();
    afx_msg void OnCreditPick();
    afx_msg void OnKbkDebit();
    afx_msg void OnKbkCredit();
    afx_msg void OnAnalyticPick(UINT id);
    afx_msg void OnAnalyticChange(UINT id);
    afx_msg void OnDebitChange();
    afx_msg void OnCreditChange();
    afx_msg LRESULT OnTrailingRow(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);

private:
    void RefreshAnalytics(bool debit);
    BOOL CheckAccount(UINT ctrlId, const CString& account, const char* emptyMessage, const char* unknownMessage);

    CBudgZayavRecord m_record;
    BOOL m_bLoading = FALSE;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
