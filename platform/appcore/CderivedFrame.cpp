#include "CderivedFrame.h"

IMPLEMENT_DYNCREATE(CderivedFrame, CMDIChildWnd)

CderivedFrame::CderivedFrame() = default;

BOOL CderivedFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    return CMDIChildWnd::PreCreateWindow(cs);
}

IMPLEMENT_DYNCREATE(CDocumentFrame, CderivedFrame)

CDocumentFrame::CDocumentFrame() = default;
