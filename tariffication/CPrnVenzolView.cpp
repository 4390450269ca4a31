#include "CPrnVenzolView.h"

#include "NipForm.h"
#include "StaffNumbers.h"
#include "StatementGrid.h"
#include "TariffList.h"
#include "appcore.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>

namespace nvenzol {

namespace {

const char* const kConstants = "constants";
const char* const kMembersConstant = "venzol_chlens";

const int kMemberFields[] = {IDC_PRN_CHLEN1, IDC_PRN_CHLEN2, IDC_PRN_CHLEN3, IDC_PRN_CHLEN4};
const int kMemberNames[] = {IDC_PRN_CHLEN1_NAME, IDC_PRN_CHLEN2_NAME, IDC_PRN_CHLEN3_NAME, IDC_PRN_CHLEN4_NAME};

// The assignments of order kind 1 in force over the dates, through the
// rates of their positions.
const char* const kInForce = "from perso_tn_nip left join ssv on ssv.id=perso_tn_nip.dol "
                             "right join ssv1 on ssv1.id=ssv.id ";

} // namespace

IMPLEMENT_DYNCREATE(CPrnVenzolView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnVenzolView, CderivedFormview)
    ON_BN_CLICKED(IDOK, OnOK)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_PRN_D1, OnDateChange)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_PRN_D2, OnDateChange)
    ON_EN_CHANGE(IDC_PRN_CHLEN1, OnChangeChlen1)
    ON_EN_CHANGE(IDC_PRN_CHLEN2, OnChangeChlen2)
    ON_EN_CHANGE(IDC_PRN_CHLEN3, OnChangeChlen3)
    ON_EN_CHANGE(IDC_PRN_CHLEN4, OnChangeChlen4)
    ON_BN_CLICKED(IDC_PRN_CHLEN1_BTN, OnChlen1btn)
    ON_BN_CLICKED(IDC_PRN_CHLEN2_BTN, OnChlen2btn)
    ON_BN_CLICKED(IDC_PRN_CHLEN3_BTN, OnChlen3btn)
    ON_BN_CLICKED(IDC_PRN_CHLEN4_BTN, OnChlen4btn)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnVenzolView, CderivedFormview)
    ON_EVENT(CPrnVenzolView, IDC_PRN_NV_GRID, 17, OnNvChecked, VTS_NONE)
END_EVENTSINK_MAP()

CPrnVenzolView::CPrnVenzolView()
    : CderivedFormview(IDD_PRN_VENZOL), m_d1(COleDateTime::GetCurrentTime()), m_d2(COleDateTime::GetCurrentTime())
{
    for (CderivedEdit& member : m_chlen)
        member.SetType(EDIT_KIND_PLAIN);
}

CPrnVenzolView::~CPrnVenzolView() = default;

void CPrnVenzolView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    for (int i = 3; i >= 0; --i)
        DDX_Control(pDX, kMemberFields[i], m_chlen[i]);
    DDX_DateTimeCtrl(pDX, IDC_PRN_D1, m_d1);
    DDX_DateTimeCtrl(pDX, IDC_PRN_D2, m_d2);
    DDX_Control(pDX, IDC_PRN_NV_GRID, m_nvGrid);
    DDX_Control(pDX, IDC_PRN_VF_GRID, m_vfGrid);
    DDX_Check(pDX, IDC_PRN_FIO_FULL, m_bFIOFull);
    DDX_Check(pDX, IDC_PRN_VREDN, m_bVredn);
}

void CPrnVenzolView::OnInitialUpdate()
{
    m_bFIOFull = AfxGetApp()->GetProfileInt(kConstants, "m_bFIOFull", 0);
    m_bVredn = AfxGetApp()->GetProfileInt(kConstants, "m_bVredn", 0);
    CderivedFormview::OnInitialUpdate();
    appcore::SetFormTitle(this, "Тарификационный список");
    ResizeParentToFit(FALSE);
    const CString d1 = AfxGetApp()->GetProfileString(kConstants, "prn_venzol_d1", "");
    const CString d2 = AfxGetApp()->GetProfileString(kConstants, "prn_venzol_d2", "");
    if (!d1.IsEmpty())
        m_d1 = qwDMG(d1, 1);
    if (!d2.IsEmpty())
        m_d2 = qwDMG(d2, 1);
    UpdateData(FALSE);
    FillNvGrid();
}

void CPrnVenzolView::FillNvGrid()
{
    CWaitCursor wait;
    UpdateData(TRUE);
    m_nvGrid.SetNRows(0);
    m_vfGrid.SetNRows(0);
    try {
        const CString members = GetConstant(kMembersConstant, 0);
        for (int i = 0; i < 4; ++i)
            SetDlgItemText(kMemberFields[i], GetPart(members, ",", i + 1));
        FillStatementGrid(m_nvGrid, m_d1, m_d2);
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxMessageBox("*** Unhandled Exception from CPrnJurnalBolView ***");
    }
    m_nvGrid.Invalidate();
    m_vfGrid.Invalidate();
}

CString CPrnVenzolView::GetNvFilter()
{
    CString filter;
    for (long row : CheckedRows(m_nvGrid)) {
        CString nv;
        if (!CheckedNumber(m_nvGrid.GetCellValue(NV_CODE, row), nv))
            continue;
        filter += (filter.IsEmpty() ? "and (" : " or ") + CString("ssv1.nv=") + nv;
    }
    if (!filter.IsEmpty())
        filter += ")";
    return filter;
}

void CPrnVenzolView::FillFormGrid()
{
    CWaitCursor wait;
    const CString filter = GetNvFilter();
    m_vfGrid.SetNRows(0);
    UpdateData(TRUE);
    try {
        if (!filter.IsEmpty()) {
            const CString sql = FormatText(
                "select distinct perso_tn_nip.vf,spr_venz_vf.name as iform,spr_venz_vf.tp %sleft join spr_venz_vf on "
                "spr_venz_vf.id=perso_tn_nip.vf where kpr=1 and vf is not null and d1<=%s and (d2 is null or d2>=%s) "
                "%s order by perso_tn_nip.vf",
                kInForce, ChangeDateUS0(DMGtoStr(m_d1), 0), ChangeDateUS0(DMGtoStr(m_d2), 0), filter);
            _RecordsetPtr rows = GetConnection()->Execute(_bstr_t(sql), nullptr, adCmdText);
            for (; !rows->GetadoEOF(); rows->MoveNext()) {
                const long row = m_vfGrid.GetNRows();
                m_vfGrid.SetNRows(row + 1);
                m_vfGrid.SetCellValue(VF_CODE, row, SafeArayToString(rows->GetCollect("vf")));
                m_vfGrid.SetCellValue(VF_NAME, row, SafeArayToString(rows->GetCollect("iform")));
                m_vfGrid.SetCellValue(VF_TYPE, row, SafeArayToString(rows->GetCollect("tp")));
            }
        }
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (...) {
        AfxMessageBox("*** Unhandled Exception from CPrnJurnalBolView ***");
    }
    m_vfGrid.Invalidate();
}

bool CPrnVenzolView::CommissionText(CString& text)
{
    text.Empty();
    for (int i = 0; i < 4; ++i) {
        CString typed, number;
        GetDlgItemText(kMemberFields[i], typed);
        if (!typed.ToQString().trimmed().isEmpty() && !CheckedNumber(typed, number)) {
            RefuseField(this, "Укажите табельный номер члена комиссии", kMemberFields[i], true);
            return false;
        }
        text += (i ? "," : "") + number;
    }
    return true;
}

void CPrnVenzolView::OnOK()
{
    CWaitCursor wait;
    CString members;
    if (!CommissionText(members))
        return;
    SetConstant(kMembersConstant, members, nullptr);
    UpdateData(TRUE);
    AfxGetApp()->WriteProfileString(kConstants, "prn_venzol_d1", DMGtoStr(m_d1));
    AfxGetApp()->WriteProfileString(kConstants, "prn_venzol_d2", DMGtoStr(m_d2));
    AfxGetApp()->WriteProfileInt(kConstants, "m_bFIOFull", m_bFIOFull);
    AfxGetApp()->WriteProfileInt(kConstants, "m_bVredn", m_bVredn);
    const std::vector<long> statements = CheckedRows(m_nvGrid);
    if (statements.empty()) {
        AfxMessageBox("Выберите ведомость");
        m_nvGrid.SetFocus0();
        return;
    }
    const std::vector<long> forms = CheckedRows(m_vfGrid);
    if (forms.empty()) {
        AfxMessageBox("Выберите форму");
        m_vfGrid.SetFocus0();
        return;
    }
    for (long s : statements) {
        const int nv = int(static_cast<unsigned short>(atol(m_nvGrid.GetCellValue(NV_CODE, s))));
        for (long f : forms) {
            const int vf = int(static_cast<unsigned short>(atol(m_vfGrid.GetCellValue(VF_CODE, f))));
            const int tp = int(static_cast<unsigned short>(atol(m_vfGrid.GetCellValue(VF_TYPE, f))));
            if (m_bVredn)
                PrintListNew(nv, vf, tp);
            else
                PrintList(nv, vf, tp);
        }
    }
}

void CPrnVenzolView::OnDateChange(NMHDR*, LRESULT* pResult)
{
    FillNvGrid();
    *pResult = 0;
}

void CPrnVenzolView::OnNvChecked()
{
    FillFormGrid();
}

void CPrnVenzolView::ShowMember(int index)
{
    CString number;
    GetDlgItemText(kMemberFields[index], number);
    SetDlgItemText(kMemberNames[index], GetFio(number));
}

void CPrnVenzolView::PickMember(int index)
{
    CExtFuncs::OnTNcmd(this, kMemberFields[index], nullptr, nullptr, UINT(-1), 0, 1);
}

void CPrnVenzolView::OnChangeChlen1() { ShowMember(0); }
void CPrnVenzolView::OnChangeChlen2() { ShowMember(1); }
void CPrnVenzolView::OnChangeChlen3() { ShowMember(2); }
void CPrnVenzolView::OnChangeChlen4() { ShowMember(3); }
void CPrnVenzolView::OnChlen1btn() { PickMember(0); }
void CPrnVenzolView::OnChlen2btn() { PickMember(1); }
void CPrnVenzolView::OnChlen3btn() { PickMember(2); }
void CPrnVenzolView::OnChlen4btn() { PickMember(3); }

void CPrnVenzolView::PrintList(int nv, int vf, int tp)
{
    Print(nv, vf, tp, false);
}

void CPrnVenzolView::PrintListNew(int nv, int vf, int tp)
{
    Print(nv, vf, tp, true);
}

void CPrnVenzolView::Print(int nv, int vf, int tp, bool newVariant)
{
    m_printed.push_back({nv, vf, tp, newVariant});
    UpdateData(TRUE);
    TariffListRequest request;
    request.nv = nv;
    request.vf = vf;
    request.tp = tp;
    request.newVariant = newVariant;
    request.d1 = DMGtoStr(m_d1);
    request.d2 = DMGtoStr(m_d2);
    for (int i = 0; i < 4; ++i)
        GetDlgItemText(kMemberFields[i], request.members[i]);
    request.fioFull = m_bFIOFull != FALSE;
    TariffListPage page;
    if (BuildTariffList(request, page) && page.total != 0)
        CHelpers::DisplayMessage(page.html, "Тарификационный список", 1, 8, "#f5f5FF", -1, -1);
}

} // namespace nvenzol
