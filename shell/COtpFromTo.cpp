#include "COtpFromTo.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(COtpFromTo, CDialog)
END_MESSAGE_MAP()

COtpFromTo::COtpFromTo(CWnd* pParent)
    : CDialog(IDD_OTP_FROM_TO, pParent)
    , m_from(COleDateTime::GetCurrentTime())
    , m_to(COleDateTime::GetCurrentTime())
{
}

void COtpFromTo::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_DateTimeCtrl(pDX, IDC_OTP_FROM, m_from);
    DDX_DateTimeCtrl(pDX, IDC_OTP_TO, m_to);
}

// A period that ends before it begins would make every later month wrong.
void COtpFromTo::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_from > m_to) {
        AfxMessageBox("Дата начала должна предшествовать дате окончания", MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDOK);
}
