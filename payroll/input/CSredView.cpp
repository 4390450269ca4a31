#include "CSredView.h"

#include "CalculationSheet.h"
#include "PayrollPage.h"
#include "PayrollSql.h"
#include "SheetSplit.h"
#include "appcore.h"
#include "naddviews.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/NipForm.h"
#include "tariffication/StaffNumbers.h"

#include <cstdlib>
#include <iterator>
#include <type_traits>

namespace npaymar {

namespace {

const nvenzol::NipEdit kFields[] = {
    {IDC_SRED_DATE, EDIT_KIND_DATE}, {IDC_SRED_DAYS, EDIT_KIND_PLAIN}, {IDC_VOU, EDIT_KIND_PLAIN}, {IDC_TN, EDIT_KIND_PLAIN}};
static_assert(std::size(kFields) == std::extent_v<decltype(CSredView::m_edits)>);

// The months grid: twelve months and the totals row.
constexpr long kTotalsRow = 12;

constexpr long kLastAccrual = 200;

bool Blank(const CString& text)
{
    return CString(text).Trim().IsEmpty();
}

CString MonthKey(const CString& tn)
{
    return FormatText("g=%ld and ms=%ld and tn=%s", g_lYear, g_lMonth, tn);
}

} // namespace

IMPLEMENT_DYNCREATE(CSredView, CMyFormView1)

BEGIN_MESSAGE_MAP(CSredView, CMyFormView1)
    ON_EN_CHANGE(IDC_SRED_DAYS, OnDaysChanged)
    ON_EN_KILLFOCUS(IDC_SRED_DATE, OnDateLeft)
    ON_BN_CLICKED(IDC_TN_LIST, ShowAverageEarningsList)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
    ON_BN_CLICKED(IDC_REC_DELETE, OnDeleteCommand)
    ON_BN_CLICKED(IDC_PAY_PRINT, OnPrintCommand)
    ON_COMMAND(IDC_PAY_PRINT_DIRECT, OnPrintDirect)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnPrintDirect)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSredView, CMyFormView1)
    ON_EVENT(CSredView, IDC_PAY_GRID, 3, OnGridEdit, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
END_EVENTSINK_MAP()

CSredView::CSredView() : CMyFormView1(IDD_SRED)
{
    nvenzol::SetEditKinds(m_edits, kFields, std::size(kFields));
}

CSredView::~CSredView() = default;

void CSredView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    nvenzol::BindEdits(pDX, m_edits, kFields, std::size(kFields));
    DDX_Control(pDX, IDC_PAY_GRID, m_grid);
}

void CSredView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Оплата по среднему");
    m_grid.KeepRatio();
    m_grid.SetNRows(kTotalsRow + 1);
    ResizeParentToFit(FALSE);
}

void CSredView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    if (!m_grid.GetSafeHwnd())
        return;
    CString code, date, days;
    const CString tn = ShownTn();
    if (!tn.IsEmpty())
        ForEachRow("select kou,dr,d from paymar_sred where " + MonthKey(tn), [&](_RecordsetPtr& row) {
            code = SafeArayToString(row->GetCollect("kou"));
            date = DMG(SafeArayToString(row->GetCollect("dr")), 1, 0);
            days = Number(SafeArayToString(row->GetCollect("d")), 0);
        });
    if (date.IsEmpty())
        date = GetOtpD1(g_lYear, g_lMonth);
    // The code and the days recompute as they are written, the last time
    // with all three in place.
    m_loading = true;
    SetDlgItemText(IDC_VOU, code);
    SetDlgItemText(IDC_SRED_DATE, date);
    m_loading = false;
    SetDlgItemText(IDC_SRED_DAYS, days);
    if (days.IsEmpty())
        RecalcAverageEarnings();
}

void CSredView::OnChangeVou()
{
    CMyFormView1::OnChangeVou();
    if (!m_loading)
        RecalcAverageEarnings();
}

void CSredView::OnVOUbtn()
{
    CHelpers::GetInSpr("spr_vou", this, IDC_VOU, "where id<=200", UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CSredView::OnDaysChanged()
{
    if (!m_loading)
        RecalcAverageEarnings();
}

void CSredView::OnDateLeft()
{
    RecalcAverageEarnings();
}

void CSredView::OnGridEdit(short, short, CString*, short* cancel)
{
    *cancel = 1;
}

AverageEarnings CSredView::RecalcAverageEarnings(bool quiet)
{
    AverageEarnings figures;
    if (!m_grid.GetSafeHwnd())
        return figures;
    const CString tn = ShownTn();
    if (tn.IsEmpty())
        return figures;
    m_grid.ClearGrid();
    m_grid.SetNRows(kTotalsRow + 1);
    SetDlgItemText(IDC_AVG_DAILY, "");
    SetDlgItemText(IDC_AVG_TOTAL, "");
    // No employee of that number: nothing to average.
    if (!TnOk(tn))
        return figures;
    m_grid.SetNRows(kTotalsRow + 1);
    SetDlgItemText(IDC_AVG_DAILY, "");
    // The amount shown always belongs to the figures shown.
    SetDlgItemText(IDC_AVG_TOTAL, "");
    CString code;
    if (!Blank(Field(IDC_VOU)) && !nvenzol::CheckedNumber(Field(IDC_VOU), code))
        code = "0";
    figures = ComputeAverageEarnings(tn, code, Field(IDC_SRED_DATE), Field(IDC_SRED_DAYS));
    for (size_t r = 0; r < figures.months.size(); ++r) {
        const AverageEarningsMonth& month = figures.months[r];
        const CString cells[] = {month.year, month.month, month.days, month.earnings};
        for (long col = 0; col < 4; ++col)
            m_grid.SetCellValue(col, long(r), cells[col]);
    }
    if (!figures.problem.IsEmpty() && !quiet)
        AfxMessageBox(figures.problem, MB_OK | MB_ICONEXCLAMATION);
    if (!figures.reached)
        return figures;
    m_grid.SetCellValue(1, kTotalsRow, "Итого:");
    m_grid.SetCellValue(2, kTotalsRow, FormatNumber(figures.days, "-", 0));
    m_grid.SetCellValue(3, kTotalsRow, FormatNumber(figures.earnings, "", 2));
    SetDlgItemText(IDC_AVG_DAILY, figures.average);
    SetDlgItemText(IDC_AVG_TOTAL, figures.amount);
    return figures;
}

void CSredView::ReloadShown()
{
    if (CWnd* field = GetDlgItem(IDC_TN)) {
        field->SetFocus();
        nvenzol::SetKeyText(this, IDC_TN, Field(IDC_TN));
        field->SendMessage(EM_SETSEL, 0, (LPARAM)-1);
        field->SendMessage(EM_SCROLLCARET, 0, 0);
    }
}

BOOL CSredView::SaveAverageEarnings()
{
    const CString typedTn = Field(IDC_TN);
    CString tn, code, days;
    if (Blank(typedTn))
        return Refuse(IDC_TN, "Укажите Табельный №", false);
    if (!nvenzol::CheckedNumber(typedTn, tn) || !TnOk(tn))
        return Refuse(IDC_TN, "Нет такого работника", true);
    const CString date = Field(IDC_SRED_DATE);
    if (Blank(date))
        return Refuse(IDC_SRED_DATE, "Укажите с какого числа рассчитывать", false);
    if (DMG(date, 1, 0).IsEmpty())
        return Refuse(IDC_SRED_DATE, "Неверная дата: Дата расчета", true);
    if (Blank(Field(IDC_SRED_DAYS)))
        return Refuse(IDC_SRED_DAYS, "Укажите сколько дней оплачивать хотите", false);
    if (!nvenzol::NumberLiteral(Field(IDC_SRED_DAYS), days) || atof(days) <= 0)
        return Refuse(IDC_SRED_DAYS, "Укажите число: Дней", true);
    if (Blank(Field(IDC_VOU)))
        return Refuse(IDC_VOU, "Укажите код оплаты", false);
    if (!nvenzol::CheckedNumber(Field(IDC_VOU), code) || !SprOk("spr_vou", code))
        return Refuse(IDC_VOU, "Нет такого вида оплаты", true);
    if (atol(code) > kLastAccrual)
        return Refuse(IDC_VOU, "Код оплат должен быть меньше 200", true);

    // What is written is computed from the fields as they stand now.
    const AverageEarnings figures = RecalcAverageEarnings(true);
    if (!figures.reached) {
        AfxMessageBox(figures.problem.IsEmpty() ? CString("Средний заработок не рассчитан: нет начислений за расчетный период")
                                                : figures.problem,
                      MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    // The sheets share the amount as they shared the window's results, on
    // either path; without results the main sheet takes it.
    std::vector<SheetAmount> sheets;
    if (!SheetEarnings(figures.filter, tn, code, sheets))
        return FALSE;
    const std::vector<SheetAmount> shares = SplitBySheets(atof(figures.amount), sheets, MainSheet(tn));

    if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    BOOL stored = FALSE;
    {
        CWaitCursor wait;
        CDbTransaction save;
        stored = ExecuteSql("delete from paymar_sred where " + MonthKey(tn)) &&
                 ExecuteSql("delete from paymar_sred1 where " + MonthKey(tn)) &&
                 ExecuteSql(FormatText("insert into paymar_sred (g,ms,tn,kou,dr,d) values (%ld,%ld,%s,%s,%s,%s)", g_lYear,
                                       g_lMonth, tn, code, ChangeDateUS0(DMG(date, 1, 0), 0), days));
        for (size_t i = 0; stored && i < shares.size(); ++i)
            stored = ExecuteSql(FormatText("insert into paymar_sred1 (g,ms,tn,nv,kou,s) values (%ld,%ld,%s,%s,%s,%s)",
                                           g_lYear, g_lMonth, tn, shares[i].nv, code, AmountSql(shares[i].s)));
        stored = stored && save.Commit();
    }
    ReloadShown();
    return stored;
}

BOOL CSredView::DeleteAverageEarnings()
{
    if (Blank(Field(IDC_TN)))
        return Refuse(IDC_TN, "Укажите Табельный №", false);
    const CString tn = ShownTn();
    BOOL deleted = FALSE;
    if (!tn.IsEmpty() && ExecuteCount("select count(tn) as cnt from paymar_sred where " + MonthKey(tn)) > 0) {
        if (AfxMessageBox("Удалить эту запись ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return FALSE;
        CWaitCursor wait;
        CDbTransaction remove;
        deleted = ExecuteSql("delete from paymar_sred where " + MonthKey(tn)) &&
                  ExecuteSql("delete from paymar_sred1 where " + MonthKey(tn)) && remove.Commit();
    }
    ReloadShown();
    return deleted;
}

void CSredView::ShowAverageEarningsList()
{
    const CString month = FormatText("paymar_sred.g=%ld and paymar_sred.ms=%ld", g_lYear, g_lMonth);
    CExtFuncs::OnTNcmd(this, IDC_TN, EmployeeListSql("paymar_sred", month), nullptr, UINT(-1), 0, 1);
}

void CSredView::PrintAverageEarningsCertificate(int flag)
{
    const CString tn = ShownTn();
    if (tn.IsEmpty() || ExecuteCount("select count(tn) as cnt from paymar_sred where " + MonthKey(tn)) <= 0 ||
        ExecuteString("select kou as str from paymar_sred where " + MonthKey(tn)) != Field(IDC_VOU)) {
        SaveAverageEarnings();
        return;
    }
    PayrollPage page;
    if (!page.Start())
        return;
    bool written = page.Write(FormatText(
        "<table width=740><tr><td colspan=2 align=center><b>Расчет по средней з/п за %s %ld г.</b></td></tr><tr><td "
        "width=50%% valign=top><table><tr><td>Ф.И.О: </td><td>%s</td></tr><tr><td>Начало расчета: "
        "</td><td>%s</td></tr><tr><td>Вид оплаты: </td><td>%s</td></tr><tr><td>Дней: </td><td>%s</td></tr></table>",
        HtmlText(GetMonthName(g_lMonth)), g_lYear, HtmlText(GetFio(tn)), HtmlText(Field(IDC_SRED_DATE)),
        HtmlText(GetFromSPR("spr_vou", Field(IDC_VOU), nullptr)), HtmlText(Field(IDC_SRED_DAYS))));
    // The total stands in a table of its own under the fields.
    written = written && page.Write("<table>") &&
              WriteEarningsHalf(page, Field(IDC_AVG_TOTAL), {"Год", "Месяц", "Дней", "Начислено"}, m_grid,
                                Field(IDC_AVG_DAILY));
    page.Show("Печать справки по расчету средней з/п", flag);
}

void CSredView::OnSaveCommand()
{
    SaveAverageEarnings();
}

void CSredView::OnDeleteCommand()
{
    DeleteAverageEarnings();
}

void CSredView::OnPrintCommand()
{
    PrintAverageEarningsCertificate(-1);
}

void CSredView::OnPrintDirect()
{
    PrintAverageEarningsCertificate(-2);
}

} // namespace npaymar
