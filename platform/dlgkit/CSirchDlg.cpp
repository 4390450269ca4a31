#include "CSirchDlg.h"
#include "res/DlgkitIds.h"

IMPLEMENT_DYNAMIC(CSirchDlg, CderivedDialog)

BEGIN_MESSAGE_MAP(CSirchDlg, CderivedDialog)
END_MESSAGE_MAP()

CSirchDlg::CSirchDlg(CWnd* pParent) : CderivedDialog(IDD_DLGKIT_SIRCH, pParent) {}

void CSirchDlg::DoDataExchange(CDataExchange* pDX)
{
    CderivedDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SIRCH_TEXT, m_edText);
    DDX_Text(pDX, IDC_SIRCH_TEXT, m_strText);
    int whole = m_nOption2 ? 1 : 0;
    DDX_Check(pDX, IDC_SIRCH_WHOLE, whole);
    if (pDX->m_bSaveAndValidate)
        m_nOption2 = whole;
}

BOOL CSirchDlg::OnInitDialog()
{
    CderivedDialog::OnInitDialog();
    if (!m_strPrompt.IsEmpty())
        SetDlgItemText(IDC_SIRCH_PROMPT, m_strPrompt);
    GotoDlgCtrl(&m_edText);
    return FALSE;
}
