#include "CProvodkiView.h"

#include "CHelpers.h"
#include "FormTitle.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CProvodkiView, CderivedFormview)

BEGIN_MESSAGE_MAP(CProvodkiView, CderivedFormview)
    ON_WM_SIZE()
    ON_COMMAND(ID_REFRESH, OnRefresh)
    ON_CBN_DROPDOWN(IDC_DEB_FILTER, OnDropdownDeb)
    ON_CBN_DROPDOWN(IDC_KRED_FILTER, OnDropdownKred)
    ON_CBN_CLOSEUP(IDC_DEB_FILTER, OnFilterClosed)
    ON_CBN_CLOSEUP(IDC_KRED_FILTER, OnFilterClosed)
    ON_EN_KILLFOCUS(IDC_DATE_AFTER, OnFilterClosed)
    ON_BN_CLICKED(IDC_OPEN_DOC, OnOpenDocument)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CProvodkiView, CderivedFormview)
    ON_EVENT(CProvodkiView, IDC_PROVODKI, DISPID_DBLCLICK, OnDblClickRowsheetctrl1, VTS_NONE)
    ON_EVENT(CProvodkiView, IDC_PROVODKI, 12, OnAfterRowValueChangedRowsheetctrl1, VTS_I2)
    ON_EVENT(CProvodkiView, IDC_PROVODKI, DISPID_KEYDOWN, OnKeyDownRowsheetctrl1, VTS_PI2 VTS_I2)
END_EVENTSINK_MAP()

namespace {

struct JournalColumn {
    const char* field;
    const char* caption;
    long width;
};

const JournalColumn kColumns[] = {
    {"fil_id", "Учр.", 10},       {"d", "Дата", 32},          {"doc_name", "Документ", 40},
    {"number", "№", 25},          {"npp", "н/п", 10},         {"kbk_deb", "КБК", 10},
    {"dbt", "Дебет", 35},         {"deb_sb1", "Сбк.дб1", 25}, {"deb_sb2", "Сбк.дб2", 25},
    {"deb_sb3", "Сбк.дб3", 25},   {"kbk_kred", "КБК", 10},    {"krdt", "Кредит", 35},
    {"kred_sb1", "Сбк.кр1", 25},  {"kred_sb2", "Сбк.кр2", 25}, {"kred_sb3", "Сбк.кр3", 25},
    {"kol", "Кол-во", 25},        {"s", "Сумма", 30},         {"so", "Содерж.опер.", 45},
};

constexpr long kGridRows = 32;
const char* const kJournalKey = "ledmark_provodki.d,ledmark_provodki.id,ledmark_provodki.npp";
constexpr int kVkReturn = 13;

bool IsOpen(const _RecordsetPtr& rs)
{
    return rs && rs->GetState() != adStateClosed;
}

CString TextOf(const _variant_t& value)
{
    return SafeArayToString(value);
}

} // namespace

CProvodkiView::CProvodkiView() : CderivedFormview(IDD_PROVODKI)
{
    m_editDate.SetType(EDIT_KIND_DATE);
}

CProvodkiView::~CProvodkiView() = default;

void CProvodkiView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROVODKI, m_grid);
    DDX_Control(pDX, IDC_DEB_FILTER, m_comboDeb);
    DDX_Control(pDX, IDC_KRED_FILTER, m_comboKred);
    DDX_Control(pDX, IDC_DATE_AFTER, m_editDate);
    DDX_CBIndex(pDX, IDC_DEB_FILTER, m_nDeb);
    DDX_CBIndex(pDX, IDC_KRED_FILTER, m_nKred);
}

void CProvodkiView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    // The form's name is the one the menu opens it by; its window says what it is.
    SetFormTitle(this, "Журнал проводок");
    SetUpGrid();
    PostMessage(WM_SIZE);
    PostMessage(WM_COMMAND, ID_REFRESH);
}

void CProvodkiView::SetUpGrid()
{
    m_grid.SetBShowFullRow(1);
    m_grid.SetRowHeight(16);
    m_grid.SetAllowAddNew(0);
    m_grid.SetNCols((long)std::size(kColumns));
    m_grid.SetNRows(kGridRows);
    for (long col = 0; col < (long)std::size(kColumns); ++col) {
        m_grid.SetColField(col, kColumns[col].field);
        m_grid.SetColCaption(col, kColumns[col].caption);
        m_grid.SetColWidth(col, kColumns[col].width);
        if (col != 2 && col != 17)
            m_grid.SetColAlign(col, 2);
    }
    // With one branch the branch column says nothing.
    if (ExecuteCount("select count(*) as cnt from spr_fil") == 1)
        m_grid.SetColHidden(0, 1);
    m_grid.SetConnectionType(0);
    m_grid.SetUpdatable(0);
    // The journal's query is ordered by date, document and line: the grid reads
    // only the screens it shows, at the same cost over any number of postings.
    m_grid.SetOrderKey(kJournalKey);
    m_grid.KeepRatio();
}

CJournalFilter CProvodkiView::CurrentFilter() const
{
    CJournalFilter filter;
    m_comboDeb.GetWindowText(filter.debit);
    m_comboKred.GetWindowText(filter.credit);
    m_editDate.GetWindowText(filter.dateAfter);
    return filter;
}

void CProvodkiView::OnRefresh()
{
    SetSql(1);
}

void CProvodkiView::OnFilterClosed()
{
    SetSql(0);
}

void CProvodkiView::SetSql(int force)
{
    CWaitCursor wait;
    try {
        const CJournalFilter filter = CurrentFilter();
        UpdateData(TRUE);
        const long row = m_grid.GetCurRow();
        const long col = m_grid.GetCurCol();
        if (force || !(filter == m_last)) {
            _RecordsetPtr rs = m_grid.GetRecordSet();
            const long kept = KeepsJournalPosition(filter, m_last) && IsOpen(rs) ? rs->GetAbsolutePosition() : 0;
            m_last = filter;
            Reload(filter, row, col, kept);
        }
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxReportCurrentException("CProvodkiView::SetSql");
    }
    m_grid.Invalidate();
    m_grid.SetFocus();
}

void CProvodkiView::Reload(const CJournalFilter& filter, long rememberedRow, long rememberedCol, long keptPosition)
{
    const CString where = JournalWhere(filter, JournalDebit(), JournalCredit());
    const CString sql =
        GL_SqlProvodki(ChangeDateUS0(GetDPV1(), 0), ChangeDateUS0(GetDPV2(), 0), where, 1);
    if (sql.IsEmpty())
        return; // the script has told the user why
    // A posting has one document: without the date filter the postings alone give the count.
    m_grid.SetCountTable(filter.dateAfter.IsEmpty() ? "ledmark_provodki" : "");
    m_grid.Connect(GetODBCDriverName(GetDriverId(-1)), GetServerName(nullptr), GetDataBaseName(nullptr), sql,
                   GetUserID(nullptr), GetUserPassword(nullptr));
    _RecordsetPtr rs = m_grid.GetRecordSet();
    // The last screen needs no count; a kept position is counted from the top.
    if (keptPosition > 0)
        m_grid.CountRecords();
    if (!IsOpen(rs) || rs->GetRecordCount() <= 0)
        return;
    const CJournalPlace place = PlaceJournal(rs->GetRecordCount(), m_grid.GetNRows(), rememberedRow, keptPosition);
    rs->PutBookmark(_variant_t(place.firstRecord));
    m_grid.SetCurCell(rememberedCol < 0 ? 0 : rememberedCol, place.row);
    if (m_grid.GetCurRow() != place.row)
        m_grid.SetCurRow(place.row);
    m_grid.SetFocus0();
}

void CProvodkiView::OnAfterRowValueChangedRowsheetctrl1(short row)
{
    try {
        _RecordsetPtr rs = m_grid.GetRecordSet();
        if (!IsOpen(rs))
            return;
        _RecordsetPtr clone = rs->Clone();
        clone->PutBookmark(m_grid.GetRowBookMark(row));
        if (clone->GetadoEOF() && clone->GetBOF())
            return;
        const COLORREF colour = JournalRowColour(clone->GetCollect("kol"), clone->GetCollect("s"));
        if (m_grid.GetRowFgClr(row) != colour)
            m_grid.SetRowFgClr(row, colour);
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxReportCurrentException("CProvodkiView::OnAfterRowValueChangedRowsheetctrl1");
    }
}

void CProvodkiView::OpenSourceDocument()
{
    _RecordsetPtr rs = m_grid.GetRecordSet();
    if (!IsOpen(rs) || rs->GetadoEOF())
        return;
    const _variant_t realId = rs->GetCollect("real_id");
    // A posting whose document is not among the journal's kinds has no form to open.
    if (realId.vt == VT_NULL || realId.vt == VT_EMPTY) {
        MessageBeep(0);
        return;
    }
    const CString docId = TextOf(rs->GetCollect("docId"));
    const long docType = long(rs->GetCollect("DocType"));
    CHelpers::I_OpenDocument(long(realId), this, docId, (int)docType, nullptr, nullptr);
}

void CProvodkiView::OnDblClickRowsheetctrl1()
{
    try {
        OpenSourceDocument();
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxReportCurrentException("CProvodkiView::OnDblClickRowsheetctrl1");
    }
}

void CProvodkiView::OnKeyDownRowsheetctrl1(short* key, short shift)
{
    if (key && *key == kVkReturn)
        OnDblClickRowsheetctrl1();
}

void CProvodkiView::OnOpenDocument()
{
    OnDblClickRowsheetctrl1();
}

// The accounts a filter list offers, narrowed by the other list's text; the
// entry shown before stays chosen when it is still offered.
void CProvodkiView::FillAccountList(CComboBox& list, bool debitSide)
{
    CString shown;
    list.GetWindowText(shown);
    list.ResetContent();
    list.AddString("");
    const CString sql = AccountListQuery(debitSide, CurrentFilter(), GetDPV1(), GetDPV2(), JournalDebit(), JournalCredit());
    _RecordsetPtr rs;
    rs.CreateInstance(__uuidof(Recordset));
    rs->Open((const char*)sql, GetConnection().GetInterfacePtr(), adOpenForwardOnly, adLockReadOnly, adCmdText);
    for (; !rs->adoEOF; rs->MoveNext()) {
        const _variant_t account = rs->GetCollect("sch");
        if (account.vt != VT_NULL && account.vt != VT_EMPTY)
            list.AddString(TextOf(account));
    }
    rs->Close();
    const int keep = list.FindStringExact(-1, shown);
    list.SetCurSel(keep < 0 ? 0 : keep);
}

void CProvodkiView::OnDropdownDeb()
{
    try {
        FillAccountList(m_comboDeb, true);
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxReportCurrentException("CProvodkiView::OnDropdownDeb");
    }
}

void CProvodkiView::OnDropdownKred()
{
    try {
        FillAccountList(m_comboKred, false);
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxReportCurrentException("CProvodkiView::OnDropdownKred");
    }
}

void CProvodkiView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_grid.MoveWindow(0, 0, client.Width(), client.Height() - 37);
    const std::pair<int, int> controls[] = {{IDC_OPEN_DOC, 10},    {ID_REFRESH, 110},      {IDC_DEB_LABEL, 210},
                                            {IDC_DEB_FILTER, 320}, {IDC_KRED_LABEL, 430},  {IDC_KRED_FILTER, 540},
                                            {IDC_DATE_AFTER_LABEL, 640}, {IDC_DATE_AFTER, 740}};
    for (const auto& [id, x] : controls)
        if (CWnd* control = GetDlgItem(id)) {
            control->SetWindowPos(nullptr, x, client.Height() - 25, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            control->ShowWindow(SW_SHOW);
        }
}

} // namespace nledmark
