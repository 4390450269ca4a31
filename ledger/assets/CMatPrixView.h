// CMatPrixView: the receipt of material values from a supplier ("пост.мат.",
// kind 0) and the opening balances of materials ("нач.ост.МЗ", kind 1) on
// dialog 564. The header names the stock account, the responsible person and
// the supplier's account with its analytic values; the grid lists the items
// received with each item's balance before and after. A receipt posts each
// line to stock from the supplier (through 106.01 when asked), with the pair
// 501.03/502.01 and the VAT when asked, and may write the row of the
// received-invoice book; opening balances post against the technical account
// of the stock account's source.
#pragma once
#include "CCellwork.h"
#include "CMatPrixRecord.h"
#include "CPostingDocView.h"
#include "CSchetEdit.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class CMatPrixView : public CPostingDocView {
    DECLARE_DYNCREATE(CMatPrixView)
public:
    CMatPrixView();
    ~CMatPrixView() override;

    void OnInitialUpdate() override;
    void SetSql() override;
    void OnButtonSirch() override;
    int Write(int ask) override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }
    CString LineTablesDeleteSql(long realId) override { return m_record.LineTablesDeleteSql(realId); }
    CString LineTablesInsertSql(long realId) override { return m_record.LineTablesInsertSql(realId); }

    // The document's kind: kMatReceipt or kMatOpening.
    int Mode() const;
    // The balances of one row, as the grid shows them (nothing while loading
    // or with "Не пересчитывать остатки" set).
    void RecalcRow(long row);
    void RecalcAll();
    // The name, unit and economic code of the row's item.
    void FillItem(long row);
    // One empty row at the end of the grid.
    void EnsureSpareRow();

    CCellwork m_grid;
    CderivedComboBox m_comboFil, m_comboVatRate;
    CderivedDTimeCtrl m_dateCtrl;
    CSchetEdit m_editDebit, m_editCredit;
    CderivedEdit m_editNumber, m_editNote, m_editKbkDebit, m_editKbkCredit, m_editTn, m_editVat;
    COleDateTime m_date;
    int m_vat = 0, m_b106 = 0, m_b501 = 0, m_noRecalc = 0;

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
    afx_msg void OnSb1Change();
    afx_msg void OnSb2Change();
    afx_msg void OnSb3Change();
    afx_msg void OnDebitChange();
    afx_msg void OnCreditChange();
    afx_msg void OnTnChange();
    afx_msg void OnHeaderChange();
    afx_msg void OnVatClicked();
    afx_msg void OnNoRecalcClicked();
    afx_msg void OnDateChange(NMHDR* header, LRESULT* result);
    // Events of the grid (CMatPrixLines.cpp).
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);

private:
    void ShowRecord(const CMatPrixRecord& record);
    void ShowVatFields();
    void ShowDimensionName(int k);
    void ItemsChosen(const char* answer);
    // The item filter of the picker and the search (without "where").
    CString ItemCondition() const;

    // The checks and the postings (CMatPrixSave.cpp).
    BOOL ReadHeader(CMatPrixRecord& r);
    BOOL CheckHeader(const CMatPrixRecord& r);
    BOOL CheckLines(CMatPrixRecord& r);
    BOOL PrepareInvoice(CMatPrixRecord& r);

    CMatPrixRecord m_record;
    long m_invoiceId = 0;  // the stored document's book row
    long m_itemRow = -1;   // the row the item picker was opened for
    BOOL m_bLoading = FALSE;
    BOOL m_bWriting = FALSE;  // the view's own writes into a row's cells

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
