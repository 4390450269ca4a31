// CDocObyavlView: the announcement of a deposit of cash to a personal account
// ("Объяв.Взн.Нал.", dialog 649): the account, the sum, the source of the
// deposit (a code of spr_cn or a free text) and the organisation the money is
// given to. It posts nothing; its print is the external report file
// ОбъявлНалич.extr (form 0402001), which reads the stored row by its key.
#pragma once
#include "CDocObyavlRecord.h"
#include "CUnpostedDocView.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

class CDocObyavlView : public CUnpostedDocView {
    DECLARE_DYNCREATE(CDocObyavlView)
public:
    CDocObyavlView();
    ~CDocObyavlView() override;

    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }

    CderivedComboBox m_comboFil;
    CderivedEdit m_editNumber, m_editDate, m_editAccount, m_editSum, m_editSource, m_editSourceText, m_editOrg,
        m_editPrim;

protected:
    const char* FormName() const override { return "Объявление на взнос наличными"; }
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    void OnSaveDeclined() override { FocusField(IDC_SET_DATE_TEXT, TRUE); }

    afx_msg void OnAccountPick();
    afx_msg void OnSourceChange();
    afx_msg void OnPrint();

private:
    BOOL CheckSum(CString& sum);
    BOOL CheckSource(const CString& code, const CString& text);
    BOOL CheckBook(UINT ctrlId, const char* table, const CString& code, const char* emptyMessage,
                   const char* unknownMessage);

    CDocObyavlRecord m_record;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
