#include "CAboutDlg.h"

#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* pParent)
    : CDialog(IDD_ABOUTBOX, pParent)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CDataArchive* archive = GetDataArchive();
    SetDlgItemText(IDC_ABOUT_AUTHOR, "Автор конфигурации:\n" + archive->GetAuthor());
    SetDlgItemText(IDC_ABOUT_RELEASE, GetProductVersion());
    SetDlgItemInt(IDC_ABOUT_ARCHIVE, archive->GetFileVersion());
    CString config;
    config.Format("%s.%s.%s", GetConstant("CONFIG_VERSION0", 0), GetConstant("CONFIG_VERSION1", 0),
                  GetConstant("CONFIG_VERSION2", 0));
    SetDlgItemText(IDC_ABOUT_CONFIG, config);
    CString driver = GetODBCDriverName(GetDriverId(-1));
    driver.Remove('{');
    driver.Remove('}');
    SetDlgItemText(IDC_ABOUT_DRIVER, driver);
    // SQL Server names its version otherwise; a failing query would put an error on the about box.
    SetDlgItemText(IDC_ABOUT_SERVER, ExecuteString(CurrentDialect() == SqlDialect::SqlServer ? "select @@version"
                                                                                             : "select version()"));
    SetDlgItemText(IDC_ABOUT_IP, GetServerName(NULL));
    SetDlgItemText(IDC_ABOUT_DATABASE, GetDataBaseName(NULL));
    SetDlgItemText(IDC_ABOUT_PATH, GetAppPath());
    return TRUE;
}
