#include "CWelcomeSetingsDlg.h"

#include "DriverNames.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CWelcomeSetingsDlg, CderivedDialog)
END_MESSAGE_MAP()

CWelcomeSetingsDlg::CWelcomeSetingsDlg(CWnd* pParent)
    : CderivedDialog(IDD_WELCOME_SETTINGS, pParent)
{
}

BOOL CWelcomeSetingsDlg::OnInitDialog()
{
    m_driver.SubclassDlgItem(IDC_DB_DRIVER, this);
    FillChooserDrivers(m_driver);
    m_nDriverId = int(m_entry.m_lDriverId);
    return CderivedDialog::OnInitDialog();
}

void CWelcomeSetingsDlg::DoDataExchange(CDataExchange* pDX)
{
    CderivedDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_DB_DRIVER, m_nDriverId);
    DDX_Text(pDX, IDC_DB_SERVER, m_entry.m_strServer);
    DDX_Text(pDX, IDC_DB_NAME, m_entry.m_strDatabase);
    DDX_Text(pDX, IDC_DB_USER, m_entry.m_strUser);
    DDX_Text(pDX, IDC_DB_PASSWORD, m_entry.m_strPassword);
    DDX_Text(pDX, IDC_DB_FOLDER, m_entry.m_strFolder);
    DDX_Text(pDX, IDC_DB_TITLE, m_entry.m_strName);
    if (pDX->m_bSaveAndValidate)
        m_entry.m_lDriverId = m_nDriverId;
}
