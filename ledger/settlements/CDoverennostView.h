// CDoverennostView: the power of attorney by which an employee receives goods
// from a supplier ("Доверенность", dialog 464): the supplier, the employee,
// the supplier's document and up to 25 goods lines, each unit chosen from the
// book of units. It posts nothing; its print is the form's own report
// (form 0315001), which reads the stored row by its key.
#pragma once
#include "CCellwork.h"
#include "CDoverennostRecord.h"
#include "CUnpostedDocView.h"
#include "dlgkit.h"

namespace nledmark {

// The message of the unit chooser's answer.
constexpr UINT kUnitAnswerMsg = 0x479;

class CDoverennostView : public CUnpostedDocView {
    DECLARE_DYNCREATE(CDoverennostView)
public:
    CDoverennostView();
    ~CDoverennostView() override;

    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedEdit m_editNumber, m_editDate, m_editValid, m_editOrg, m_editTn, m_editDocName, m_editDocNumber,
        m_editDocDate, m_editPrim;
    int m_r = 1;

protected:
    const char* FormName() const override { return "Доверенность на получение ТМЦ"; }
    void DoDataExchange(CDataExchange* pDX) override;
    void PrepareForm() override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    CCellwork* LinesGrid() override { return &m_grid; }

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGoodsChooser(short col, short row);
    afx_msg LRESULT OnUnitChosen(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPrint();

private:
    void ShowRecord(const CDoverennostRecord& record);
    CDoverennostRecord ReadForm();

    CDoverennostRecord m_record;
    long m_unitRow = -1;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
