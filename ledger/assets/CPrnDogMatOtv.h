// CPrnDogMatOtv: the agreement of full material liability ("дог.мат.отв.",
// dialog 500) that binds an employee to the material values entrusted to
// him: a number, a date, the employee, the work the liability is tied to,
// what it is tied to and a note. It posts nothing; it is printed through its
// form report "prn" and listed by the configuration's list of agreements.
#pragma once
#include "CDogMatOtvRecord.h"
#include "CUnpostedDocView.h"
#include "dlgkit.h"

namespace nledmark {

class CPrnDogMatOtv : public CUnpostedDocView {
    DECLARE_DYNCREATE(CPrnDogMatOtv)
public:
    CPrnDogMatOtv();
    ~CPrnDogMatOtv() override;

    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }

    CderivedComboBox m_comboFil;
    CderivedEdit m_editNumber, m_editDate, m_editTn, m_editJob, m_editTxt, m_editPrim;

protected:
    const char* FormName() const override { return "Договор о полной материальной ответственности"; }
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    void AfterSave() override;

private:
    void ShowRecord(const CDogMatOtvRecord& record);

    CDogMatOtvRecord m_record;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
