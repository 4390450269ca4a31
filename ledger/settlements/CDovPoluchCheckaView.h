// CDovPoluchCheckaView: the power of attorney by which an employee receives
// a cash cheque ("Дов.пол.чека", dialog 605): to whom, the cheque's series,
// number and date, the day the money is received, and the amount broken
// down by personal account, economic code, purpose and cash symbol. It posts
// nothing. "&Новый" turns it into a new document with the same contents;
// its print is the form's own report, which reads the stored row by its key.
#pragma once
#include "CCellwork.h"
#include "CDovPoluchCheckaRecord.h"
#include "CUnpostedDocView.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class CDovPoluchCheckaView : public CUnpostedDocView {
    DECLARE_DYNCREATE(CDovPoluchCheckaView)
public:
    CDovPoluchCheckaView();
    ~CDovPoluchCheckaView() override;

    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedEdit m_editNumber, m_editDate, m_editTn, m_editAccrued, m_editReceive, m_editSeries, m_editCheque,
        m_editChequeDate, m_editPrim;

protected:
    const char* FormName() const override { return "Доверенность на получение чека"; }
    void DoDataExchange(CDataExchange* pDX) override;
    void PrepareForm() override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    void OnSaveDeclined() override { FocusField(IDC_SET_DATE_TEXT, TRUE); }
    CCellwork* LinesGrid() override { return &m_grid; }
    std::vector<CAnswerColumn> AnswerColumns() const override;
    void OnAnswered(UINT msg, long row) override;

    afx_msg void OnNewFromThis();
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);

private:
    void ShowTotal();

    CDovPoluchCheckaRecord m_record;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
