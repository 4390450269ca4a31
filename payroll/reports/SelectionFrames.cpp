#include "SelectionFrames.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(CSelectYearDoc, CderivedDocument)

CSelectYearDoc::CSelectYearDoc() = default;
CSelectYearDoc::~CSelectYearDoc() = default;

void CSelectYearDoc::SetTitle(LPCTSTR)
{
    CderivedDocument::SetTitle("Выбор месяцев");
}

BOOL CSelectYearDoc::OnNewDocument()
{
    return CderivedDocument::OnNewDocument() ? TRUE : FALSE;
}

IMPLEMENT_DYNCREATE(CSelectYearFrame, CderivedFrame)

CSelectYearFrame::CSelectYearFrame() = default;
CSelectYearFrame::~CSelectYearFrame() = default;

BOOL CSelectYearFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.cx = 320;
    cs.cy = 320;
    return CderivedFrame::PreCreateWindow(cs);
}

IMPLEMENT_DYNCREATE(CSelectPrdKatDoc, CderivedDocument)

CSelectPrdKatDoc::CSelectPrdKatDoc() = default;
CSelectPrdKatDoc::~CSelectPrdKatDoc() = default;

void CSelectPrdKatDoc::SetTitle(LPCTSTR)
{
    CderivedDocument::SetTitle("Выбор подразделения и категории работников");
}

BOOL CSelectPrdKatDoc::OnNewDocument()
{
    return CderivedDocument::OnNewDocument() ? TRUE : FALSE;
}

IMPLEMENT_DYNCREATE(CSelectPrdKatFrame, CMDIChildWnd)

CSelectPrdKatFrame::CSelectPrdKatFrame() = default;
CSelectPrdKatFrame::~CSelectPrdKatFrame() = default;

BOOL CSelectPrdKatFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.cx = 700;
    cs.cy = 270;
    return CMDIChildWnd::PreCreateWindow(cs);
}

} // namespace npaymar
