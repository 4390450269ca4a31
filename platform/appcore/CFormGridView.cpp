#include "CFormGridView.h"

#include "CDocumentView.h"
#include "CInterpriter.h"
#include "CderivedFrame.h"
#include "ChoiceDelivery.h"
#include "DocumentOpener.h"
#include "CHelpers.h"
#include "FormScript.h"
#include "GridQuery.h"
#include "MakeParam.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"

IMPLEMENT_DYNCREATE(CFormGridView, CderivedFormview)

BEGIN_MESSAGE_MAP(CFormGridView, CderivedFormview)
    ON_WM_SIZE()
    ON_COMMAND(IDOK, OnChooseCommand)
    ON_MESSAGE(WM_DOCUMENT_SAVED, OnDocumentSaved)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CFormGridView, CderivedFormview)
    ON_EVENT(CFormGridView, IDC_FORM_GRID, 3, OnGridEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
    ON_EVENT(CFormGridView, IDC_FORM_GRID, DISPID_DBLCLICK, OnGridDblClick, VTS_NONE)
END_EVENTSINK_MAP()

CFormGridView::CFormGridView() : CderivedFormview(IDD_FORM_GRID) {}

void CFormGridView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FORM_GRID, m_grid);
}

void CFormGridView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    FillFromScript();
    PostMessage(WM_SIZE);
}

void CFormGridView::FillFromScript(bool focus)
{
    CderivedDocument* document = GetDocument();
    CString context = appcore::FormContext(GetDocumentName(), 0);
    CInterpriter* interpriter = CInterpriter::GetCurrent();
    if (!document || document->IsFilledByCaller() || !interpriter || !interpriter->HasContext(context))
        return;
    // A form without a Fill of its own shows an empty list.
    CString call, sql;
    call.Format("Fill and Fill(%d,\"%s\") or \"\"", document->m_nParam, (LPCTSTR)MakeParam(document->m_strParam));
    if (!CHelpers::EXEC_GetFunctionValue(call, sql, context) || sql.IsEmpty())
        return;
    appcore::FillGridFromQuery(m_grid, sql, true);
    FinishFill(focus);
}

// A list the script fills shows a document saved elsewhere at once; the
// current row stays where it was.
LRESULT CFormGridView::OnDocumentSaved(WPARAM, LPARAM)
{
    const long row = m_grid.GetCurRow();
    FillFromScript(false);
    if (row >= 0 && row < m_grid.GetNRows())
        m_grid.SetCurCell(0, row);
    return 0;
}

void CFormGridView::FinishFill(bool focus)
{
    m_grid.SetReportType(4);
    m_grid.KeepRatio();
    if (m_grid.GetNRows() > 0 && m_grid.GetCurRow() < 0)
        m_grid.SetCurCell(0, 0);
    if (focus)
        m_grid.SetFocus0();
}

void CFormGridView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    appcore::PlaceGridAndButtons(this, &m_grid, {IDCANCEL, IDOK});
}

BOOL CFormGridView::Choose()
{
    CderivedDocument* document = GetDocument();
    long row = m_grid.GetCurRow();
    if (!document || row < 0 || row >= m_grid.GetNRows())
        return FALSE;
    CString answer;
    if (document->m_nAnswerMode == -2) {
        for (long col = 0; col < m_grid.GetNCols(); ++col)
            answer += (col ? CString("~") : CString()) + m_grid.GetCellValue(col, row);
    } else {
        answer = m_grid.GetCellValue(0, row);
    }
    appcore::ChoiceTarget target(document->GetAnswerWnd(), document->m_nAnswerCtrl, UINT(document->m_nAnswerMsg));
    if (!target.Parent())
        return ChooseInScript(m_grid.GetCellValue(0, row));
    OnCancel();
    target.Deliver(answer, true);
    return TRUE;
}

BOOL CFormGridView::ChooseInScript(const CString& firstCell)
{
    CString context = appcore::FormContext(GetDocumentName(), 0);
    CInterpriter* interpriter = CInterpriter::GetMain();
    CString defined;
    if (!interpriter || !interpriter->HasContext(context)
        || !CHelpers::EXEC_GetFunctionValue("Choose ~= nil", defined, context) || defined != "1")
        return FALSE;
    CString call, answer;
    call.Format("Choose(\"%s\")", (LPCTSTR)MakeParam(firstCell));
    CHelpers::EXEC_GetFunctionValue(call, answer, context);
    return TRUE;
}

void CFormGridView::OnChooseCommand()
{
    if (!Choose())
        MessageBeep(MB_ICONEXCLAMATION);
}

void CFormGridView::OnGridDblClick()
{
    Choose();
}

void CFormGridView::OnGridEditStart(short, short, CString*, short* cancel)
{
    *cancel = 1;
}

namespace appcore {

CDocTemplate* FormGridTemplate()
{
    return CoreTemplate(IDR_FORM_GRID, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
                        RUNTIME_CLASS(CFormGridView));
}

} // namespace appcore
