// CBudgObyazView: the budget obligation ("Бюдж.обяз-во", dialog 581). The
// bookkeeper records the obligation taken under one supplier contract for
// one economic code, split over the twelve months of the year. A save posts
// the whole amount once, by default 501.03 against 502.01, with the
// economic code's KOSGU; the accounts of the last saved obligation are the
// defaults of the next one. A successful save closes the form.
#pragma once
#include "CBudgObyazRecord.h"
#include "CBudgetDocView.h"
#include "res/resource.h"

namespace nledmark {

class CBudgObyazView : public CBudgetDocView {
    DECLARE_DYNCREATE(CBudgObyazView)
public:
    CBudgObyazView();
    ~CBudgObyazView() override;

    void OnInitialUpdate() override;
    void SetSql() override;
    // The account tails are reset before the save reads the form.
    int Write(int ask) override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }

    CderivedEdit m_editDate;
    CderivedEdit m_editContract;
    CderivedEdit m_editEkr;
    CString m_strDate;
    CString m_strContract;
    CString m_strEkr;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    void OnSaveDeclined() override { FocusField(IDC_BUDG_DATE_TEXT, TRUE); }
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    std::vector<CString> PostedAccounts() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDebitPick();
    afx_msg void OnCreditPick();
    afx_msg void OnEkrPick();
    afx_msg void OnContractPick();
    afx_msg void OnEkrChange();
    afx_msg void OnContractChange();

private:
    BOOL LoadStored(int& branch);
    void ShowMonths();
    BOOL CheckBooks();
    BOOL CheckAccount(UINT ctrlId, const CString& account, int side, const char* emptyMessage, CString& posting);
    BOOL SumMonths(double& total);

    CBudgObyazRecord m_record;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
