// Command handlers that many forms of the ledger share, written once. A form
// binds its own command id to a member that calls the body here (the
// document forms inherit such members from CPostingDocView, the report forms
// from CSelectIFView).
#pragma once
#include "afx.h"

class CDocumentView;

namespace nledmark {

// The personnel-number edit of the document forms and its chooser button.
constexpr UINT kTnEditId = 112;
constexpr UINT kTnButtonId = 1065;
// The branch edit of the report forms and its chooser button.
constexpr UINT kBranchesEditId = 1144;
constexpr UINT kBranchesButtonId = 1164;

// Command 1065: the employee chooser, which writes the chosen personnel
// number into edit 112 of the form (the form's change handler of 112 then
// shows the name). Cancelling leaves the edit as it was.
void OnTNbtn(CWnd* form);
// Command 1164: the branch chooser, several branches at once; the chosen
// ids, joined by ",", go into edit 1144 of the form.
void OnFILbtn(CWnd* form);
// Command 32792 of the forms printed by their own report script:
// "PrepareTheReport(<real_id>)" (-1 for a document not stored yet) in the
// form's context, the page shown in the report window.
void OnPrintForm(CDocumentView* form);

} // namespace nledmark
