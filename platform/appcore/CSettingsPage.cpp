#include "CSettingsPage.h"

#include "res/AppcoreResource.h"

IMPLEMENT_DYNAMIC(CSettingsPage, CPropertyPage)

CSettingsPage::CSettingsPage() : CPropertyPage(IDD_SETTINGS_PAGE) {}

void CSettingsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_SETTINGS_ASK_EXIT, m_bAskExit);
    DDX_Check(pDX, IDC_SETTINGS_MULTI, m_bMultyProcess);
    DDX_Check(pDX, IDC_SETTINGS_SOUND, m_bPlayWavFiles);
    DDX_Text(pDX, IDC_SETTINGS_REPORT, m_nReportTipe);
    DDV_MinMaxInt(pDX, m_nReportTipe, 0, 9);
}
