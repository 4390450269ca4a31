// CMaterialsSpisView: the write-off of material values from a responsible
// person's books ("спис.мат.", dialog 373). The stock leaves the material
// account (credit) for the expense account (debit) at the average price of
// the person's balance; each row shows the quantity and sum available to it,
// the price, the sum written off and what remains, and may name who received
// the materials. An off-balance account, when given, takes each row on as
// well. The act of write-off, the statement of issue and the act 0504143 are
// printed from the stored document.
#pragma once
#include "CCellwork.h"
#include "CMaterialsSpisRecord.h"
#include "CPostingDocView.h"
#include "CSchetEdit.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class CMaterialsSpisView : public CPostingDocView {
    DECLARE_DYNCREATE(CMaterialsSpisView)
public:
    CMaterialsSpisView();
    ~CMaterialsSpisView() override;

    void OnInitialUpdate() override;
    void SetSql() override;
    void OnButtonSirch() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }
    CString LineTablesDeleteSql(long realId) override { return m_record.LineTablesDeleteSql(realId); }
    CString LineTablesInsertSql(long realId) override { return m_record.LineTablesInsertSql(realId); }

    // The balance, price and remainder of one row (nothing while loading or
    // with "Не пересчитывать остатки" set); every row in order.
    void RecalcRow(long row);
    void RecalcAll();
    // The name, unit, norm and economic code of the row's item.
    void FillItem(long row);
    void EnsureSpareRow();
    // The call texts of the three prints.
    CString FormReportCall() const;
    CString ExternalReportCall() const;
    static CString ExternalReportPath();

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedDTimeCtrl m_dateCtrl;
    CSchetEdit m_editDebit, m_editCredit;
    CderivedEdit m_editNumber, m_editNote, m_editKbkDebit, m_editKbkCredit, m_editTn, m_editWhom, m_editZab;
    COleDateTime m_date;
    int m_noRecalc = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL OnSaveConfirmed() override;
    void AfterSave() override;
    UINT NumberFieldId() const override { return IDC_NUMBER; }
    CCellwork* LinesGrid() override { return &m_grid; }
    std::vector<CAnswerColumn> AnswerColumns() const override;
    void OnLinesChanged() override { EnsureSpareRow(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnAccountPick();
    afx_msg void OnKbkDebitPick();
    afx_msg void OnKbkCreditPick();
    afx_msg void OnSb1Pick();
    afx_msg void OnSb2Pick();
    afx_msg void OnSb3Pick();
    afx_msg void OnWhomPick();
    afx_msg void OnSb1Change();
    afx_msg void OnSb2Change();
    afx_msg void OnSb3Change();
    afx_msg void OnDebitChange();
    afx_msg void OnTnChange();
    afx_msg void OnWhomChange();
    afx_msg void OnBalanceFieldChange();
    afx_msg void OnNoRecalcClicked();
    afx_msg void OnDateChange(NMHDR* header, LRESULT* result);
    afx_msg void OnPrint230();
    afx_msg void OnPrint210();
    afx_msg void OnPrint143();
    // Events of the grid (CMaterialsSpisLines.cpp).
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);
    afx_msg void OnLinesEditEnded(short col, short row, short key, CString* text);

private:
    void ShowRecord(const CMaterialsSpisRecord& record);
    void ShowDimensionName(int k);
    void ItemsChosen(const char* answer);
    void RecipientChosen(long tn);
    CString ItemCondition() const;

    // The checks and the postings (CMaterialsSpisSave.cpp).
    void ReadHeader(CMaterialsSpisRecord& r);
    BOOL CheckHeader(const CMaterialsSpisRecord& r);
    BOOL CheckLines(CMaterialsSpisRecord& r);

    CMaterialsSpisRecord m_record;
    long m_itemRow = -1;   // the row the item picker was opened for
    long m_whomRow = -1;   // the row the recipient picker was opened for
    BOOL m_bLoading = FALSE;
    BOOL m_bWriting = FALSE;  // the view's own writes into a row's cells

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
