// CPostingDocView: the base of the ledger's document forms, the posting
// document protocol written once.
//
// The save (command 1, the application core's Write(1)) takes its steps in
// this order: the stored date of a loaded document must still be open; the
// view checks its fields and lines in its own order (ValidateDocument); the
// defaults are remembered before or after the question "Записать изменения ? ";
// then header row and postings are written as one transaction
// (StoredDocument.h) and the view ends the save (AfterSave: PostOK(1, 1) and
// the number field, or the offer of a new document). The view tells the base
// its header statements and postings through IStoredDocument.
//
// The base also answers the choosers of the lines grid: a chooser opened for
// a cell (RememberChooserRow) answers with one of the private messages
// 0x464-0x46F; the view's table of answer columns says which column the
// message fills and whether it carries a text or an integer key; the cell of
// the remembered row gets it and becomes current. Command 32860 deletes the
// current line after asking.
//
// The load (SetSql): the view shows a new document with its defaults or reads
// its stored one (LoadDocument). A stored document that cannot be read whole
// (its row is gone, or any of its reads failed and was reported) does not
// open for editing: the form closes and saves nothing, so a save can never
// replace stored lines or postings with the few that were read. A view that
// proposes a number for a new document (ProposeNumber) has it checked at the
// save: when another document took it meanwhile, the save takes the next free
// number and the form says so.
//
// Commands 32790 (delete) and 32861 ("Бух.Справка") work on the view's own
// HeaderTable(), not on the table of its document kind: one form may keep its
// documents in the table its mode names. The delete removes the postings,
// the header and the line-table rows in one transaction (StoredDocument.h).
//
// Row test marks: a view that tests only changed lines marks a line 1 once
// its posting passed the test (or when it was loaded filled) and -1 when it
// is edited; a change of a header field that the postings depend on
// (WatchHeaderFields: an edit's text, a list's selection, a box clicked, a
// date picked) takes every mark back, so no line skips its test.
#pragma once
#include "CDocumentView.h"
#include "StoredDocument.h"

#include <initializer_list>
#include <vector>

class CCellwork;

namespace nledmark {

// The chooser answers of a lines grid: the message, the column it fills, and
// whether it carries a text (an account) or an integer key.
struct CAnswerColumn {
    UINT msg;
    int column;
    bool text;
};

// The first and last message of the chooser answers of the document forms.
constexpr UINT kFirstAnswerMsg = 0x464;
constexpr UINT kLastAnswerMsg = 0x46F;

class CPostingDocView : public CDocumentView, public IStoredDocument {
    DECLARE_DYNAMIC(CPostingDocView)
public:
    // The save of the protocol; `ask` 0 writes without the question.
    int Write(int ask) override;
    // The load of the protocol: LoadDocument, and the form closes when a
    // stored document could not be read whole.
    void SetSql() override;

    CString StoredTable() const override { return HeaderTable(); }
    BOOL DeleteStored(long realId) override;

protected:
    explicit CPostingDocView(UINT nIDTemplate, HINSTANCE hModule = AFX_CALLER_MODULE);
    ~CPostingDocView() override;

    // Shows a new document (GetRealId() -1) with its defaults, or reads the
    // stored one and shows it. FALSE when the stored document could not be
    // read whole (the reason has been shown). Views with a SetSql of their own
    // call CloseUnreadDocument themselves.
    virtual BOOL LoadDocument() { return TRUE; }
    // A stored document that could not be read whole: the form closes and,
    // until it has closed, saves nothing.
    void CloseUnreadDocument();
    // Remembers the number proposed for a new document and gives it back;
    // KeptProposal answers it while the form shows a new document whose number
    // is still that one ("" otherwise: a typed number is kept as typed).
    CString ProposeNumber(const CString& number);
    CString KeptProposal(const CString& number) const;
    // The number the save writes is the one Number() points to (the view
    // points it at its record's number); the proposal kept is checked by the
    // save against the other documents of the table.
    CString ProposedNumber() const override;

    // What the view supplies to the save.
    // Checks its fields and lines, in its order, after the stored date.
    virtual BOOL ValidateDocument() = 0;
    // The date the document is being saved with (dd.mm.yyyy), kept as the
    // loaded date once it is stored.
    virtual CString DocumentDate() const = 0;
    // Writes the view's defaults into the profile section "constants".
    virtual void RememberDefaults() {}
    // TRUE: the defaults are remembered before the question; FALSE: after Yes.
    virtual BOOL RemembersBeforeQuestion() const { return TRUE; }
    // After "Yes" to the question (and the defaults remembered after it),
    // before anything is written: a further question of the view's own, or
    // what it settles only once the save is certain. FALSE writes nothing.
    virtual BOOL OnSaveConfirmed() { return TRUE; }
    // The end of a successful save; the base calls PostOK(1, 1) and puts the
    // focus on the number field with its text selected.
    virtual void AfterSave();
    // "No" to the question: where the focus goes (the form by default).
    virtual void OnSaveDeclined();
    // "&Новый" (command 40020) asks "Ввести новый документ ? "; Yes starts a
    // new document (real_id -1, no loaded date) in the same form: blank
    // (SetSql: new number, today, defaults), or, when the view says so here,
    // from the current one with every field kept and every line tested again.
    // Either way the number field then takes the focus, its text selected.
    virtual BOOL NewKeepsFields() const { return FALSE; }
    afx_msg void OnNewDocument();
    virtual UINT NumberFieldId() const = 0;
    // The field that shows the number, where a number taken in place of the
    // proposed one is shown (the number field unless the form puts the focus
    // elsewhere after a save).
    virtual UINT NumberTextId() const { return NumberFieldId(); }

    // Shared steps of the checks.
    // A loaded document may be changed only while its stored date is open.
    BOOL CheckStoredDate();
    // The date of a date control: empty gives `emptyMessage`; a date that is
    // no date or lies outside the open period (GL_Verify_Date, which says
    // why) puts the focus on the control. The normalised text into `date`.
    BOOL CheckDateControl(UINT ctrlId, const COleDateTime& value, const char* emptyMessage, CString& date);
    // The same for a date typed into an edit field (dd.mm.yyyy); a date that
    // is refused leaves the field's text selected.
    BOOL CheckDateText(UINT ctrlId, const CString& text, const char* emptyMessage, CString& date);
    // An empty text shows the message and puts the focus on the field (its
    // text selected when `select` is set).
    BOOL RequireText(UINT ctrlId, const CString& text, const char* message, BOOL select = FALSE);
    void FocusField(UINT ctrlId, BOOL select);
    // The branch of the branch list (its item data), 1 when none is chosen.
    int SelectedBranch(UINT comboId) const;
    // The other ending of a save: "Документ успешно записан.\nЖелаете внести
    // новый документ ? " Yes: a blank new document in the same form; No: the
    // focus goes to `focusId`. Then PostOK(notify, 1): with `notify` the open
    // lists are told of the saved document.
    void OfferNewDocument(UINT focusId, int notify = 0);

    // The lines grid (null for a view without one).
    virtual CCellwork* LinesGrid() { return nullptr; }
    // A line's check failed: the message (none when the script has told the
    // user), the focus into the grid, the named cell current.
    void ShowLineFault(long row, int column, const CString& message);
    // After a line was removed, for what depends on the lines.
    virtual void OnLinesChanged() {}

    // Chooser answers.
    virtual std::vector<CAnswerColumn> AnswerColumns() const { return {}; }
    void RememberChooserRow(UINT msg, long row);
    long RememberedRow(UINT msg) const;
    // After an answer filled its cell.
    virtual void OnAnswered(UINT msg, long row) {}

    // Row test marks.
    BOOL RowPassed(long row) const;
    void MarkRowPassed(long row);
    void MarkRowEdited(long row);
    void ResetRowMarks();
    void WatchHeaderFields(std::initializer_list<UINT> ids);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg void OnDeleteLine();
    // Shared handlers (SharedCommands.h) a form binds in its own message map:
    // ON_COMMAND(1065, OnTNbtn) beside its personnel-number edit 112, and
    // ON_COMMAND(ID_DOCUMENT_PRINT, OnPrintForm) when its report script is
    // "PrepareTheReport".
    afx_msg void OnTNbtn();
    afx_msg void OnPrintForm();

private:
    BOOL TakeAnswer(UINT message, LPARAM lParam);
    BOOL IsWatched(UINT ctrlId) const;

    std::vector<std::pair<UINT, long>> m_chooserRows;
    std::vector<UINT> m_watched;
    BOOL m_unread = FALSE;
    CString m_proposedNumber;

    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
