#include "CDetiVozView.h"

#include "ChildrenAge.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <algorithm>
#include <vector>

namespace npaymar {

IMPLEMENT_DYNCREATE(CDetiVozView, CMyFormView1)

BEGIN_MESSAGE_MAP(CDetiVozView, CMyFormView1)
    ON_WM_SIZE()
    ON_BN_CLICKED(IDOK, OnOkCommand)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CDetiVozView, CMyFormView1)
    ON_EVENT(CDetiVozView, IDC_PAY_GRID, 3, OnGridEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
END_EVENTSINK_MAP()

CDetiVozView::CDetiVozView() : CMyFormView1(IDR_DETI_VOZ) {}

CDetiVozView::~CDetiVozView() = default;

void CDetiVozView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAY_GRID, m_grid);
}

CString CDetiVozView::Parameter() const
{
    auto* document = dynamic_cast<CderivedDocument*>(GetDocument());
    return document ? document->m_strParam : CString();
}

void CDetiVozView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    const CString parameter = Parameter();
    const CString flag = ChildAgeFlag(ParseChildAge(parameter));
    if (flag == "and b15=1")
        appcore::SetFormTitle(this, "Дети, достигающие 1,5 лет");
    else if (flag == "and b3=1")
        appcore::SetFormTitle(this, "Дети, достигающие 3 лет");
    else
        appcore::SetFormTitle(this, "Дети, достигающие возраста " + parameter);
    PostMessage(WM_SIZE);
    m_grid.KeepRatio();
    Fill();
}

void CDetiVozView::Fill()
{
    CWaitCursor wait;
    const CString days = GetDaysPerMonth(g_lMonth, g_lYear);
    const CString first = FormatText("01.%02d.%04d", g_lMonth, g_lYear);
    const CString last = FormatText("%s.%02d.%04d", days, g_lMonth, g_lYear);
    const ChildAge age = ParseChildAge(Parameter());
    std::vector<std::vector<CString>> rows;
    ForEachRow(ChildrenReachingAgeSql(age, ChangeDateUS0(first, 0)), [&](_RecordsetPtr& record) {
        const CString tn = SafeArayToString(record->GetCollect("tn"));
        const CString born = SafeArayToString(record->GetCollect("dr"));
        const CString reached = SafeArayToString(record->GetCollect("do"));
        const CString years = CalcVoz0(born, last);
        if (!ChildAgeListed(years, age))
            return;
        // A parent with a position still open is at work, not on leave.
        if (ExecuteCount(FormatText("select count(npp) as cnt from paymar_bux where tn=%s and d2 is null", tn)) != 0)
            return;
        rows.push_back({tn, SafeArayToString(record->GetCollect("fio")), born, years, DMGtoStr(qwDMG(reached, 1)),
                        FormatText("%d", DaysUntilReached(first, last, reached))});
    });
    m_grid.SetRows(rows);
    m_grid.SetFocus();
    m_grid.Invalidate();
}

void CDetiVozView::OnSize(UINT nType, int cx, int cy)
{
    CMyFormView1::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_grid.MoveWindow(0, 0, client.Width(), std::max(0L, long(client.Height()) - 35));
    const struct {
        int id;
        int x;
    } buttons[] = {{IDOK, 10}, {IDCANCEL, 110}};
    for (const auto& button : buttons) {
        CWnd* item = GetDlgItem(button.id);
        if (!item)
            continue;
        CRect place;
        item->GetWindowRect(&place);
        item->MoveWindow(button.x, client.bottom - 25, place.Width(), place.Height());
    }
}

void CDetiVozView::OnOkCommand()
{
    OnCancel();
}

void CDetiVozView::OnGridEditStart(short, short, CString*, short* cancel)
{
    *cancel = 1;
}

} // namespace npaymar
