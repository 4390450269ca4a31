#include "EmployeeScriptForms.h"

#include "EmployeeForms.h"
#include "appcore.h"
#include "dlgkit.h"
#include "ndbcore.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(CPrnNDFL2View, CSelectTN)

CPrnNDFL2View::CPrnNDFL2View() = default;

CPrnNDFL2View::~CPrnNDFL2View() = default;

void CPrnNDFL2View::OnInitialUpdate()
{
    CSelectTN::OnInitialUpdate();
    appcore::SetFormTitle(this, "Справка о доходах (2-НДФЛ)");
}

void CPrnNDFL2View::BuildReport(int)
{
    const std::vector<long> employees = ChosenEmployees(m_grid);
    if (employees.empty())
        return;
    for (long tn : employees)
        if (!EXEC_ShowFormReport(FormatText("PrepareTheReport(%ld,%ld,%ld)", tn, g_lYear, g_lMonth), 0, 0))
            break;
    OnCancel();
}

IMPLEMENT_DYNCREATE(CPrnSredView, CSelectTN)

CPrnSredView::CPrnSredView() = default;

CPrnSredView::~CPrnSredView() = default;

void CPrnSredView::OnInitialUpdate()
{
    CSelectTN::OnInitialUpdate();
    appcore::SetFormTitle(this, GetDocument()->m_nParam == 1 ? "Справка о среднем заработке для банка"
                                                             : "Справка о среднем заработке для субсидии");
}

void CPrnSredView::BuildReport(int)
{
    const std::vector<long> employees = ChosenEmployees(m_grid);
    if (employees.empty())
        return;
    struct Kind {
        const char* call;
        const char* context;
    };
    static const Kind kinds[] = {{"GetSred(%ld,%ld)", "Form.ПечатьСправкаСреднСубсидии"},
                                 {"GetSred2(%ld,%ld)", "Form.ПечатьСправкаСреднБанк"}};
    const int kind = GetDocument()->m_nParam;
    if (kind < 0 || kind > 1) {
        AfxMessageBox(FormatText("Неизвестный вид справки о среднем заработке: %d", kind), MB_OK | MB_ICONSTOP);
        return;
    }
    CSirchDlg dialog(this);
    dialog.m_strPrompt = "Число месяцев для расчета среднего заработка";
    dialog.m_strText = "6";
    if (dialog.DoModal() != IDOK)
        return;
    bool whole = false;
    const long months = dialog.m_strText.ToQString().trimmed().toLong(&whole);
    if (whole && months == 0)
        return;
    if (!whole || months < 1) {
        AfxMessageBox("Укажите число месяцев: целое число от 1", MB_OK);
        return;
    }
    for (long tn : employees)
        if (!CHelpers::EXEC_Execute(FormatText(kinds[kind].call, tn, months), kinds[kind].context))
            break;
    OnCancel();
}

} // namespace npaymar
