#include "CNipListView.h"

#include "CNipListDoc.h"
#include "StaffNumbers.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nvenzol {

namespace {

// The cells of a row and the columns of the list's query they show.
const char* const kCells[] = {"npp", "dol", "idol", "prd", "d1", "d2", "kpr", "ikpz"};

} // namespace

CString NipListQuery(const CString& tn)
{
    CString number;
    if (!CheckedNumber(tn, number))
        return CString();
    return FormatText("select perso_tn_nip.*,ssv.name as idol,%s as fio,spr_paymar_prikaz.name as ikpz "
                      "from perso_tn_nip left join ssv on ssv.id=perso_tn_nip.dol "
                      "left join tn on perso_tn_nip.tn=tn.tn "
                      "left join spr_paymar_prikaz on spr_paymar_prikaz.id=perso_tn_nip.kpr "
                      "where perso_tn_nip.tn=%s order by perso_tn_nip.npp",
                      GL_SqlFio(), number);
}

IMPLEMENT_DYNCREATE(CNipListView, CderivedFormview)

BEGIN_MESSAGE_MAP(CNipListView, CderivedFormview)
    ON_WM_SIZE()
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CNipListView, CderivedFormview)
    ON_EVENT(CNipListView, IDC_NIP_LIST_GRID, 3, OnGridEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
    ON_EVENT(CNipListView, IDC_NIP_LIST_GRID, DISPID_DBLCLICK, OnGridDblClick, VTS_NONE)
END_EVENTSINK_MAP()

CNipListView::CNipListView() : CderivedFormview(IDD_NIP_LIST) {}

CNipListView::~CNipListView() = default;

void CNipListView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NIP_LIST_GRID, m_grid);
}

CNipListDoc* CNipListView::GetNipListDoc() const
{
    return dynamic_cast<CNipListDoc*>(GetDocument());
}

void CNipListView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    m_grid.KeepRatio();
    PostMessage(WM_SIZE, 0, 0);
    Fill();
}

void CNipListView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_grid.MoveWindow(client.left, client.top, client.right - client.left, client.bottom);
    m_grid.Invalidate();
}

void CNipListView::Fill()
{
    CWaitCursor wait;
    m_grid.SetNRows(0);
    try {
        AddRows();
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (const std::exception& e) {
        AfxMessageBox(CString("*** Unhandled Exception from CBookListView***\n") + e.what());
    }
    if (m_grid.GetNRows() > 0)
        m_grid.SetCurCell(0, 0);
    m_grid.SetFocus0();
    m_grid.Invalidate();
}

void CNipListView::AddRows()
{
    CNipListDoc* document = GetNipListDoc();
    const CString sql = document ? NipListQuery(document->m_strParam) : CString();
    if (sql.IsEmpty())
        return;
    _RecordsetPtr rows = GetConnection()->Execute(_bstr_t(sql), nullptr, adCmdText);
    for (; !rows->GetadoEOF(); rows->MoveNext()) {
        const long row = m_grid.GetNRows();
        m_grid.SetNRows(row + 1);
        for (long col = 0; col < long(std::size(kCells)); ++col)
            m_grid.SetCellValue(col, row, SafeArayToString(rows->GetCollect(kCells[col])));
    }
}

BOOL CNipListView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYDOWN && pMsg->message <= WM_UNICHAR && pMsg->wParam == VK_RETURN) {
        // One press chooses once: the keystrokes already queued go.
        MSG queued;
        while (::PeekMessage(&queued, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        }
        if (pMsg->message == WM_KEYDOWN) {
            Choose();
            return TRUE;
        }
    }
    return CderivedFormview::PreTranslateMessage(pMsg);
}

void CNipListView::Choose()
{
    if (IsClosing())
        return;
    const long row = m_grid.GetCurRow();
    const CString npp = row >= 0 && row < m_grid.GetNRows() ? m_grid.GetCellValue(0, row) : CString();
    CNipListDoc* document = GetNipListDoc();
    OnCancel();
    CWnd* caller = document ? document->GetParentWnd() : nullptr;
    if (caller && !npp.IsEmpty())
        CHelpers::SetId0(caller, IDC_NPP, npp);
}

void CNipListView::OnGridDblClick()
{
    Choose();
}

void CNipListView::OnGridEditStart(short, short, CString*, short* cancel)
{
    *cancel = 1;
}

} // namespace nvenzol
