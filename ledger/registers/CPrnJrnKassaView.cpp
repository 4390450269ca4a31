#include "CPrnJrnKassaView.h"

#include "CHelpers.h"
#include "CLedmark.h"
#include "CSelectIFView.h"
#include "FormTitle.h"
#include "LineCells.h"
#include "SharedCommands.h"
#include "appcore.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnJrnKassaView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnJrnKassaView, CderivedFormview)
    ON_COMMAND(IDOK, OnOK)
    ON_CBN_SELCHANGE(IDC_JO_SOURCE, OnSourceChange)
    ON_BN_CLICKED(IDC_JO_SB1_PICK, OnSb1FilterBtn)
    ON_BN_CLICKED(IDC_JO_SB2_PICK, OnSb2FilterBtn)
    ON_BN_CLICKED(IDC_JO_SB3_PICK, OnSb3FilterBtn)
    ON_BN_CLICKED(IDC_JO_JOURNAL_PICK, OnJournalBtn)
    ON_EN_CHANGE(IDC_JO_CODE, OnCodeChange)
    ON_BN_CLICKED(IDC_JO_KBK_PICK, OnKbkBtn)
    ON_BN_CLICKED(IDC_FILS_BUTTON, OnFilBtn)
    ON_BN_CLICKED(IDC_JO_CLEAR, OnClearAccounts)
    ON_MESSAGE(CAccountPartsGrid::kKeepEmptyRowMsg, KeepEmptyRow)
    ON_MESSAGE(CAccountPartsGrid::kSintPickedMsg, OnSintPicked)
    ON_MESSAGE(CAccountPartsGrid::kAnalitPickedMsg, OnAnalitPicked)
    ON_MESSAGE(CAccountPartsGrid::kKosguPickedMsg, OnKosguPicked)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnJrnKassaView, CderivedFormview)
    ON_EVENT(CPrnJrnKassaView, IDC_JO_ACCOUNTS, 5, OnGridCellClick, VTS_I2 VTS_I2)
    ON_EVENT(CPrnJrnKassaView, IDC_JO_ACCOUNTS, 9, OnGridCellChanged, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

const char* const kJournalConstants = "constants";

namespace {

const char* const kGridKey = "jrn_kass_grid";
const char* const kKbkShowKey = "jrn_kass_kbk_show";
const char* const kFormName = "Журнал операций";

// The three analytic filters: caption, codes, chooser.
struct FilterRow {
    UINT label, edit, button;
};
const FilterRow kFilters[3] = {{IDC_JO_SB1_LABEL, IDC_JO_SB1, IDC_JO_SB1_PICK},
                               {IDC_JO_SB2_LABEL, IDC_JO_SB2, IDC_JO_SB2_PICK},
                               {IDC_JO_SB3_LABEL, IDC_JO_SB3, IDC_JO_SB3_PICK}};

struct JournalHeader {
    CString number, name;
    int sb = -1;  // -1: no such journal
};

// The journal of a code typed or given; a code that is no whole number is
// asked nothing.
JournalHeader ReadJournal(const CString& code, long& id)
{
    JournalHeader header;
    id = -1;
    if (!IsIdText(code))
        return header;
    id = atol(code);
    ForEachRow(FormatText("select num,name,sb from spr_jrn_oper where id=%d", id), [&](_RecordsetPtr& rs) {
        header.number = SafeArayToString(rs->GetCollect("num"));
        header.name = SafeArayToString(rs->GetCollect("name"));
        header.sb = atoi(SafeArayToString(rs->GetCollect("sb")));
    });
    return header;
}

} // namespace

CPrnJrnKassaView::CPrnJrnKassaView()
    : CderivedFormview(IDD_PRN_JRN_KASSA), m_dateFrom(qwDMG(GetDPV1(), 1)), m_dateTo(qwDMG(GetDPV2(), 1)),
      m_bKbkShow(AfxGetApp()->GetProfileInt(kJournalConstants, kKbkShowKey, 0) != 0)
{
}

CPrnJrnKassaView::~CPrnJrnKassaView() = default;

void CPrnJrnKassaView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_JO_SB3, m_editSb3Filter);
    DDX_Control(pDX, IDC_JO_SB2, m_editSb2Filter);
    DDX_Control(pDX, IDC_JO_KBK, m_editKbk);
    DDX_Control(pDX, IDC_JO_CODE, m_editCode);
    DDX_Control(pDX, IDC_JO_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_JO_NAME, m_editName);
    DDX_Control(pDX, IDC_JO_SB1, m_editSb1Filter);
    DDX_Control(pDX, IDC_JO_EXPAND, m_comboExpand);
    DDX_Control(pDX, IDC_JO_SOURCE, m_comboIf);
    DDX_DateTimeCtrl(pDX, IDC_JO_FROM, m_dateFrom);
    DDX_DateTimeCtrl(pDX, IDC_JO_TO, m_dateTo);
    DDX_CBIndex(pDX, IDC_JO_SOURCE, m_nIf);
    DDX_Control(pDX, IDC_JO_ACCOUNTS, m_grid);
    DDX_Check(pDX, IDC_JO_KBK_SHOW, m_bKbkShow);
    DDX_Control(pDX, IDC_FILS, m_editFil);
}

CString CPrnJrnKassaView::GridKey() const
{
    const int journal = GetDocument() ? GetDocument()->GetParam() : 0;
    // The opener gives 0 when it names no journal; such grids are kept under -2.
    return kGridKey + utos(journal > 0 ? journal : -2);
}

void CPrnJrnKassaView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    m_accounts.Attach(this, &m_grid);
    m_grid.SetNRows(1);
    for (const char* source : {"0", "1", "2", "3", "4"})
        m_comboIf.AddString(source);
    m_comboIf.SetCurSel(0);
    FillFilsEx(this, IDC_FILS, IDC_FILS_LABEL, IDC_FILS_BUTTON,
               nledmark::RememberedPrintBranches());
    const int journal = GetDocument() ? GetDocument()->GetParam() : 0;
    if (journal > 0) {
        SetDlgItemText(IDC_JO_CODE, utos(journal));
    } else {
        CWinApp* app = AfxGetApp();
        const CString saved = app->GetProfileString(kJournalConstants, GridKey(), "");
        if (!saved.IsEmpty()) {
            m_accounts.Restore(saved);
        } else {
            const CString p = utos(-2);
            m_grid.SetCellValue(PART_SINT, 0, app->GetProfileString(kJournalConstants, "jrn_kass_sch1" + p, ""));
            m_grid.SetCellValue(PART_ANAL, 0, app->GetProfileString(kJournalConstants, "jrn_kass_sch2" + p, ""));
            m_grid.SetCellValue(PART_KOSGU, 0, app->GetProfileString(kJournalConstants, "jrn_kass_sch3" + p, ""));
        }
        UpdateSubcontoFilters();
        PostMessage(CAccountPartsGrid::kKeepEmptyRowMsg);
    }
    CString number, name;
    GetDlgItemText(IDC_JO_NUMBER, number);
    GetDlgItemText(IDC_JO_NAME, name);
    SetFormTitle(this, m_nJournalSb != -1 && !name.IsEmpty() ? name + " №" + number : CString(kFormName));
    UpdateData(FALSE);
    m_grid.KeepRatio();
    ResizeParentToFit(FALSE);
}

void CPrnJrnKassaView::OnCodeChange()
{
    LoadJournalAccounts();
}

void CPrnJrnKassaView::LoadJournalAccounts()
{
    CString code;
    GetDlgItemText(IDC_JO_CODE, code);
    code.Trim();
    if (code.IsEmpty()) {
        SetDlgItemText(IDC_JO_NAME, GetDocument() ? GetDocument()->GetTitle() : CString());
        m_accounts.Reset();
        UpdateSubcontoFilters();
        return;
    }
    CWaitCursor wait;
    long id = -1;
    const JournalHeader header = ReadJournal(code, id);
    SetDlgItemText(IDC_JO_NUMBER, header.number);
    SetDlgItemText(IDC_JO_NAME, header.name);
    m_nJournalSb = header.sb;
    if (header.sb == -1)
        m_grid.SetNRows(0);
    else
        m_accounts.LoadJournal(id);
    PostMessage(CAccountPartsGrid::kKeepEmptyRowMsg);
    UpdateSubcontoFilters();
}

void CPrnJrnKassaView::ShowControls(std::initializer_list<UINT> ids, bool show)
{
    for (UINT id : ids)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CPrnJrnKassaView::UpdateSubcontoFilters()
{
    UpdateData(TRUE);
    const AccountBooks books = m_accounts.Books(m_nIf);
    m_comboExpand.ResetContent();
    m_comboExpand.SetItemData(m_comboExpand.AddString(" "), DWORD_PTR(-1));
    m_expandItems = books.books;
    for (const DimensionBook& b : m_expandItems)
        m_comboExpand.SetItemData(m_comboExpand.AddString(b.name), DWORD_PTR(b.book));

    // The journal's own breakdown, when its book is a dimension of its
    // accounts; else the first book of dimension 1.
    int chosen = -1;
    if (m_nJournalSb > 0) {
        for (const AccountRow& row : m_accounts.Accounts()) {
            const int n = GL_WhichSB(m_nIf, row.sint, row.anal.IsEmpty() ? CString("00") : row.anal,
                                     row.kosgu.IsEmpty() ? CString("000") : row.kosgu, unsigned(m_nJournalSb));
            if (n == 0)
                continue;
            for (size_t i = 0; i < m_expandItems.size() && chosen < 0; ++i)
                if (m_expandItems[i].book == m_nJournalSb)
                    chosen = int(i);
            break;
        }
    }
    for (size_t i = 0; i < m_expandItems.size() && chosen < 0; ++i)
        if (m_expandItems[i].dimension == 1)
            chosen = int(i);
    m_comboExpand.SetCurSel(chosen + 1);

    for (int n = 0; n < 3; ++n) {
        m_filterShown[n] = books.present[n];
        SetDlgItemText(kFilters[n].label, books.captions[n]);
        ShowControls({kFilters[n].label, kFilters[n].edit, kFilters[n].button}, books.present[n]);
    }
    ShowControls({IDC_JO_EXPAND_LABEL, IDC_JO_EXPAND, IDC_JO_FILTER_FRAME}, books.present[0]);
    if (!books.present[0]) {
        m_comboExpand.ResetContent();
        m_expandItems.clear();
    }
    if (m_comboExpand.GetCurSel() == 0 && m_comboExpand.GetCount() > 1)
        m_comboExpand.SetCurSel(1);
    SetDlgItemText(IDC_JO_SOURCE_NAME, GL_GetCol0_Name(FormatNumber(m_nIf, "-", 0)));
}

JournalBreakdown CPrnJrnKassaView::Breakdown() const
{
    const int selected = m_comboExpand.GetCurSel();
    if (selected < 1 || size_t(selected) > m_expandItems.size())
        return {};
    const DimensionBook& b = m_expandItems[size_t(selected - 1)];
    return {b.book, b.dimension, b.name};
}

void CPrnJrnKassaView::OnSourceChange()
{
    UpdateSubcontoFilters();
}

void CPrnJrnKassaView::OpenFilterPicker(int n)
{
    UpdateData(TRUE);
    const std::vector<AccountRow> accounts = m_accounts.Accounts();
    if (accounts.empty())
        return;
    // The first account that has the dimension answers for it: the filter
    // shows while any account has it.
    CString account = CAccountPartsGrid::FullAccount(m_nIf, accounts.front());
    for (const AccountRow& row : accounts) {
        const CString full = CAccountPartsGrid::FullAccount(m_nIf, row);
        if (GL_Get_SB(full, short(n)) != 0) {
            account = full;
            break;
        }
    }
    CLedmark::GetSB(this, kFilters[n - 1].edit, UINT(-1), account, short(n), 1);
}

void CPrnJrnKassaView::OnSb1FilterBtn()
{
    OpenFilterPicker(1);
}

void CPrnJrnKassaView::OnSb2FilterBtn()
{
    OpenFilterPicker(2);
}

void CPrnJrnKassaView::OnSb3FilterBtn()
{
    OpenFilterPicker(3);
}

void CPrnJrnKassaView::OnJournalBtn()
{
    CHelpers::GetInSpr("spr_jrn_oper", this, IDC_JO_CODE, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CPrnJrnKassaView::OnKbkBtn()
{
    UpdateData(TRUE);
    CString branches;
    GetDlgItemText(IDC_FILS, branches);
    GL_GetDefKBKList(this, IDC_JO_KBK, FormatNumber(m_nIf, "-", 0), (const char*)branches, UINT(-1), nullptr, 1);
}

void CPrnJrnKassaView::OnFilBtn()
{
    OnFILbtn(this);
}

void CPrnJrnKassaView::OnClearAccounts()
{
    m_accounts.Clear();
    UpdateSubcontoFilters();
}

LRESULT CPrnJrnKassaView::KeepEmptyRow(WPARAM, LPARAM)
{
    m_accounts.KeepEmptyRow();
    return 0;
}

LRESULT CPrnJrnKassaView::OnSintPicked(WPARAM, LPARAM lParam)
{
    if (m_accounts.TakePicked(PART_SINT, reinterpret_cast<const char*>(lParam)))
        UpdateSubcontoFilters();
    return 0;
}

LRESULT CPrnJrnKassaView::OnAnalitPicked(WPARAM, LPARAM lParam)
{
    if (m_accounts.TakePicked(PART_ANAL, reinterpret_cast<const char*>(lParam)))
        UpdateSubcontoFilters();
    return 0;
}

LRESULT CPrnJrnKassaView::OnKosguPicked(WPARAM, LPARAM lParam)
{
    if (m_accounts.TakePicked(PART_KOSGU, reinterpret_cast<const char*>(lParam)))
        UpdateSubcontoFilters();
    return 0;
}

void CPrnJrnKassaView::OnGridCellClick(short col, short row)
{
    m_accounts.OpenPicker(col, row);
}

void CPrnJrnKassaView::OnGridCellChanged(short col, short, short, CString*)
{
    UpdateSubcontoFilters();
    m_accounts.CellEdited(col);
}

BOOL CPrnJrnKassaView::ReadChoice(JournalChoice& choice)
{
    if (!UpdateData(TRUE))
        return FALSE;
    CString text;
    GetDlgItemText(IDC_FILS, text);
    if (!IdListText(text, choice.branches)) {
        AfxMessageBox("Укажите филиалы их кодами через запятую");
        m_editFil.SetFocus0();
        return FALSE;
    }
    GetDlgItemText(IDC_JO_KBK, text);
    if (!IdListText(text, choice.kbks)) {
        AfxMessageBox("Укажите КБК их кодами через запятую");
        m_editKbk.SetFocus0();
        return FALSE;
    }
    CderivedEdit* const edits[3] = {&m_editSb1Filter, &m_editSb2Filter, &m_editSb3Filter};
    for (int n = 0; n < 3; ++n) {
        if (!m_filterShown[n])
            continue;
        GetDlgItemText(kFilters[n].edit, text);
        if (IdListText(text, choice.filters[n]))
            continue;
        CString caption;
        GetDlgItemText(kFilters[n].label, caption);
        AfxMessageBox(FormatText("Фильтр субконто%d (%s): укажите коды числами через запятую", n + 1, caption));
        edits[n]->SetFocus0();
        return FALSE;
    }
    GetDlgItemText(IDC_JO_NAME, choice.name);
    GetDlgItemText(IDC_JO_NUMBER, choice.number);
    choice.source = m_nIf;
    choice.breakdown = Breakdown();
    choice.from = m_dateFrom;
    choice.to = m_dateTo;
    choice.accounts = m_accounts.Accounts();
    choice.kbkLayout = m_bKbkShow != 0;
    choice.gridKey = GridKey();
    choice.grid = m_accounts.Serialized();
    choice.title = GetDocument() ? GetDocument()->GetTitle() : CString(kFormName);
    return TRUE;
}

void CPrnJrnKassaView::OnOK()
{
    UpdateData(TRUE);
    AfxGetApp()->WriteProfileInt(kJournalConstants, kKbkShowKey, m_bKbkShow ? 1 : 0);
    JournalChoice choice;
    if (!ReadChoice(choice))
        return;
    CWinApp* app = AfxGetApp();
    nledmark::RememberPrintBranches(choice.branches);
    app->WriteProfileString(kJournalConstants, choice.gridKey, choice.grid);
    PrintJournalOfOperations(choice);
}

} // namespace nledmark
