// CNumberedRecordView: the form base of what an employee has several of, each
// numbered from 1 within him (his children, his writs). The numbers stand in
// the list 1002, where one is chosen or typed: a change of the employee
// lists his numbers and shows the last (highest) one, a number typed or
// chosen shows its record, and "&Удалить" (32790) removes the shown record
// after the checks and the question. A form says how a record is loaded and
// deleted; the base keeps the numbers and the checks of the employee.
#pragma once
#include "CMyFormView1.h"

namespace npaymar {

class CNumberedRecordView : public CMyFormView1 {
    DECLARE_DYNAMIC(CNumberedRecordView)
public:
    // `table` keeps the records by tn and npp.
    CNumberedRecordView(UINT nIDTemplate, const char* table);
    ~CNumberedRecordView() override;

    // The name, the employee's numbers, the last one and its record.
    void OnChangeTn() override;
    // The delete of command 32790: TRUE when deleted.
    BOOL Delete();

    CComboBox m_numbers;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // The record of the employee and number shown into the fields.
    virtual void LoadRecord();
    // Removes the record (and what belongs to it); FALSE when a statement
    // failed, and then nothing was removed.
    virtual BOOL DeleteRecord(const CString& tn, const CString& npp);

    // The typed personnel number, checked: "Укажите табельный №" when empty,
    // "Нет такого работника" (selected) when no whole number or unknown.
    BOOL TakeEmployee(CString& tn);
    // The typed record number: "" for a new record, else a whole number; a
    // text that is none is refused naming the field.
    BOOL TakeNumber(CString& npp);
    // A refused record number: the message, the focus on the list's text,
    // selected when asked. Always FALSE.
    BOOL RefuseNumber(const char* message, bool select);
    // The personnel number and record number shown, each a checked whole
    // number or "" (also for a text that is none).
    void ShownKeys(CString& tn, CString& npp) const;
    // The personnel number written again (its records listed anew, the last
    // one shown), then focused with its text selected.
    void Reload();

    afx_msg void OnNumberEdited();
    afx_msg void OnNumberChosen();
    afx_msg LRESULT OnNumberPlaced(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDeleteCommand();

    const char* m_table;

    DECLARE_MESSAGE_MAP()
};

} // namespace npaymar
