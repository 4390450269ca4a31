// CMyFormView1: the form base of the payroll forms. A form places the fields of
// the base by their ids (res/resource.h) and gets, for each reference book, a
// code with a "..." chooser and the code's name shown beside it; the employee's
// number with the name; the position row with its position's name and the
// list of the employee's rows; F3 (the chooser of the focused field) and F4
// (the form's own employee list); the fragment search by the employees'
// surnames or a book's names; and the check of the pay sheet and organisation
// before a save. Every handler does nothing where the form lacks its fields,
// and every one is virtual and reached through the message map, so a form's
// override takes its place.
#pragma once
#include "CderivedFormview.h"
#include "naddviews.h"

namespace npaymar {

class __attribute__((visibility("default"))) CMyFormView1 : public CderivedFormview {
    DECLARE_DYNCREATE(CMyFormView1)
protected:
    CMyFormView1();

public:
    explicit CMyFormView1(UINT nIDTemplate);
    ~CMyFormView1() override;

    virtual void OnVOUbtn();
    virtual void OnChangeVou();
    virtual void OnChangeKl();
    virtual void OnKLbtn();
    virtual void OnKCNbtn();
    virtual void OnChangeKcn();
    virtual void OnChangeOtchis();
    virtual void OnOTCHISbtn();
    virtual void OnChange5pr();
    virtual void On5PRbtn();
    virtual void OnChangeDol();
    virtual void OnDOLbtn();
    virtual void OnTNbtn();
    virtual void OnChangeTn();
    virtual void OnVPbtn();
    virtual void OnChangeVp();
    // Before a save: the pay sheet (1028) and the organisation (1033), where
    // the form has them, are given and in their books. 0 (said, the field
    // focused) when not; 1 otherwise.
    virtual int TestOK();
    // The search is offered in the employee's fields and the books' codes;
    // elsewhere the core decides.
    void OnUpdateButtonSirch(CCmdUI* pCmdUI) override;
    virtual void OnNVbtn();
    virtual void OnChangeNv();
    // The position of the employee's row shown beside its number.
    virtual void OnChangeNpp();
    virtual void OnPRDbtn();
    virtual void OnChangePrd1();
    virtual void OnPRD1btn();
    virtual void OnChangePrd();
    virtual void OnChangeKat();
    virtual void OnKATbtn();
    virtual void OnChangeEkr();
    virtual void OnEKRbtn();
    virtual void OnChangeKat1();
    virtual void OnKAT1btn();
    virtual void OnChangePrikaz();
    virtual void OnPRIKAZbtn();
    // The list of the employee's position rows, which answers into 1149.
    virtual void OnNPPbtn();
    virtual void OnORGbtn();
    virtual void OnChangeOrg();

    // F3 presses the chooser of the focused field, F4 in the employee's fields
    // the form's list (1019); other keys go to the core.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // A surname fragment in the employee's fields, a name fragment in a book's
    // code; elsewhere the core's search over the grid.
    void OnButtonSirch() override;

    // One memory per reference-book id (0 also serves the surname search), for
    // the life of the form.
    static constexpr UINT kSearchMemories = 200;

protected:
    naddviews::SearchMemory m_memories[kSearchMemories];

    void SearchSurname();
    void SearchBook(const char* table, int field);
    // A refused field: the message, the focus on the field, its whole text
    // selected when asked. Always 0.
    int Refuse(int field, const char* message, bool select);
    // The text of a field of the form.
    CString Field(int id) const;
    // The personnel number shown (112) as a checked whole number, "" when it
    // is none.
    CString ShownTn() const;

    DECLARE_MESSAGE_MAP()
};

} // namespace npaymar
