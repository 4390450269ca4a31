#include "OfficialFormViews.h"

#include "CHelpers.h"
#include "FormTitle.h"
#include "OfficialRoutes.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNAMIC(CPrnOfficialView, CSelectIFView)

BEGIN_MESSAGE_MAP(CPrnOfficialView, CSelectIFView)
    ON_COMMAND(IDOK, OnOK)
END_MESSAGE_MAP()

CPrnOfficialView::CPrnOfficialView(UINT dialogId) : CSelectIFView(dialogId) {}

void CPrnOfficialView::OnInitialUpdate()
{
    CSelectIFView::OnInitialUpdate();
    SetFormTitle(this, Title());
}

int CPrnOfficialView::Route() const
{
    const CderivedDocument* document = GetDocument();
    return document ? document->GetParam() : 0;
}

const OfficialForm* CPrnOfficialView::Form() const
{
    return FindOfficialForm(GetDocumentName());
}

CString CPrnOfficialView::Title() const
{
    const OfficialForm* form = Form();
    if (!form)
        return "Форма " + GetDocumentName();
    const CString folder = OfficialRouteFolder(*form, Route());
    return "Форма " + OfficialRouteCode(*form, Route()) + (folder.IsEmpty() ? CString() : ", " + folder);
}

CString CPrnOfficialView::ReportCall()
{
    CString branches;
    m_editFil.GetWindowText(branches);
    return FormatText("PrepareTheReport(\"%s\",\"%s\",\"%s\",\"%s\"%s)", MakeParam(DMGtoStr(m_date1)),
                      MakeParam(DMGtoStr(m_date2)), MakeParam(GetIfList()), MakeParam(branches), MoreArguments());
}

void CPrnOfficialView::Print()
{
    UpdateData(TRUE);
    if (!CheckChoice())
        return;
    CString branches;
    m_editFil.GetWindowText(branches);
    RememberPrintBranches(branches);
    RememberChoice();
    const OfficialForm* form = Form();
    CString file;
    if (!form || !OfficialRouteFile(*form, Route(), file)) {
        AfxMessageBox(FormatText("Для формы %s нет отчета варианта печати %d",
                                 form ? CString(form->code) : GetDocumentName(), Route()));
        return;
    }
    const CString call = ReportCall();
    if (file.IsEmpty())
        EXEC_ShowFormReport(call, 0, 0);
    else
        // The window is named as the form, not by its edition's file ("0503130_").
        CHelpers::EXEC_ShowExternalReport(OfficialReportPath(file), call, Title());
}

void CPrnOfficialView::OnOK()
{
    Print();
}

IMPLEMENT_DYNAMIC(CPrnOfficialOptionView, CPrnOfficialView)

void CPrnOfficialOptionView::DoDataExchange(CDataExchange* pDX)
{
    CPrnOfficialView::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_OF_EXPAND, m_bExpand);
}

CString CPrnOfficialOptionView::MoreArguments()
{
    return FormatText(",%d", m_bExpand ? 1 : 0);
}

#define NLEDMARK_OFFICIAL_VIEW(name, base, dialog)                                                                     \
    IMPLEMENT_DYNCREATE(name, base)                                                                                    \
    name::name() : base(dialog) {}

NLEDMARK_OFFICIAL_VIEW(CPrn0503121View, CPrnOfficialView, IDD_SELECT_IF)
NLEDMARK_OFFICIAL_VIEW(CPrn0503125View, CPrnOfficialView, IDD_SELECT_IF)
NLEDMARK_OFFICIAL_VIEW(CPrn0503129View, CPrnOfficialView, IDD_SELECT_IF)
NLEDMARK_OFFICIAL_VIEW(CPrn0503130View, CPrnOfficialView, IDD_SELECT_IF)
NLEDMARK_OFFICIAL_VIEW(CPrn0503160View, CPrnOfficialView, IDD_SELECT_IF)
NLEDMARK_OFFICIAL_VIEW(CPrn0503169View, CPrnOfficialView, IDD_SELECT_IF)
NLEDMARK_OFFICIAL_VIEW(CPrn0503130_sbView, CPrnOfficialOptionView, IDD_PRN_0503130_SB)
NLEDMARK_OFFICIAL_VIEW(CPrn0503168View, CPrnOfficialOptionView, IDD_PRN_0503168)

#undef NLEDMARK_OFFICIAL_VIEW

} // namespace nledmark
