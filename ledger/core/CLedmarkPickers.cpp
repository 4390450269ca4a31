// The chart-of-accounts pickers of CLedmark.
#include "CLedmark.h"

#include "CFormGridView.h"
#include "CHelpers.h"
#include "ChartPickerForms.h"
#include "ConfigGlobals.h"
#include "ledmark.h"
#include "naddviews.h"

namespace nledmark {

namespace {

// The fill callbacks of the selection forms: the answer target into the
// form's document, the chart's rows of the level into its grid.
void FillForm(CderivedDocument* document, CFormView* view, const char* text, ChartLevel level)
{
    auto* form = dynamic_cast<CFormGridView*>(view);
    if (!document || !form)
        return;
    const CPickerTarget target = ReadPickerParameter(text);
    document->SetAnswer(target.parent, target.ctrlId, target.msg);
    FillChartGrid(form->m_grid, level, target.col1, target.col2);
}

void __stdcall FillSint(CderivedDocument* document, CFormView* view, const char* text)
{
    FillForm(document, view, text, ChartLevel::Synthetic);
}

void __stdcall FillAnal(CderivedDocument* document, CFormView* view, const char* text)
{
    FillForm(document, view, text, ChartLevel::Analytic);
}

void __stdcall FillKosgu(CderivedDocument* document, CFormView* view, const char* text)
{
    FillForm(document, view, text, ChartLevel::Kosgu);
}

bool IsEmpty(const char* text)
{
    return !text || !*text;
}

} // namespace

void CLedmark::GetSint(CWnd* parent, UINT ctrlId, UINT msg)
{
    CWaitCursor wait;
    CHelpers::FN_OpenDocument0("GetSint", 0, PickerParameter(parent, ctrlId, msg), nullptr, nullptr, nullptr,
                               FillSint);
}

void CLedmark::GetAnalit(CWnd* parent, UINT ctrlId, UINT msg, const char* col1)
{
    CWaitCursor wait;
    if (IsEmpty(col1)) {
        AfxMessageBox("Укажите код синтетического счета");
        return;
    }
    CHelpers::FN_OpenDocument0("GetAnal", 0, PickerParameter(parent, ctrlId, msg, col1), nullptr, nullptr, nullptr,
                               FillAnal);
}

void CLedmark::GetKOSGU(CWnd* parent, UINT ctrlId, UINT msg, const char* col1, const char* col2)
{
    CWaitCursor wait;
    if (IsEmpty(col1)) {
        AfxMessageBox("Укажите код синтетического счета");
        return;
    }
    if (!col2) {
        AfxMessageBox("Укажите код аналитического счета");
        return;
    }
    if (!*col2) {
        AfxMessageBox("Укажите кода аналитического счета");
        return;
    }
    CHelpers::FN_OpenDocument0("GetKOSGU", 0, PickerParameter(parent, ctrlId, msg, col1, col2), nullptr, nullptr,
                               nullptr, FillKosgu);
}

void CLedmark::GetSB(CWnd* parent, UINT ctrlId, UINT msg, const char* account, short n, int flag)
{
    const int book = GL_Get_SB(account, n);
    if (book == 0) {
        MessageBeep(0);
        return;
    }
    if (I_GetSprTableName(book) == "tn")
        CExtFuncs::OnTNcmd(parent, (int)ctrlId, nullptr, nullptr, msg, flag, 0);
    else
        CHelpers::GetInSpr(I_GetSprSU_Id(book), parent, (int)ctrlId, nullptr, msg, 0, flag, nullptr, nullptr, 0);
}

} // namespace nledmark
