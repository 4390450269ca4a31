#include "CderivedFormview.h"

#include "CHelpers.h"
#include "FormScript.h"
#include "UserSession.h"
#include "dlgkit.h"
#include "gridbase.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>

IMPLEMENT_DYNAMIC(CderivedFormview, CFormView)

BEGIN_MESSAGE_MAP(CderivedFormview, CFormView)
    ON_COMMAND(IDCANCEL, OnCancelCommand)
    ON_COMMAND(ID_BUTTON_SIRCH, OnSirchCommand)
    ON_UPDATE_COMMAND_UI(ID_BUTTON_SIRCH, OnUpdateButtonSirch)
    ON_COMMAND(ID_FILE_PRINT, OnPrint0)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrintDirect0)
END_MESSAGE_MAP()

CderivedFormview::CderivedFormview(UINT nIDTemplate, HINSTANCE hModule) : CFormView(nIDTemplate, hModule) {}

CderivedFormview::~CderivedFormview() = default;

CderivedDocument* CderivedFormview::GetDocument() const
{
    return dynamic_cast<CderivedDocument*>(CFormView::GetDocument());
}

CString CderivedFormview::GetDocumentName() const
{
    return appcore::ViewDocumentName(this);
}

void CderivedFormview::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
}

BOOL CderivedFormview::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F7) {
        OnButtonSirch();
        return TRUE;
    }
    return CFormView::PreTranslateMessage(pMsg);
}

void CderivedFormview::OnCancel()
{
    if (m_bClosing)
        return;
    m_bClosing = TRUE;
    // Posted: the frame closes after the handler that asked for it returns, so
    // the handler may still call PostOK or SetSql on this view.
    if (CFrameWnd* frame = GetParentFrame())
        frame->PostMessage(WM_CLOSE);
}

void CderivedFormview::OnCancelCommand()
{
    OnCancel();
}

int CderivedFormview::Write(int)
{
    return 1;
}

CCellwork* CderivedFormview::FindGrid() const
{
    QWidget* root = GetQWidget();
    if (!root)
        return nullptr;
    CCellwork* first = nullptr;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        auto* grid = dynamic_cast<CCellwork*>(CWnd::FromQWidget(w));
        if (!grid)
            continue;
        if (w->isAncestorOf(QApplication::focusWidget()) || w == QApplication::focusWidget())
            return grid;
        if (!first)
            first = grid;
    }
    return first;
}

void CderivedFormview::OnUpdateButtonSirch(CCmdUI* pCmdUI)
{
    CCellwork* grid = FindGrid();
    pCmdUI->Enable(grid && grid->GetNRows() > 0);
}

void CderivedFormview::OnSirchCommand()
{
    OnButtonSirch();
}

namespace {

// Every blank-separated fragment occurs in one of the row's cells (whole
// words when asked), letter case aside.
bool RowHolds(CCellwork& grid, long row, const QStringList& fragments, bool wholeWords)
{
    QStringList cells;
    for (long col = 0; col < grid.GetNCols(); ++col)
        cells << grid.GetCellValue(col, row).ToQString();
    QString text = cells.join(QStringLiteral(" "));
    for (const QString& fragment : fragments) {
        bool found = wholeWords ? text.split(u' ', Qt::SkipEmptyParts).contains(fragment, Qt::CaseInsensitive)
                                : text.contains(fragment, Qt::CaseInsensitive);
        if (!found)
            return false;
    }
    return true;
}

} // namespace

void CderivedFormview::OnButtonSirch()
{
    CCellwork* grid = FindGrid();
    if (!grid || grid->GetNRows() == 0) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    CSirchDlg dlg(this);
    dlg.m_strText = m_strSirch;
    dlg.m_nOption1 = m_nSirchCase;
    dlg.m_nOption2 = m_nSirchWord;
    if (dlg.DoModal() != IDOK)
        return;
    m_strSirch = dlg.m_strText;
    m_nSirchCase = dlg.m_nOption1;
    m_nSirchWord = dlg.m_nOption2;
    QStringList fragments = m_strSirch.ToQString().split(u' ', Qt::SkipEmptyParts);
    if (fragments.isEmpty())
        return;
    long rows = grid->GetNRows();
    long start = grid->GetCurRow();
    for (long step = 1; step <= rows; ++step) {
        long row = (start + step) % rows;
        if (RowHolds(*grid, row, fragments, m_nSirchWord != 0)) {
            grid->SetCurCell(grid->GetCurCol() < 0 ? 0 : grid->GetCurCol(), row);
            grid->SetFocus0();
            return;
        }
    }
    AfxMessageBox(CString("По запросу ничего нет: ") + m_strSirch, MB_OK | MB_ICONINFORMATION);
}

void CderivedFormview::RunPrintReport(BOOL direct)
{
    BOOL saved = g_bPrintDirrect;
    g_bPrintDirrect = direct || saved;
    EXEC_ShowFormReport("prn()", 0, 0);
    g_bPrintDirrect = saved;
}

void CderivedFormview::OnPrint0()
{
    RunPrintReport(FALSE);
}

void CderivedFormview::OnFilePrintDirect0()
{
    RunPrintReport(TRUE);
}

int CderivedFormview::EXEC_ShowFormReport(const char* call, int report, int)
{
    CDocument* document = CFormView::GetDocument();
    CString title = document ? document->GetTitle() : CString();
    return appcore::ShowFormReport(appcore::FormContext(GetDocumentName(), report), call, title);
}

int CderivedFormview::EXEC_Execute(const char* call, int report)
{
    return CHelpers::EXEC_Execute(call, appcore::FormContext(GetDocumentName(), report));
}

int CderivedFormview::EXEC_GetFunctionValue(const char* call, CString& result, int report)
{
    return CHelpers::EXEC_GetFunctionValue(call, result, appcore::FormContext(GetDocumentName(), report));
}
