// CPrnSchFakView: the invoice issued to a buyer for paid services
// ("сч.фак.выд.", dialog 482). The record number field loads the invoice
// whenever it changes; the header names the buyer, the consignee, the
// personal account, the receivable (debit) and income (credit) accounts and
// the payment document, the grid the services. A save writes the invoice, its
// services and one posting of its sum (none with "Не проводить документ") in
// one transaction and shows it again; the number is the year's next one when
// left empty. The invoice can be copied into a new one and deleted; it prints
// as the invoice, the certificate of work done and the bill.
#pragma once
#include "CCellwork.h"
#include "CPostingDocView.h"
#include "CSchFakRecord.h"
#include "CSchetEdit.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

// The columns of the services.
enum SchFakColumn { SF_NAME = 0, SF_UNIT = 1, SF_QUANTITY = 2, SF_SUM = 3, SF_COLUMNS = 4 };

class CPrnSchFakView : public CPostingDocView {
    DECLARE_DYNCREATE(CPrnSchFakView)
public:
    CPrnSchFakView();
    ~CPrnSchFakView() override;

    void OnInitialUpdate() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return m_record.HasPostings(); }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }
    CString LineTablesDeleteSql(long realId) override { return m_record.LineTablesDeleteSql(realId); }
    CString LineTablesInsertSql(long realId) override { return m_record.LineTablesInsertSql(realId); }

    // The record number shown (-1 for none).
    long ShownRealId() const;
    // The ledger document id of the loaded invoice (-1: none).
    long DocumentId() const { return m_documentId; }

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedDTimeCtrl m_dateCtrl, m_payDocDateCtrl, m_paidCtrl;
    CSchetEdit m_editDebit, m_editCredit;
    CderivedEdit m_editRealId, m_editNumber, m_editSum, m_editLs, m_editOrg, m_editOrg2, m_editActivity,
        m_editKbkDebit, m_editKbkCredit, m_editSb[3], m_editPayDoc, m_editNote, m_editSample;
    COleDateTime m_date, m_payDocDate, m_paid;
    BOOL m_bNoPosting = FALSE;
    BOOL m_bSampleShown = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    BOOL OnSaveConfirmed() override;
    void AfterSave() override;
    UINT NumberFieldId() const override { return IDC_DATE; }
    UINT NumberTextId() const override { return IDC_NUMBER; }
    CCellwork* LinesGrid() override { return &m_grid; }

    afx_msg void OnRealIdChange();
    afx_msg void OnListPick();
    afx_msg void OnNextNumber();
    afx_msg void OnBuyerPick();
    afx_msg void OnBuyerChange();
    afx_msg void OnConsigneePick();
    afx_msg void OnConsigneeChange();
    afx_msg void OnActivityPick();
    afx_msg void OnActivityChange();
    afx_msg void OnLsPick();
    afx_msg void OnLsChange();
    afx_msg void OnDebitPick();
    afx_msg void OnCreditPick();
    afx_msg void OnCreditChange();
    afx_msg void OnSb1Pick();
    afx_msg void OnSb2Pick();
    afx_msg void OnSb3Pick();
    afx_msg void OnKbkDebitPick();
    afx_msg void OnKbkCreditPick();
    afx_msg void OnNoPosting();
    afx_msg void OnSampleShown();
    afx_msg void OnDelete();
    afx_msg void OnCopy();
    afx_msg void OnPrintInvoice();
    afx_msg void OnPrintCertificate();
    afx_msg void OnPrintBill();
    afx_msg LRESULT OnUnitChosen(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);

private:
    void Load();
    void ShowRecord(const CSchFakRecord& record);
    void ApplyNoPosting();
    void ApplySample();
    void AddEmptyRowWhenNone();
    BOOL RowIsEmpty(long row) const;
    CString Cell(int col, long row) const { return m_grid.GetCellValue(col, row); }
    // The checks of a save (CSchFakChecks.cpp).
    BOOL CheckCodes(CSchFakRecord& r);
    BOOL CheckAmountsAndDate(CSchFakRecord& r);
    void GatherLines(CSchFakRecord& r) const;
    CString PrintCall() const;

    CSchFakRecord m_record;
    long m_documentId = -1;
    long m_unitRow = -1;
    BOOL m_bSuppressLoad = FALSE;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
