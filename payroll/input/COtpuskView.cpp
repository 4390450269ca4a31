#include "COtpuskView.h"

#include "PayrollSql.h"
#include "VacationStore.h"
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

const nvenzol::NipEdit kFields[] = {{IDC_TN, EDIT_KIND_PLAIN},       {IDC_VOU, EDIT_KIND_PLAIN},
                                    {IDC_OTP_KOU2, EDIT_KIND_PLAIN}, {IDC_OTP_DATE, EDIT_KIND_DATE},
                                    {IDC_PAY_D1, EDIT_KIND_DATE},    {IDC_PAY_D2, EDIT_KIND_DATE}};
static_assert(std::size(kFields) == std::extent_v<decltype(COtpuskView::m_edits)>);

// The highest pay code of an accrual.
constexpr long kLastAccrual = 200;

// Posted once a number is chosen from the list: its text is the chosen one
// only when the choice has ended.
constexpr UINT kNumberPlaced = 0x466;

const int kDaysFields[] = {IDC_OTP_DAYS, IDC_OTP_DAYS2};
const int kCodeFields[] = {IDC_VOU, IDC_OTP_KOU2};

bool Blank(const CString& text)
{
    return CString(text).Trim().IsEmpty();
}

} // namespace

IMPLEMENT_DYNCREATE(COtpuskView, CMyFormView1)

BEGIN_MESSAGE_MAP(COtpuskView, CMyFormView1)
    ON_BN_CLICKED(IDC_TN_LIST, OnTNListbtn)
    ON_CBN_SELENDOK(IDC_REC_NPP, OnNumberChosen)
    ON_MESSAGE(kNumberPlaced, OnNumberPlaced)
    ON_EN_KILLFOCUS(IDC_OTP_DAYS, OnMainDaysLeft)
    ON_EN_KILLFOCUS(IDC_OTP_DAYS2, OnAdditionalDaysLeft)
    ON_EN_KILLFOCUS(IDC_PAY_D1, OnDateLeft)
    ON_EN_KILLFOCUS(IDC_PAY_D2, OnDateLeft)
    ON_BN_CLICKED(IDC_OTP_CALC, OnCalcClicked)
    ON_NOTIFY(TCN_SELCHANGE, IDC_OTP_TABS, OnTabChange)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
    ON_BN_CLICKED(IDC_REC_DELETE, OnDeleteCommand)
    ON_BN_CLICKED(IDC_OTP_NOTE, OnNoteCommand)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(COtpuskView, CMyFormView1)
    ON_EVENT(COtpuskView, IDC_OTP_SHEETS, 17, OnMainSheetsTicked, VTS_NONE)
    ON_EVENT(COtpuskView, IDC_OTP_SHEETS2, 17, OnAdditionalSheetsTicked, VTS_NONE)
END_EVENTSINK_MAP()

COtpuskView::COtpuskView() : CMyFormView1(IDR_OTPUSK)
{
    nvenzol::SetEditKinds(m_edits, kFields, std::size(kFields));
}

COtpuskView::~COtpuskView() = default;

void COtpuskView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    nvenzol::BindEdits(pDX, m_edits, kFields, std::size(kFields));
    DDX_Control(pDX, IDC_OTP_RESULT, m_results[0]);
    DDX_Control(pDX, IDC_OTP_RESULT2, m_results[1]);
    DDX_Control(pDX, IDC_OTP_SHEETS, m_sheets[0]);
    DDX_Control(pDX, IDC_OTP_SHEETS2, m_sheets[1]);
    DDX_Control(pDX, IDC_REC_NPP, m_numbers);
    DDX_Control(pDX, IDC_OTP_TYPE, m_type);
    DDX_Control(pDX, IDC_OTP_TABS, m_tabs);
}

void COtpuskView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    appcore::SetFormTitle(this, "Отпуска");
    m_type.AddString("Очередной");
    m_type.AddString("Увольнение");
    m_type.SetCurSel(0);
    CheckDlgButton(IDC_OTP_CALC, BST_CHECKED);
    m_tabs.InsertItem(0, "Основной");
    m_tabs.InsertItem(1, "Дополнительный");
    for (int part = 0; part < 2; ++part) {
        m_results[part].SetReportType(4);
        m_results[part].SetNRows(0);
        m_results[part].KeepRatio();
        m_sheets[part].SetNRows(0);
        m_sheets[part].KeepRatio();
    }
    // A history of less than two months averages up to the vacation's own month.
    m_young = IsYoungPayrollDatabase();
    ShowPart(0);
    ResizeParentToFit(FALSE);
}

CString COtpuskView::ShownNumber() const
{
    CString typed, npp;
    if (m_numbers.GetSafeHwnd())
        m_numbers.GetWindowText(typed);
    return nvenzol::CheckedNumber(typed, npp) ? npp : CString();
}

CString COtpuskView::Code(int part) const
{
    CString code;
    return nvenzol::CheckedNumber(Field(kCodeFields[part]), code) ? code : CString();
}

void COtpuskView::ShowPart(int part)
{
    if (!m_tabs.GetSafeHwnd())
        return;
    m_tabs.SetCurSel(part);
    m_results[0].ShowWindow(part == 0 ? SW_SHOW : SW_HIDE);
    m_results[1].ShowWindow(part == 1 ? SW_SHOW : SW_HIDE);
}

void COtpuskView::OnTabChange(NMHDR*, LRESULT* pResult)
{
    ShowPart(m_tabs.GetCurSel());
    *pResult = 0;
}

void COtpuskView::OnChangeTn()
{
    CMyFormView1::OnChangeTn();
    if (!m_numbers.GetSafeHwnd())
        return;
    m_numbers.ResetContent();
    m_numbers.AddString("");
    const CString tn = ShownTn();
    if (!tn.IsEmpty())
        for (const CString& npp : VacationNumbers(tn))
            m_numbers.AddString(npp);
    m_numbers.SetCurSel(m_numbers.GetCount() - 1);
    LoadVacation();
}

void COtpuskView::OnChangeVou()
{
    CMyFormView1::OnChangeVou();
    RecalcShown(0);
}

void COtpuskView::OnVOUbtn()
{
    CHelpers::GetInSpr("spr_vou", this, IDC_VOU, "where id<=200", UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void COtpuskView::OnChangeKcn()
{
    SetDlgItemText(IDC_OTP_KOU2_NAME, GetFromSPR("spr_vou", Field(IDC_OTP_KOU2), nullptr));
    RecalcShown(1);
}

void COtpuskView::OnKCNbtn()
{
    CHelpers::GetInSpr("spr_vou", this, IDC_OTP_KOU2, "where id<=200", UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void COtpuskView::OnButtonSirch()
{
    CWnd* focus = CWnd::GetFocus();
    if (focus && focus->GetParent() == this && focus->GetDlgCtrlID() == IDC_OTP_KOU2) {
        SearchBook("spr_vou", IDC_OTP_KOU2);
        return;
    }
    CMyFormView1::OnButtonSirch();
}

void COtpuskView::OnTNListbtn()
{
    const CString month = FormatText("paymar_otpusk.g=%ld and paymar_otpusk.ms=%ld", g_lYear, g_lMonth);
    CExtFuncs::OnTNcmd(this, IDC_TN, EmployeeListSql("paymar_otpusk", month), nullptr, UINT(-1), 0, 1);
}

void COtpuskView::OnNumberChosen()
{
    PostMessage(kNumberPlaced);
}

LRESULT COtpuskView::OnNumberPlaced(WPARAM, LPARAM)
{
    LoadVacation();
    return 0;
}

void COtpuskView::OnMainDaysLeft()
{
    RecalcShown(0);
}

void COtpuskView::OnAdditionalDaysLeft()
{
    RecalcShown(1);
}

void COtpuskView::OnDateLeft()
{
    for (int id : {IDC_PAY_D1, IDC_PAY_D2}) {
        const CString typed = Field(id);
        const CString day = DMG(typed, 1, 0);
        if (!day.IsEmpty() && day != typed)
            SetDlgItemText(id, day);
    }
    CalcVacationAverage(0, false);
    CalcVacationAverage(1, false);
}

void COtpuskView::OnCalcClicked()
{
    CalcVacationAverage(0, false);
    CalcVacationAverage(1, false);
}

void COtpuskView::OnMainSheetsTicked()
{
    RecalcShown(0);
}

void COtpuskView::OnAdditionalSheetsTicked()
{
    RecalcShown(1);
}

void COtpuskView::LoadVacation()
{
    if (!m_numbers.GetSafeHwnd())
        return;
    m_loading = true;
    const CString tn = ShownTn();
    const CString npp = ShownNumber();
    StoredVacation stored;
    if (tn.IsEmpty() || npp.IsEmpty() || !npaymar::LoadVacation(tn, npp, stored)) {
        // Not stored (or not readable): the form holds a new record, which a
        // save adds and never writes over a stored one.
        stored = StoredVacation();
        if (!npp.IsEmpty())
            m_numbers.SetCurSel(0);
    }
    m_parts[0] = m_parts[1] = VacationPart();
    const std::pair<int, const CString*> fields[] = {
        {IDC_VOU, &stored.kou},         {IDC_OTP_KOU2, &stored.kou2}, {IDC_OTP_PERIOD, &stored.period},
        {IDC_OTP_NUMBER, &stored.number}, {IDC_OTP_DATE, &stored.d},   {IDC_OTP_DAYS, &stored.dn},
        {IDC_OTP_DAYS2, &stored.dn2},     {IDC_PAY_D1, &stored.d1},    {IDC_PAY_D2, &stored.d2},
        {IDC_OTP_OSN, &stored.osn}};
    for (const auto& [id, value] : fields)
        SetDlgItemText(id, *value);
    m_type.SetCurSel(stored.tip == 1 ? 1 : 0);
    CheckDlgButton(IDC_OTP_CALC, stored.calc ? BST_CHECKED : BST_UNCHECKED);
    m_storedSheets[0] = stored.nv;
    m_storedSheets[1] = stored.nv2;
    FillSheetGrids(stored.nv, stored.nv2);
    m_loading = false;
    CalcVacationAverage(0, true);
    CalcVacationAverage(1, true);
    ShowPart(0);
}

void COtpuskView::CalcVacationAverage(int part, bool force)
{
    if (m_loading || !m_results[part].GetSafeHwnd())
        return;
    const CString tn = ShownTn();
    const CString start = Field(IDC_PAY_D1), end = Field(IDC_PAY_D2);
    SheetFilter(part);
    CString key = tn + "|" + start + "|" + end + "|" + Field(IDC_OTP_DAYS) + "|" + Field(IDC_OTP_DAYS2) + "|" +
                  Code(0) + "|" + Code(1) + "|" + utoa(IsDlgButtonChecked(IDC_OTP_CALC));
    for (int p = 0; p < 2; ++p)
        for (const VacationSheet& sheet : TickedSheets(p))
            key += (p ? "|b" : "|a") + sheet.id;
    if (!force && key == m_cache && part == m_lastPart)
        return;
    m_cache = key;
    ClearResult(part);
    m_parts[part] = VacationPart();
    const CString code = Code(part);
    if (tn.IsEmpty() || DMG(start, 1, 0).IsEmpty() || code.IsEmpty())
        return;
    m_lastPart = part;
    CString days = Field(kDaysFields[part]);
    if (part == 0 && Blank(days)) {
        // The main vacation's days from its dates, both counted.
        const CString first = DMG(start, 1, 0), last = DMG(end, 1, 0);
        if (last.IsEmpty())
            return;
        if (qwDMG(last, 1) < qwDMG(first, 1))
            return;
        days = GetDateDif(first, last);
        SetDlgItemText(IDC_OTP_DAYS, days);
        m_cache.Replace("|" + start + "|" + end + "||", "|" + start + "|" + end + "|" + days + "|");
    }
    VacationPartInput input;
    input.tn = tn;
    input.start = start;
    input.code = code;
    input.days = days;
    input.indexed = IsDlgButtonChecked(IDC_OTP_CALC) == BST_CHECKED;
    input.sheets = TickedSheets(part);
    m_parts[part] = ComputeVacationPart(input, m_young);
    for (const CString& month : m_parts[part].period.unplanned)
        AfxMessageBox(FormatText("Не указаны плановые дни в месяце %s ", month), MB_OK | MB_ICONEXCLAMATION);
    ShowResult(part);
}

void COtpuskView::RecalcShown(int part)
{
    CalcVacationAverage(part, false);
    // A change of one part's fields shows that part's average.
    if (!m_loading && m_parts[part].computed)
        ShowPart(part);
}

std::vector<VacationSheet> COtpuskView::TickedSheets(int part) const
{
    std::vector<VacationSheet> sheets;
    const CCellwork& grid = m_sheets[part];
    if (!grid.GetSafeHwnd())
        return sheets;
    for (long row = 0; row < grid.GetNRows(); ++row)
        if (grid.GetBCheck(row))
            sheets.push_back({grid.GetCellValue(0, row), grid.GetCellValue(1, row)});
    return sheets;
}

BOOL COtpuskView::SaveVacation()
{
    VacationRecord record;
    const CString typedTn = Field(IDC_TN);
    if (Blank(typedTn))
        return Refuse(IDC_TN, "Укажите Табельный №", false);
    if (!nvenzol::CheckedNumber(typedTn, record.tn) || !TnOk(record.tn))
        return Refuse(IDC_TN, "Нет такого работника", true);
    if (Blank(Field(IDC_VOU)) && Blank(Field(IDC_OTP_KOU2)))
        return Refuse(IDC_VOU, "Укажите код оплаты", false);
    CString* codes[] = {&record.kou, &record.kou2};
    for (int part = 0; part < 2; ++part)
        if (!Blank(Field(kCodeFields[part])) &&
            (!nvenzol::CheckedNumber(Field(kCodeFields[part]), *codes[part]) || !SprOk("spr_vou", *codes[part])))
            return Refuse(kCodeFields[part], "Нет такого вида оплаты", true);
    for (int part = 0; part < 2; ++part)
        if (!codes[part]->IsEmpty() && atol(*codes[part]) > kLastAccrual)
            return Refuse(kCodeFields[part], "Код оплат должен быть меньше 200", true);
    const struct {
        int id;
        const char* empty;
        const char* name;
        CString* sql;
    } dates[] = {{IDC_OTP_DATE, "Укажите дату приказа", "Дата приказа", &record.d},
                 {IDC_PAY_D1, "Укажите дату начала", "Дата начала", &record.d1},
                 {IDC_PAY_D2, "Укажите дату окончания", "Дата окончания", &record.d2}};
    for (const auto& date : dates) {
        if (Blank(Field(date.id)))
            return Refuse(date.id, date.empty, false);
        const CString day = DMG(Field(date.id), 1, 0);
        if (day.IsEmpty())
            return Refuse(date.id, CString("Неверная дата: ") + date.name, true);
        *date.sql = ChangeDateUS0(day, 0);
    }
    const CString first = DMG(Field(IDC_PAY_D1), 1, 0), last = DMG(Field(IDC_PAY_D2), 1, 0);
    if (qwDMG(first, 1) > qwDMG(last, 1))
        return Refuse(IDC_PAY_D1, "Дата начала должна предшествовать дате окончания", false);
    const char* daysNames[] = {"Укажите число: Дней основного отпуска", "Укажите число: Дней дополнительного отпуска"};
    CString* days[] = {&record.dn, &record.dn2};
    for (int part = 0; part < 2; ++part)
        if (!nvenzol::NumberLiteral(Field(kDaysFields[part]), *days[part]) ||
            (*days[part] != "NULL" && atof(*days[part]) < 0))
            return Refuse(kDaysFields[part], daysNames[part], true);

    // What is written is computed from the fields as they stand now.
    CalcVacationAverage(0, true);
    CalcVacationAverage(1, true);
    if (!nvenzol::NumberLiteral(Field(IDC_OTP_DAYS), record.dn))
        return FALSE;
    if (AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;

    record.npp = ShownNumber();
    record.calc = IsDlgButtonChecked(IDC_OTP_CALC) == BST_CHECKED ? 1 : 0;
    record.tip = m_type.GetCurSel() == 1 ? 1 : 0;
    record.period = Field(IDC_OTP_PERIOD);
    record.number = Field(IDC_OTP_NUMBER);
    record.osn = Field(IDC_OTP_OSN);
    CString* sheetLists[] = {&record.nv, &record.nv2};
    CString* monthRecords[] = {&record.mes, &record.mes2};
    CString* sheetRecords[] = {&record.nvS, &record.nvS2};
    CString* amountRecords[] = {&record.sovokup, &record.sovokup2};
    for (int part = 0; part < 2; ++part) {
        for (const VacationSheet& sheet : TickedSheets(part))
            *sheetLists[part] += (sheetLists[part]->IsEmpty() ? "" : ",") + sheet.id;
        const VacationPart& figures = m_parts[part];
        *monthRecords[part] = figures.monthRecords;
        *sheetRecords[part] = figures.sheetRecords;
        *amountRecords[part] = figures.amountRecords;
        if (codes[part]->IsEmpty())
            continue;
        for (const VacationSheetFigures& sheet : figures.sheets)
            if (RoundKopecks(sheet.amount) != 0)
                record.amounts.push_back({sheet.id, sheet.amount, *codes[part]});
    }
    VacationStored stored = VacationStored::Failed;
    {
        CWaitCursor wait;
        stored = StoreVacation(record);
    }
    if (stored == VacationStored::Gone)
        AfxMessageBox("Нет такого н/п", MB_OK | MB_ICONEXCLAMATION);
    if (stored != VacationStored::Written)
        return FALSE;
    OnChangeTn();
    const int shown = m_numbers.FindStringExact(-1, record.npp);
    if (shown >= 0 && shown != m_numbers.GetCurSel()) {
        m_numbers.SetCurSel(shown);
        LoadVacation();
    }
    return TRUE;
}

BOOL COtpuskView::DeleteVacation()
{
    if (Blank(Field(IDC_TN)))
        return Refuse(IDC_TN, "Укажите Табельный №", false);
    CString typedNpp;
    m_numbers.GetWindowText(typedNpp);
    if (Blank(typedNpp)) {
        AfxMessageBox("Укажите н/п", MB_OK | MB_ICONEXCLAMATION);
        m_numbers.SetFocus();
        return FALSE;
    }
    const CString tn = ShownTn(), npp = ShownNumber();
    if (tn.IsEmpty() || !TnOk(tn))
        return Refuse(IDC_TN, "Нет такого работника", true);
    BOOL deleted = FALSE;
    if (!npp.IsEmpty() &&
        ExecuteCount(FormatText("select count(tn) as cnt from paymar_otpusk where g=%ld and ms=%ld and tn=%s and npp=%s",
                                g_lYear, g_lMonth, tn, npp)) > 0) {
        if (AfxMessageBox("Удалить ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return FALSE;
        CWaitCursor wait;
        deleted = RemoveVacation(tn, npp);
    }
    if (CWnd* field = GetDlgItem(IDC_TN)) {
        field->SetFocus();
        field->SendMessage(EM_SETSEL, 0, (LPARAM)-1);
    }
    OnChangeTn();
    return deleted;
}

void COtpuskView::PrintVacationNote()
{
    const CString tn = ShownTn(), npp = ShownNumber();
    if (tn.IsEmpty() || npp.IsEmpty()) {
        AfxMessageBox("Укажите н/п", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const CString html = GetZapiskaRaschet0(tn, g_lYear, g_lMonth, npp);
    CHelpers::DisplayMessage(html, "Записка расчет", 0, 8, "#f5f5FF", -1, -1);
}

void COtpuskView::OnSaveCommand()
{
    SaveVacation();
}

void COtpuskView::OnDeleteCommand()
{
    DeleteVacation();
}

void COtpuskView::OnNoteCommand()
{
    PrintVacationNote();
}

} // namespace npaymar
