// COsNaklView: the waybill ("Накладная по ОС", "Накладная по МЗ", dialog
// 607): fixed assets or material values handed from a sender to a recipient,
// both sides with their accounts, analytic values and KBK; the items with the
// quantities requested and released, price and sum. The document's mode is
// the kind (0 fixed assets, any other materials). The waybill is kept without
// postings while "Не проводить документ" is set (on for a new one); posted,
// each item moves from the sender's account to the recipient's. The printed
// form is the waybill (requisition) with the head's approval, the sum in
// words and the signatures of both persons.
#pragma once
#include "SaveChecks.h"
#include "CCellwork.h"
#include "COsNaklRecord.h"
#include "CPostingDocView.h"
#include "CSchetEdit.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class COsNaklView : public CPostingDocView, public INumberDated {
    DECLARE_DYNCREATE(COsNaklView)
public:
    COsNaklView();
    ~COsNaklView() override;

    void OnInitialUpdate() override;
    BOOL LoadDocument() override;
    void OnButtonSirch() override;

    CString HeaderTable() const override { return OsNaklKindOf(Mode()).table; }
    BOOL HasPostings() const override { return m_record.HasPostings(); }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }
    CString* Number() override { return m_record.Number(); }
    CString NumberDate() const override { return m_record.date; }

    // The kind: 0 fixed assets, any other materials.
    int Mode() const;
    const OsNaklKind& Kind() const { return OsNaklKindOf(Mode()); }
    // The condition of the item picker ("where ..."; "" for every item).
    CString ItemFilter() const;
    // The printed page of the stored waybill as the form shows it.
    CString PrintedPage();
    void EnsureSpareRow();

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedDTimeCtrl m_dateCtrl;
    CSchetEdit m_editDebit, m_editCredit;
    CderivedEdit m_editNumber, m_editIcn, m_editNote, m_editKbkDebit, m_editKbkCredit;
    COleDateTime m_date;
    int m_noPosting = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    void AfterSave() override;
    UINT NumberFieldId() const override { return IDC_NUMBER; }
    CCellwork* LinesGrid() override { return &m_grid; }
    void OnLinesChanged() override { EnsureSpareRow(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnAccountPick();
    afx_msg void OnKbkDebitPick();
    afx_msg void OnKbkCreditPick();
    afx_msg void OnDebitSb1Pick();
    afx_msg void OnDebitSb2Pick();
    afx_msg void OnDebitSb3Pick();
    afx_msg void OnCreditSb1Pick();
    afx_msg void OnCreditSb2Pick();
    afx_msg void OnCreditSb3Pick();
    afx_msg void OnDebitChange();
    afx_msg void OnCreditChange();
    afx_msg void OnNoPostingClicked();
    afx_msg void OnClearLine();
    afx_msg void OnPrint();
    // Events of the grid (COsNaklLines.cpp).
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);
    afx_msg void OnLinesEditEnded(short col, short row, short key, CString* text);

private:
    void ShowRecord(const COsNaklRecord& record);
    void ItemsChosen(const char* answer);
    void PriceFromBalance(long row);
    void RecalcSum(long row);
    // The checks (COsNaklSave.cpp).
    void ReadHeader(COsNaklRecord& r);
    BOOL CheckAccount(UINT field, const CString& account, const CString values[3], const CString& sample,
                      const char* emptyMessage);
    BOOL CheckLines(COsNaklRecord& r);

    COsNaklRecord m_record;
    long m_itemRow = -1;   // the row the item picker was opened for
    BOOL m_bLoading = FALSE;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
