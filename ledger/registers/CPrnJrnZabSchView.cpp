#include "CPrnJrnZabSchView.h"

#include "CHelpers.h"
#include "FormTitle.h"
#include "MakeParam.h"
#include "RegisterFormControls.h"
#include "RegisterPage.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnJrnZabSchView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnJrnZabSchView, CderivedFormview)
    ON_COMMAND(IDOK, OnOK)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_DATE1, OnDateChange)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_DATE2, OnDateChange)
    ON_CBN_SELENDOK(IDC_ZS_FIL, OnFilChange)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnJrnZabSchView, CderivedFormview)
    ON_EVENT(CPrnJrnZabSchView, IDC_ZS_ACCOUNTS, 3, OnGridEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kBranchKey = "select_fil_prn";

} // namespace

// The accounts come from both sides of the postings; each is named by the
// chart row of its synthetic account, so an account whose sub-accounts carry
// names of their own is still listed once.
CString OffBalanceAccountsSql(const CString& from, const CString& to, long branch)
{
    return FormatText(
        "select distinct sch0,sch1,name from ("
        "select distinct deb0 as sch0,deb1 as sch1 from ledmark_provodki left join spr_plan_sch on col0=deb0 and "
        "col1=deb1 where d>=%s and d<=%s and zab='+' and (%ld=-2 or fil_id=%ld) "
        "union "
        "select distinct kred0 as sch0,kred1 as sch1 from ledmark_provodki left join spr_plan_sch on col0=kred0 and "
        "col1=kred1 where d>=%s and d<=%s and zab='+' and (%ld=-2 or fil_id=%ld)"
        ") q left join spr_plan_sch on col0=sch0 and col1=sch1 and col2='00' and col3='000' "
        "order by sch1,sch0",
        (LPCTSTR)from, (LPCTSTR)to, branch, branch, (LPCTSTR)from, (LPCTSTR)to, branch, branch);
}

CPrnJrnZabSchView::CPrnJrnZabSchView()
    : CderivedFormview(IDR_PRN_JRN_ZAB_SCH), m_dateFrom(qwDMG(GetDPV1(), 1)), m_dateTo(qwDMG(GetDPV2(), 1))
{
}

CPrnJrnZabSchView::~CPrnJrnZabSchView() = default;

void CPrnJrnZabSchView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZS_FIL, m_comboFil);
    DDX_DateTimeCtrl(pDX, IDC_DATE1, m_dateFrom);
    DDX_DateTimeCtrl(pDX, IDC_DATE2, m_dateTo);
    DDX_Control(pDX, IDC_ZS_ACCOUNTS, m_grid);
}

void CPrnJrnZabSchView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Ведомость по забалансовому счету");
    FillFils(this, IDC_ZS_FIL, AfxGetApp()->GetProfileInt(kConstants, kBranchKey, -2), 1);
    ResizeParentToFit(FALSE);
    Refill();
}

long CPrnJrnZabSchView::Branch() const
{
    const int selected = m_comboFil.GetCurSel();
    return selected < 0 ? -2 : long(m_comboFil.GetItemData(selected));
}

void CPrnJrnZabSchView::Refill()
{
    UpdateData(TRUE);
    m_grid.SetNRows(0);
    std::vector<std::vector<CString>> rows;
    // A failed query is reported; the rows read before it stay.
    ForEachRow(OffBalanceAccountsSql(RegisterSqlDate(m_dateFrom), RegisterSqlDate(m_dateTo), Branch()),
               [&](_RecordsetPtr& rs) {
                   rows.push_back({RegisterColumn(rs, "sch0") + RegisterColumn(rs, "sch1"), RegisterColumn(rs, "name")});
               });
    m_grid.SetRows(rows);
    if (!rows.empty()) {
        m_grid.SetCurCell(0, 0);
        m_grid.SetFocus0();
    }
}

void CPrnJrnZabSchView::OnDateChange(NMHDR*, LRESULT* result)
{
    Refill();
    *result = 0;
}

void CPrnJrnZabSchView::OnFilChange()
{
    Refill();
}

void CPrnJrnZabSchView::Print()
{
    CWaitCursor wait;
    UpdateData(TRUE);
    if (m_grid.GetNRows() == 0) {
        AfxMessageBox("Нет счетов для просмотра");
        return;
    }
    AfxGetApp()->WriteProfileInt(kConstants, kBranchKey, int(Branch()));
    const long row = m_grid.GetCurRow();
    const CString account = row < 0 ? CString() : m_grid.GetCellValue(0, row);
    if (account.IsEmpty()) {
        AfxMessageBox("Выберите счет");
        return;
    }
    EXEC_ShowFormReport(FormatText("prn(\"%s\",\"%s\",\"%ld\",\"%s\")", (LPCTSTR)DMGtoStr(m_dateFrom),
                                   (LPCTSTR)DMGtoStr(m_dateTo), Branch(), (LPCTSTR)MakeParam(account)),
                        0, 0);
}

void CPrnJrnZabSchView::OnOK()
{
    Print();
}

// Typing in the grid chooses the row: the statement is printed and the cell
// keeps its text.
void CPrnJrnZabSchView::OnGridEditStart(short, short, CString*, short* cancel)
{
    Print();
    *cancel = 1;
}

} // namespace nledmark
