#include "EmployeeForms.h"

#include "appcore.h"
#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"

namespace npaymar {

IMPLEMENT_DYNAMIC(CEmployeePageView, CSelectTN)

CEmployeePageView::CEmployeePageView(bool closesFrame) : m_closesFrame(closesFrame)
{
    m_bPrintForm = 1;
}

CEmployeePageView::~CEmployeePageView() = default;

void CEmployeePageView::OnInitialUpdate()
{
    CSelectTN::OnInitialUpdate();
    appcore::SetFormTitle(this, Look().viewerTitle);
}

std::vector<long> ChosenEmployees(CCellwork& grid)
{
    std::vector<long> employees = TickedNumbers(grid);
    if (employees.empty()) {
        AfxMessageBox("Выберите работника", MB_OK);
        grid.SetFocus();
    }
    return employees;
}

void CEmployeePageView::BuildReport(int direct)
{
    const std::vector<long> employees = ChosenEmployees(m_grid);
    if (employees.empty())
        return;
    ShowEmployeePages(
        Look(), employees, direct, [this](long tn, CString& text, CString& why) { return Text(tn, text, why); },
        Writer());
    if (m_closesFrame) {
        if (CFrameWnd* frame = GetParentFrame())
            frame->PostMessage(WM_CLOSE);
    } else {
        OnCancel();
    }
}

namespace {

CString TnText(long tn)
{
    return FormatText("%ld", tn);
}

} // namespace

#define NPAYMAR_EMPLOYEE_PAGE_VIEW_BODY(name, closesFrame)                                                             \
    IMPLEMENT_DYNCREATE(name, CEmployeePageView)                                                                       \
    name::name() : CEmployeePageView(closesFrame) {}                                                                   \
    name::~name() = default;

NPAYMAR_EMPLOYEE_PAGE_VIEW_BODY(CPrnDoxGodView, false)
NPAYMAR_EMPLOYEE_PAGE_VIEW_BODY(CPrnDoxMesView, false)
NPAYMAR_EMPLOYEE_PAGE_VIEW_BODY(CPrnDoxMesNarostView, false)
NPAYMAR_EMPLOYEE_PAGE_VIEW_BODY(CPrnIndView, true)
NPAYMAR_EMPLOYEE_PAGE_VIEW_BODY(CPrnKBView, true)
NPAYMAR_EMPLOYEE_PAGE_VIEW_BODY(CPrnKSView, true)
NPAYMAR_EMPLOYEE_PAGE_VIEW_BODY(CPrnRaschListView, false)
NPAYMAR_EMPLOYEE_PAGE_VIEW_BODY(CPrnZapiskaRaschetView, false)

#undef NPAYMAR_EMPLOYEE_PAGE_VIEW_BODY

EmployeePageLook CPrnDoxGodView::Look() const
{
    return {"Доход по месяцам", "Справка о доходе за год", 12, 12, false, 0, true};
}

bool CPrnDoxGodView::Text(long tn, CString& text, CString&)
{
    bool ok = true;
    text = GetDoxGod(tn, g_lMonth, ok);
    return ok;
}

EmployeePageLook CPrnDoxMesView::Look() const
{
    return {"Доход по месяцам", "Справка о доходе по-месячно", 12, 12, true, 0, true};
}

bool CPrnDoxMesView::Text(long tn, CString& text, CString&)
{
    bool ok = true;
    text = GetDoxMes(tn, g_lYear, g_lMonth, 0, ok);
    return ok;
}

EmployeePageLook CPrnDoxMesNarostView::Look() const
{
    return {"Доход по месяцам", "Справка о доходе по нарастающей", 12, 12, true, 0, true};
}

bool CPrnDoxMesNarostView::Text(long tn, CString& text, CString&)
{
    bool ok = true;
    text = GetDoxMes(tn, g_lYear, g_lMonth, 1, ok);
    return ok;
}

EmployeePageLook CPrnIndView::Look() const
{
    return {"Индивидуальная карточка", "Индивидуальная карточка", 8, 8, false, 1, true};
}

bool CPrnIndView::Text(long tn, CString& text, CString&)
{
    bool ok = true;
    text = GetInd(TnText(tn), g_lMonth, ok);
    return ok;
}

EmployeePageLook CPrnKBView::Look() const
{
    return {"Как это было", "Как это было", 11, 8, false, 1, false};
}

bool CPrnKBView::Text(long tn, CString& text, CString&)
{
    bool ok = true;
    text = GetKB(TnText(tn), g_lMonth, ok);
    return ok;
}

EmployeePageLook CPrnKSView::Look() const
{
    return {"Карточка справка", "Карточка справка", 8, 8, false, 1, true};
}

// The card-certificate is the form script's: GetKS(personnel number, month).
bool CPrnKSView::Text(long tn, CString& text, CString& why)
{
    if (EXEC_GetFunctionValue(FormatText("GetKS(%ld,%ld)", tn, g_lMonth), text, 0))
        return true;
    text.Empty();
    why = FormatText("сценарий GetKS не выполнен для работника %ld", tn);
    return false;
}

EmployeePageLook CPrnRaschListView::Look() const
{
    return {"Расчетный лист", "Расчетный лист", 10, 10, false, 1, true};
}

bool CPrnRaschListView::Text(long tn, CString& text, CString&)
{
    bool ok = true;
    text = GetRaschList(TnText(tn), g_lMonth, ok);
    return ok;
}

EmployeePageLook CPrnZapiskaRaschetView::Look() const
{
    return {"НДФЛ - 2", "Записка расчет", 9, 9, false, 1, true};
}

bool CPrnZapiskaRaschetView::Text(long tn, CString& text, CString&)
{
    bool ok = true;
    text = GetZapiskaRaschet(tn, g_lYear, g_lMonth, ok);
    return ok;
}

} // namespace npaymar
