#include "CDetiView.h"

#include "PayrollSql.h"
#include "appcore.h"
#include "gridbase.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/NipForm.h"

#include <iterator>
#include <type_traits>

namespace npaymar {

namespace {

const nvenzol::NipEdit kFields[] = {{IDC_TN, EDIT_KIND_PLAIN}, {IDC_DETI_DR, EDIT_KIND_DATE}};
static_assert(std::size(kFields) == std::extent_v<decltype(CDetiView::m_edits)>);

int Checked(CWnd* form, int id)
{
    return form->IsDlgButtonChecked(id) == BST_CHECKED ? 1 : 0;
}

void Check(CWnd* form, int id, long on)
{
    form->CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED);
}

} // namespace

IMPLEMENT_DYNCREATE(CDetiView, CNumberedRecordView)

BEGIN_MESSAGE_MAP(CDetiView, CNumberedRecordView)
    ON_BN_CLICKED(IDC_TN_LIST, OnTNListbtn)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
END_MESSAGE_MAP()

CDetiView::CDetiView() : CNumberedRecordView(IDR_DETI, "paymar_iz")
{
    nvenzol::SetEditKinds(m_edits, kFields, std::size(kFields));
}

CDetiView::~CDetiView() = default;

void CDetiView::DoDataExchange(CDataExchange* pDX)
{
    CNumberedRecordView::DoDataExchange(pDX);
    nvenzol::BindEdits(pDX, m_edits, kFields, std::size(kFields));
}

void CDetiView::OnInitialUpdate()
{
    CNumberedRecordView::OnInitialUpdate();
    appcore::SetFormTitle(this, "Дети");
    ResizeParentToFit(FALSE);
    for (int id : {IDC_DETI_B15, IDC_DETI_B3, IDC_DETI_MO})
        Check(this, id, 0);
}

void CDetiView::OnChangeTn()
{
    CString tn, npp;
    ShownKeys(tn, npp);
    Check(this, IDC_DETI_MO, tn.IsEmpty() ? 0 : ExecuteCount(FormatText("select m_o as cnt from tn where tn=%s", tn)));
    CNumberedRecordView::OnChangeTn();
}

void CDetiView::LoadRecord()
{
    CString tn, npp;
    ShownKeys(tn, npp);
    CString born;
    long b15 = 0, b3 = 0;
    if (!tn.IsEmpty() && !npp.IsEmpty()) {
        const CString child = FormatText("from paymar_iz where tn=%s and npp=%s", tn, npp);
        born = ExecuteString("select dr as str " + child);
        b15 = ExecuteCount("select b15 " + child);
        b3 = ExecuteCount("select b3 " + child);
    }
    SetDlgItemText(IDC_DETI_DR, born);
    Check(this, IDC_DETI_B15, b15);
    Check(this, IDC_DETI_B3, b3);
}

void CDetiView::OnTNListbtn()
{
    const CString first = ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth));
    CExtFuncs::OnTNcmd(this, IDC_TN, EmployeeListSql("paymar_iz", "tn.du is null or tn.du>=" + first), nullptr,
                       UINT(-1), 0, 1);
}

BOOL CDetiView::Save()
{
    UpdateData(TRUE);
    CString tn;
    if (!TakeEmployee(tn))
        return FALSE;
    CString typed;
    GetDlgItemText(IDC_DETI_DR, typed);
    if (CString(typed).Trim().IsEmpty())
        return Refuse(IDC_DETI_DR, "Укажите Дату рождения", false);
    // A text that is no date is refused, never stored as no date.
    const CString born = DMG(typed, 1);
    if (born.IsEmpty())
        return Refuse(IDC_DETI_DR, "Неверная дата: Дата рождения", true);
    CString npp;
    if (!TakeNumber(npp))
        return FALSE;
    if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    {
        CWaitCursor wait;
        // The child and the mark together; a failure leaves both as they were.
        CDbTransaction save;
        const CString employee = FormatText("tn=%s", tn);
        // Two saves of one employee's new children take turns for the number.
        if (ForEachRow(SqlLockRow("tn", "tn", employee), [](_RecordsetPtr&) {}) < 0)
            return FALSE;
        if (npp.IsEmpty())
            npp = ExecuteString(SqlNextNumber("npp", "paymar_iz", employee));
        const CString statements[] = {
            FormatText("delete from paymar_iz where tn=%s and npp=%s", tn, npp),
            FormatText("insert into paymar_iz (tn,npp,dr,b15,b3) values (%s,%s,%s,%d,%d)", tn, npp,
                       ChangeDateUS0(born, 0), Checked(this, IDC_DETI_B15), Checked(this, IDC_DETI_B3)),
            FormatText("update tn set m_o=%d where tn=%s", Checked(this, IDC_DETI_MO), tn),
        };
        for (const CString& sql : statements)
            if (!ExecuteSql(sql))
                return FALSE;
        if (!save.Commit())
            return FALSE;
    }
    Reload();
    return TRUE;
}

void CDetiView::OnSaveCommand()
{
    Save();
}

} // namespace npaymar
