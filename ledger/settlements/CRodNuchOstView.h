// CRodNuchOstView: the parents' fee opening balances ("нач.ост.род.платы",
// dialog 560). The form lists every child who has not left by the date and
// every child with a balance stored in the document, in code order; the
// bookkeeper enters each child's underpayment (the parents' debt) or
// overpayment (their advance). A save stores the balances as lines and posts
// each against the balance-entry account of the settlement account's source,
// with the child's counterparty and teacher.
#pragma once
#include "CCellwork.h"
#include "CPostingDocView.h"
#include "CRodPlataRecord.h"
#include "CSchetEdit.h"
#include "dlgkit.h"

namespace nledmark {

// The cells of a row of the balances grid.
enum RodBalanceColumn { OST_NPP = 0, OST_CODE, OST_NAME, OST_S1, OST_S2, OST_TEACHER, OST_COLUMNS };

class CRodNuchOstView : public CPostingDocView {
    DECLARE_DYNCREATE(CRodNuchOstView)
public:
    static constexpr UINT kTeacherAnswer = 0x401;

    CRodNuchOstView();
    ~CRodNuchOstView() override;

    void OnInitialUpdate() override;
    void SetSql() override;
    int Write(int ask) override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }
    CString LineTablesDeleteSql(long realId) override { return m_record.LineTablesDeleteSql(realId); }
    CString LineTablesInsertSql(long realId) override { return m_record.LineTablesInsertSql(realId); }

    const CRodPlataRecord& Record() const { return m_record; }

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedEdit m_editDate;
    CderivedEdit m_editNumber;
    CSchetEdit m_editAccount;
    CderivedEdit m_editKbk;
    CderivedEdit m_editPrim;
    CString m_strDate;
    CString m_strNumber;
    CString m_strAccount;
    CString m_strKbk;
    CString m_strPrim;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    void AfterSave() override;
    void OnSaveDeclined() override;
    UINT NumberFieldId() const override;
    CCellwork* LinesGrid() override { return &m_grid; }

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnAccountPick();
    afx_msg void OnKbkPick();
    afx_msg void OnReload();
    afx_msg LRESULT OnTeacherAnswer(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLinesChooser(short col, short row);

private:
    // The children with their stored balances into the grid.
    void ListChildren(const CString& date);
    // A balance cell as a number text with "." ("" when empty).
    CString Balance(int col, long row) const;

    CRodPlataRecord m_record;
    long m_teacherRow = -1;
    std::set<CString> m_listedCodes;  // the children the last load listed

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
