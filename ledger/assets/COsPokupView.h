// COsPokupView: the purchase of fixed assets from a supplier ("Поступл.ОС",
// dialog 501). The header names the supplier's account with its analytic
// values and KBK, the operation text, whether the purchase goes through
// 106.01 and through 501.03/502.01, and the VAT; the grid lists the asset
// cards bought, each with its quantity, value, economic code and the debit
// account of its initial depreciation. A save posts each asset to its own
// account with its responsible person and department, the pair of the budget
// obligation, the initial depreciation and the VAT, and may write the row of
// the received-invoice book, which opens once the save is over. The
// acceptance acts ОС-1, ОС-1а and ОС-1б are printed for the asset of the
// current row.
#pragma once
#include "CCellwork.h"
#include "COsPokupRecord.h"
#include "CPostingDocView.h"
#include "CSchetEdit.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class COsPokupView : public CPostingDocView {
    DECLARE_DYNCREATE(COsPokupView)
public:
    COsPokupView();
    ~COsPokupView() override;

    void OnInitialUpdate() override;
    BOOL LoadDocument() override;
    void OnButtonSirch() override;
    int Write(int ask) override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }

    // The cells of a row from its asset card: the name, and the quantity,
    // value and economic code (all three with `overwrite`, else only those
    // that are empty). An id that is no whole number fills nothing.
    void FillRow(long row, BOOL overwrite);
    // One empty row at the end of the grid.
    void EnsureSpareRow();
    // The call text of the acceptance acts for the current row ("" when the
    // row holds no asset), and the report file of a print command.
    CString PrintCall() const;
    static CString ReportFile(UINT command);

    CCellwork m_grid;
    CderivedComboBox m_comboFil, m_comboVatRate;
    CderivedDTimeCtrl m_dateCtrl;
    CSchetEdit m_editCredit;
    CderivedEdit m_editNumber, m_editText, m_editNote, m_editKbk, m_editVat;
    COleDateTime m_date;
    int m_vat = 0, m_b106 = 1, m_b501 = 0;

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
    void OnAnswered(UINT msg, long row) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnAccountPick();
    afx_msg void OnKbkPick();
    afx_msg void OnSb1Pick();
    afx_msg void OnSb2Pick();
    afx_msg void OnSb3Pick();
    afx_msg void OnSb1Change();
    afx_msg void OnSb2Change();
    afx_msg void OnSb3Change();
    afx_msg void OnCreditChange();
    afx_msg void OnVatClicked();
    afx_msg void OnEmptyLine();
    afx_msg void OnPrintActs();
    // Events of the grid (COsPokupLines.cpp).
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);

private:
    void ShowRecord(const COsPokupRecord& record);
    void ShowVatFields();
    void ShowDimensionName(int k);
    void AssetsChosen(const char* answer);

    // The checks and the postings (COsPokupSave.cpp).
    void ReadHeader(COsPokupRecord& r);
    BOOL CheckHeader(const COsPokupRecord& r);
    BOOL CheckLines(COsPokupRecord& r);
    BOOL PrepareInvoice(COsPokupRecord& r);

    COsPokupRecord m_record;
    long m_invoiceId = 0;    // the stored document's book row
    long m_assetRow = -1;    // the row the asset picker was opened for
    BOOL m_bLoading = FALSE; // SetSql fills the grid: no name lookups
    BOOL m_bWriting = FALSE; // the view's own writes into a row's cells

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
