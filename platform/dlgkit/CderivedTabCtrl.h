// CderivedTabCtrl: the forms' tab control, bound with DDX_Control. The pages'
// controls are the form's own, shown and hidden by the form on TCN_SELCHANGE.
#pragma once
#include "afx.h"

class CderivedTabCtrl : public CTabCtrl {
    DECLARE_DYNAMIC(CderivedTabCtrl)
};
