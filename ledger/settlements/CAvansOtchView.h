// CAvansOtchView: the advance report of an accountable person ("Аванс.отчет",
// dialog 511). Page "Осн.сведения": who, what for, the advances received
// (three rows), the previous advance and the person's earlier report; page
// "Таблица": the expense lines with the amounts claimed and accepted, the
// economic code and the debit with its analytic values. Each line posts its
// accepted amount against the report's account (or the line's own credit)
// and, with the box ticked, also from 501.03 to 502.01. Every posting is
// settled before the question, so a save writes all of them or nothing.
#pragma once
#include "AvansPostings.h"
#include "CAvansOtchRecord.h"
#include "CCellwork.h"
#include "CPostingDocView.h"
#include "CSchetEdit.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class CAvansOtchView : public CPostingDocView {
    DECLARE_DYNCREATE(CAvansOtchView)
public:
    CAvansOtchView();
    ~CAvansOtchView() override;

    void OnInitialUpdate() override;
    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }

    // The page shown: 0 "Осн.сведения", 1 "Таблица".
    void ShowPage(int page);
    int Page() const { return m_nPage; }

    CCellwork m_grid;      // the expense lines
    CCellwork m_received;  // the advances received
    CderivedTabCtrl m_tabs;
    CderivedComboBox m_comboFil;
    CderivedDTimeCtrl m_dateCtrl;
    CSchetEdit m_editAccount;
    CderivedEdit m_editNumber, m_editKbkDebit, m_editKbkCredit, m_editTn, m_editPrd, m_editIcn, m_editPrevious,
        m_editSum, m_editPrim;
    COleDateTime m_date;
    int m_b501 = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    UINT NumberFieldId() const override { return IDC_NUMBER; }
    CCellwork* LinesGrid() override { return &m_grid; }
    std::vector<CAnswerColumn> AnswerColumns() const override;
    void OnAnswered(UINT msg, long row) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnNewReport();
    afx_msg void OnAccountPick();
    afx_msg void OnPrdPick();
    afx_msg void OnKbkDebitPick();
    afx_msg void OnKbkCreditPick();
    afx_msg void OnTnChange();
    afx_msg void OnPrdChange();
    afx_msg void OnEarlierReportChange();
    afx_msg void OnDateChange(NMHDR* header, LRESULT* result);
    afx_msg void OnTabChange(NMHDR* header, LRESULT* result);
    // Events of the grids (CAvansOtchLines.cpp).
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesEditStart(short col, short row, CString* text, short* cancel);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);
    afx_msg void OnReceivedChanged(short col, short row, CString* text);

private:
    // Loading (CAvansOtchView.cpp).
    void ShowRecord(const CAvansOtchRecord& record);
    void ShowPerson();
    void ShowEarlierReport();
    CAvansHeader Header() const;

    // The checks (CAvansOtchChecks.cpp).
    BOOL CheckHeader(CAvansOtchRecord& r);
    BOOL CheckReceived(CAvansOtchRecord& r);
    BOOL CheckLines(CAvansOtchRecord& r);
    BOOL CheckLine(long row, CString* cells, const CAvansHeader& header, CAvansChart& chart,
                   std::vector<CPostingLine>& postings);
    BOOL CheckLineDates(long row, const CString* cells);
    BOOL TestPosting(long row, const CPostingLine& p);
    void ShowPostingFault(long row, int result);

    CAvansOtchRecord m_record;
    int m_nPage = 0;
    BOOL m_bLoading = FALSE;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
