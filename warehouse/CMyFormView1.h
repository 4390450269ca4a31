// CMyFormView1: the form base of the warehouse documents. Its fields come in
// pairs of a code and the edit of its name, each with a chooser button
// (res/resource.h): department, statement, organisation, employee, cabinet,
// material (with its unit), kind of work and treatment method. A chooser
// writes the chosen code, and every change of a code shows its name; F3 in a
// code field opens its chooser, and the search finds an employee by a surname
// fragment or a department, statement or organisation by a name fragment.
// Every handler does nothing where the derived form lacks its controls, and
// every one is virtual and reached through the message map, so a derived
// form's override takes its place.
#pragma once
#include "CderivedFormview.h"
#include "naddviews.h"

namespace nstovan {

class __attribute__((visibility("default"))) CMyFormView1 : public CderivedFormview {
    DECLARE_DYNCREATE(CMyFormView1)
protected:
    CMyFormView1();

public:
    explicit CMyFormView1(UINT nIDTemplate);
    ~CMyFormView1() override;

    virtual void OnChangeVl();
    virtual void OnVRbtn();
    virtual void OnChangeVr();
    virtual void OnMATbtn();
    // The material's name, and its unit into 1022 where the form has it.
    virtual void OnChangeMat();
    virtual void OnTNbtn();
    virtual void OnChangeTn();
    virtual void OnORGbtn();
    virtual void OnChangeOrg();
    virtual void OnKABbtn();
    virtual void OnChangeKab();
    virtual void OnPRDbtn();
    virtual void OnChangePrd();
    virtual void OnNVbtn();
    virtual void OnChangeNv();
    // The search is offered in the employee's, department's, statement's and
    // organisation's fields; elsewhere the core decides.
    void OnUpdateButtonSirch(CCmdUI* pCmdUI) override;

    // F3 opens the chooser of the focused field; other keys go to the core.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // A surname fragment in the employee's fields, a name fragment in the
    // department's, statement's and organisation's; elsewhere the core's search.
    void OnButtonSirch() override;
    void OnVLbtn();

    // One memory per reference-book id (0 also serves the surname search and
    // the documents' material search), for the life of the form.
    static constexpr UINT kSearchMemories = 200;

protected:
    naddviews::SearchMemory m_memories[kSearchMemories];

    void SearchSurname();
    void SearchBook(const char* table, int field);
    // A refused field: the message (none when null), the focus on the field,
    // its whole text selected when asked. Always FALSE.
    BOOL Refuse(int field, const char* message, bool select);
    // Keeps the other supplier's field (organisation or employee) out of the
    // tab order while this one is filled.
    void TabOverOther(int filled, int other);
    // A document whose stored rows could not be read (the failure was told
    // then) is shown empty: its lines cannot be edited, and a save or delete
    // is refused, for it would replace what is stored with what is not shown.
    // Reading it again (the key typed again) clears this.
    void SetUnread(bool unread, CWnd& lines);
    // FALSE after the refusal's message while the document is unread.
    BOOL CheckRead();
    bool m_unread = false;

private:
    void ForceF3();

    DECLARE_MESSAGE_MAP()
};

} // namespace nstovan
