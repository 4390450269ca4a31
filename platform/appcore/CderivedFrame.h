// The MDI child frames of the application core's document pairs:
// CderivedFrame for forms without a stored document, CDocumentFrame for
// editable documents. Modules derive from them to size a frame
// (PreCreateWindow).
#pragma once

#include "afx.h"

class CderivedFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CderivedFrame)
public:
    CderivedFrame();
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};

class CDocumentFrame : public CderivedFrame {
    DECLARE_DYNCREATE(CDocumentFrame)
public:
    CDocumentFrame();
};
