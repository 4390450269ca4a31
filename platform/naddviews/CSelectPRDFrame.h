// The frame of the department selection form; it only sizes the window, so
// the form may equally stand in the core's CderivedFrame.
#pragma once

#include "appcore.h"

class CSelectPRDFrame : public CderivedFrame {
    DECLARE_DYNCREATE(CSelectPRDFrame)
public:
    CSelectPRDFrame();
    ~CSelectPRDFrame() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};
