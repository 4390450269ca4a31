// COsSpisView: the write-off of fixed assets ("Спис.ОС", dialog 628). The
// bookkeeper lists the cards and the quantities taken out of use, the
// write-off account with its economic code, the reason and the order, and an
// off-balance account where the assets stay in use off the balance. The save
// writes off each asset's accumulated depreciation and residual value, then
// marks its card disposed of or moves it off balance; the acts ОС-4, ОС-4а,
// ОС-4б (of the current row's asset) and 0504143 are printed from the stored
// document.
#pragma once
#include "SaveChecks.h"
#include "CCellwork.h"
#include "COsSpisRecord.h"
#include "CPostingDocView.h"
#include "CSchetEdit.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class COsSpisView : public CPostingDocView, public INumberDated {
    DECLARE_DYNCREATE(COsSpisView)
public:
    COsSpisView();
    ~COsSpisView() override;

    void OnInitialUpdate() override;
    void OnButtonSirch() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }
    BOOL WriteLinkedRows(long realId) override { return m_record.WriteLinkedRows(realId); }
    CString* Number() override { return &m_record.header.number; }
    CString NumberDate() const override { return m_record.header.date; }

    // The call texts of the prints: an act of the current row's asset ("" when
    // the row has none) and the act 0504143 of the document.
    CString AssetActCall() const;
    CString DocumentActCall() const;
    static CString ReportPath(const char* file);
    void EnsureSpareRow();

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedDTimeCtrl m_dateCtrl;
    CSchetEdit m_editDebit, m_editZab;
    CderivedEdit m_editNumber, m_editPrim, m_editEkr, m_editPrich, m_editPrik, m_editKbk, m_editNote;
    COleDateTime m_date;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL LoadDocument() override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.header.date; }
    void RememberDefaults() override;
    void AfterSave() override;
    UINT NumberFieldId() const override { return IDC_NUMBER; }
    CCellwork* LinesGrid() override { return &m_grid; }
    void OnLinesChanged() override { EnsureSpareRow(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDebitPick();
    afx_msg void OnZabPick();
    afx_msg void OnEkrPick();
    afx_msg void OnKbkPick();
    afx_msg void OnPrint4();
    afx_msg void OnPrint4a();
    afx_msg void OnPrint4b();
    afx_msg void OnPrint143();
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);

private:
    void ShowRecord(const COsSpisRecord& record);
    void AssetsChosen(const char* answer);
    void PrintAssetAct(const char* file);
    CString AssetCondition() const;

    // The checks (COsSpisSave.cpp).
    void ReadHeader(COsSpisRecord& r);
    BOOL CheckHeader(const COsSpisRecord& r);
    BOOL CheckLines(COsSpisRecord& r);

    COsSpisRecord m_record;
    long m_pickRow = -1;  // the row the asset picker was opened for
    BOOL m_bWriting = FALSE;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
