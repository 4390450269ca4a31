// CPayBookView: the shape the payroll's reference books share. The code field
// loads its entry on every change (the form's override of the base's name
// fill, which puts the code's name beside it); "&Записать" checks the fields,
// asks "Записать изменения ? " and writes the entry in one transaction, then
// shows it again; "&Закрыть" closes. The books of pay codes keep them in a
// check list of every pay code ("% 4d   %s", the code as item data).
#pragma once
#include "CMyFormView1.h"
#include "dlgkit.h"

#include <functional>
#include <vector>

namespace npaymar {

class __attribute__((visibility("default"))) CPayBookView : public CMyFormView1 {
    DECLARE_DYNAMIC(CPayBookView)
public:
    // `title` names the form; `codeField` is the field of the entry's code.
    CPayBookView(UINT dialog, const char* title, int codeField);
    ~CPayBookView() override;

    // The base's, the frame fitted to the form, the form's name, then the
    // form's first load.
    void OnInitialUpdate() override;

protected:
    // What the form shows first (nothing by default).
    virtual void FirstLoad() {}
    // The checks before the question, each refusal said with its field
    // focused; false stops the save.
    virtual bool CheckEntry() = 0;
    // The entry written (one transaction); false when it failed, reported.
    virtual bool WriteEntry() = 0;
    // After a write: the code field selected (the form loads the entry again
    // where it should).
    virtual void AfterWrite();

    // A load's database error reported, any other failure said as the form
    // class's unhandled exception; the form goes on with what was read.
    void Guarded(const char* className, const std::function<void()>& load);
    CString FieldText(int id) const;
    // A book's code in the field: empty is refused with `empty`, one that is
    // no whole number or not in `book` with `unknown` (its text selected).
    bool CheckBookCode(int field, const char* book, const char* empty, const char* unknown);

    // The check list emptied; when `code` is an entry of `book`, every pay
    // code listed (in code order) and those of `members` (the table of the
    // entry's codes, column `owner` the entry, `member` the pay code) ticked.
    static void LoadPayCodes(CderivedCheckListBox& list, const char* book, const char* members, const char* owner,
                             const char* member, const CString& code);
    // The ticked pay codes, in list order.
    static std::vector<long> TickedPayCodes(CderivedCheckListBox& list);

    afx_msg void OnSave();

    int m_codeField;

private:
    const char* m_title;

    DECLARE_MESSAGE_MAP()
};

// Whether a typed text holds nothing but blanks.
bool IsBlank(const CString& text);

// Inside the caller's transaction: the entry's pay codes replaced by `codes`.
bool WritePayCodes(const char* members, const char* owner, const char* member, const CString& code,
                   const std::vector<long>& codes);

} // namespace npaymar
