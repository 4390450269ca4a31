#include "CSqlServerParamsDlg.h"

#include "DriverNames.h"
#include "ndbcore.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSqlServerParamsDlg, CderivedDialog)
END_MESSAGE_MAP()

CSqlServerParamsDlg::CSqlServerParamsDlg(CWnd* pParent)
    : CderivedDialog(IDD_SQL_PARAMS, pParent)
{
    m_nDriverId = int(GetDriverId(1));
    m_strServer = GetServerName("127.0.0.1");
    m_strDatabase = GetDataBaseName("");
    m_strUser = GetUserID("root");
    m_strPassword = GetUserPassword("");
}

BOOL CSqlServerParamsDlg::OnInitDialog()
{
    // The combo box is filled before the base runs the data exchange.
    m_driver.SubclassDlgItem(IDC_DB_DRIVER, this);
    FillConnectionDrivers(m_driver);
    return CderivedDialog::OnInitDialog();
}

void CSqlServerParamsDlg::DoDataExchange(CDataExchange* pDX)
{
    CderivedDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_DB_DRIVER, m_nDriverId);
    DDX_Text(pDX, IDC_DB_SERVER, m_strServer);
    DDX_Text(pDX, IDC_DB_NAME, m_strDatabase);
    DDX_Text(pDX, IDC_DB_USER, m_strUser);
    DDX_Text(pDX, IDC_DB_PASSWORD, m_strPassword);
}

void CSqlServerParamsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    SetDriverId(m_nDriverId);
    SetServerName(m_strServer);
    SetDataBaseName(m_strDatabase);
    SetUserID(m_strUser);
    SetUserPassword(m_strPassword);
    EndDialog(IDOK);
}
