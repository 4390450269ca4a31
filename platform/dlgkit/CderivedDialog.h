// CderivedDialog: the base of the forms' modal dialogs (login, workplace
// choice, connection settings, the search dialog...): a dialog from a
// template of the caller's resource script, modal through the interaction
// point and centred over its parent (over the screen when it has none).
// Derived dialogs call CderivedDialog::OnInitDialog first, as any CDialog.
#pragma once
#include "afx.h"

class CderivedDialog : public CDialog {
    DECLARE_DYNAMIC(CderivedDialog)
public:
    CderivedDialog();
    // hModule is the module of the code that names the template: the caller's.
    explicit CderivedDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, HINSTANCE hModule = AFX_CALLER_MODULE);

    DECLARE_MESSAGE_MAP()
};
