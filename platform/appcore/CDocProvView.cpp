#include "CDocProvView.h"

#include "CDocumentView.h"
#include "PostingsGrid.h"
#include "res/AppcoreResource.h"

#include <cstdlib>

namespace {

long DocumentId(const CderivedDocument* document)
{
    return document ? std::atol(document->m_strParam) : 0;
}

// The grid fills the form above its buttons.
void FitGrid(CWnd* form, CCellwork& grid, int buttons)
{
    if (!grid.GetSafeHwnd())
        return;
    CRect client;
    form->GetClientRect(&client);
    grid.MoveWindow(0, 0, client.Width(), client.Height() > buttons ? client.Height() - buttons : client.Height());
}

} // namespace

IMPLEMENT_DYNCREATE(CDocProvView, CderivedFormview)

BEGIN_MESSAGE_MAP(CDocProvView, CderivedFormview)
    ON_WM_SIZE()
    ON_MESSAGE(WM_DOCUMENT_SAVED, OnDocumentSaved)
END_MESSAGE_MAP()

CDocProvView::CDocProvView() : CderivedFormview(IDD_DOC_PROV) {}

void CDocProvView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOC_PROV_GRID, m_grid);
}

void CDocProvView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    m_grid.KeepRatio();
    Fill();
    PostMessage(WM_SIZE);
}

void CDocProvView::Fill()
{
    appcore::FillPostingsGrid(m_grid, DocumentId(GetDocument()), 1);
}

void CDocProvView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    FitGrid(this, m_grid, 0);
}

LRESULT CDocProvView::OnDocumentSaved(WPARAM, LPARAM)
{
    Fill();
    return 0;
}

IMPLEMENT_DYNCREATE(CStornoDoc, CconfigDocument)

CStornoDoc::CStornoDoc() = default;

IMPLEMENT_DYNCREATE(CStornoView, CDocumentView)

BEGIN_MESSAGE_MAP(CStornoView, CDocumentView)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CStornoView::CStornoView() : CDocumentView(IDD_STORNO) {}

void CStornoView::DoDataExchange(CDataExchange* pDX)
{
    CDocumentView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOC_PROV_GRID, m_grid);
}

void CStornoView::OnInitialUpdate()
{
    CDocumentView::OnInitialUpdate();
    m_grid.KeepRatio();
    SetSql();
    PostMessage(WM_SIZE);
}

void CStornoView::SetSql()
{
    appcore::FillPostingsGrid(m_grid, DocumentId(GetDocument()), -1);
}

void CStornoView::OnSize(UINT nType, int cx, int cy)
{
    CDocumentView::OnSize(nType, cx, cy);
    FitGrid(this, m_grid, 30);
}
