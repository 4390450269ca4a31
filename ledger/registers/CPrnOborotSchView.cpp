#include "CPrnOborotSchView.h"

#include "CHelpers.h"
#include "CLedmark.h"
#include "CSelectIFView.h"
#include "FormTitle.h"
#include "MakeParam.h"
#include "SharedCommands.h"
#include "TurnoverControls.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <algorithm>

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnOborotSchView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnOborotSchView, CderivedFormview)
    ON_COMMAND(IDOK, OnOK)
    ON_CBN_SELENDOK(IDC_OS_SOURCE, OnSourceChange)
    ON_BN_CLICKED(IDC_OS_SB1_PICK, OnValue1Btn)
    ON_BN_CLICKED(IDC_OS_SB2_PICK, OnValue2Btn)
    ON_BN_CLICKED(IDC_OS_SB3_PICK, OnValue3Btn)
    ON_BN_CLICKED(IDC_OS_JOURNAL_PICK, OnJournalBtn)
    ON_EN_CHANGE(IDC_OS_CODE, OnCodeChange)
    ON_BN_CLICKED(IDC_OS_KBK_PICK, OnKbkBtn)
    ON_BN_CLICKED(IDC_FILS_BUTTON, OnFilBtn)
    ON_BN_CLICKED(IDC_OS_CLEAR, OnClear)
    ON_MESSAGE(CAccountPartsGrid::kKeepEmptyRowMsg, KeepEmptyRow)
    ON_MESSAGE(CAccountPartsGrid::kSintPickedMsg, OnSintPicked)
    ON_MESSAGE(CAccountPartsGrid::kAnalitPickedMsg, OnAnalitPicked)
    ON_MESSAGE(CAccountPartsGrid::kKosguPickedMsg, OnKosguPicked)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnOborotSchView, CderivedFormview)
    ON_EVENT(CPrnOborotSchView, IDC_OS_ACCOUNTS, 5, OnGridCellClick, VTS_I2 VTS_I2)
    ON_EVENT(CPrnOborotSchView, IDC_OS_ACCOUNTS, 9, OnGridCellChanged, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kGridKey = "oborot_sch";
const char* const kKindKeys[3] = {"oborot_sch_sb1", "oborot_sch_sb2", "oborot_sch_sb3"};

// A subconto row: caption, kind list, value edit, picker.
struct SubcontoRow {
    UINT label, kind, value, button;
};
const SubcontoRow kRows[3] = {{IDC_OS_SB1_LABEL, IDC_OS_SB1_KIND, IDC_OS_SB1, IDC_OS_SB1_PICK},
                              {IDC_OS_SB2_LABEL, IDC_OS_SB2_KIND, IDC_OS_SB2, IDC_OS_SB2_PICK},
                              {IDC_OS_SB3_LABEL, IDC_OS_SB3_KIND, IDC_OS_SB3, IDC_OS_SB3_PICK}};

// The parts of the last account of a saved grid: an older value of exactly
// nine characters is one account code, source digit first.
bool LastSavedAccount(const CString& saved, AccountRow& last)
{
    if (saved.GetLength() == 9) {
        last = {0, saved.Mid(1, 3), saved.Mid(4, 2), saved.Mid(6, 3)};
        return true;
    }
    bool found = false;
    const int rows = Length(saved, GetDelimiter());
    for (int r = 1; r <= rows; ++r) {
        const CString row = GetPart(saved, GetDelimiter(), r);
        CString sint = GetPart(row, GetDelimiter0(), 1);
        if (sint.Trim().IsEmpty())
            continue;
        CString anal = GetPart(row, GetDelimiter0(), 2), kosgu = GetPart(row, GetDelimiter0(), 3);
        last = {r - 1, sint, anal.Trim(), kosgu.Trim()};
        found = true;
    }
    return found;
}

} // namespace

CPrnOborotSchView::CPrnOborotSchView()
    : CderivedFormview(IDD_PRN_OBOROT_SCH), m_dateFrom(qwDMG(GetDPV1(), 1)), m_dateTo(qwDMG(GetDPV2(), 1))
{
}

CPrnOborotSchView::~CPrnOborotSchView() = default;

void CPrnOborotSchView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILS, m_editFils);
    DDX_Control(pDX, IDC_OS_CODE, m_editCode);
    DDX_Control(pDX, IDC_OS_KBK, m_editKbk);
    DDX_Control(pDX, IDC_OS_SOURCE, m_comboSource);
    for (int k = 0; k < 3; ++k)
        DDX_Control(pDX, kRows[k].kind, m_comboKind[k]);
    DDX_Control(pDX, IDC_OS_ACCOUNTS, m_grid);
    DDX_DateTimeCtrl(pDX, IDC_DATE1, m_dateFrom);
    DDX_DateTimeCtrl(pDX, IDC_DATE2, m_dateTo);
    DDX_CBIndex(pDX, IDC_OS_SOURCE, m_nSource);
    DDX_Check(pDX, IDC_OS_SPLIT, m_bSplit);
}

void CPrnOborotSchView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Оборотная ведомость по счету");
    m_accounts.Attach(this, &m_grid);
    for (const char* source : {"0", "1", "2", "3", "4"})
        m_comboSource.AddString(source);
    m_comboSource.SetCurSel(m_nSource);
    FillFilsEx(this, IDC_FILS, IDC_FILS_LABEL, IDC_FILS_BUTTON,
               nledmark::RememberedPrintBranches());
    m_grid.SetNRows(1);
    ResizeParentToFit(FALSE);
    const CString saved = AfxGetApp()->GetProfileString(kConstants, kGridKey, "");
    if (saved.GetLength() == 9) {
        m_grid.SetCellValue(PART_SINT, 0, saved.Mid(1, 3));
        m_grid.SetCellValue(PART_ANAL, 0, saved.Mid(4, 2));
        m_grid.SetCellValue(PART_KOSGU, 0, saved.Mid(6, 3));
    } else if (!saved.IsEmpty()) {
        m_accounts.Restore(saved);
    }
    OnSourceChange();
    PostMessage(CAccountPartsGrid::kKeepEmptyRowMsg);
    m_grid.KeepRatio();
}

void CPrnOborotSchView::RebuildKinds()
{
    UpdateData(TRUE);
    const AccountBooks books = m_accounts.Books(m_nSource);
    // A book is listed once under its exact name: a name that merely begins
    // with another's ("Подразделения склада") is a book of its own.
    m_books.clear();
    for (const DimensionBook& b : books.books)
        if (std::none_of(m_books.begin(), m_books.end(), [&b](const DimensionBook& l) { return l.name == b.name; }))
            m_books.push_back(b);
    for (CderivedComboBox& kind : m_comboKind) {
        kind.ResetContent();
        kind.SetItemData(kind.AddString(" "), DWORD_PTR(-1));
        for (const DimensionBook& b : m_books)
            kind.SetItemData(kind.AddString(b.name), DWORD_PTR(b.book));
    }
    if (books.present[0]) {
        // The kind chosen last time comes back while the grid ends with the
        // account it was chosen for.
        int index = 1;
        const std::vector<AccountRow> accounts = m_accounts.Accounts();
        AccountRow saved;
        if (!accounts.empty() &&
            LastSavedAccount(AfxGetApp()->GetProfileString(kConstants, kGridKey, ""), saved) &&
            saved.sint == accounts.back().sint && saved.anal == accounts.back().anal &&
            saved.kosgu == accounts.back().kosgu)
            index = AfxGetApp()->GetProfileInt(kConstants, kKindKeys[0], 1);
        if (index < 0 || index >= m_comboKind[0].GetCount())
            index = 1;
        m_comboKind[0].SetCurSel(index);
    }
    for (int k = 0; k < 3; ++k) {
        for (UINT id : {kRows[k].label, kRows[k].kind, kRows[k].value, kRows[k].button})
            if (CWnd* control = GetDlgItem(id))
                control->ShowWindow(books.present[k] ? SW_SHOW : SW_HIDE);
        if (!books.present[k]) {
            m_comboKind[k].ResetContent();
            SetDlgItemText(kRows[k].value, "");
        }
    }
}

KindChoice CPrnOborotSchView::Kind(int k) const
{
    KindChoice choice;
    const int selected = m_comboKind[k].GetCurSel();
    choice.index = selected > 0 ? selected : 0;
    choice.book = selected >= 0 ? int(m_comboKind[k].GetItemData(selected)) : -1;
    return choice;
}

void CPrnOborotSchView::OnSourceChange()
{
    UpdateData(TRUE);
    SetDlgItemText(IDC_OS_SOURCE_NAME, GL_GetCol0_Name(utoa(m_nSource)));
    RebuildKinds();
}

void CPrnOborotSchView::OnCodeChange()
{
    LoadJournal();
}

void CPrnOborotSchView::LoadJournal()
{
    CString code;
    GetDlgItemText(IDC_OS_CODE, code);
    code.Trim();
    if (code.IsEmpty()) {
        m_accounts.Reset();
        RebuildKinds();
        return;
    }
    CWaitCursor wait;
    // A code that is no whole number names no journal: nothing is asked.
    if (IsDigitsOnly(code))
        m_accounts.LoadJournal(atol(code));
    else
        m_grid.SetNRows(0);
    PostMessage(CAccountPartsGrid::kKeepEmptyRowMsg);
    RebuildKinds();
}

void CPrnOborotSchView::OpenValuePicker(int k)
{
    UpdateData(TRUE);
    const int selected = m_comboKind[k].GetCurSel();
    if (selected < 1 || size_t(selected) > m_books.size())
        return;
    // The values of the chosen book come from the dimension that carries it
    // in the first account that has it.
    const int book = m_books[size_t(selected - 1)].book;
    for (const AccountRow& row : m_accounts.Accounts()) {
        const CString account = CAccountPartsGrid::FullAccount(m_nSource, row);
        for (short n = 1; n <= 3; ++n)
            if (GL_Get_SB(account, n) == book) {
                CLedmark::GetSB(this, kRows[k].value, UINT(-1), account, n, 1);
                return;
            }
    }
}

void CPrnOborotSchView::OnValue1Btn()
{
    OpenValuePicker(0);
}

void CPrnOborotSchView::OnValue2Btn()
{
    OpenValuePicker(1);
}

void CPrnOborotSchView::OnValue3Btn()
{
    OpenValuePicker(2);
}

void CPrnOborotSchView::OnJournalBtn()
{
    CHelpers::GetInSpr("spr_jrn_oper", this, IDC_OS_CODE, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CPrnOborotSchView::OnKbkBtn()
{
    UpdateData(TRUE);
    CString branches;
    GetDlgItemText(IDC_FILS, branches);
    GL_GetDefKBKList(this, IDC_OS_KBK, (const char*)utoa(m_nSource), (const char*)branches, UINT(-1), nullptr, 1);
}

void CPrnOborotSchView::OnFilBtn()
{
    OnFILbtn(this);
}

void CPrnOborotSchView::OnClear()
{
    m_accounts.Clear();
    RebuildKinds();
}

LRESULT CPrnOborotSchView::KeepEmptyRow(WPARAM, LPARAM)
{
    m_accounts.KeepEmptyRow();
    return 0;
}

void CPrnOborotSchView::Picked(int col, LPARAM code)
{
    if (m_accounts.TakePicked(col, reinterpret_cast<const char*>(code)))
        RebuildKinds();
}

LRESULT CPrnOborotSchView::OnSintPicked(WPARAM, LPARAM lParam)
{
    Picked(PART_SINT, lParam);
    return 0;
}

LRESULT CPrnOborotSchView::OnAnalitPicked(WPARAM, LPARAM lParam)
{
    Picked(PART_ANAL, lParam);
    return 0;
}

LRESULT CPrnOborotSchView::OnKosguPicked(WPARAM, LPARAM lParam)
{
    Picked(PART_KOSGU, lParam);
    return 0;
}

void CPrnOborotSchView::OnGridCellClick(short col, short row)
{
    m_accounts.OpenPicker(col, row);
}

void CPrnOborotSchView::OnGridCellChanged(short col, short, short, CString*)
{
    RebuildKinds();
    m_accounts.CellEdited(col);
}

CString CPrnOborotSchView::OkCall()
{
    CString values[3], kbk, branches;
    for (int k = 0; k < 3; ++k)
        GetDlgItemText(kRows[k].value, values[k]);
    GetDlgItemText(IDC_OS_KBK, kbk);
    GetDlgItemText(IDC_FILS, branches);
    const KindChoice kinds[3] = {Kind(0), Kind(1), Kind(2)};
    return FormatText("OnOk(\"%s\",\"%s\",%d,\"%s\",%d,%d,%d,%d,%d,%d,\"%s\",\"%s\",\"%s\",\"%s\",\"%s\",%d)",
                      (LPCTSTR)DMGtoStr(m_dateFrom), (LPCTSTR)DMGtoStr(m_dateTo), m_nSource,
                      (LPCTSTR)MakeParam(m_accounts.Serialized()), kinds[0].index, kinds[1].index, kinds[2].index,
                      kinds[0].book, kinds[1].book, kinds[2].book, (LPCTSTR)MakeParam(values[0]),
                      (LPCTSTR)MakeParam(values[1]), (LPCTSTR)MakeParam(values[2]), (LPCTSTR)MakeParam(kbk),
                      (LPCTSTR)MakeParam(branches), m_bSplit ? 1 : 0);
}

void CPrnOborotSchView::OnOK()
{
    CWaitCursor wait;
    if (!UpdateData(TRUE))
        return;
    CWinApp* app = AfxGetApp();
    app->WriteProfileString(kConstants, kGridKey, m_accounts.Serialized());
    for (int k = 0; k < 3; ++k)
        app->WriteProfileInt(kConstants, kKindKeys[k], m_comboKind[k].GetCurSel());
    CString branches;
    GetDlgItemText(IDC_FILS, branches);
    nledmark::RememberPrintBranches(branches);
    EXEC_Execute(OkCall(), 0);
}

} // namespace nledmark
