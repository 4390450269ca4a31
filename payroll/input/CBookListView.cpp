#include "CBookListView.h"

#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

namespace {

// The cells of a row and the columns of the query they show.
const char* const kCells[] = {"npp", "dol", "idol", "prd", "d1", "d2", "kpz", "ikpz"};

} // namespace

CString BookListQuery(const CString& tn)
{
    CString number;
    if (!nvenzol::CheckedNumber(tn, number))
        return CString();
    return FormatText("select paymar_bux.*,spr_paymar_dol.name as idol,%s as fio,spr_paymar_prikaz.name as ikpz "
                      "from paymar_bux left join spr_paymar_dol on spr_paymar_dol.id=paymar_bux.dol "
                      "left join tn on paymar_bux.tn=tn.tn "
                      "left join spr_paymar_prikaz on spr_paymar_prikaz.id=paymar_bux.kpz "
                      "where paymar_bux.tn=%s order by paymar_bux.npp",
                      GL_SqlFio(), number);
}

IMPLEMENT_DYNCREATE(CBookListView, CderivedFormview)

BEGIN_MESSAGE_MAP(CBookListView, CderivedFormview)
    ON_WM_SIZE()
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CBookListView, CderivedFormview)
    ON_EVENT(CBookListView, IDC_PAY_GRID, 3, OnGridEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
    ON_EVENT(CBookListView, IDC_PAY_GRID, DISPID_DBLCLICK, OnGridDblClick, VTS_NONE)
END_EVENTSINK_MAP()

CBookListView::CBookListView() : CderivedFormview(IDR_BOOK_LIST) {}

CBookListView::~CBookListView() = default;

void CBookListView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAY_GRID, m_grid);
}

void CBookListView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    m_grid.KeepRatio();
    PostMessage(WM_SIZE, 0, 0);
    Fill();
}

void CBookListView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_grid.MoveWindow(client.left, client.top, client.Width(), client.Height());
    m_grid.Invalidate();
}

void CBookListView::Fill()
{
    CWaitCursor wait;
    auto* document = dynamic_cast<CderivedDocument*>(GetDocument());
    const CString sql = document ? BookListQuery(document->m_strParam) : CString();
    std::vector<std::vector<CString>> rows;
    // A failing query is reported; the rows read before it are shown.
    if (!sql.IsEmpty())
        ForEachRow(sql, [&rows](_RecordsetPtr& row) {
            std::vector<CString> cells;
            for (const char* column : kCells)
                cells.push_back(SafeArayToString(row->GetCollect(column)));
            rows.push_back(std::move(cells));
        });
    m_grid.SetRows(rows);
    if (m_grid.GetNRows() > 0)
        m_grid.SetCurCell(0, 0);
    m_grid.SetFocus0();
    m_grid.Invalidate();
}

BOOL CBookListView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYDOWN && pMsg->message <= WM_UNICHAR && pMsg->wParam == VK_RETURN) {
        // One press picks once: the keystrokes already queued go.
        MSG queued;
        while (::PeekMessage(&queued, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        }
        if (pMsg->message == WM_KEYDOWN) {
            Pick();
            return TRUE;
        }
    }
    return CderivedFormview::PreTranslateMessage(pMsg);
}

void CBookListView::Pick()
{
    if (IsClosing())
        return;
    const long row = m_grid.GetCurRow();
    const CString npp = row >= 0 && row < m_grid.GetNRows() ? m_grid.GetCellValue(0, row) : CString();
    auto* document = dynamic_cast<CderivedDocument*>(GetDocument());
    CWnd* caller = document ? document->GetParentWnd() : nullptr;
    OnCancel();
    if (caller && !npp.IsEmpty())
        CHelpers::SetId0(caller, IDC_NPP, npp);
}

void CBookListView::OnGridDblClick()
{
    Pick();
}

void CBookListView::OnGridEditStart(short, short, CString*, short* cancel)
{
    *cancel = 1;
}

} // namespace npaymar
