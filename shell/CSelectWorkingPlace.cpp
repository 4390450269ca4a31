#include "CSelectWorkingPlace.h"

#include "LoginQueries.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSelectWorkingPlace, CderivedDialog)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSelectWorkingPlace, CderivedDialog)
    ON_EVENT(CSelectWorkingPlace, IDC_GRID, 3, OnGridEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
END_EVENTSINK_MAP()

CSelectWorkingPlace::CSelectWorkingPlace(CWnd* pParent)
    : CderivedDialog(IDD_SELECT_ARM, pParent)
{
}

void CSelectWorkingPlace::DoDataExchange(CDataExchange* pDX)
{
    CderivedDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GRID, m_grid);
}

BOOL CSelectWorkingPlace::OnInitDialog()
{
    CderivedDialog::OnInitDialog();
    m_grid.SetVHeaderWidth(20);
    m_grid.KeepRatio();
    FillWorkplaces();
    if (m_grid.GetNRows() == 0) {
        AfxMessageBox("Для Вас не определены рабочие места");
        PostMessage(WM_CLOSE);
    } else if (m_grid.GetNRows() == 1) {
        ChooseRow(0);
    } else {
        m_grid.SetCurCell(0, 0);
    }
    return TRUE;
}

void CSelectWorkingPlace::FillWorkplaces()
{
    m_grid.SetNRows(0);
    std::vector<CString> arms;
    try {
        ReadUserArms(ParsePersonnelNumber(m_strTn), arms);
    } catch (const _com_error& e) {
        ReportDBError(e, 1, NULL);
    } catch (...) {
        AfxReportCurrentException("CSelectWorkingPlace");
    }
    for (const CString& arm : arms)
        AddWorkplaceRow(arm);
}

// A row per workplace id that a configuration workplace has; the last
// workplace with that id gives caption, index and icon.
void CSelectWorkingPlace::AddWorkplaceRow(const CString& arm)
{
    const CDataArchive* archive = GetDataArchive();
    int index = -1;
    for (int i = 0; i < archive->GetArmCount(); ++i)
        if (archive->GetArm(i)->m_strId == arm)
            index = i;
    if (index < 0)
        return;
    const CArmRecord* record = archive->GetArm(index);
    const long row = m_grid.GetNRows();
    m_grid.SetNRows(row + 1);
    m_grid.SetCellValue(0, row, record->m_strCaption);
    CString data;
    data.Format("vornal.exe%s%d", GetDelimiter(), index);
    m_grid.SetRowData(row, _variant_t(data));
    if (record->m_nIcon > 0)
        m_grid.SetRowIcon(row, LoadIconAsBitmap(AFX_CALLER_MODULE, UINT(record->m_nIcon)));
}

void CSelectWorkingPlace::ChooseRow(long row)
{
    if (row < 0 || row >= m_grid.GetNRows())
        return;
    ShowWindow(SW_HIDE);
    const CString data = SafeArayToString(m_grid.GetRowData(row));
    m_strLogin += " -" + GetPart(data, GetDelimiter(), 2);
    EndDialog(IDOK);
}

void CSelectWorkingPlace::OnOK()
{
    ChooseRow(m_grid.GetCurRow());
}

void CSelectWorkingPlace::OnGridEditStart(short col, short row, CString* text, short* cancel)
{
    *cancel = 1;
    ChooseRow(row);
}
