#include "CSelectPRDFrame.h"

IMPLEMENT_DYNCREATE(CSelectPRDFrame, CderivedFrame)

CSelectPRDFrame::CSelectPRDFrame() = default;

CSelectPRDFrame::~CSelectPRDFrame() = default;

BOOL CSelectPRDFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CderivedFrame::PreCreateWindow(cs))
        return FALSE;
    cs.cx = 480;
    cs.cy = 420;
    return TRUE;
}
