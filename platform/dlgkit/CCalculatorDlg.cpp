#include "CCalculatorDlg.h"
#include "res/DlgkitIds.h"
#include <QWidget>

IMPLEMENT_DYNAMIC(CCalculatorDlg, CderivedDialog)

BEGIN_MESSAGE_MAP(CCalculatorDlg, CderivedDialog)
    ON_COMMAND_RANGE(IDC_CALC_0, IDC_CALC_BACK, OnKey)
END_MESSAGE_MAP()

namespace {

// The key of each button, by its id from IDC_CALC_0.
const char kButtonKeys[] = { '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '.', '+', '-', '*', '/', '=', 'C', '\b' };

char keyOfVirtualKey(UINT vk)
{
    if (vk >= '0' && vk <= '9')
        return (char)vk;
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        return (char)('0' + (vk - VK_NUMPAD0));
    switch (vk) {
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_MULTIPLY: return '*';
    case VK_DIVIDE: return '/';
    case VK_DECIMAL: return '.';
    case VK_RETURN: return '=';
    case VK_BACK: return '\b';
    case VK_DELETE: return 'C';
    default: return 0;
    }
}

} // namespace

CCalculatorDlg::CCalculatorDlg(CWnd* pParent, const CString& start)
    : CderivedDialog(IDD_DLGKIT_CALCULATOR, pParent), m_engine(start)
{
}

BOOL CCalculatorDlg::OnInitDialog()
{
    CderivedDialog::OnInitDialog();
    // The keys never keep the focus, so Enter is always "=".
    for (UINT id = IDC_CALC_0; id <= IDC_CALC_BACK; ++id) {
        CWnd* key = GetDlgItem((int)id);
        if (key && key->GetQWidget())
            key->GetQWidget()->setFocusPolicy(Qt::NoFocus);
    }
    SetDlgItemText(IDC_CALC_DISPLAY, m_engine.Display());
    if (CWnd* display = GetDlgItem(IDC_CALC_DISPLAY))
        display->SetFocus();
    return FALSE;
}

BOOL CCalculatorDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        if (char key = keyOfVirtualKey((UINT)pMsg->wParam)) {
            Press(key);
            return TRUE;
        }
    }
    return CderivedDialog::PreTranslateMessage(pMsg);
}

void CCalculatorDlg::OnKey(UINT nID) { Press(kButtonKeys[nID - IDC_CALC_0]); }

void CCalculatorDlg::Press(char key)
{
    m_engine.Press(key);
    SetDlgItemText(IDC_CALC_DISPLAY, m_engine.Display());
}

void CCalculatorDlg::OnOK()
{
    m_strResult = m_engine.Result();
    EndDialog(IDOK);
}

int GetCalculator(CString& strResult, CWnd* pParentWnd, LPCTSTR lpszStart)
{
    CCalculatorDlg dlg(pParentWnd, lpszStart ? CString(lpszStart) : CString());
    INT_PTR result = dlg.DoModal();
    if (result == IDOK)
        strResult = dlg.m_strResult;
    return (int)result;
}
