// CSirchDlg: the fragment search dialog (also a one-line input dialog).
// The caller sets the prompt, the fragment and the two options, runs
// DoModal and, on IDOK, takes the fragment and the options back; Cancel
// changes none of them. The first option is kept and handed back as it
// came; the second, non-zero, asks for whole-word matching (the check box
// "Слово целиком"). The field is a CderivedEdit of kind 0: a caller may give
// it another kind with m_edText.SetType before DoModal.
#pragma once
#include "CderivedDialog.h"
#include "CderivedEdit.h"

class CSirchDlg : public CderivedDialog {
    DECLARE_DYNAMIC(CSirchDlg)
public:
    explicit CSirchDlg(CWnd* pParent = nullptr);

    CString m_strPrompt;   // empty: "Укажите фрагменты поиска"
    CString m_strText;     // the fragment
    int m_nOption1 = 0;
    int m_nOption2 = 0;    // non-zero: whole words
    CderivedEdit m_edText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
