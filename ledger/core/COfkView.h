// COfkView: the treasury cash request ("заявка на пол.ден.", dialog 602), an
// application to the treasury for cash by cheque: its number and date, the
// employee who receives the money, the date of receipt, the cheque's series
// and number, the personal account, a special instruction, a note and a
// table of amounts by budget classification (ФКР, ЭКР, Сумма) with its total.
// It makes no postings; it is printed and exported through the report file
// ЗаявкаОФК.extr, and reopened from the list of requests.
#pragma once
#include "CCellwork.h"
#include "COfkRecord.h"
#include "CPostingDocView.h"
#include "dlgkit.h"

namespace nledmark {

// The answer of the budget classification chooser of the table (a key).
constexpr UINT kOfkKbkMsg = 0x469;

// Columns of the amounts table.
enum OfkColumn { OFK_FKR = 0, OFK_EKR = 1, OFK_SUM = 2 };

class COfkView : public CPostingDocView {
    DECLARE_DYNCREATE(COfkView)
public:
    COfkView();
    ~COfkView() override;

    void OnInitialUpdate() override;
    void SetSql() override;

    // The stored side: no document id, no postings.
    CString HeaderTable() const override { return COfkRecord::kTable; }
    BOOL HasPostings() const override { return FALSE; }
    CString HeaderInsertSql(long) override { return m_record.InsertSql(); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long, long realId) override { return m_record.UpdateSql(realId); }
    BOOL WritePostings(long) override { return TRUE; }

    // The total of the table as the form shows it ("350.50").
    CString Total() const;

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedEdit m_editNumber, m_editDate, m_editTn, m_editDatePol, m_editSum, m_editSer, m_editN;
    CderivedEdit m_editCpec, m_editPrim, m_editLs;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    void OnSaveDeclined() override;
    UINT NumberFieldId() const override;
    CCellwork* LinesGrid() override { return &m_grid; }
    std::vector<CAnswerColumn> AnswerColumns() const override;

    afx_msg void OnPrint();
    afx_msg void OnExport();
    afx_msg void OnTnChange();
    afx_msg void OnLsButton();
    afx_msg void OnLsChange();
    afx_msg LRESULT OnKbkAnswer(WPARAM wParam, LPARAM lParam);
    afx_msg void OnGridChooser(short col, short row);
    afx_msg void OnGridChanged(short col, short row, CString* text);

private:
    CString Text(UINT id) const;
    void ShowTotal();
    void RunReport(const CString& call);

    COfkRecord m_record;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
