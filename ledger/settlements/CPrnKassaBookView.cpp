#include "CPrnKassaBookView.h"

#include "CHelpers.h"
#include "CSelectIFView.h"
#include "FormTitle.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnKassaBookView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnKassaBookView, CderivedFormview)
    ON_COMMAND(IDOK, OnSheet)
    ON_BN_CLICKED(IDC_KB_LAST_DAY, OnLastDay)
    ON_COMMAND(IDC_KB_KBK_PICK, OnKbkPick)
    ON_COMMAND(IDC_FILS_BUTTON, OnFilsPick)
    ON_EN_CHANGE(IDC_FILS, OnListChange)
    ON_EN_CHANGE(IDC_KB_KBK, OnListChange)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_DATE, OnDateChange)
END_MESSAGE_MAP()

namespace {

const char* const kBranchesKey = "select_fil_prn0";
const UINT kCountFields[] = {IDC_KB_MONTH_COUNT, IDC_KB_MONTH_LABEL, IDC_KB_YEAR_COUNT, IDC_KB_YEAR_LABEL};

} // namespace

// The sheet's day: the last day with cash postings up to the end of the
// working period, else today.
CPrnKassaBookView::CPrnKassaBookView()
    : CderivedFormview(IDD_PRN_KASSA_BOOK), m_date(COleDateTime::GetCurrentTime())
{
    const COleDateTime last = LastCashDay(qwDMG(GetDPV2(), 1));
    if (last.GetStatus() == COleDateTime::valid)
        m_date = last;
    for (CderivedEdit* number : {&m_editSheet, &m_editMonth, &m_editYear})
        number->SetType(EDIT_KIND_PLAIN);
}

CPrnKassaBookView::~CPrnKassaBookView() = default;

void CPrnKassaBookView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILS, m_editFils);
    DDX_Control(pDX, IDC_KB_KBK, m_editKbk);
    DDX_Control(pDX, IDC_KB_SHEET, m_editSheet);
    DDX_Control(pDX, IDC_KB_MONTH_COUNT, m_editMonth);
    DDX_Control(pDX, IDC_KB_YEAR_COUNT, m_editYear);
    DDX_Control(pDX, IDC_DATE, m_dateCtrl);
    DDX_DateTimeCtrl(pDX, IDC_DATE, m_date);
    DDX_Text(pDX, IDC_KB_SHEET, m_nSheet);
    DDX_Check(pDX, IDC_KB_LAST_DAY, m_bLastDay);
}

void CPrnKassaBookView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Кассовая книга");
    const CString branches = AfxGetApp()->GetProfileString(CSelectIFView::BranchSection(), kBranchesKey, "");
    FillFilsEx(this, IDC_FILS, IDC_FILS_LABEL, IDC_FILS_BUTTON, branches);
    ShowCounts(FALSE);
    ResizeParentToFit(FALSE);
    m_bReady = TRUE;
    CountSheets();
}

BOOL CPrnKassaBookView::ReadFilter(CCashBookFilter& filter, BOOL tell)
{
    CString text;
    GetDlgItemText(IDC_FILS, text);
    if (!CheckedIdList(text, filter.branches)) {
        if (tell) {
            AfxMessageBox("Укажите филиалы их кодами через запятую");
            m_editFils.SetFocus0();
        }
        return FALSE;
    }
    GetDlgItemText(IDC_KB_KBK, text);
    if (!CheckedIdList(text, filter.kbks)) {
        if (tell) {
            AfxMessageBox("Укажите КБК их кодами через запятую");
            m_editKbk.SetFocus0();
        }
        return FALSE;
    }
    return TRUE;
}

void CPrnKassaBookView::CountSheets()
{
    CCashBookFilter filter;
    if (!m_bReady || !ReadFilter(filter, FALSE))
        return;
    COleDateTime date;
    if (m_dateCtrl.GetTime(date) != GDT_VALID)
        date.SetStatus(COleDateTime::invalid);
    const CCashBookCounts counts = CountCashSheets(date, filter);
    m_nSheet = (int)counts.sheet;
    SetDlgItemText(IDC_KB_SHEET, utoa(counts.sheet));
    SetDlgItemText(IDC_KB_MONTH_COUNT, utoa(counts.month));
    SetDlgItemText(IDC_KB_YEAR_COUNT, utoa(counts.year));
}

void CPrnKassaBookView::ShowCounts(BOOL show)
{
    for (UINT id : kCountFields)
        if (CWnd* field = GetDlgItem(id))
            field->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CPrnKassaBookView::OnLastDay()
{
    UpdateData(TRUE);
    ShowCounts(m_bLastDay);
}

void CPrnKassaBookView::OnKbkPick()
{
    CString branches;
    GetDlgItemText(IDC_FILS, branches);
    GL_GetDefKBKList(this, IDC_KB_KBK, nullptr, (const char*)branches, UINT(-1), nullptr, 1);
}

void CPrnKassaBookView::OnFilsPick()
{
    OnFILbtn(this);
}

void CPrnKassaBookView::OnListChange()
{
    CountSheets();
}

void CPrnKassaBookView::OnDateChange(NMHDR*, LRESULT* result)
{
    CountSheets();
    *result = 0;
}

void CPrnKassaBookView::OnSheet()
{
    if (!UpdateData(TRUE))
        return;
    CCashBookFilter filter;
    if (!ReadFilter(filter, TRUE))
        return;
    if (m_nSheet == 0) {
        AfxMessageBox("Укажите № листа");
        m_editSheet.SetFocus0();
        return;
    }
    CWaitCursor wait;
    CString branches;
    GetDlgItemText(IDC_FILS, branches);
    AfxGetApp()->WriteProfileString(CSelectIFView::BranchSection(), kBranchesKey, branches);
    CCashBookSheet sheet;
    sheet.date = m_date;
    sheet.filter = filter;
    sheet.number = m_nSheet;
    sheet.lastDayOfMonth = m_bLastDay != 0;
    GetDlgItemText(IDC_KB_MONTH_COUNT, sheet.monthSheets);
    const CCashBookPage page = BuildCashBookPage(sheet);
    CHelpers::DisplayMessage(page.html, GetDocument()->GetTitle(), 0, 9, "#f5f5FF", -1, -1);
}

} // namespace nledmark
