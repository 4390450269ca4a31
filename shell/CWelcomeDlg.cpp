#include "CWelcomeDlg.h"

#include "CWelcomeSetingsDlg.h"
#include "gridbase.h"
#include "res/resource.h"

namespace {

const char* const kSection = "Settings";
const char* const kEntry = "welcome";
// The password a new entry is offered (the user changes it in the entry's settings).
const char* const kNewEntryPassword = "123";

} // namespace

BEGIN_MESSAGE_MAP(CWelcomeDlg, CderivedDialog)
    ON_BN_CLICKED(IDC_WELCOME_ADD, OnAdd)
    ON_BN_CLICKED(IDC_WELCOME_CHANGE, OnChange)
    ON_BN_CLICKED(IDC_WELCOME_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_WELCOME_UP, OnUp)
    ON_BN_CLICKED(IDC_WELCOME_DOWN, OnDown)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CWelcomeDlg, CderivedDialog)
    ON_EVENT(CWelcomeDlg, IDC_GRID, 3, OnGridEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
END_EVENTSINK_MAP()

CWelcomeDlg::CWelcomeDlg(CWnd* pParent)
    : CderivedDialog(IDD_WELCOME, pParent)
{
}

void CWelcomeDlg::DoDataExchange(CDataExchange* pDX)
{
    CderivedDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GRID, m_grid);
    DDX_Control(pDX, IDC_WELCOME_UP, m_up);
    DDX_Control(pDX, IDC_WELCOME_DOWN, m_down);
    DDX_Check(pDX, IDC_WELCOME_CONFIGURATOR, m_bConfigurator);
}

BOOL CWelcomeDlg::OnInitDialog()
{
    CderivedDialog::OnInitDialog();
    m_up.SetIcon(LoadIcon(AFX_CALLER_MODULE, MAKEINTRESOURCE(IDI_ROW_UP)));
    m_down.SetIcon(LoadIcon(AFX_CALLER_MODULE, MAKEINTRESOURCE(IDI_ROW_DOWN)));
    const HICON icon = LoadIcon(AFX_CALLER_MODULE, MAKEINTRESOURCE(IDR_MAINFRAME));
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
    m_grid.SetNRows(0);
    m_grid.KeepRatio();
    const CString list = AfxGetApp()->GetProfileString(kSection, kEntry, "");
    for (const CString& text : CWelcomeEntry::SplitList(list))
        AddRow(CWelcomeEntry::FromText(text));
    if (m_grid.GetNRows() > 0)
        m_grid.SetCurCell(0, 0);
    return TRUE;
}

void CWelcomeDlg::AddRow(const CWelcomeEntry& entry)
{
    const long row = m_grid.GetNRows();
    m_grid.SetNRows(row + 1);
    SetRow(row, entry);
}

void CWelcomeDlg::SetRow(long row, const CWelcomeEntry& entry)
{
    m_grid.SetRowData(row, _variant_t(entry.ToText()));
    m_grid.SetCellValue(0, row, entry.m_strName);
}

CWelcomeEntry CWelcomeDlg::RowEntry(long row) const
{
    return CWelcomeEntry::FromText(SafeArayToString(m_grid.GetRowData(row)));
}

void CWelcomeDlg::SaveList()
{
    std::vector<CString> entries;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        entries.push_back(SafeArayToString(m_grid.GetRowData(row)));
    AfxGetApp()->WriteProfileString(kSection, kEntry, CWelcomeEntry::JoinList(entries));
}

long CWelcomeDlg::ChosenRow()
{
    const long row = m_grid.GetCurRow();
    if (row < 0 || row >= m_grid.GetNRows()) {
        AfxMessageBox("Выберите базу");
        return -1;
    }
    return row;
}

void CWelcomeDlg::OnAdd()
{
    CWelcomeSetingsDlg settings(this);
    settings.m_entry.m_lDriverId = 1;
    settings.m_entry.m_strServer = "127.0.0.1";
    settings.m_entry.m_strUser = "root";
    settings.m_entry.m_strPassword = kNewEntryPassword;
    settings.m_entry.m_strFolder = m_strFolder;
    settings.m_entry.m_strName = "Новая база";
    if (settings.DoModal() != IDOK)
        return;
    AddRow(settings.m_entry);
    m_grid.SetCurCell(0, m_grid.GetNRows() - 1);
    SaveList();
}

void CWelcomeDlg::OnChange()
{
    const long row = ChosenRow();
    if (row < 0)
        return;
    CWelcomeSetingsDlg settings(this);
    settings.m_entry = RowEntry(row);
    if (settings.DoModal() != IDOK)
        return;
    SetRow(row, settings.m_entry);
    SaveList();
}

void CWelcomeDlg::OnDelete()
{
    const long row = ChosenRow();
    if (row < 0)
        return;
    if (AfxMessageBox("Удалить эту строку ? ", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    m_grid.RowRemove(row);
    SaveList();
}

void CWelcomeDlg::MoveCurrentRow(long step)
{
    const long row = m_grid.GetCurRow();
    const long target = row + step;
    if (row >= 0 && target >= 0 && target < m_grid.GetNRows()) {
        m_grid.RowMove(row, target);
        m_grid.SetCurCell(0, target);
    }
    m_grid.SetFocus();
    SaveList();
}

void CWelcomeDlg::OnUp()
{
    MoveCurrentRow(-1);
}

void CWelcomeDlg::OnDown()
{
    MoveCurrentRow(1);
}

void CWelcomeDlg::OnGridEditStart(short col, short row, CString* text, short* cancel)
{
    *cancel = 1;
    OnOK();
}

// Starts the program (or the configurator) of the chosen database, which
// asks for the login with that database's connection.
void CWelcomeDlg::OnOK()
{
    const long row = ChosenRow();
    if (row < 0)
        return;
    UpdateData(TRUE);
    const CWelcomeEntry entry = RowEntry(row);
    EndDialog(IDOK);
    ShellExecute(NULL, "open", entry.ProgramPath(m_bConfigurator), entry.ProgramParameters(), NULL, SW_SHOW);
}
