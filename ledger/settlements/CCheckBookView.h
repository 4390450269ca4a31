// CCheckBookView: the institution's application to its treasury body for
// money cheque books ("Заявл.чек.кн.", dialog 600): how many books of how
// many leaves, the employee who collects them and, once they are handed
// out, their series and numbers. It posts nothing. Its print is the
// statutory application form 0510031, made from the fields as they stand.
#pragma once
#include "CCheckBookRecord.h"
#include "CUnpostedDocView.h"
#include "dlgkit.h"

namespace nledmark {

class CCheckBookView : public CUnpostedDocView {
    DECLARE_DYNCREATE(CCheckBookView)
public:
    CCheckBookView();
    ~CCheckBookView() override;

    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }

    // The fields of the form as the save and the print read them.
    CCheckBookRecord ReadForm();

    CderivedComboBox m_comboFil;
    CderivedEdit m_editNumber, m_editDate, m_editTn, m_editBooks, m_editLeaves, m_editSeries, m_editFirst,
        m_editLast, m_editPrim;

protected:
    const char* FormName() const override { return "Заявление на получение чековых книжек"; }
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    void OnSaveDeclined() override;

    afx_msg void OnPrint();

private:
    void ShowRecord(const CCheckBookRecord& record);

    CCheckBookRecord m_record;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
