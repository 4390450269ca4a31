#include "CSettingsPropSheet.h"

#include "gridbase.h"
#include "ndbcore.h"

IMPLEMENT_DYNAMIC(CSettingsPropSheet, CPropertySheet)

CSettingsPropSheet::CSettingsPropSheet(UINT, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet("Настройки", pParentWnd, iSelectPage),
      m_bAskExit(g_bAskExit),
      m_bMultyProcess(g_bMultyProcess),
      m_bPlayWavFiles(::m_bPlayWavFiles),
      m_lReportTipe(g_lReportTipe)
{
    AddPage(&m_page);
}

INT_PTR CSettingsPropSheet::DoModal()
{
    m_page.m_bAskExit = m_bAskExit ? 1 : 0;
    m_page.m_bMultyProcess = m_bMultyProcess ? 1 : 0;
    m_page.m_bPlayWavFiles = m_bPlayWavFiles ? 1 : 0;
    m_page.m_nReportTipe = int(m_lReportTipe);
    const INT_PTR result = CPropertySheet::DoModal();
    if (result == IDOK) {
        m_bAskExit = m_page.m_bAskExit ? TRUE : FALSE;
        m_bMultyProcess = m_page.m_bMultyProcess ? TRUE : FALSE;
        m_bPlayWavFiles = m_page.m_bPlayWavFiles ? TRUE : FALSE;
        m_lReportTipe = m_page.m_nReportTipe;
    }
    return result;
}
