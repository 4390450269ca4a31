// The transfers between responsible persons: what one responsible person (the
// sender) holds passes to another (the receiver), in the same branch or in
// another. The form names the two persons with their branches, optionally the
// items (cards) and the sender's KBKs, the receiver's KBK and how the postings
// correspond; the save derives the postings from the sender's balances as of
// the document date (CMolTransferRecord). Materials ("Внтр.пер.МЗ", dialog
// 604) and fixed assets ("Внтр.пер.ОС", dialog 603) are one form on their
// kind's data (MolTransferKind.h).
#pragma once
#include "SaveChecks.h"
#include "CMolTransferRecord.h"
#include "CPostingDocView.h"
#include "dlgkit.h"

namespace nledmark {

class CMolTransferView : public CPostingDocView, public INumberDated {
    DECLARE_DYNAMIC(CMolTransferView)
public:
    ~CMolTransferView() override;

    void OnInitialUpdate() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }
    CString* Number() override { return m_record.Number(); }
    CString NumberDate() const override { return m_record.date; }

    const CMolTransferRecord& Record() const { return m_record; }

    CderivedComboBox m_comboFil, m_comboFil2;
    CderivedEdit m_editDate, m_editNumber, m_editIcn, m_editNote, m_editTn, m_editTn2, m_editKbk1, m_editKbk2,
        m_editList;
    int m_mode = 0;

protected:
    CMolTransferView(UINT templateId, const MolTransferKind& kind);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL LoadDocument() override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    BOOL RemembersBeforeQuestion() const override { return FALSE; }
    void RememberDefaults() override;
    void AfterSave() override;
    void OnSaveDeclined() override;
    UINT NumberFieldId() const override;

    afx_msg void OnTN2btn();
    afx_msg void OnChangeTn();
    afx_msg void OnChangeTn2();
    afx_msg void OnKBK1btn();
    afx_msg void OnKBK2btn();
    afx_msg void OnListBtn();

private:
    void ShowRecord(const CMolTransferRecord& record);
    void PickKbk(UINT comboId, UINT fieldId, int multiple);
    BOOL CheckBranch(UINT comboId, int& branch);
    BOOL CheckList(UINT fieldId, const CString& text, const char* message, CString& ids);

    const MolTransferKind& m_kind;
    CMolTransferRecord m_record;

    DECLARE_MESSAGE_MAP()
};

// Materials from one responsible person to another ("Внтр.пер.МЗ").
class CMatMolToMolView : public CMolTransferView {
    DECLARE_DYNCREATE(CMatMolToMolView)
public:
    CMatMolToMolView();
};

// Fixed assets from one responsible person to another ("Внтр.пер.ОС"); the
// cards whose balances move pass to the receiver.
class COsMolToMolView : public CMolTransferView {
    DECLARE_DYNCREATE(COsMolToMolView)
public:
    COsMolToMolView();
};

} // namespace nledmark
