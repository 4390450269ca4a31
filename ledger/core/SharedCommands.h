// Command handlers that many forms of the ledger share, written once. A form
// binds its own command id to a member that calls the body here (the
// document forms inherit such members from CPostingDocView, the report forms
// from CSelectIFView).
#pragma once
#include "afx.h"

class CDocumentView;

namespace nledmark {

// The personnel-number edit of the document forms, its chooser button and
// the field that shows the employee's full name.
constexpr UINT kTnEditId = 112;
constexpr UINT kTnButtonId = 1065;
constexpr UINT kTnNameId = 10101;
// The branch edit of the report forms and its chooser button.
constexpr UINT kBranchesEditId = 1144;
constexpr UINT kBranchesButtonId = 1164;
// The department code of the asset forms, its name and its chooser button.
constexpr UINT kPrdEditId = 1028;
constexpr UINT kPrdNameId = 1030;
constexpr UINT kPrdButtonId = 1029;
// The account of the material forms and its analytic values: the code edits
// of dimensions 1, 2 and 3 and the name of dimension 1.
constexpr UINT kMatAccountId = 1158;
constexpr UINT kMatSb1EditId = 1021;
constexpr UINT kMatSb1NameId = 1073;
constexpr UINT kMatSb2EditId = 1024;
constexpr UINT kMatSb3EditId = 1027;
// The credit account of the materials receipt and its second analytic value.
constexpr UINT kReceiptCreditId = 1015;
constexpr UINT kReceiptSb2EditId = 1022;
// The economic code edit of the forms with a "..." beside it.
constexpr UINT kEkrEditId = 1095;

// Command 1065: the employee chooser, which writes the chosen personnel
// number into edit 112 of the form (the form's change handler of 112 then
// shows the name). Cancelling leaves the edit as it was.
void OnTNbtn(CWnd* form);
// Edit 112 changed: field 10101 shows the employee's full name ("" for an
// unknown number).
void OnChangeTn(CWnd* form);
// Edit 1028 changed: field 1030 shows the department's name.
void OnChangePrd(CWnd* form);
// Command 1029: the department chooser, answering into edit 1028.
void OnPRDbtn(CWnd* form);
// Command 1020: the economic code chooser, answering into edit 1095.
void OnEKRbtn(CWnd* form);
// The choosers of the analytic values of the account of edit 1158: dimension
// 1 into edit 1021 (commands 1022 and 1101), 2 into 1024 (command 1025), 3
// into 1027 (command 1028). An account without that dimension beeps.
void OnSB1btn(CWnd* form);
void OnSB2btn(CWnd* form);
void OnSB3btn(CWnd* form);
// Command 1023 of the materials receipt: dimension 2 of its credit account
// (edit 1015) into edit 1022.
void OnReceiptSB2btn(CWnd* form);
// Edit 1021 changed: with an account in 1158 and a code in 1021, field 1073
// shows the code's name in the account's first dimension; otherwise the
// field is left as it is.
void OnChangeSB1(CWnd* form);
// Command 1164: the branch chooser, several branches at once; the chosen
// ids, joined by ",", go into edit 1144 of the form.
void OnFILbtn(CWnd* form);
// The branches the print forms were last asked for, kept under
// "select_fil_prn0" of the branch section: every print form opens on the
// branches of the last print.
CString RememberedPrintBranches();
void RememberPrintBranches(const CString& branches);
// Command 32792 of the forms printed by their own report script:
// "PrepareTheReport(<real_id>)" (-1 for a document not stored yet) in the
// form's context, the page shown in the report window. With `keyAsText` the
// key is passed as a text: "PrepareTheReport("<real_id>")".
void OnPrintForm(CDocumentView* form, bool keyAsText = false);
// The initial update of the forms that load themselves at once: the base's,
// the frame fitted to the form (growing or shrinking), then SetSql.
void InitialUpdateFitted(CDocumentView* form);

} // namespace nledmark
