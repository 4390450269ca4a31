#include "CScriptServiceViews.h"

#include "CHelpers.h"
#include "FormTitle.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>

namespace nledmark {

namespace {

COleDateTime WorkingPeriodEnd()
{
    const COleDateTime end = qwDMG(GetDPV2(), 1);
    return end.GetStatus() == COleDateTime::valid ? end : COleDateTime::GetCurrentTime();
}

} // namespace

IMPLEMENT_DYNAMIC(CScriptServiceView, CderivedFormview)

CScriptServiceView::CScriptServiceView(UINT nIDTemplate, const COleDateTime& date, const char* title)
    : CderivedFormview(nIDTemplate), m_date(date), m_title(title)
{
}

void CScriptServiceView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_DateTimeCtrl(pDX, IDC_DATE, m_date);
}

void CScriptServiceView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, m_title);
    ResizeParentToFit(FALSE);
}

void CScriptServiceView::RunCall(const CString& call)
{
    CString answer;
    EXEC_GetFunctionValue(call, answer, 0);
    if (std::atol(answer) != 0)
        OnCancel();
}

IMPLEMENT_DYNCREATE(CZakrGodaView, CScriptServiceView)

BEGIN_MESSAGE_MAP(CZakrGodaView, CScriptServiceView)
    ON_COMMAND(IDOK, OnOK)
END_MESSAGE_MAP()

CZakrGodaView::CZakrGodaView() : CScriptServiceView(IDR_ZAKR_GODA, WorkingPeriodEnd(), "Закрытие года") {}

void CZakrGodaView::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    RunCall(FormatText("DoIt(\"%s\")", DMGtoStr(m_date)));
}

IMPLEMENT_DYNAMIC(CCodeChangeView, CScriptServiceView)

BEGIN_MESSAGE_MAP(CCodeChangeView, CScriptServiceView)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDC_CHANGE_FROM_PICK, OnPickFrom)
    ON_COMMAND(IDC_CHANGE_TO_PICK, OnPickTo)
END_MESSAGE_MAP()

CCodeChangeView::CCodeChangeView(UINT nIDTemplate, const COleDateTime& date, const char* title, const char* book,
                                 const char* function)
    : CScriptServiceView(nIDTemplate, date, title), m_book(book), m_function(function)
{
    m_editFrom.SetType(EDIT_KIND_PLAIN);
    m_editTo.SetType(EDIT_KIND_PLAIN);
}

void CCodeChangeView::DoDataExchange(CDataExchange* pDX)
{
    CScriptServiceView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHANGE_FROM, m_editFrom);
    DDX_Control(pDX, IDC_CHANGE_TO, m_editTo);
}

void CCodeChangeView::OnPickFrom()
{
    CHelpers::GetInSpr(m_book, this, IDC_CHANGE_FROM, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CCodeChangeView::OnPickTo()
{
    CHelpers::GetInSpr(m_book, this, IDC_CHANGE_TO, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void CCodeChangeView::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    CString from, to;
    m_editFrom.GetWindowText(from);
    m_editTo.GetWindowText(to);
    RunCall(FormatText("%s(\"%s\",\"%s\",\"%s\")", m_function, DMGtoStr(m_date), MakeParam(from), MakeParam(to)));
}

IMPLEMENT_DYNCREATE(CSmenaIFView, CCodeChangeView)

CSmenaIFView::CSmenaIFView()
    : CCodeChangeView(IDR_SMENA_IF, COleDateTime::GetCurrentTime(), "Смена источника финансирования", "spr_if",
                      "SmenaIF")
{
}

IMPLEMENT_DYNCREATE(CSmenaKBKView, CCodeChangeView)

CSmenaKBKView::CSmenaKBKView()
    : CCodeChangeView(IDR_SMENA_KBK, WorkingPeriodEnd(), "Смена КБК", "spr_kbk", "SmenaKBK")
{
}

} // namespace nledmark
