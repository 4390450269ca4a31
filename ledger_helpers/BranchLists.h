// Branch and financing-source lists, branch names, and the default personal
// account, contract and organisation of a document.
#pragma once
#include "LedmarkApi.h"
#include <afx.h>

class CWnd;
class CComboBox;

// Fills the branch combo box `comboId` of `parent` from spr_fil (item data = id),
// with "Все" (-2) first when `withAll` is set, selecting `selected` ("Все" when it
// is below 1). With one branch only, that branch is selected and the box hidden.
// 1, or 0 after a reported failure.
LEDMARK_API int FillFils(CWnd* parent, int comboId, int selected, int withAll);
// The branch id chosen in a combo box FillFils filled: -2 ("Все") when none is chosen.
LEDMARK_API int ChosenFil(CComboBox* combo);
// Hides the branch edit, its label and its chooser button when there is one
// branch only; sets the edit's text in every case.
LEDMARK_API void FillFilsEx(CWnd* parent, int editId, int labelId, int buttonId, const char* text);
// Fills a combo box with the sources of financing (item data = id).
LEDMARK_API int FilIF(CComboBox* combo, int selected);
// Names of the branches of a comma-separated list, joined by ", "; the
// institution's name (constant ORG_NAME) for an empty list.
LEDMARK_API CString GetFilName(const char* ids);
// The default personal account of the account's source for a branch; a given
// `current` account is kept.
LEDMARK_API CString GL_GetDefLS(const char* account, int branch, const char* current);
// The contract of an organisation in force on `date` (dd.mm.yyyy; without a date
// the latest); "" when it has none.
LEDMARK_API CString GetDefDogovor(const char* org, const char* date);
// The organisation (id_tip) of a counterparty.
LEDMARK_API CString GetOrgFromContr(const char* contr);
