// CLgotyGridView: the form base of an employee's income-tax benefits, the
// standing ones ("lgoty") and those of a month ("lgoty_edit"): a grid of the
// benefit's code (its "..." opens the benefits book), its name and its sum.
// A benefit of a fixed sum takes the book's sum, which cannot be edited (a
// beep); one whose book row says "Да" takes a sum typed for the employee.
// Once every cell is filled the grid offers an empty row for the next one.
// A save replaces the employee's benefits of the form with the grid's rows,
// in one transaction, without a question.
#pragma once
#include "CMyFormView1.h"
#include "gridbase.h"

namespace npaymar {

class CLgotyGridView : public CMyFormView1 {
    DECLARE_DYNAMIC(CLgotyGridView)
public:
    explicit CLgotyGridView(UINT nIDTemplate);
    ~CLgotyGridView() override;

    // The name, then the employee's benefits.
    void OnChangeTn() override;
    void Load();
    // The save of command 1: TRUE when written.
    BOOL Save();

    CCellwork m_grid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // The query of the employee's benefits: code, stored sum and the book's ss.
    virtual CString LoadSql(const CString& tn) = 0;
    // The delete of the employee's benefits and the insert of one.
    virtual CString DeleteSql(const CString& tn) = 0;
    virtual CString InsertSql(const CString& tn, const CString& code, const CString& sum) = 0;

    // The personnel number typed, when it is an employee's.
    bool Employee(CString& tn) const;
    // The row's name and, for a benefit of a fixed sum, the book's sum.
    void CompleteRow(long row);

    afx_msg void OnSaveCommand();
    afx_msg LRESULT OnBookAnswer(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEntryRow(WPARAM wParam, LPARAM lParam);
    afx_msg void OnGridPick(short col, short row);
    afx_msg void OnGridEditStart(short col, short row, CString* text, short* cancel);
    afx_msg void OnGridChanged(short col, short row, CString* text);

    // The row whose book was opened last.
    short m_pickedRow = 0;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace npaymar
