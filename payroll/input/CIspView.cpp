#include "CIspView.h"

#include "PayrollSql.h"
#include "appcore.h"
#include "gridbase.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/NipForm.h"
#include "tariffication/StaffNumbers.h"

#include <iterator>
#include <type_traits>
#include <vector>

namespace npaymar {

namespace {

const nvenzol::NipEdit kFields[] = {
    {IDC_TN, EDIT_KIND_PLAIN},   {IDC_VOU, EDIT_KIND_PLAIN},    {IDC_VP, EDIT_KIND_PLAIN},
    {IDC_PAY_D1, EDIT_KIND_DATE}, {IDC_PAY_D2, EDIT_KIND_DATE}, {IDC_ISP_S, EDIT_KIND_DECIMAL},
};
static_assert(std::size(kFields) == std::extent_v<decltype(CIspView::m_edits)>);

// The writ's text columns and their fields.
const struct {
    const char* column;
    int field;
} kColumns[] = {
    {"nd", IDC_ISP_ND}, {"kou", IDC_VOU},      {"sv", IDC_ISP_SV},  {"s", IDC_ISP_S},       {"pr", IDC_ISP_PR},
    {"ch", IDC_ISP_CH}, {"d1", IDC_PAY_D1},    {"d2", IDC_PAY_D2},  {"vp", IDC_VP},         {"fil", IDC_ISP_FIL},
    {"ls", IDC_ISP_LS},
};

// The highest pay code of an accrual: a writ deducts.
constexpr long kLastAccrual = 200;

bool Blank(const CString& text)
{
    return CString(text).Trim().IsEmpty();
}

} // namespace

CString WritRemaining(const CString& tn, const CString& npp, const CString& sv)
{
    CString total;
    if (!nvenzol::NumberLiteral(sv, total) || total == "NULL" || atof(total) == 0)
        return "";
    // A writ without payments owes its whole total: no sum of none is nothing.
    const CString left = ExecuteString(
        FormatText("select %s-coalesce(sum(s),0) as str from paymar_isp1 where tn=%s and npp=%s", total, tn, npp));
    return left.IsEmpty() ? CString() : FormatNumber(atof(left), "", 2);
}

IMPLEMENT_DYNCREATE(CIspView, CNumberedRecordView)

BEGIN_MESSAGE_MAP(CIspView, CNumberedRecordView)
    ON_BN_CLICKED(IDC_TN_LIST, OnTNListbtn)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
END_MESSAGE_MAP()

CIspView::CIspView() : CNumberedRecordView(IDR_ISP, "paymar_isp")
{
    nvenzol::SetEditKinds(m_edits, kFields, std::size(kFields));
}

CIspView::~CIspView() = default;

void CIspView::DoDataExchange(CDataExchange* pDX)
{
    CNumberedRecordView::DoDataExchange(pDX);
    nvenzol::BindEdits(pDX, m_edits, kFields, std::size(kFields));
}

void CIspView::OnInitialUpdate()
{
    CNumberedRecordView::OnInitialUpdate();
    appcore::SetFormTitle(this, "Исполнительные листы");
    ResizeParentToFit(FALSE);
    GetDlgItem(IDC_ISP_CH_LABEL)->ShowWindow(SW_HIDE);
    GetDlgItem(IDC_ISP_CH)->ShowWindow(SW_HIDE);
    LoadRecord();
}

void CIspView::OnVOUbtn()
{
    CHelpers::GetInSpr("spr_vou", this, IDC_VOU, "where id>200", UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CIspView::OnTNListbtn()
{
    CExtFuncs::OnTNcmd(this, IDC_TN, EmployeeListSql("paymar_isp"), nullptr, UINT(-1), 0, 1);
}

void CIspView::LoadRecord()
{
    CString tn, npp;
    ShownKeys(tn, npp);
    std::vector<CString> values(std::size(kColumns));
    // No employee: nothing; an employee without a stored writ of the number:
    // a new writ, deducted.
    int pu = tn.IsEmpty() ? 0 : 1;
    int one = 0;
    CString remaining;
    if (!tn.IsEmpty() && !npp.IsEmpty()) {
        ForEachRow(FormatText("select pu,one,nd,kou,sv,s,pr,ch,d1,d2,vp,fil,ls from paymar_isp where tn=%s and npp=%s",
                              tn, npp),
                   [&](_RecordsetPtr& row) {
                       pu = atoi(SafeArayToString(row->GetCollect("pu")));
                       one = atoi(SafeArayToString(row->GetCollect("one")));
                       for (size_t i = 0; i < values.size(); ++i)
                           values[i] = SafeArayToString(row->GetCollect(kColumns[i].column));
                   });
        remaining = WritRemaining(tn, npp, values[2]);
    }
    for (size_t i = 0; i < values.size(); ++i)
        SetDlgItemText(kColumns[i].field, values[i]);
    SetDlgItemText(IDC_ISP_OV, remaining);
    CheckDlgButton(IDC_ISP_PU, pu ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_ISP_ONE, one ? BST_CHECKED : BST_UNCHECKED);
}

BOOL CIspView::Save()
{
    auto field = [this](int id) {
        CString text;
        GetDlgItemText(id, text);
        return text;
    };
    CString tn;
    if (!TakeEmployee(tn))
        return FALSE;
    CString kou;
    if (Blank(field(IDC_VOU)))
        return Refuse(IDC_VOU, "Укажите Код удержания", false);
    if (!nvenzol::CheckedNumber(field(IDC_VOU), kou) || !SprOk("spr_vou", kou))
        return Refuse(IDC_VOU, "Нет такого кода оплат удержаний", true);
    if (atol(kou) <= kLastAccrual)
        return Refuse(IDC_VOU, "Код удержания должен быть больше 200", true);
    // Dates that are no dates are refused by name, never stored as none.
    CString dates[2];
    const struct {
        int id;
        const char* label;
    } dateFields[] = {{IDC_PAY_D1, "Дата начала удержания"}, {IDC_PAY_D2, "Дата окончания"}};
    for (int i = 0; i < 2; ++i) {
        dates[i] = "NULL";
        if (Blank(field(dateFields[i].id)))
            continue;
        const CString day = DMG(field(dateFields[i].id), 1, 0);
        if (day.IsEmpty())
            return Refuse(dateFields[i].id, "Неверная дата: " + CString(dateFields[i].label), true);
        dates[i] = ChangeDateUS0(day, 0);
    }
    CString vp;
    if (Blank(field(IDC_VP)))
        return Refuse(IDC_VP, "Укажите Код получателя", false);
    if (!nvenzol::CheckedNumber(field(IDC_VP), vp) || !SprOk("spr_paymar_vp", vp))
        return Refuse(IDC_VP, "Нет такого кода вида получателя", true);
    // The amounts as numbers ("," or "." as the decimal point), or none.
    CString sv, s, pr;
    const struct {
        int id;
        const char* label;
        CString* literal;
    } amounts[] = {{IDC_ISP_SV, "Общая сумма выплаты", &sv}, {IDC_ISP_S, "Сумма", &s}, {IDC_ISP_PR, "Процент", &pr}};
    for (const auto& amount : amounts)
        if (!nvenzol::NumberLiteral(field(amount.id), *amount.literal))
            return Refuse(amount.id, "Укажите число: " + CString(amount.label), true);
    CString npp;
    if (!TakeNumber(npp))
        return FALSE;
    if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    CString remaining;
    if (!nvenzol::NumberLiteral(field(IDC_ISP_OV), remaining))
        remaining = "NULL";
    if (remaining == "NULL" && sv != "NULL" && atof(sv) != 0)
        remaining = sv;
    const int pu = IsDlgButtonChecked(IDC_ISP_PU) == BST_CHECKED ? 1 : 0;
    const int one = IsDlgButtonChecked(IDC_ISP_ONE) == BST_CHECKED ? 1 : 0;
    {
        CWaitCursor wait;
        // The writ is replaced whole: a failed insert leaves the stored one.
        CDbTransaction save;
        const CString employee = FormatText("tn=%s", tn);
        // Two saves of one employee's new writs take turns for the number.
        if (ForEachRow(SqlLockRow("tn", "tn", employee), [](_RecordsetPtr&) {}) < 0)
            return FALSE;
        if (npp.IsEmpty())
            npp = ExecuteString(SqlNextNumber("npp", "paymar_isp", employee));
        if (!ExecuteSql(FormatText("delete from paymar_isp where tn=%s and npp=%s", tn, npp)) ||
            !ExecuteSql(FormatText("insert into paymar_isp (tn,npp,pu,nd,kou,sv,ov,s,pr,ch,d1,d2,vp,fil,ls,one) values "
                                   "(%s,%s,%d,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%d)",
                                   tn, npp, pu, NullStr(field(IDC_ISP_ND)), kou, sv, remaining, s, pr,
                                   NullStr(field(IDC_ISP_CH)), dates[0], dates[1], vp, NullStr(field(IDC_ISP_FIL)),
                                   NullStr(field(IDC_ISP_LS)), one)) ||
            !save.Commit())
            return FALSE;
    }
    Reload();
    return TRUE;
}

BOOL CIspView::DeleteRecord(const CString& tn, const CString& npp)
{
    // The writ and its payments go together, or neither.
    CDbTransaction remove;
    return ExecuteSql(FormatText("delete from paymar_isp where tn=%s and npp=%s", tn, npp)) &&
           ExecuteSql(FormatText("delete from paymar_isp1 where tn=%s and npp=%s", tn, npp)) && remove.Commit();
}

void CIspView::OnSaveCommand()
{
    Save();
}

} // namespace npaymar
