#include "CBolView.h"

#include "CPaymar.h"
#include "CalculationSheet.h"
#include "PayrollPage.h"
#include "PayrollSql.h"
#include "SheetSplit.h"
#include "SickLeaveStore.h"
#include "SickPay.h"
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
    {IDC_TN, EDIT_KIND_PLAIN}, {IDC_BOL_START, EDIT_KIND_DATE}, {IDC_VOU, EDIT_KIND_PLAIN}};
static_assert(std::size(kFields) == std::extent_v<decltype(CBolView::m_edits)>);

enum PeriodColumn { FIRST = 0, LAST = 1, DAYS = 2, PERCENT = 3, DAILY = 4, AMOUNT = 5 };

// The earnings grid: twelve months and the totals row.
constexpr long kMonths = 12;

// The periods grid's rows when a certificate opens.
constexpr long kPeriodRows = 6;

// The highest pay code of an accrual.
constexpr long kLastAccrual = 200;

// Posted once a number is chosen from the list: its text is the chosen one
// only when the choice has ended.
constexpr UINT kNumberPlaced = 0x466;
// Posted when a period's cell changed.
constexpr UINT kPeriodsChanged = 0x467;

bool Blank(const CString& text)
{
    return CString(text).Trim().IsEmpty();
}

} // namespace

IMPLEMENT_DYNCREATE(CBolView, CMyFormView1)

BEGIN_MESSAGE_MAP(CBolView, CMyFormView1)
    ON_EN_KILLFOCUS(IDC_BOL_START, OnStartLeft)
    ON_EN_CHANGE(IDC_BOL_START, OnStartChanged)
    ON_EN_SETFOCUS(IDC_VOU, OnVouFocused)
    ON_BN_CLICKED(IDC_TN_LIST, OnTNListbtn)
    ON_CBN_SELENDOK(IDC_REC_NPP, OnNumberChosen)
    ON_MESSAGE(kNumberPlaced, OnNumberPlaced)
    ON_MESSAGE(kPeriodsChanged, OnPeriodsChanged)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
    ON_BN_CLICKED(IDC_REC_DELETE, OnDeleteCommand)
    ON_BN_CLICKED(IDC_PAY_PRINT, OnPrintCommand)
    ON_COMMAND(IDC_PAY_PRINT_DIRECT, OnPrintDirect)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnPrintDirect)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CBolView, CMyFormView1)
    ON_EVENT(CBolView, IDC_BOL_PERIODS, 9, OnPeriodCommitted, VTS_I2 VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CBolView, IDC_BOL_PERIODS, 8, OnPeriodChanged, VTS_I2 VTS_I2 VTS_PBSTR)
    ON_EVENT(CBolView, IDC_PAY_GRID, 3, OnEarningsEdit, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
END_EVENTSINK_MAP()

CBolView::CBolView() : CMyFormView1(IDR_BOL)
{
    nvenzol::SetEditKinds(m_edits, kFields, std::size(kFields));
}

CBolView::~CBolView() = default;

void CBolView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    nvenzol::BindEdits(pDX, m_edits, kFields, std::size(kFields));
    DDX_Control(pDX, IDC_BOL_PERIODS, m_periods);
    DDX_Control(pDX, IDC_PAY_GRID, m_earnings);
    DDX_Control(pDX, IDC_REC_NPP, m_numbers);
}

void CBolView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Больничные листы");
    m_periods.KeepRatio();
    m_earnings.KeepRatio();
    m_earnings.SetNRows(kMonths + 1);
    m_periods.SetNRows(kPeriodRows);
    ResizeParentToFit(FALSE);
}

CString CBolView::ShownNumber() const
{
    CString typed, npp;
    if (m_numbers.GetSafeHwnd())
        m_numbers.GetWindowText(typed);
    return nvenzol::CheckedNumber(typed, npp) ? npp : CString();
}

void CBolView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    if (!m_numbers.GetSafeHwnd())
        return;
    m_recalc = false;
    m_numbers.ResetContent();
    m_numbers.AddString("");
    const CString tn = ShownTn();
    if (!tn.IsEmpty())
        ForEachRow(FormatText("select npp from paymar_bol where g=%ld and ms=%ld and tn=%s order by npp", g_lYear,
                              g_lMonth, tn),
                   [this](_RecordsetPtr& row) { m_numbers.AddString(SafeArayToString(row->GetCollect("npp"))); });
    SetDlgItemText(IDC_BOL_START, "");
    SetDlgItemText(IDC_VOU, "");
    m_numbers.SetCurSel(m_numbers.GetCount() - 1);
    LoadSickLeave();
}

void CBolView::OnChangeVou()
{
    SetDlgItemText(IDC_BOL_VOU_NAME, GetFromSPR("spr_vou", Field(IDC_VOU), nullptr));
    RecalcSickPay();
}

void CBolView::OnVOUbtn()
{
    CHelpers::GetInSpr("spr_vou", this, IDC_VOU, "where id<=200", UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CBolView::OnTNListbtn()
{
    const CString month = FormatText("paymar_bol.g=%ld and paymar_bol.ms=%ld", g_lYear, g_lMonth);
    CExtFuncs::OnTNcmd(this, IDC_TN, EmployeeListSql("paymar_bol", month), nullptr, UINT(-1), 0, 1);
}

BOOL CBolView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP) {
        CWnd* focus = CWnd::GetFocus();
        const bool inNumbers = focus && m_numbers.GetSafeHwnd() &&
                               (focus == &m_numbers || focus->GetParent() == &m_numbers || focus->GetDlgCtrlID() == IDC_REC_NPP);
        if (inNumbers && pMsg->wParam == VK_RETURN) {
            if (pMsg->message == WM_KEYDOWN)
                if (CWnd* next = GetNextDlgTabItem(&m_numbers))
                    next->SetFocus();
            return TRUE;
        }
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F8) {
            DeleteSickLeave();
            return TRUE;
        }
    }
    return CMyFormView1::PreTranslateMessage(pMsg);
}

void CBolView::OnStartLeft()
{
    const CString typed = Field(IDC_BOL_START);
    const CString day = DMG(typed, 1, 0);
    if (!day.IsEmpty() && day != typed)
        SetDlgItemText(IDC_BOL_START, day);
}

void CBolView::OnStartChanged()
{
    if (!DMG(Field(IDC_BOL_START), 1, 0).IsEmpty())
        RecalcSickPay();
}

void CBolView::OnVouFocused()
{
    if (Blank(Field(IDC_VOU)) && !Blank(Field(IDC_TN)) && !Blank(Field(IDC_BOL_START))) {
        SetDlgItemText(IDC_VOU, "5");
        SendDlgItemMessage(IDC_VOU, EM_SETSEL, 0, -1);
    }
}

void CBolView::OnNumberChosen()
{
    PostMessage(kNumberPlaced);
}

LRESULT CBolView::OnNumberPlaced(WPARAM, LPARAM)
{
    LoadSickLeave();
    return 0;
}

void CBolView::KeepEntryRow()
{
    const long rows = m_periods.GetNRows();
    if (rows > 0)
        for (long col = FIRST; col <= PERCENT; ++col)
            if (!Blank(m_periods.GetCellValue(col, rows - 1)))
                return m_periods.SetNRows(rows + 1);
}

void CBolView::LoadSickLeave()
{
    if (!m_periods.GetSafeHwnd())
        return;
    m_recalc = false;
    for (int id : {IDC_NPP, IDC_BOL_DOL_NAME, IDC_BOL_KL, IDC_BOL_KL_NAME, IDC_AVG_DAILY, IDC_AVG_TOTAL})
        SetDlgItemText(id, "");
    m_periods.ClearGrid();
    m_periods.SetNRows(kPeriodRows);
    m_periods.SetCurCell(0, 0);
    m_earnings.ClearGrid();
    const CString tn = ShownTn();
    const CString npp = ShownNumber();
    if (!tn.IsEmpty() && !npp.IsEmpty()) {
        const CString key = FormatText("g=%ld and ms=%ld and tn=%s and npp=%s", g_lYear, g_lMonth, tn, npp);
        SetDlgItemText(IDC_BOL_START, DMG(ExecuteString("select BOLs as str from paymar_bol where " + key), 1, 0));
        SetDlgItemText(IDC_VOU, ExecuteString("select vou as str from paymar_bol where " + key));
        std::vector<std::vector<CString>> periods;
        ForEachRow("select d1,d2,dn,pr from paymar_bol1 where " + key + " order by npp1,id", [&periods](_RecordsetPtr& row) {
            periods.push_back({DMG(SafeArayToString(row->GetCollect("d1")), 1, 0),
                               DMG(SafeArayToString(row->GetCollect("d2")), 1, 0),
                               Number(SafeArayToString(row->GetCollect("dn")), 0),
                               Number(SafeArayToString(row->GetCollect("pr")), 0)});
        });
        if (long(periods.size()) >= kPeriodRows)
            m_periods.SetNRows(long(periods.size()) + 1);
        for (size_t r = 0; r < periods.size(); ++r)
            for (size_t c = 0; c < periods[r].size(); ++c)
                m_periods.SetCellValue(long(c), long(r), periods[r][c]);
    } else {
        SetDlgItemText(IDC_BOL_START, "");
        SetDlgItemText(IDC_VOU, "");
    }
    if (!tn.IsEmpty()) {
        const CString main = ExecuteString(FormatText("select npp as str from paymar_bux where tn=%s and osn=1", tn));
        CString row;
        if (nvenzol::CheckedNumber(main, row)) {
            const CString key = FormatText("tn=%s and npp=%s", tn, row);
            const CString calendar = ExecuteString("select kl as str from paymar_bux where " + key);
            SetDlgItemText(IDC_NPP, row);
            SetDlgItemText(IDC_BOL_DOL_NAME,
                           GetFromSPR("spr_paymar_dol", ExecuteString("select dol as str from paymar_bux where " + key), nullptr));
            SetDlgItemText(IDC_BOL_KL, calendar);
            SetDlgItemText(IDC_BOL_KL_NAME, GetFromSPR("spr_kl", calendar, nullptr));
        }
    }
    m_recalc = true;
    RecalcSickPay();
}

void CBolView::RecalcSickPay()
{
    if (!m_recalc || !m_periods.GetSafeHwnd())
        return;
    m_periodFilter.Empty();
    m_average.Empty();
    const CString tn = ShownTn();
    if (tn.IsEmpty())
        return;
    const CString date = DMG(Field(IDC_BOL_START), 1, 0);
    m_earnings.ClearGrid();
    m_earnings.SetNRows(kMonths + 1);
    SetDlgItemText(IDC_AVG_DAILY, "");
    // An amount shown always belongs to the figures shown.
    SetDlgItemText(IDC_AVG_TOTAL, "");
    for (long row = 0; row < m_periods.GetNRows(); ++row) {
        m_periods.SetCellValue(DAILY, row, "");
        m_periods.SetCellValue(AMOUNT, row, "");
    }
    CString code;
    if (date.IsEmpty() || !nvenzol::CheckedNumber(Field(IDC_VOU), code))
        return;
    m_average = CPaymar::BOL_SRED_DAY(tn, date, code, &m_earnings, m_periodFilter, int(kMonths));
    SetDlgItemText(IDC_AVG_DAILY, m_average);
    const long alg = long(ExecuteCount(FormatText("select alg as cnt from spr_vou where id=%s", code)));
    double total = 0;
    for (long row = 0; row < m_periods.GetNRows() && alg > 0; ++row) {
        bool filled = true;
        for (long col = FIRST; col <= PERCENT; ++col)
            filled = filled && !Blank(m_periods.GetCellValue(col, row));
        if (!filled)
            continue;
        const CString first = m_periods.GetCellValue(FIRST, row);
        CString percent = m_periods.GetCellValue(PERCENT, row);
        percent.Replace(",", ".");
        const SickPeriodPay pay = PaySickPeriod(atof(m_average), SickPayMaximum(first, alg), atof(percent), first,
                                                m_periods.GetCellValue(LAST, row));
        if (!pay.paid)
            continue;
        m_periods.SetCellValue(DAILY, row, FormatNumber(pay.daily, "", 2));
        m_periods.SetCellValue(AMOUNT, row, FormatNumber(pay.amount, "", 2));
        total += pay.amount;
    }
    SetDlgItemText(IDC_AVG_TOTAL, FormatNumber(total, "", 2));
}

void CBolView::CountPeriodDays(long col, long row, CString* committed)
{
    if ((col == FIRST || col == LAST) && committed) {
        const CString day = DMG(*committed, 1, 0);
        if (!day.IsEmpty() && day != *committed)
            *committed = day;
    }
    if (!Blank(m_periods.GetCellValue(DAYS, row)))
        return;
    const CString first = col == FIRST && committed ? *committed : m_periods.GetCellValue(FIRST, row);
    const CString last = col == LAST && committed ? *committed : m_periods.GetCellValue(LAST, row);
    if (Blank(first) || Blank(last))
        return;
    const long days = SickPeriodDays(first, last);
    if (days >= 0)
        m_periods.SetCellValue(DAYS, row, FormatText("%ld", days));
}

void CBolView::OnPeriodCommitted(short col, short row, short, CString* text)
{
    CountPeriodDays(col, row, text);
}

void CBolView::OnPeriodChanged(short col, short, CString*)
{
    // The figures follow once the grid has ended its edit: written in the
    // middle of it, they would take the grid's focus from the clerk.
    if (col <= PERCENT && !m_recalcPosted && m_recalc) {
        m_recalcPosted = true;
        PostMessage(kPeriodsChanged);
    }
}

LRESULT CBolView::OnPeriodsChanged(WPARAM, LPARAM)
{
    m_recalcPosted = false;
    RecalcSickPay();
    KeepEntryRow();
    return 0;
}

void CBolView::OnEarningsEdit(short, short, CString*, short* cancel)
{
    *cancel = 1;
}

BOOL CBolView::RefuseCell(long col, long row, const CString& message)
{
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    m_periods.SetFocus();
    m_periods.SetCurCell(col, row);
    m_periods.ForceEditCell(col, row);
    return FALSE;
}

BOOL CBolView::SaveSickLeave()
{
    OnStartLeft();
    SickLeaveRecord record;
    const CString typedTn = Field(IDC_TN);
    if (Blank(typedTn))
        return Refuse(IDC_TN, "Укажите Табельный №", false);
    if (!nvenzol::CheckedNumber(typedTn, record.tn) || !TnOk(record.tn))
        return Refuse(IDC_TN, "Нет такого работника", true);
    const CString start = Field(IDC_BOL_START);
    if (Blank(start))
        return Refuse(IDC_BOL_START, "Укажите с какого числа болеет", false);
    if (DMG(start, 1, 0).IsEmpty())
        return Refuse(IDC_BOL_START, "Неверная дата: Болеет с", true);
    record.start = ChangeDateUS0(DMG(start, 1, 0), 0);
    const CString typedCode = Field(IDC_VOU);
    if (Blank(typedCode))
        return Refuse(IDC_VOU, "Укажите код оплаты", false);
    if (!nvenzol::CheckedNumber(typedCode, record.vou) || !SprOk("spr_vou", record.vou))
        return Refuse(IDC_VOU, "Нет такого вида оплаты", true);
    if (atol(record.vou) > kLastAccrual)
        return Refuse(IDC_VOU, "Код оплат должен быть меньше 200", true);
    if (!nvenzol::CheckedNumber(Field(IDC_NPP), record.nppBux))
        return Refuse(IDC_TN, "Не указана основная должность в бухгалтерской книге", false);

    // The periods: a row left empty is skipped, any other is whole and sound.
    for (long row = 0; row < m_periods.GetNRows(); ++row) {
        CString cells[4];
        bool empty = true;
        for (long col = FIRST; col <= PERCENT; ++col) {
            cells[col] = CString(m_periods.GetCellValue(col, row)).Trim();
            empty = empty && cells[col].IsEmpty();
        }
        if (empty)
            continue;
        const int line = int(row + 1);
        if (cells[FIRST].IsEmpty())
            return RefuseCell(FIRST, row, "Укажите дату начала болезни");
        const CString d1 = DMG(cells[FIRST], 1, 0);
        if (d1.IsEmpty())
            return RefuseCell(FIRST, row, FormatText("Неверная дата: Дата с, строка %d", line));
        if (cells[LAST].IsEmpty())
            return RefuseCell(LAST, row, "Укажите дату \"конца\" болезни");
        const CString d2 = DMG(cells[LAST], 1, 0);
        if (d2.IsEmpty())
            return RefuseCell(LAST, row, FormatText("Неверная дата: Дата по, строка %d", line));
        if (qwDMG(d2, 1) < qwDMG(d1, 1))
            return RefuseCell(LAST, row, FormatText("Дата по раньше даты с, строка %d", line));
        if (cells[DAYS].IsEmpty())
            return RefuseCell(DAYS, row, "Укажите количество дней болезни");
        CString dn, pr;
        if (!nvenzol::NumberLiteral(cells[DAYS], dn) || atof(dn) < 0)
            return RefuseCell(DAYS, row, FormatText("Укажите число дней: Дней, строка %d", line));
        if (cells[PERCENT].IsEmpty())
            return RefuseCell(PERCENT, row, "Укажите процент оплаты");
        if (!nvenzol::NumberLiteral(cells[PERCENT], pr) || atof(pr) < 0 || atof(pr) > 100)
            return RefuseCell(PERCENT, row, FormatText("Процент оплаты должен быть от 0 до 100, строка %d", line));
        record.periods.push_back({ChangeDateUS0(d1, 0), ChangeDateUS0(d2, 0), dn, pr});
    }
    if (record.periods.empty()) {
        AfxMessageBox("Укажите периоды болезни", MB_OK | MB_ICONEXCLAMATION);
        m_periods.SetCurCell(0, 0);
        return FALSE;
    }

    // What is written is computed from the fields as they stand now.
    RecalcSickPay();
    if (m_average.IsEmpty() || m_periodFilter.IsEmpty()) {
        AfxMessageBox("Средний заработок не рассчитан: нет начислений за расчетный период", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    const double total = atof(Field(IDC_AVG_TOTAL));
    std::vector<SheetAmount> sheets;
    if (!SheetEarnings(m_periodFilter, record.tn, record.vou, sheets))
        return FALSE;
    record.shares = SplitBySheets(total, sheets, MainSheet(record.tn));

    record.npp = ShownNumber();
    const char* question = record.npp.IsEmpty() ? "Добавить новую запись ? " : "Записать изменения ? ";
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    const BOOL stored = StoreSickLeave(record);
    OnChangeTn();
    if (stored) {
        const int shown = m_numbers.FindStringExact(-1, record.npp);
        if (shown >= 0 && shown != m_numbers.GetCurSel()) {
            m_numbers.SetCurSel(shown);
            LoadSickLeave();
        }
    }
    if (CWnd* field = GetDlgItem(IDC_TN)) {
        field->SetFocus();
        field->SendMessage(EM_SETSEL, 0, (LPARAM)-1);
    }
    return stored;
}

BOOL CBolView::DeleteSickLeave()
{
    const CString typedTn = CString(Field(IDC_TN)).Trim();
    if (typedTn.IsEmpty())
        return Refuse(IDC_TN, "Укажите Табельный №", false);
    CString typedNpp;
    m_numbers.GetWindowText(typedNpp);
    if (Blank(typedNpp)) {
        AfxMessageBox("Укажите н/п", MB_OK | MB_ICONEXCLAMATION);
        m_numbers.SetFocus();
        return FALSE;
    }
    const CString tn = ShownTn(), npp = ShownNumber();
    BOOL deleted = FALSE;
    if (!tn.IsEmpty() && !npp.IsEmpty() &&
        ExecuteCount(FormatText("select count(npp) as cnt from paymar_bol where g=%ld and ms=%ld and tn=%s and npp=%s",
                                g_lYear, g_lMonth, tn, npp)) > 0) {
        if (AfxMessageBox("Удалить этот н/п ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return FALSE;
        deleted = RemoveSickLeave(tn, npp);
    }
    GetDlgItem(IDC_TN)->SetFocus();
    OnChangeTn();
    return deleted;
}

void CBolView::PrintSickLeaveCertificate(int flag)
{
    const CString tn = ShownTn(), npp = ShownNumber();
    const CString key = FormatText("g=%ld and ms=%ld and tn=%s and npp=%s", g_lYear, g_lMonth, tn, npp);
    if (tn.IsEmpty() || npp.IsEmpty() || ExecuteCount("select count(npp) as cnt from paymar_bol where " + key) <= 0 ||
        ExecuteString("select vou as str from paymar_bol where " + key) != Field(IDC_VOU)) {
        SaveSickLeave();
        return;
    }
    PayrollPage page;
    if (!page.Start())
        return;
    const CString code = Field(IDC_VOU);
    bool written = page.Write(FormatText(
        "<table width=740><tr><td colspan=2 align=center><b>Расчет за %s %ld г.</b></td></tr><tr><td width=50%% "
        "valign=top><table><tr><td>Ф.И.О: </td><td>%s</td></tr><tr><td>Болеет с: </td><td>%s</td></tr><tr><td>Вид "
        "оплаты: </td><td>%s</td></tr></table>",
        HtmlText(GetMonthName(g_lMonth)), g_lYear, HtmlText(GetFio(tn)), HtmlText(Field(IDC_BOL_START)),
        HtmlText(GetFromSPR("spr_vou", code, nullptr))));
    written = written && page.Write("<br><br><table border=1 cellpadding=0 cellspacing=0><tr><td align=center><b>Дата "
                                    "с</b></td><td align=center><b>Дата по</b></td><td align=center><b>Дней</b></td><td "
                                    "align=center><b>%</b></td><td align=center><b>дн.пос.</b></td><td "
                                    "align=center><b>К выдаче</b></td></tr>");
    for (long row = 0; written && row < m_periods.GetNRows(); ++row) {
        if (Blank(m_periods.GetCellValue(FIRST, row)) && Blank(m_periods.GetCellValue(LAST, row)))
            continue;
        CString line = "<tr>";
        for (long col = FIRST; col <= AMOUNT; ++col)
            line += FormatText(col <= LAST ? "<td>&nbsp;%s&nbsp;</td>" : "<td align=right>&nbsp;%s&nbsp;</td>",
                               HtmlText(m_periods.GetCellValue(col, row)));
        written = page.Write(line + "</tr>");
    }
    written = written && WriteEarningsHalf(page, Field(IDC_AVG_TOTAL), {"Год", "Месяц", "Дней", "Начислено", "Кв.прем."},
                                           m_earnings, Field(IDC_AVG_DAILY));
    page.Show("Печать справки по б/л", flag);
}

void CBolView::OnSaveCommand()
{
    SaveSickLeave();
}

void CBolView::OnDeleteCommand()
{
    DeleteSickLeave();
}

void CBolView::OnPrintCommand()
{
    PrintSickLeaveCertificate(-1);
}

void CBolView::OnPrintDirect()
{
    PrintSickLeaveCertificate(-2);
}

} // namespace npaymar
